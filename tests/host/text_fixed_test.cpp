// The fixed-metric test face: exact metrics and pictures other tests build on.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "Graphics/Text.h"
#include "support/Pixels.h"

namespace {

using namespace Graphics;

const TPixel kPaper = 0x101010;
const TPixel kInk = ColorToPixel(clBlue);
const TPixel kBrush = ColorToPixel(clYellow);

TFontData Fixed(int height, TFontStyles style = {}) {
  TFontData f;
  f.Name = std::string(Text::kFixedFaceName);
  f.Height = height;
  f.Color = clBlue;
  f.Style = style;
  return f;
}

TSurface Drawn(int width, int height, const TFontData& font, std::string_view text,
               TBrushStyle brush) {
  TSurface surface(width, height, kPaper);
  TDrawState s;
  s.Font = font;
  s.Brush = {clYellow, brush};
  s.Clip = surface.Bounds();
  Text::Draw(surface, 0, 0, text, s);
  return surface;
}

void ExpectMetrics(int height, int cell, int ascent, int advance) {
  Text::TTextMetrics m = Text::Metrics(Fixed(height));
  SCOPED_TRACE(height);
  EXPECT_EQ(m.Height, cell);
  EXPECT_EQ(m.Ascent, ascent);
  EXPECT_EQ(m.Descent, cell - ascent);
  EXPECT_EQ(m.InternalLeading, 0);
  EXPECT_EQ(m.AveCharWidth, advance);
  EXPECT_EQ(m.MaxCharWidth, advance);
}

TEST(FixedFace, MetricsFollowTheCell) {
  ExpectMetrics(0, 10, 8, 5);
  ExpectMetrics(-12, 12, 9, 6);
  ExpectMetrics(12, 12, 9, 6);
  ExpectMetrics(-7, 7, 6, 3);
  ExpectMetrics(3, 3, 3, 1);
  ExpectMetrics(1, 1, 1, 1);
}

TEST(FixedFace, ExtentIsAdvanceTimesLength) {
  EXPECT_EQ(Text::Extent(Fixed(-12), "abc d"), (Types::TSize{30, 12}));
  EXPECT_EQ(Text::Extent(Fixed(0), ""), (Types::TSize{0, 10}));
  EXPECT_EQ(Text::FaceFile(Fixed(0)), "");
}

TEST(FixedFace, ExtremeHeightsAreBounded) {
  for (int h : {INT_MIN, INT_MAX, 100000, -100000}) {
    Text::TTextMetrics m = Text::Metrics(Fixed(h));
    EXPECT_EQ(m.Height, 2048) << h;
    TSurface s = Drawn(8, 8, Fixed(h), "ab", bsSolid);
    EXPECT_EQ(TestSupport::Count(s, kBrush), 15) << h;
    EXPECT_EQ(TestSupport::Count(s, kInk), 49) << h;
  }
  std::string huge(std::size_t{1} << 21, 'x');
  EXPECT_EQ(Text::Extent(Fixed(-2048), huge).cx, INT_MAX);
}

TEST(FixedFace, SolidBrushFillsTheCellUnderTheBoxes) {
  TSurface s = Drawn(13, 9, Fixed(-8), "ab ", bsSolid);
  EXPECT_EQ(TestSupport::Picture(s, kBrush, kInk),
            "............?\n"
            ".##..##.....?\n"
            ".##..##.....?\n"
            ".##..##.....?\n"
            ".##..##.....?\n"
            ".##..##.....?\n"
            "............?\n"
            "............?\n"
            "?????????????\n");
}

TEST(FixedFace, ClearBrushDrawsOnlyTheBoxes) {
  TSurface s = Drawn(13, 9, Fixed(-8), "ab ", bsClear);
  EXPECT_EQ(TestSupport::Picture(s, kPaper, kInk),
            ".............\n"
            ".##..##......\n"
            ".##..##......\n"
            ".##..##......\n"
            ".##..##......\n"
            ".##..##......\n"
            ".............\n"
            ".............\n"
            ".............\n");
}

TEST(FixedFace, UnderlineAndStrikeOutCrossTheText) {
  TSurface s = Drawn(9, 8, Fixed(-8, {fsUnderline, fsStrikeOut}), "ab", bsClear);
  EXPECT_EQ(TestSupport::Picture(s, kPaper, kInk),
            ".........\n"
            ".##..##..\n"
            ".##..##..\n"
            ".##..##..\n"
            "########.\n"
            ".##..##..\n"
            "########.\n"
            ".........\n");
}

}  // namespace
