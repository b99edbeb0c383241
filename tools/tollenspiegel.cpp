// tollenspiegel: the package's command-line tool.
//
//   tollenspiegel render [-o FILE.png]   draws the shape sheet and writes it as PNG
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

#include "Forms.h"
#include "PngFile.h"
#include "ShapeSheet.h"

namespace {

int Usage() {
  std::fputs(
      "usage: tollenspiegel render [-o FILE.png]\n"
      "  render   draw the sheet of shapes and write it as a PNG picture\n",
      stderr);
  return 2;
}

int Render(const std::vector<std::string>& args) {
  std::string out = "tollenspiegel.png";
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "-o" && i + 1 < args.size())
      out = args[++i];
    else
      return Usage();
  }
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
  std::vector<std::string> args(argv + 2, argv + argc);
  try {
    if (std::strcmp(argv[1], "render") == 0) return Render(args);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "tollenspiegel: %s\n", e.what());
    return 1;
  }
  return Usage();
}
