#include "View.h"

#include <cstdio>

#include "FormFiles.h"
#include "Platform/Window.h"
#include "PngFile.h"
#include "Tollenspiegel.h"

namespace Tools {

TViewOptions ParseViewOptions(const std::vector<std::string>& args) {
  TViewOptions o;
  o.FormPath = DemoFormPath();
  bool formGiven = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--start") {
      o.Start = true;
    } else if (a == "--screenshot" && i + 1 < args.size()) {
      o.Screenshot = args[++i];
    } else if (!a.empty() && a[0] != '-' && !formGiven) {
      o.FormPath = a;
      formGiven = true;
    } else {
      throw SysUtils::Exception("unknown option \"" + a + "\"");
    }
  }
  return o;
}

int View(const TViewOptions& o) {
  std::string screenshot = o.Screenshot.empty() ? "" : AbsolutePath(o.Screenshot);
  TFormFolder folder(o.FormPath);
  std::unique_ptr<Forms::TForm> form = LoadForm(AbsolutePath(o.FormPath));
  if (o.Start) Tollenspiegel::StartAnimations(*form);
  if (screenshot.empty()) {
    Forms::Application().Run(*form);
    return 0;
  }
  // Let the first timers fire and their paints show, then take the picture.
  Platform::TWindow window(*form);
  Forms::Application().SetEventSource(&window);
  Forms::Application().RunFor(200);
  Forms::Application().SetEventSource(nullptr);
  WritePng(window.ReadBack(), screenshot);
  std::printf("wrote %s\n", screenshot.c_str());
  return 0;
}

}  // namespace Tools
