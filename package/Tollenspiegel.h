// The package's own unit: what an application calls to use the controls by name.
#pragma once

namespace Tollenspiegel {

// Makes the package's controls known to the host's class registry, so stored
// forms can name them. Safe to call more than once.
void RegisterClasses();

}  // namespace Tollenspiegel
