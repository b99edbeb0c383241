#include "FormRun.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>

#include "Classes/Streaming.h"
#include "SysUtils.h"

namespace Forms {

namespace {

namespace fs = std::filesystem;

// Enters `folder` ("" stays), and gives the folder it left.
std::string Enter(const std::string& folder) {
  std::string previous = fs::current_path().string();
  if (folder.empty()) return previous;
  std::error_code error;
  fs::current_path(folder, error);
  if (error) throw SysUtils::Exception("Cannot enter " + folder + ": " + error.message());
  return previous;
}

// Today's local date at `msOfDay` after midnight.
std::int64_t TodayAt(std::int64_t msOfDay) {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return Platform::LocalMs(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) + msOfDay;
}

// A control may resize itself in its first paint, and paint again.
constexpr int kMaxSettlingPaints = 8;

// Runs `read` in `folder` (the folder before comes back after), and gives its
// form, which remembers the folder.
std::unique_ptr<TForm> ReadInFolder(
    const std::string& folder, const std::function<std::unique_ptr<Classes::TComponent>()>& read) {
  std::unique_ptr<Classes::TComponent> root;
  {
    struct TBack {
      std::string To;
      ~TBack() {
        std::error_code ignored;
        fs::current_path(To, ignored);
      }
    } back{Enter(folder)};
    root = read();
  }
  auto* form = static_cast<TForm*>(root.release());
  form->SetFileFolder(folder);
  return std::unique_ptr<TForm>(form);
}

}  // namespace

std::unique_ptr<TForm> ReadFormFile(const std::string& path, bool designing) {
  if (!std::ifstream(path))
    throw SysUtils::Exception("Cannot open " + path + ": " + std::strerror(errno));
  const std::string file = fs::absolute(path).lexically_normal().string();
  // Any other root class is refused at its line and column, before it is made.
  return ReadInFolder(fs::path(file).parent_path().string(), [&] {
    return Classes::ReadComponentFile(file, TForm::StaticClass(), designing);
  });
}

std::unique_ptr<TForm> ReadFormText(std::string_view text, const std::string& source,
                                    const std::string& folder, bool designing) {
  return ReadInFolder(folder, [&] {
    return Classes::ReadComponentText(text, source, TForm::StaticClass(), designing);
  });
}

TInFormFolder::TInFormFolder(const TForm& form) : FPrevious(Enter(form.FileFolder())) {}

TInFormFolder::~TInFormFolder() {
  std::error_code ignored;
  fs::current_path(FPrevious, ignored);
}

bool TVirtualRun::TSoundLog::PlayFile(const std::string& path) {
  // Kept absolute: the run enters and leaves the form's folder.
  Add({Platform::TSoundRequest::TKind::File, fs::absolute(path).lexically_normal().string()});
  return true;
}

TVirtualRun::TVirtualRun(std::int64_t msOfDay)
    : FStart(TodayAt(msOfDay)), FClock(FStart), FSounds(FClock, FStart) {
  Platform::UseClock(&FClock);
  Platform::UseSoundService(&FSounds);
}

TVirtualRun::~TVirtualRun() {
  Platform::UseSoundService(nullptr);
  Platform::UseClock(nullptr);
}

void TVirtualRun::RunFor(TForm& form, std::int64_t ms) { RunUntil(form, ElapsedMs() + ms); }

void TVirtualRun::RunUntil(TForm& form, std::int64_t elapsedMs) {
  TInFormFolder in(form);
  struct TWithoutEvents {
    TEventSource* Source = Application().EventSource();
    TWithoutEvents() { Application().SetEventSource(nullptr); }
    ~TWithoutEvents() { Application().SetEventSource(Source); }
  } withoutEvents;
  if (FPainted != &form) {
    form.PaintAll();
    FPainted = &form;
  }
  Application().RunUntil(FStart + std::max(elapsedMs, ElapsedMs()));
  Settle(form);
}

const Graphics::TSurface& TVirtualRun::Picture(TForm& form) {
  RunUntil(form, ElapsedMs());
  return form.Surface();
}

void TVirtualRun::Settle(TForm& form) {
  for (int i = 0; i < kMaxSettlingPaints && !form.InvalidArea().IsEmpty(); ++i) form.Update();
}

}  // namespace Forms
