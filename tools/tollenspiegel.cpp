// tollenspiegel: the package's command-line tool.
#include <cstdio>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "DesignShell.h"
#include "PackageCommand.h"
#include "PngFile.h"
#include "Render.h"
#include "ShapeSheet.h"
#include "View.h"

namespace {

constexpr const char* kUsage =
    "usage: tollenspiegel COMMAND [ARGUMENTS]\n"
    "  render [FORM] [-o FILE.png] [--at HH:MM[:SS]] [--start]\n"
    "         [-o FILE.gif --seconds S --fps F]\n"
    "      draws a form (the bundled demo when none is given) headless, as a still\n"
    "      at a virtual time, or as an animation with every timer firing on time\n"
    "  view [FORM] [--start] [--screenshot FILE.png]\n"
    "      shows a form in a window at real time\n"
    "  design\n"
    "      a designer on the terminal, one command a line (\"help\" lists them)\n"
    "  sheet [-o FILE.png]\n"
    "      draws every shape with pens of width 1 to 5\n"
    "  package [FILE] [--png FOLDER]\n"
    "      loads a package (this tool's own when none is given) as the host does and\n"
    "      shows what it holds; --png writes its palette bitmaps and icon\n";

int Usage() {
  std::fputs(kUsage, stderr);
  return 2;
}

int Sheet(const std::vector<std::string>& args) {
  std::string out = "shapes.png";
  if (args.size() == 2 && args[0] == "-o")
    out = args[1];
  else if (!args.empty())
    return Usage();
  auto form = Tools::BuildShapeSheet();
  form->PaintAll();
  form->PaintAll();  // a hexagon cell resizes itself in its first paint
  Tools::WritePng(form->Surface(), out);
  std::printf("wrote %s (%d x %d)\n", out.c_str(), form->Surface().Width(),
              form->Surface().Height());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  const std::string command = argv[1];
  std::vector<std::string> args(argv + 2, argv + argc);
  try {
    if (command == "render") return Tools::Render(Tools::ParseRenderOptions(args));
    if (command == "view") return Tools::View(Tools::ParseViewOptions(args));
    if (command == "sheet") return Sheet(args);
    if (command == "package") return Tools::PackageCommand(Tools::ParsePackageOptions(args));
    if (command == "design") {
      Tools::RegisterForDesign();
      return Tools::TDesignShell(std::cin, std::cout).Run();
    }
    if (command == "help" || command == "--help" || command == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "tollenspiegel: %s\n", e.what());
    return 1;
  }
  return Usage();
}
