#include "DesignCommand.h"

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iostream>

#include "DesignShell.h"
#include "DesignerWindow.h"
#include "Forms/Window.h"
#include "Graphics/PictureFiles.h"

namespace Tools {

namespace {

int RunShell(const TArguments& args) {
  if (args.Has("--screenshot") || args.Has("--script"))
    throw TUsageError(
        std::string(Forms::DisplayNamed() ? "--shell" : "without a display, the terminal shell") +
        " takes no --screenshot or --script (pipe the script into it)");
  TDesignShell shell(std::cin, std::cout, std::cerr, isatty(STDIN_FILENO) != 0);
  if (args.Operand()) shell.Session().Open(*args.Operand());
  return shell.Run();
}

// Runs the script's commands against the window's session; false when one failed.
bool RunScript(TDesignSession& session, const std::string& path) {
  std::ifstream in(path);
  if (!in) throw SysUtils::Exception("Cannot open " + path);
  TDesignShell shell(session, in, std::cout, std::cerr);
  return shell.Run() == 0;
}

}  // namespace

TCommandSpec DesignSpec() {
  return {"design",
          "The form designer: palette, canvas and object inspector in a window.",
          "FORM",
          "a form file to open first",
          {
              {"--shell", "", "", "",
               "the designer on the terminal, one command a line (\"help\" lists them)"},
              {"--script", "", "FILE", "", "runs shell commands from FILE in the window first"},
              {"--screenshot", "", "FILE.png", "",
               "writes the window's first picture to FILE.png and closes"},
          },
          "Without a display the terminal designer starts; scripts can be piped into it.\n"};
}

int Design(const TArguments& args) {
  RegisterForDesign();
  if (args.Has("--shell") || !Forms::DisplayNamed()) return RunShell(args);
  TDesignSession session;
  if (args.Operand()) session.Open(*args.Operand());
  const std::string screenshot = args.Value("--screenshot");
  std::unique_ptr<Designer::TDesignerWindow> window;
  try {
    window = std::make_unique<Designer::TDesignerWindow>(
        session, Designer::TWindowOptions{.Software = !screenshot.empty()});
  } catch (const SysUtils::Exception& e) {
    // A display that cannot be reached leaves the terminal, unless a picture was asked for.
    if (!screenshot.empty() || args.Has("--script")) throw;
    std::cerr << "tollenspiegel design: " << e.what() << "; the designer runs on the terminal\n";
    return RunShell(args);
  }
  const bool scripted = !args.Has("--script") || RunScript(session, args.Value("--script"));
  if (screenshot.empty()) {
    window->Run();
    return scripted ? 0 : 1;
  }
  for (int frame = 0; frame < 3; ++frame) window->Step();  // layouts settle in a frame or two
  Graphics::WritePngFile(window->Screenshot(), screenshot);
  std::printf("wrote %s\n", screenshot.c_str());
  return scripted ? 0 : 1;
}

}  // namespace Tools
