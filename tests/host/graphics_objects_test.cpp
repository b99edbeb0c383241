#include <gtest/gtest.h>

#include "Graphics.h"

namespace {

using namespace Graphics;

// Counts OnChange notifications of a graphics object.
template <typename T>
struct TWatched {
  T Object;
  int Changes = 0;
  TWatched() {
    Object.OnChange = [this](System::TObject* sender) {
      EXPECT_EQ(sender, &Object);
      ++Changes;
    };
  }
};

TEST(Pen, NotifiesRealChangesOnly) {
  TWatched<TPen> pen;
  pen.Object.SetColor(clBlack);  // already black
  pen.Object.SetWidth(1);
  pen.Object.SetStyle(psSolid);
  pen.Object.SetMode(pmCopy);
  EXPECT_EQ(pen.Changes, 0);
  pen.Object.SetColor(clRed);
  pen.Object.SetWidth(3);
  pen.Object.SetStyle(psDot);
  pen.Object.SetMode(pmXor);
  EXPECT_EQ(pen.Changes, 4);
}

TEST(Pen, IgnoresANegativeWidth) {
  TWatched<TPen> pen;
  pen.Object.SetWidth(-4);
  EXPECT_EQ(pen.Object.Width(), 1);
  EXPECT_EQ(pen.Changes, 0);
}

TEST(GraphicsObjects, AssignCopiesAndAlwaysNotifies) {
  TWatched<TPen> pen;
  TPen same;
  pen.Object.Assign(&same);  // nothing differs, still a notification
  EXPECT_EQ(pen.Changes, 1);
  TPen source;
  source.SetWidth(5);
  pen.Object.Assign(&source);
  source.SetWidth(7);  // the source stays the caller's
  EXPECT_EQ(pen.Object.Width(), 5);
  EXPECT_EQ(pen.Changes, 2);

  TWatched<TBrush> brush;
  TBrush clear;
  clear.SetStyle(bsClear);
  brush.Object.Assign(&clear);
  EXPECT_EQ(brush.Object.Style(), bsClear);
  EXPECT_EQ(brush.Changes, 1);
  EXPECT_THROW(brush.Object.Assign(&same), SysUtils::EConvertError);
}

TEST(Brush, ChoosingAColourMakesAClearBrushSolid) {
  TWatched<TBrush> brush;
  brush.Object.SetStyle(bsClear);
  brush.Object.SetColor(clWhite);  // the same colour, but the style changes
  EXPECT_EQ(brush.Object.Style(), bsSolid);
  EXPECT_EQ(brush.Changes, 2);
  brush.Object.SetColor(clWhite);
  EXPECT_EQ(brush.Changes, 2);
}

TEST(Font, SizeAndHeightConvertAtNinetySixDotsPerInch) {
  TWatched<TFont> font;
  EXPECT_EQ(font.Object.Size(), 8);
  font.Object.SetSize(12);
  EXPECT_EQ(font.Object.Height(), -16);
  font.Object.SetSize(6);
  EXPECT_EQ(font.Object.Height(), -8);
  font.Object.SetHeight(-11);
  EXPECT_EQ(font.Object.Size(), 8);
  EXPECT_EQ(font.Changes, 3);
  font.Object.SetStyle({fsBold});
  font.Object.SetStyle({fsBold});
  EXPECT_EQ(font.Changes, 4);
}

TEST(MulDiv, RoundsHalvesAwayFromZero) {
  EXPECT_EQ(MulDiv(6, 96, 72), 8);
  EXPECT_EQ(MulDiv(3, 1, 2), 2);
  EXPECT_EQ(MulDiv(-3, 1, 2), -2);
  EXPECT_EQ(MulDiv(5, 5, 0), -1);
}

TEST(Color, SystemColoursMapToRealOnes) {
  EXPECT_EQ(ColorToRGB(clWindow), clWhite);
  EXPECT_EQ(ColorToRGB(clBtnFace), clSilver);
  EXPECT_EQ(ColorToRGB(clWindowText), clBlack);
  EXPECT_EQ(ColorToRGB(MakeColor(0x800000FF)), clBlack);  // no such system colour
  EXPECT_EQ(ColorToPixel(clRed), 0xFF0000u);
  EXPECT_EQ(ColorToPixel(clBlue), 0x0000FFu);
  EXPECT_EQ(PixelToColor(0x123456u), 0x563412);
}

TEST(Color, NamesRoundTripForFormFiles) {
  EXPECT_EQ(ColorToIdent(clRed), "clRed");
  EXPECT_EQ(ColorToIdent(clBtnFace), "clBtnFace");
  EXPECT_EQ(ColorToIdent(0x123456), std::nullopt);
  EXPECT_EQ(IdentToColor("CLWINDOW"), clWindow);
  EXPECT_EQ(IdentToColor("clNotAColour"), std::nullopt);
}

}  // namespace
