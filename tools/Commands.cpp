#include "Commands.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>

#include "DesignCommand.h"
#include "Graphics/PictureFiles.h"
#include "ManualPage.h"
#include "PackageCommand.h"
#include "Reference.h"
#include "Render.h"
#include "ShapeSheet.h"
#include "Tollenspiegel.h"
#include "View.h"

namespace Tools {

namespace {

const std::string kFormOperand = "a form file; the bundled demo when none is given";

TCommandSpec RenderSpec() {
  return {"render",
          "Draws a form headless at a virtual time: a still, an animation or a frame sequence.",
          "FORM",
          kFormOperand,
          {
              {"--output", "-o", "FILE", "tollenspiegel.png",
               "FILE.png (a still), FILE.gif (an animation), frames/%04d.png (a sequence)"},
              {"--at", "", "HH:MM[:SS]", "now", "the time of day the form starts at"},
              {"--seconds", "", "S", "3", "length of an animation or frame sequence"},
              {"--fps", "", "F", "25", "frames a second, fractions allowed (at most 100)"},
              {"--start", "", "", "", "starts the animations that wait for the application"},
              {"--strict", "", "", "", "fails when a name the form holds cannot be found"},
              {"--sound", "", "FILE.wav", "",
               "writes the sounds of the rendered span, each at its time, to FILE.wav"},
          },
          "Names in a form (frames, sounds) are looked for from the form's own folder; those\n"
          "not found are reported once each. No sound is played: --sound writes what would\n"
          "have sounded, for video tools to put beside the pictures.\n"};
}

TCommandSpec ViewSpec() {
  return {"view",
          "Shows a form in a window at real time.",
          "FORM",
          kFormOperand,
          {
              {"--start", "", "", "", "starts the animations that wait for the application"},
              {"--strict", "", "", "", "fails when a name the form holds cannot be found"},
              {"--screenshot", "", "FILE.png", "",
               "writes the first picture shown to FILE.png and closes"},
          },
          ""};
}

TCommandSpec SheetSpec() {
  return {
      "sheet", "Draws every figure with pens of width 1 to 5, dashes and a hidden shape.",   "",
      "",      {{"--output", "-o", "FILE.png", "shapes.png", "where to write the picture"}}, ""};
}

TCommandSpec PackageSpec() {
  return {"package",
          "Loads a package as the host does and sums up what it holds.",
          "FILE",
          "a package; the one this tool is linked with when none is given",
          {{"--exports", "", "", "", "lists every export, and every unit with its flags and hash"},
           {"--png", "", "FOLDER", "",
            "writes its palette bitmaps and icon (see-through where masked) as PNGs"}},
          ""};
}

TCommandSpec ReferenceSpec() {
  return {"reference",
          "Writes the reference of every control and the objects it publishes (Markdown).",
          "",
          "",
          {{"--output", "-o", "FILE", "docs/reference.md", "where to write it; - for stdout"}},
          ""};
}

int Reference(const TArguments& args) {
  const std::string out = args.Value("--output");
  const std::string text = ReferenceText(Tollenspiegel::ControlClasses());
  if (out == "-") {
    std::cout << text;
    return 0;
  }
  std::ofstream file(out);
  if (!file) throw SysUtils::Exception("Cannot create " + out + ": " + std::strerror(errno));
  file << text;
  file.close();
  if (!file) throw SysUtils::Exception("Cannot write " + out + ": " + std::strerror(errno));
  std::printf("wrote %s\n", out.c_str());
  return 0;
}

int Sheet(const TArguments& args) {
  const std::string out = args.Value("--output");
  auto form = BuildShapeSheet();
  form->PaintAll();
  form->PaintAll();  // a hexagon cell resizes itself in its first paint
  Graphics::SavePicture(form->Surface(), out);
  std::printf("wrote %s (%d x %d)\n", out.c_str(), form->Surface().Width(),
              form->Surface().Height());
  return 0;
}

int Run(const std::string& name, const TArguments& args) {
  if (name == "render") return Render(ParseRenderOptions(args));
  if (name == "view") return View(ParseViewOptions(args));
  if (name == "sheet") return Sheet(args);
  if (name == "package") return PackageCommand(ParsePackageOptions(args));
  if (name == "reference") return Reference(args);
  return Design(args);
}

}  // namespace

const std::vector<TCommandSpec>& CommandSpecs() {
  static const std::vector<TCommandSpec> specs{RenderSpec(), ViewSpec(),    DesignSpec(),
                                               SheetSpec(),  PackageSpec(), ReferenceSpec()};
  return specs;
}

const TCommandSpec& CommandSpec(const std::string& name) {
  std::string names;
  for (const TCommandSpec& spec : CommandSpecs()) {
    if (spec.Name == name) return spec;
    names += (names.empty() ? "" : ", ") + spec.Name;
  }
  throw TUsageError("unknown command \"" + name + "\" (commands: " + names + ")");
}

std::string VersionText() { return std::string("tollenspiegel ") + TOLLEN_VERSION; }

std::string ToolHelp() {
  std::ostringstream out;
  out << "usage: tollenspiegel COMMAND [OPTIONS]\n"
         "       tollenspiegel COMMAND --help\n"
         "       tollenspiegel --version\n"
         "       tollenspiegel --manual        (the manual page, in roff)\n"
         "       tollenspiegel --completion    (the bash completion script)\n\ncommands:\n";
  for (const TCommandSpec& spec : CommandSpecs())
    out << "  " << spec.Name << std::string(10 - spec.Name.size(), ' ') << spec.Summary << "\n";
  return out.str();
}

int RunTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string prefix = "tollenspiegel";
  try {
    if (args.empty()) throw TUsageError("a command is wanted (try tollenspiegel --help)");
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
      out << ToolHelp();
      return 0;
    }
    if (args[0] == "--version") {
      out << VersionText() << "\n";
      return 0;
    }
    if (args[0] == "--manual" || args[0] == "--completion") {
      if (args.size() > 1) throw TUsageError(args[0] + " takes no arguments");
      out << (args[0] == "--manual" ? ManualPage() : BashCompletion());
      return 0;
    }
    const TCommandSpec& spec = CommandSpec(args[0]);
    prefix += " " + spec.Name;
    TArguments arguments(spec, {args.begin() + 1, args.end()});
    if (arguments.WantsHelp()) {
      out << CommandHelp(spec);
      return 0;
    }
    out.flush();
    return Run(spec.Name, arguments);
  } catch (const TUsageError& e) {
    err << prefix << ": " << e.what() << "\n";
    return 2;
  } catch (const std::exception& e) {
    err << "tollenspiegel: " << e.what() << "\n";
    return 1;
  }
}

}  // namespace Tools
