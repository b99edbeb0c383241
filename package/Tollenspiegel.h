// The package's own unit: what an application calls to use the controls by name.
#pragma once

#include "Classes.h"

namespace Tollenspiegel {

// Makes the package's controls known to the host's class registry, so stored
// forms can name them. Safe to call more than once.
void RegisterClasses();

// Starts, as an application would, every control under `root` that waits to be
// started (tickers, wave captions, films started by program). Returns how many.
int StartAnimations(Classes::TComponent& root);

}  // namespace Tollenspiegel
