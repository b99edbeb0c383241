// The commands of the tollenspiegel tool, declared once: the dispatcher, every
// command's parser, `--help`, the manual page and the shell completion read these.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "CommandLine.h"

namespace Tools {

// Every command, in the order the tool's help lists them.
const std::vector<TCommandSpec>& CommandSpecs();
// The command called `name`; raises TUsageError naming the commands there are.
const TCommandSpec& CommandSpec(const std::string& name);

// The tool's own version, as "tollenspiegel 0.1.0".
std::string VersionText();
// The tool's help: every command with its one line.
std::string ToolHelp();

// Runs the tool on its arguments (without the program name) and gives its exit
// status: 0, 1 for a failure at run time, 2 for a usage error. Messages go to
// `err` in one line each.
int RunTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace Tools
