// tollenspiegel: the package's command-line tool.
#include <iostream>
#include <string>
#include <vector>

#include "Commands.h"

int main(int argc, char** argv) {
  return Tools::RunTool(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
