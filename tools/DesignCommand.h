// `tollenspiegel design`: the designer in a window, or on the terminal when asked
// (--shell) or when there is no display. --script runs shell commands against the
// window's session first; --screenshot writes what the window then shows and
// closes. A script's failures make the exit status 1, as the shell's do.
#pragma once

#include "CommandLine.h"

namespace Tools {

TCommandSpec DesignSpec();
int Design(const TArguments& args);

}  // namespace Tools
