// `tollenspiegel design`: the designer in a window, or on the terminal when asked
// (--shell) or when there is no display. --script runs shell commands against the
// window's session first; --screenshot writes what the window then shows and
// closes. A script's failures make the exit status 1, as the shell's do. A display
// that is named but cannot be reached also leaves the terminal, with a note.
#pragma once

#include "CommandLine.h"

namespace Tools {

TCommandSpec DesignSpec();
int Design(const TArguments& args);

}  // namespace Tools
