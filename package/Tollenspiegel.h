// The package's own unit: what an application calls to use the controls by name.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Classes.h"
#include "Forms.h"

namespace Tollenspiegel {

// The package's controls, in the order of its palette.
std::vector<System::TClass> ControlClasses();

// Makes the package's controls known to the host's class registry, so stored
// forms can name them. Safe to call more than once.
void RegisterClasses();

// Reads a form file that may use the package's controls: the classes registered,
// then Forms::ReadFormFile (FormRun.h: errors with file, line and column, and the
// form's folder remembered so the names it holds resolve from there).
std::unique_ptr<Forms::TForm> LoadForm(const std::string& path);

// Starts, as an application would, every control under `root` that waits to be
// started (tickers, wave captions, films started by program), in the folder of a
// form read from a file. Returns how many.
int StartAnimations(Classes::TComponent& root);

}  // namespace Tollenspiegel
