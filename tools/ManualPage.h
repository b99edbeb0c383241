// The tool's manual page and its bash completion, both written from the command
// declarations (Commands.h), so neither can fall behind the options.
#pragma once

#include <string>

namespace Tools {

// The manual page, tollenspiegel(1), in roff.
std::string ManualPage();

// A bash completion script: commands, each command's options, and file names
// where a value or operand names a file or a folder.
std::string BashCompletion();

}  // namespace Tools
