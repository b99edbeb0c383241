// `tollenspiegel render`: a form drawn headless at a virtual time, as a PNG still
// or an animated GIF in which every timer fires exactly when it would in real time.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace Tools {

struct TRenderOptions {
  std::string FormPath;
  std::string Output = "tollenspiegel.png";
  std::optional<std::int64_t> AtMsOfDay;  // none: the current time of day
  double Seconds = 3;
  int Fps = 25;
  bool Start = false;  // start the animations that wait for the application
};

// Parses the arguments after "render"; raises SysUtils::Exception on a bad one.
TRenderOptions ParseRenderOptions(const std::vector<std::string>& args);
// Milliseconds since midnight of "HH:MM" or "HH:MM:SS".
std::int64_t ParseTimeOfDay(const std::string& text);

int Render(const TRenderOptions& options);

}  // namespace Tools
