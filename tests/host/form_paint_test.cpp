// How a form paints its controls: in order, each offset and clipped to its bounds.
#include <gtest/gtest.h>

#include "Forms.h"
#include "support/Pixels.h"

namespace {

// Fills a rectangle larger than itself, to prove the clip holds.
class TSpill : public Controls::TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
  void Paint() override {
    Canvas().Brush().SetColor(Fill);
    Canvas().FillRect({-100, -100, 100, 100});
  }
  Graphics::TColor Fill = Graphics::clRed;
};

// Draws only a dot at its client origin; the rest shows what lies behind.
class TDot : public Controls::TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
  void Paint() override {
    Canvas().Brush().SetColor(Graphics::clBlue);
    Canvas().FillRect({0, 0, 1, 1});
  }
};

template <typename T>
T& Add(Forms::TForm& form, Types::TRect bounds) {
  auto* c = new T(&form);
  c->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
  c->SetParent(&form);
  return *c;
}

TEST(FormPaint, ControlsAreOffsetClippedAndPaintedInOrder) {
  Forms::TForm form(nullptr);
  form.SetBounds(0, 0, 8, 5);
  form.SetColor(Graphics::clWhite);
  Add<TSpill>(form, {1, 1, 4, 3});
  Add<TSpill>(form, {3, 2, 6, 4}).Fill = Graphics::clBlack;  // painted later, on top
  Add<TDot>(form, {6, 0, 8, 2});
  form.PaintAll();
  EXPECT_EQ(TestSupport::Picture(form.Surface(), 0xFFFFFF, 0xFF0000),
            "......?.\n"
            ".###....\n"
            ".##???..\n"
            "...???..\n"
            "........\n");
  EXPECT_EQ(form.Surface().Pixel(6, 0), 0x0000FFu);  // the dot at its own origin
  EXPECT_EQ(form.Surface().Pixel(7, 1), 0xFFFFFFu);  // its unpainted part shows the form
}

TEST(FormPaint, AHiddenControlShowsOnlyInTheDesigner) {
  Forms::TForm form(nullptr);
  form.SetBounds(0, 0, 4, 4);
  form.SetColor(Graphics::clWhite);
  auto& spill = Add<TSpill>(form, {0, 0, 2, 2});
  spill.SetVisible(false);
  form.PaintAll();
  EXPECT_EQ(TestSupport::Count(form.Surface(), 0xFF0000), 0);
  spill.SetDesigning(true);
  form.PaintAll();
  EXPECT_EQ(TestSupport::Count(form.Surface(), 0xFF0000), 4);
}

TEST(FormPaint, APaintCoversOnlyTheInvalidatedArea) {
  Forms::TForm form(nullptr);
  form.SetBounds(0, 0, 10, 4);
  auto& left = Add<TSpill>(form, {0, 0, 4, 4});
  auto& right = Add<TSpill>(form, {6, 0, 10, 4});
  form.PaintAll();
  left.Fill = right.Fill = Graphics::clLime;
  right.Invalidate();
  form.Update();
  EXPECT_EQ(form.Surface().Pixel(0, 0), 0xFF0000u);  // not asked for, not repainted
  EXPECT_EQ(form.Surface().Pixel(9, 3), 0x00FF00u);
}

TEST(FormPaint, APresenterHearsOfEachPaintedArea) {
  Forms::TForm form(nullptr);
  form.SetBounds(0, 0, 10, 10);
  std::vector<Types::TRect> shown;
  form.OnPresent = [&](const Types::TRect& r) { shown.push_back(r); };
  auto& spill = Add<TSpill>(form, {2, 3, 5, 7});
  form.Update();
  shown.clear();
  spill.Invalidate();
  form.Update();
  EXPECT_EQ(shown, (std::vector<Types::TRect>{{2, 3, 5, 7}}));
}

}  // namespace
