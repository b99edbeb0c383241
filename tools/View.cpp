#include "View.h"

#include <cstdio>
#include <filesystem>

#include "FormFiles.h"
#include "Platform/Window.h"
#include "PngFile.h"
#include "Tollenspiegel.h"

namespace Tools {

TViewOptions ParseViewOptions(const TArguments& args) {
  TViewOptions o;
  o.FormPath = args.Operand().value_or(DemoFormPath());
  o.Start = args.Has("--start");
  o.Strict = args.Has("--strict");
  o.Screenshot = args.Value("--screenshot");
  return o;
}

int View(const TViewOptions& o) {
  std::string screenshot = o.Screenshot.empty() ? "" : AbsolutePath(o.Screenshot);
  RequireReadable(o.FormPath);
  TMissingNames missing(o.FormPath);
  const std::string form = AbsolutePath(o.FormPath);
  TWorkingFolder folder(FormFolder(o.FormPath));
  std::unique_ptr<Forms::TForm> shown = LoadForm(form);
  if (o.Strict) missing.Refuse();
  if (o.Start) Tollenspiegel::StartAnimations(*shown);
  if (screenshot.empty()) {
    Forms::Application().Run(*shown);
    return 0;
  }
  // Let the first timers fire and their paints show, then take the picture.
  Platform::TWindow window(*shown);
  Forms::Application().SetEventSource(&window);
  Forms::Application().RunFor(200);
  Forms::Application().SetEventSource(nullptr);
  WritePng(window.ReadBack(), screenshot);
  std::printf("wrote %s\n", o.Screenshot.c_str());
  return 0;
}

}  // namespace Tools
