// Values no designer would choose, set from code: the shape stays inside its area.
#include <gtest/gtest.h>

#include "Forms.h"
#include "Vormen.h"
#include "support/Pixels.h"

namespace {

constexpr Graphics::TPixel kForm = 0xC0C0C0;  // clBtnFace

// Paints one shape on a 40 by 40 form at (10, 10) and counts pixels it changed
// outside the rectangle it may use.
int PixelsOutside(int width, int height, int pen, int figure) {
  Forms::TForm form(nullptr);
  form.SetBounds(0, 0, 40, 40);
  auto* shape = new Vormen::TVorm(&form);
  shape->SetBounds(10, 10, width, height);
  shape->Pen().SetWidth(pen);
  shape->SetVorm(static_cast<Vormen::TVormen>(figure));
  shape->Brush().SetColor(Graphics::clRed);
  shape->Achtergrond().SetColor(Graphics::clBlue);
  shape->SetParent(&form);
  form.PaintAll();
  form.PaintAll();
  Types::TRect allowed = shape->BoundsRect();
  int outside = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x)
      if (!allowed.Contains({x, y}) && form.Surface().Pixel(x, y) != kForm) ++outside;
  return outside;
}

TEST(VormBadValues, NoSizePenOrFigureDrawsOutsideTheControl) {
  for (int figure : {0, 2, 4, 5, 6, 7, 8, 11, 12, 255})
    for (auto [w, h] : {std::pair{0, 0}, {-5, 20}, {20, -5}, {1, 1}, {2, 2}, {25, 3}})
      for (int pen : {0, 1, 2, 7, 1000, 1 << 30})
        EXPECT_EQ(PixelsOutside(w, h, pen, figure), 0)
            << "figure " << figure << ", " << w << " x " << h << ", pen " << pen;
}

TEST(VormBadValues, APenWiderThanTheShapeStillPaintsIt) {
  Forms::TForm form(nullptr);
  form.SetBounds(0, 0, 40, 40);
  auto* shape = new Vormen::TVorm(&form);
  shape->SetBounds(5, 5, 20, 20);
  shape->Pen().SetWidth(100);
  shape->Pen().SetColor(Graphics::clBlack);
  shape->SetParent(&form);
  form.PaintAll();
  EXPECT_EQ(form.Surface().Pixel(15, 15), 0u);  // the pen covers the whole figure
}

}  // namespace
