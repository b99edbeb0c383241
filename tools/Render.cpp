#include "Render.h"

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <ctime>

#include "FormFiles.h"
#include "GifFile.h"
#include "Platform/Clock.h"
#include "PngFile.h"
#include "SysUtils.h"
#include "Tollenspiegel.h"

namespace Tools {

namespace {

bool EndsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

[[noreturn]] void Bad(const std::string& what) { throw SysUtils::Exception(what); }

double Number(const std::string& flag, const std::string& text) {
  try {
    std::size_t used = 0;
    double v = std::stod(text, &used);
    if (used == text.size() && std::isfinite(v)) return v;
  } catch (const std::exception&) {
  }
  Bad(flag + " wants a number, not \"" + text + "\"");
}

// Today's date (local) at the given time of day.
std::int64_t TodayAt(std::int64_t msOfDay) {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return Platform::LocalMs(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) + msOfDay;
}

// A progress bar on a terminal; nothing when stderr is a file or a pipe.
class TProgress {
 public:
  explicit TProgress(int total) : FTotal(total), FShown(isatty(STDERR_FILENO) != 0) {}
  ~TProgress() {
    if (FShown) std::fputs("\n", stderr);
  }
  void Step(int done) const {
    if (!FShown) return;
    constexpr int kWidth = 40;
    int filled = FTotal ? done * kWidth / FTotal : kWidth;
    std::fprintf(stderr, "\r[%-*s] %3d%%", kWidth,
                 std::string(static_cast<std::size_t>(filled), '#').c_str(),
                 FTotal ? done * 100 / FTotal : 100);
  }

 private:
  int FTotal;
  bool FShown;
};

void RenderPng(Forms::TForm& form, const std::string& out) {
  Forms::Application().ProcessMessages();
  form.PaintAll();
  SettlePaints(form);
  WritePng(form.Surface(), out);
  std::printf("wrote %s (%d x %d)\n", out.c_str(), form.Surface().Width(), form.Surface().Height());
}

void RenderGif(Forms::TForm& form, const TRenderOptions& o, std::int64_t start) {
  const auto frames = static_cast<int>(std::llround(o.Seconds * o.Fps));
  TGifWriter gif(o.Output, form.Width(), form.Height());
  TProgress progress(frames);
  form.PaintAll();
  SettlePaints(form);
  for (int k = 0; k < frames; ++k) {
    // Frame k shows the form as it stands at k / fps seconds, timers all fired.
    auto at = static_cast<std::int64_t>(std::llround(k * 1000.0 / o.Fps));
    Forms::Application().RunUntil(start + at);
    SettlePaints(form);
    gif.AddFrame(form.Surface(), at);
    progress.Step(k + 1);
  }
  gif.Finish(static_cast<std::int64_t>(std::llround(o.Seconds * 1000)));
  std::printf("wrote %s (%d x %d, %d frames at %d per second, %d stored)\n", o.Output.c_str(),
              form.Width(), form.Height(), frames, o.Fps, gif.FramesWritten());
}

}  // namespace

std::int64_t ParseTimeOfDay(const std::string& text) {
  int h = 0, m = 0, s = 0;
  char tail = 0;
  int n = std::sscanf(text.c_str(), "%d:%d:%d%c", &h, &m, &s, &tail);
  if ((n != 2 && n != 3) || h < 0 || h > 23 || m < 0 || m > 59 || s < 0 || s > 59)
    Bad("--at wants a time as HH:MM or HH:MM:SS, not \"" + text + "\"");
  return ((h * 60LL + m) * 60 + s) * 1000;
}

TRenderOptions ParseRenderOptions(const std::vector<std::string>& args) {
  TRenderOptions o;
  o.FormPath = DemoFormPath();
  bool formGiven = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&]() -> const std::string& {
      if (i + 1 >= args.size()) Bad(a + " wants a value");
      return args[++i];
    };
    if (a == "-o")
      o.Output = value();
    else if (a == "--at")
      o.AtMsOfDay = ParseTimeOfDay(value());
    else if (a == "--seconds")
      o.Seconds = Number(a, value());
    else if (a == "--fps")
      o.Fps = static_cast<int>(Number(a, value()));
    else if (a == "--start")
      o.Start = true;
    else if (!a.empty() && a[0] != '-' && !formGiven) {
      o.FormPath = a;
      formGiven = true;
    } else
      Bad("unknown option \"" + a + "\"");
  }
  if (o.Seconds <= 0 || o.Seconds > 3600) Bad("--seconds must be above 0 and at most 3600");
  if (o.Fps < 1 || o.Fps > 100) Bad("--fps must be 1 to 100");
  return o;
}

int Render(const TRenderOptions& o) {
  std::int64_t start =
      TodayAt(o.AtMsOfDay ? *o.AtMsOfDay : Platform::TSystemClock().NowMs() % 86'400'000);
  // The clock stands still until the loop moves it, so the picture is the same every run.
  Platform::TVirtualClock clock(start);
  Platform::UseClock(&clock);
  struct TRestore {
    ~TRestore() { Platform::UseClock(nullptr); }
  } restore;
  TRenderOptions options = o;
  options.Output = AbsolutePath(o.Output);  // before entering the form's folder
  TFormFolder folder(o.FormPath);
  std::unique_ptr<Forms::TForm> form = LoadForm(AbsolutePath(o.FormPath));
  if (o.Start) Tollenspiegel::StartAnimations(*form);
  if (EndsWith(options.Output, ".gif"))
    RenderGif(*form, options, start);
  else
    RenderPng(*form, options.Output);
  return 0;
}

}  // namespace Tools
