// A designed form run as at run time on a virtual clock: what the designer's
// Run shows, without any window.
//
// The run form is read from the designed form's text, so the designed form is
// never touched, and its animations are started as an application starts them
// (tickers, wave captions, films started by program). Its time moves only when
// told: by a span, to the next timer due, or to any elapsed time; since virtual
// time never goes back, going back runs a fresh copy from the text up to that
// time, which gives the same pixels as before.
//
// While a run session lives, the timers running before it began (the designed
// form's clock, a film being tested) are held, and the process's clock and
// sound service are the run's: sounds are recorded, not played. All of it comes
// back when the session ends.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "FormRun.h"
#include "Messages.h"

namespace Tools {

class TRunSession {
 public:
  // The step Tick takes when no timer is running.
  static constexpr std::int64_t kIdleTickMs = 40;

  // Runs `formText` (read as a form file is, names resolved from `folder`)
  // from `msOfDay` after midnight; raises Classes::EReadError with `source`,
  // line and column when the text does not read.
  TRunSession(std::string formText, std::string folder, std::string source, std::int64_t msOfDay);
  ~TRunSession();
  TRunSession(const TRunSession&) = delete;
  TRunSession& operator=(const TRunSession&) = delete;

  Forms::TForm& Form() { return *FForm; }
  // What the run form shows now.
  const Graphics::TSurface& Picture() { return FRun->Picture(*FForm); }
  std::int64_t StartMsOfDay() const { return FStartMsOfDay; }
  std::int64_t ElapsedMs() const { return FRun->ElapsedMs(); }
  // The run's clock now, in milliseconds after midnight (past 24 hours when the
  // run went over midnight).
  std::int64_t TimeOfDayMs() const { return FStartMsOfDay + ElapsedMs(); }

  void RunFor(std::int64_t ms);
  // On to the next timer due (every timer due then fires); kIdleTickMs when
  // none is running.
  void Tick();
  // To `elapsedMs` after the start, forward or back.
  void SeekTo(std::int64_t elapsedMs);
  // A fresh run of the same text from `msOfDay` after midnight.
  void Restart(std::int64_t msOfDay);

  // Writes the run as the renderer writes a form (Render.h, WritePictures): a
  // still of what it shows now, or `lengthMs` from its start (the elapsed time
  // when 0) at `fps`; the run is back where it was after. Gives the line
  // telling what was written.
  std::string Export(const std::string& output, std::int64_t lengthMs, double fps);

  // Told the area of every paint of the run form (the whole form when it is
  // made afresh): where a window copies the picture from.
  std::function<void(const Types::TRect&)> OnPresent;

 private:
  void Begin(std::int64_t msOfDay);
  void End();

  std::string FText, FFolder, FSource;
  std::int64_t FStartMsOfDay = 0;
  Messages::TTimerHold FHeld;
  // The run before the form: the form's timers are set on the run's clock.
  std::unique_ptr<Forms::TVirtualRun> FRun;
  std::unique_ptr<Forms::TForm> FForm;
};

}  // namespace Tools
