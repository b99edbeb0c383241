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

// The form's limit, changed for one test.
struct TFormLimit {
  int Saved = Forms::FormSizeLimit();
  explicit TFormLimit(int pixels) { Forms::SetFormSizeLimit(pixels); }
  ~TFormLimit() { Forms::SetFormSizeLimit(Saved); }
  TFormLimit(const TFormLimit&) = delete;
  TFormLimit& operator=(const TFormLimit&) = delete;
};

TEST(FormSize, TheSurfaceIsMadeAtTheFirstPaintNotWhenTheSizeIsSet) {
  Forms::TForm form(nullptr);
  form.SetBounds(0, 0, 7680, 4320);  // an 8K display: allowed, and nothing allocated yet
  EXPECT_TRUE(form.Surface().Empty());
  form.SetBounds(0, 0, 30, 20);
  form.PaintAll();
  EXPECT_EQ(form.Surface().Bounds(), (Types::TRect{0, 0, 30, 20}));
  form.SetBounds(0, 0, 40, 10);
  EXPECT_EQ(form.Surface().Width(), 30);  // until the paint that follows
  form.Update();
  EXPECT_EQ(form.Surface().Bounds(), (Types::TRect{0, 0, 40, 10}));
}

TEST(FormSize, ASizeBeyondTheLimitIsRefusedAndTheLimitCanBeRaised) {
  Forms::TForm form(nullptr);
  form.SetBounds(0, 0, 30, 20);
  struct TCase {
    int Width, Height;
    const char* Message;
  };
  const TCase cases[] = {
      {7681, 20, "Form size 7681 x 20 beyond the limit of 7680 pixels a side"},
      {30, 16382, "Form size 30 x 16382 beyond the limit of 7680 pixels a side"},
  };
  for (const TCase& c : cases) {
    try {
      form.SetBounds(0, 0, c.Width, c.Height);
      ADD_FAILURE() << "no error for " << c.Width << " x " << c.Height;
    } catch (const Forms::EInvalidOperation& e) {
      EXPECT_STREQ(e.what(), c.Message);
    }
    EXPECT_EQ(form.Width(), 30);
    EXPECT_EQ(form.Height(), 20);
  }
  TFormLimit raised(10000);
  form.SetBounds(0, 0, 9000, 2);
  form.PaintAll();
  EXPECT_EQ(form.Surface().Width(), 9000);
}

}  // namespace
