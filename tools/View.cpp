#include "View.h"

#include <cstdio>

#include "FormFiles.h"
#include "FormRun.h"
#include "Forms/Window.h"
#include "Graphics/PictureFiles.h"
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

namespace {

// Lets the first timers fire and their paints show, and gives the picture shown.
Graphics::TSurface FirstPicture(Forms::TForm& form) {
  Forms::TWindow window(form);
  Forms::Application().SetEventSource(&window);
  Forms::Application().RunFor(200);
  Forms::Application().SetEventSource(nullptr);
  return window.ReadBack();
}

}  // namespace

int View(const TViewOptions& o) {
  TMissingNames missing(o.FormPath);
  std::unique_ptr<Forms::TForm> form = Tollenspiegel::LoadForm(o.FormPath);
  if (o.Strict) missing.Refuse();
  Graphics::TSurface shown;
  {
    Forms::TInFormFolder in(*form);
    if (o.Start) Tollenspiegel::StartAnimations(*form);
    if (o.Screenshot.empty()) {
      Forms::Application().Run(*form);
      return 0;
    }
    shown = FirstPicture(*form);
  }
  Graphics::WritePngFile(shown, o.Screenshot);
  std::printf("wrote %s\n", o.Screenshot.c_str());
  return 0;
}

}  // namespace Tools
