// The words of a line typed at the designer's terminal: separated by blanks;
// "double quotes" or 'single quotes' keep blanks inside one word (in single
// quotes, '' stands for one quote), so file names with spaces can be given.
#pragma once

#include <string>
#include <vector>

namespace Tools {

// Raises SysUtils::Exception when a quote is not closed.
std::vector<std::string> ShellWords(const std::string& line);

}  // namespace Tools
