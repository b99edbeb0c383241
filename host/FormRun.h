// Forms read from their files, and an application stepped under a virtual clock.
//
//   Tollenspiegel::RegisterClasses();                  // or the package's LoadForm
//   Forms::TVirtualRun run(Forms::TimeOfDay(10, 9, 30));
//   std::unique_ptr<Forms::TForm> form = Forms::ReadFormFile("demo.form");
//   run.RunFor(*form, 2000);
//   Graphics::SavePicture(run.Picture(*form), "demo.png");
//
// Where a form's names resolve. The names a form holds (a film's frames, sounds)
// are looked up as on the platform, from the working folder. A form read from a
// file finds them from the file's own folder: ReadFormFile remembers that folder
// in the form (TForm::FileFolder), and the working folder is that folder while
// the file is read, while a TVirtualRun moves the form's time, and while a
// TInFormFolder lives; pictures are written from the folder the program is in.
// Lookups that try several places keep them all: a film tries the name as
// stored, then its bare name in the program's folder and in its default folder,
// then the bare name; the first and the last are now taken from the form's folder.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "Forms.h"
#include "Platform/Clock.h"
#include "Platform/Sound.h"

namespace Forms {

// Reads a form file whose root is a TForm; the classes it names must be
// registered. A file that cannot be read raises SysUtils::Exception with the
// system's reason; a fault within it Classes::EReadError with file, line and
// column, as does a root that is no form. `designing`: read for a designer (see
// Classes::ReadComponentText).
std::unique_ptr<TForm> ReadFormFile(const std::string& path, bool designing = false);
// Reads form text as ReadFormFile reads a file in `folder` ("": the working
// folder), which the form remembers; errors name `source`.
std::unique_ptr<TForm> ReadFormText(std::string_view text, const std::string& source,
                                    const std::string& folder, bool designing = false);

// While it lives, the working folder is the folder `form` was read from (no
// change for a form made in code); the folder before comes back at the end.
class TInFormFolder {
 public:
  explicit TInFormFolder(const TForm& form);
  ~TInFormFolder();
  TInFormFolder(const TInFormFolder&) = delete;
  TInFormFolder& operator=(const TInFormFolder&) = delete;

 private:
  std::string FPrevious;
};

// Milliseconds after midnight.
constexpr std::int64_t TimeOfDay(int hours, int minutes, int seconds = 0) {
  return ((hours * 60LL + minutes) * 60 + seconds) * 1000;
}

// A sound the application started or stopped, at its time since the run began.
struct TTimedSound {
  std::int64_t AtMs = 0;
  Platform::TSoundRequest Request;
  friend bool operator==(const TTimedSound&, const TTimedSound&) = default;
};

// The application's time made virtual: while it lives, the clock reads today's
// date at the given time of day and moves only when told, so the same steps give
// the same pictures, and sounds are recorded with their times instead of played.
// Create it before reading the forms it runs.
class TVirtualRun {
 public:
  explicit TVirtualRun(std::int64_t msOfDay);
  ~TVirtualRun();
  TVirtualRun(const TVirtualRun&) = delete;
  TVirtualRun& operator=(const TVirtualRun&) = delete;

  // Moves time on by `ms`, or to `elapsedMs` since the start (never back): every
  // timer fires at its time and `form` is painted, in the form's folder. Virtual
  // time waits for no input: the application's event source (a window the run is
  // shown in) is not asked for events meanwhile.
  void RunFor(TForm& form, std::int64_t ms);
  void RunUntil(TForm& form, std::int64_t elapsedMs);
  // What `form` shows now, everything pending painted.
  const Graphics::TSurface& Picture(TForm& form);

  std::int64_t StartMs() const { return FStart; }
  std::int64_t ElapsedMs() const { return FClock.NowMs() - FStart; }
  // The sounds started and stopped so far, in order.
  const std::vector<TTimedSound>& Sounds() const { return FSounds.Sounds; }

 private:
  class TSoundLog final : public Platform::TSoundService {
   public:
    explicit TSoundLog(const Platform::TClock& clock, std::int64_t start)
        : FClock(clock), FStart(start) {}
    void Stop() override { Add({Platform::TSoundRequest::TKind::Stop, {}}); }
    bool PlayFile(const std::string& path) override;
    void PlayWave(const std::string& name, const Platform::TWave&) override {
      Add({Platform::TSoundRequest::TKind::Wave, name});
    }
    std::vector<TTimedSound> Sounds;

   private:
    void Add(Platform::TSoundRequest request) {
      Sounds.push_back({FClock.NowMs() - FStart, std::move(request)});
    }
    const Platform::TClock& FClock;
    std::int64_t FStart;
  };

  void Settle(TForm& form);

  std::int64_t FStart;
  Platform::TVirtualClock FClock;
  TSoundLog FSounds;
  const TForm* FPainted = nullptr;
};

}  // namespace Forms
