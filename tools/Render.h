// `tollenspiegel render`: a form drawn headless at a virtual time, as a PNG still,
// an animated GIF or a sequence of PNG frames, in which every timer fires exactly
// when it would in real time. No sound is played; --sound writes the sounds of
// the rendered span to a wave file instead.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "CommandLine.h"

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

// Reads the arguments after "render"; raises TUsageError on a bad one.
TRenderOptions ParseRenderOptions(const TArguments& args);
TRenderOptions ParseRenderOptions(const std::vector<std::string>& args);
// Milliseconds since midnight of "HH:MM" or "HH:MM:SS".
std::int64_t ParseTimeOfDay(const std::string& text);

int Render(const TRenderOptions& options);

}  // namespace Tools
