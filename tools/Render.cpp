#include "Render.h"

#include <unistd.h>

#include <cmath>
#include <cstdio>

#include "Commands.h"
#include "FormFiles.h"
#include "FormRun.h"
#include "GifFile.h"
#include "Graphics/PictureFiles.h"
#include "Platform/Clock.h"
#include "Platform/WaveFile.h"
#include "SoundTrack.h"
#include "SysUtils.h"
#include "Tollenspiegel.h"

namespace Tools {

namespace {

constexpr double kMaxSeconds = 3600, kMaxFps = 100;

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

// The width of the frame number in a pattern ("%04d" -> 4, "%d" -> 0) and where
// it stands; raises TUsageError unless there is exactly one.
struct TFrameNumber {
  std::size_t At = 0, Length = 0;
  int Width = 0;
};
std::optional<TFrameNumber> FindFrameNumber(const std::string& pattern) {
  const std::size_t at = pattern.find('%');
  if (at == std::string::npos) return std::nullopt;
  std::size_t end = at + 1;
  if (end < pattern.size() && pattern[end] == '0') ++end;
  int width = 0;
  while (end < pattern.size() && std::isdigit(static_cast<unsigned char>(pattern[end])) &&
         width < 10)
    width = width * 10 + (pattern[end++] - '0');
  if (end >= pattern.size() || pattern[end] != 'd' || width > 9 ||
      pattern.find('%', end) != std::string::npos)
    throw TUsageError("a frame pattern holds one frame number such as %04d, not \"" + pattern +
                      "\"");
  return TFrameNumber{at, end + 1 - at, width};
}

bool EndsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

int FrameCount(const TRenderOptions& o) {
  return static_cast<int>(std::llround(o.Seconds * o.Fps));
}

// Frame k shows the form as it stands at k / fps seconds, timers all fired.
std::int64_t FrameTime(const TRenderOptions& o, int k) {
  return static_cast<std::int64_t>(std::llround(k * 1000.0 / o.Fps));
}

void RenderPng(Forms::TVirtualRun& run, Forms::TForm& form, const TRenderOptions& o) {
  Graphics::SavePicture(run.Picture(form), o.Output);
  std::printf("wrote %s (%d x %d)\n", o.Output.c_str(), form.Width(), form.Height());
}

void RenderGif(Forms::TVirtualRun& run, Forms::TForm& form, const TRenderOptions& o) {
  const int frames = FrameCount(o);
  TGifWriter gif(o.Output, form.Width(), form.Height());
  TProgress progress(frames);
  for (int k = 0; k < frames; ++k) {
    run.RunUntil(form, FrameTime(o, k));
    gif.AddFrame(form.Surface(), FrameTime(o, k));
    progress.Step(k + 1);
  }
  gif.Finish(static_cast<std::int64_t>(std::llround(o.Seconds * 1000)));
  std::printf("wrote %s (%d x %d, %d frames at %g per second, %d stored)\n", o.Output.c_str(),
              form.Width(), form.Height(), frames, o.Fps, gif.FramesWritten());
}

void RenderFrames(Forms::TVirtualRun& run, Forms::TForm& form, const TRenderOptions& o) {
  const int frames = FrameCount(o);
  TProgress progress(frames);
  for (int k = 0; k < frames; ++k) {
    run.RunUntil(form, FrameTime(o, k));
    Graphics::WritePngFile(form.Surface(), FrameFileName(o.Output, k));
    progress.Step(k + 1);
  }
  std::printf("wrote %s to %s (%d x %d, %d at %g per second)\n", FrameFileName(o.Output, 0).c_str(),
              FrameFileName(o.Output, frames - 1).c_str(), form.Width(), form.Height(), frames,
              o.Fps);
}

// A still's span is the moment itself: an empty track.
void WriteSoundTrack(const Forms::TVirtualRun& run, const TRenderOptions& o) {
  const std::int64_t end =
      OutputKindOf(o.Output) == TOutputKind::Still ? 0 : std::llround(o.Seconds * 1000);
  const Platform::TWave track = SoundTrack(run.Sounds(), end);
  Platform::WriteWaveFile(track, o.Sound);
  std::printf("wrote %s (%.3f s of sound)\n", o.Sound.c_str(),
              static_cast<double>(track.Samples.size()) / track.Rate);
}

}  // namespace

TOutputKind OutputKindOf(const std::string& output) {
  if (EndsWith(output, ".png"))
    return FindFrameNumber(output) ? TOutputKind::Frames : TOutputKind::Still;
  if (EndsWith(output, ".gif") && !FindFrameNumber(output)) return TOutputKind::Animation;
  throw TUsageError("cannot write \"" + output +
                    "\": the output is FILE.png (a still), FILE.gif (an animation) or a frame "
                    "pattern such as frames/%04d.png");
}

std::string FrameFileName(const std::string& pattern, int index) {
  const std::optional<TFrameNumber> number = FindFrameNumber(pattern);
  if (!number) return pattern;
  std::string digits = std::to_string(index);
  if (digits.size() < static_cast<std::size_t>(number->Width))
    digits.insert(0, static_cast<std::size_t>(number->Width) - digits.size(), '0');
  return std::string(pattern).replace(number->At, number->Length, digits);
}

std::int64_t ParseTimeOfDay(const std::string& text) {
  int h = 0, m = 0, s = 0;
  char tail = 0;
  int n = std::sscanf(text.c_str(), "%d:%d:%d%c", &h, &m, &s, &tail);
  if ((n != 2 && n != 3) || h < 0 || h > 23 || m < 0 || m > 59 || s < 0 || s > 59)
    throw TUsageError("--at wants a time as HH:MM or HH:MM:SS, not \"" + text + "\"");
  return ((h * 60LL + m) * 60 + s) * 1000;
}

TRenderOptions ParseRenderOptions(const TArguments& args) {
  TRenderOptions o;
  o.FormPath = args.Operand().value_or(DemoFormPath());
  o.Output = args.Value("--output");
  OutputKindOf(o.Output);
  if (args.Value("--at") != "now") o.AtMsOfDay = ParseTimeOfDay(args.Value("--at"));
  o.Seconds = args.Number("--seconds");
  o.Fps = args.Number("--fps");
  o.Start = args.Has("--start");
  o.Strict = args.Has("--strict");
  o.Sound = args.Value("--sound");
  if (o.Seconds <= 0 || o.Seconds > kMaxSeconds)
    throw TUsageError("--seconds must be above 0 and at most 3600");
  if (o.Fps <= 0 || o.Fps > kMaxFps) throw TUsageError("--fps must be above 0 and at most 100");
  if (FrameCount(o) < 1) throw TUsageError("--seconds and --fps give no frame");
  if (!o.Sound.empty() && !EndsWith(o.Sound, ".wav"))
    throw TUsageError("--sound writes a wave file, FILE.wav, not \"" + o.Sound + "\"");
  return o;
}

TRenderOptions ParseRenderOptions(const std::vector<std::string>& args) {
  return ParseRenderOptions(TArguments(CommandSpec("render"), args));
}

int Render(const TRenderOptions& o) {
  const TOutputKind kind = OutputKindOf(o.Output);
  // The clock stands still until the run moves it, so the picture is the same every run.
  Forms::TVirtualRun run(o.AtMsOfDay ? *o.AtMsOfDay
                                     : Platform::TSystemClock().NowMs() % 86'400'000);
  TMissingNames missing(o.FormPath);
  std::unique_ptr<Forms::TForm> form = Tollenspiegel::LoadForm(o.FormPath);
  if (o.Start) Tollenspiegel::StartAnimations(*form);
  if (form->Width() <= 0 || form->Height() <= 0)
    throw SysUtils::Exception(o.FormPath + ": the form is " + std::to_string(form->Width()) +
                              " x " + std::to_string(form->Height()) +
                              " pixels; give it a Width and a Height");
  if (o.Strict) missing.Refuse();
  if (kind == TOutputKind::Still) RenderPng(run, *form, o);
  if (kind == TOutputKind::Animation) RenderGif(run, *form, o);
  if (kind == TOutputKind::Frames) RenderFrames(run, *form, o);
  if (o.Strict) missing.Refuse();
  if (!o.Sound.empty()) WriteSoundTrack(run, o);
  return 0;
}

}  // namespace Tools
