// `tollenspiegel view`: a form in a real window at real time.
#pragma once

#include <string>

#include "CommandLine.h"

namespace Tools {

struct TViewOptions {
  std::string FormPath;
  bool Start = false;
  bool Strict = false;
  std::string Screenshot;  // when set: write the first shown picture there and close
};

TViewOptions ParseViewOptions(const TArguments& args);

// Shows the form until its window is closed; without a display, says so and fails.
int View(const TViewOptions& options);

}  // namespace Tools
