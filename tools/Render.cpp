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

// Frame k shows the form as it stands at k / fps seconds, timers all fired.
std::int64_t FrameTime(const TSpan& span, int k) {
  return static_cast<std::int64_t>(std::llround(k * 1000.0 / span.Fps));
}

// "120 x 80": a form's size as the summaries give it.
std::string SizeOf(const Forms::TForm& form) {
  return std::to_string(form.Width()) + " x " + std::to_string(form.Height());
}

std::string Rate(double fps) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", fps);
  return text;
}

std::string WriteStill(Forms::TVirtualRun& run, Forms::TForm& form, const std::string& output) {
  Graphics::SavePicture(run.Picture(form), output);
  return "wrote " + output + " (" + SizeOf(form) + ")";
}

std::string WriteGif(Forms::TVirtualRun& run, Forms::TForm& form, const std::string& output,
                     const TSpan& span, const TProgressStep& progress) {
  const int frames = FrameCount(span);
  TGifWriter gif(output, form.Width(), form.Height());
  for (int k = 0; k < frames; ++k) {
    run.RunUntil(form, FrameTime(span, k));
    gif.AddFrame(form.Surface(), FrameTime(span, k));
    if (progress) progress(k + 1, frames);
  }
  gif.Finish(static_cast<std::int64_t>(std::llround(span.Seconds * 1000)));
  return "wrote " + output + " (" + SizeOf(form) + ", " + std::to_string(frames) + " frames at " +
         Rate(span.Fps) + " per second, " + std::to_string(gif.FramesWritten()) + " stored)";
}

std::string WriteFrames(Forms::TVirtualRun& run, Forms::TForm& form, const std::string& output,
                        const TSpan& span, const TProgressStep& progress) {
  const int frames = FrameCount(span);
  for (int k = 0; k < frames; ++k) {
    run.RunUntil(form, FrameTime(span, k));
    Graphics::WritePngFile(form.Surface(), FrameFileName(output, k));
    if (progress) progress(k + 1, frames);
  }
  return "wrote " + FrameFileName(output, 0) + " to " + FrameFileName(output, frames - 1) + " (" +
         SizeOf(form) + ", " + std::to_string(frames) + " at " + Rate(span.Fps) + " per second)";
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

int FrameCount(const TSpan& span) {
  return static_cast<int>(std::llround(span.Seconds * span.Fps));
}

void RequireArea(const Forms::TForm& form, const std::string& source) {
  if (form.Width() > 0 && form.Height() > 0) return;
  throw SysUtils::Exception((source.empty() ? "" : source + ": ") + "the form is " +
                            std::to_string(form.Width()) + " x " + std::to_string(form.Height()) +
                            " pixels; give it a Width and a Height");
}

std::int64_t NowMsOfDay() { return Platform::TSystemClock().NowMs() % 86'400'000; }

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

std::string WritePictures(Forms::TVirtualRun& run, Forms::TForm& form, const std::string& output,
                          const TSpan& span, const TProgressStep& progress) {
  switch (OutputKindOf(output)) {
    case TOutputKind::Animation:
      return WriteGif(run, form, output, span, progress);
    case TOutputKind::Frames:
      return WriteFrames(run, form, output, span, progress);
    default:
      return WriteStill(run, form, output);
  }
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
  if (o.Seconds <= 0 || o.Seconds > kMaxRenderSeconds)
    throw TUsageError("--seconds must be above 0 and at most 3600");
  if (o.Fps <= 0 || o.Fps > kMaxRenderFps)
    throw TUsageError("--fps must be above 0 and at most 100");
  if (FrameCount({o.Seconds, o.Fps}) < 1) throw TUsageError("--seconds and --fps give no frame");
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
  Forms::TVirtualRun run(o.AtMsOfDay ? *o.AtMsOfDay : NowMsOfDay());
  TMissingNames missing(o.FormPath);
  std::unique_ptr<Forms::TForm> form = Tollenspiegel::LoadForm(o.FormPath);
  if (o.Start) Tollenspiegel::StartAnimations(*form);
  RequireArea(*form, o.FormPath);
  if (o.Strict) missing.Refuse();
  std::optional<TProgress> progress;
  if (kind != TOutputKind::Still) progress.emplace(FrameCount({o.Seconds, o.Fps}));
  const std::string wrote = WritePictures(run, *form, o.Output, {o.Seconds, o.Fps},
                                          [&progress](int done, int) { progress->Step(done); });
  progress.reset();
  std::printf("%s\n", wrote.c_str());
  if (o.Strict) missing.Refuse();
  if (!o.Sound.empty()) WriteSoundTrack(run, o);
  return 0;
}

}  // namespace Tools
