// `tollenspiegel render`: a form drawn headless at a virtual time, as a PNG still,
// an animated GIF or a sequence of PNG frames, in which every timer fires exactly
// when it would in real time. No sound is played; --sound writes the sounds of
// the rendered span to a wave file instead.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "FormRun.h"

namespace Tools {

struct TRenderOptions {
  std::string FormPath;
  std::string Output = "tollenspiegel.png";
  std::optional<std::int64_t> AtMsOfDay;  // none: the current time of day
  double Seconds = 3;
  double Fps = 25;
  bool Start = false;   // start the animations that wait for the application
  bool Strict = false;  // a name the form holds that cannot be found is an error
  std::string Sound;    // when set: the sound track of the rendered span, a wave file
};

// What an output name asks for: ".png" a still, ".gif" an animation, and a name
// with one frame number ("%d", "%04d") and ".png" one picture a frame.
enum class TOutputKind { Still, Animation, Frames };
// Raises TUsageError for any other name, listing the kinds there are.
TOutputKind OutputKindOf(const std::string& output);
// The frame sequence's file for frame `index`: "frames/%04d.png", 7 -> "frames/0007.png".
std::string FrameFileName(const std::string& pattern, int index);

// The longest animation and the highest frame rate written.
inline constexpr double kMaxRenderSeconds = 3600, kMaxRenderFps = 100;

// The time an animation covers from its run's start, and its frame rate.
struct TSpan {
  double Seconds = 3;
  double Fps = 25;
};
// The frames a span holds: its seconds times its rate, rounded.
int FrameCount(const TSpan& span);
// Refuses a form without an area (SysUtils::Exception), naming `source` when given.
void RequireArea(const Forms::TForm& form, const std::string& source = {});
// Milliseconds since midnight now, by the system's clock.
std::int64_t NowMsOfDay();

// Told after each frame written: how many so far, of how many.
using TProgressStep = std::function<void(int done, int total)>;

// Writes what `form` shows under `run` as `output` asks (OutputKindOf): a still
// of the moment the run is at, or each frame of `span`, frame k at k / fps
// seconds after the run's start (a run not yet past its start: time never goes
// back). Gives the line telling what was written.
std::string WritePictures(Forms::TVirtualRun& run, Forms::TForm& form, const std::string& output,
                          const TSpan& span, const TProgressStep& progress = {});

// Reads the arguments after "render"; raises TUsageError on a bad one.
TRenderOptions ParseRenderOptions(const TArguments& args);
TRenderOptions ParseRenderOptions(const std::vector<std::string>& args);
// Milliseconds since midnight of "HH:MM" or "HH:MM:SS".
std::int64_t ParseTimeOfDay(const std::string& text);

int Render(const TRenderOptions& options);

}  // namespace Tools
