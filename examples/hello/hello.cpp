// A form built in code: a shape and a clock, shown in a window or, with
// --headless FILE.bmp, drawn once and saved.
#include <cstdio>
#include <string>

#include "Forms.h"
#include "VormKlok.h"
#include "Vormen.h"

int main(int argc, char** argv) {
  Forms::TForm form(nullptr);
  form.SetBounds(0, 0, 300, 160);
  form.SetCaption("Hello, Tollenspiegel");

  auto* star = new Vormen::TVorm(&form);  // the form owns what it is given
  star->SetBounds(16, 16, 128, 128);
  star->SetVorm(Vormen::HoningRaat);
  star->Brush().SetColor(Graphics::clYellow);
  star->Pen().SetWidth(3);
  star->SetParent(&form);

  auto* clock = new VormKlok::TVormKlok(&form);
  clock->SetBounds(160, 16, 128, 128);
  clock->SetVorm(Vormen::Cirkel);
  clock->SetSeconde(true);
  clock->SetParent(&form);

  if (argc == 3 && std::string(argv[1]) == "--headless") {
    form.PaintAll();
    form.PaintAll();  // the hexagon settles its height in its first paint
    form.GetFormImage()->SaveToFile(argv[2]);
    std::printf("wrote %s\n", argv[2]);
    return 0;
  }
  try {
    Forms::Application().Run(form);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "hello: %s\n", e.what());
    return 1;
  }
  return 0;
}
