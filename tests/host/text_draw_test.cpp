// Drawing text with FreeType faces: where the cell, glyphs and lines land, clipping.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "Graphics/Canvas.h"
#include "Graphics/GlyphCache.h"
#include "Graphics/Raster.h"
#include "Graphics/Text.h"
#include "WinGdi.h"
#include "support/Pixels.h"

namespace {

using namespace Graphics;
using Types::TPoint;
using Types::TRect;

const TPixel kPaper = 0x101010;
const TPixel kInk = ColorToPixel(clBlue);
const TPixel kBrush = ColorToPixel(clYellow);

TFontData Font(int height, TFontStyles style = {}, std::string name = "MS Sans Serif") {
  TFontData f;
  f.Name = std::move(name);
  f.Height = height;
  f.Color = clBlue;
  f.Style = style;
  return f;
}

TDrawState State(const TFontData& font, TBrushStyle brush, TRect clip, TPoint origin = {}) {
  TDrawState s;
  s.Font = font;
  s.Brush = {clYellow, brush};
  s.Clip = clip;
  s.Origin = origin;
  return s;
}

TSurface Drawn(int x, int y, std::string_view text, const TFontData& font, TBrushStyle brush,
               int width = 120, int height = 60) {
  TSurface surface(width, height, kPaper);
  Text::Draw(surface, x, y, text, State(font, brush, surface.Bounds()));
  return surface;
}

// The rows holding ink, as [first, last]; {-1, -1} without ink.
std::pair<int, int> InkRows(const TSurface& s) {
  std::pair<int, int> rows{-1, -1};
  for (int y = 0; y < s.Height(); ++y)
    for (int x = 0; x < s.Width(); ++x)
      if (s.Pixel(x, y) == kInk) {
        if (rows.first < 0) rows.first = y;
        rows.second = y;
      }
  return rows;
}

bool RowIsInk(const TSurface& s, int y, int left, int right) {
  for (int x = left; x < right; ++x)
    if (s.Pixel(x, y) != kInk) return false;
  return true;
}

TEST(DrawText, SolidBrushFillsExactlyTheCell) {
  for (const TFontData& font :
       {Font(-12), Font(20), Font(-16, {fsBold}, "Times New Roman"), Font(-11, {}, "Courier")}) {
    SCOPED_TRACE(font.Name + " " + std::to_string(font.Height));
    TSurface s = Drawn(3, 2, "Hello", font, bsSolid);
    TRect cell = Types::Bounds(3, 2, Text::Extent(font, "Hello").cx, Text::Metrics(font).Height);
    for (int y = 0; y < s.Height(); ++y)
      for (int x = 0; x < s.Width(); ++x) {
        TPixel p = s.Pixel(x, y);
        if (cell.Contains({x, y}))
          ASSERT_TRUE(p == kBrush || p == kInk) << x << "," << y;
        else
          ASSERT_EQ(p, kPaper) << x << "," << y;
      }
    EXPECT_GT(TestSupport::Count(s, kInk), 10);
    EXPECT_GT(TestSupport::Count(s, kBrush), 10);
  }
}

TEST(DrawText, BaselineIsTheCellTopPlusAscent) {
  for (int h : {-12, -20, 30}) {
    TFontData font = Font(h);
    Text::TTextMetrics m = Text::Metrics(font);
    auto [first, last] = InkRows(Drawn(4, 5, "H", font, bsClear));
    EXPECT_EQ(last, 5 + m.Ascent - 1) << h;
    EXPECT_GT(first, 5) << h;
    auto descender = InkRows(Drawn(4, 5, "g", font, bsClear));
    EXPECT_GE(descender.second, 5 + m.Ascent) << h;
    EXPECT_LT(descender.second, 5 + m.Height) << h;
  }
}

TEST(DrawText, AStringIsItsCharactersSideBySide) {
  TFontData font = Font(-15);
  const std::string text = "AVATAR, Type";
  TSurface whole = Drawn(2, 3, text, font, bsClear);
  TSurface pieces(whole.Width(), whole.Height(), kPaper);
  int pen = 2;
  for (char c : text) {
    std::string_view one(&c, 1);
    Text::Draw(pieces, pen, 3, one, State(font, bsClear, pieces.Bounds()));
    pen += Text::Extent(font, one).cx;
  }
  EXPECT_EQ(TestSupport::Picture(whole, kPaper, kInk), TestSupport::Picture(pieces, kPaper, kInk));
}

TEST(DrawText, OriginMovesLikeCoordinates) {
  TFontData font = Font(-13, {fsUnderline});
  TSurface moved = Drawn(9, 7, "Origin", font, bsSolid);
  TSurface offset(moved.Width(), moved.Height(), kPaper);
  Text::Draw(offset, 4, 3, "Origin", State(font, bsSolid, offset.Bounds(), {5, 4}));
  EXPECT_EQ(offset, moved);
}

TEST(DrawText, NothingIsDrawnOutsideTheClip) {
  const TRect clip{10, 6, 30, 18};
  for (const TFontData& font : {Font(-14, {fsUnderline, fsStrikeOut}), Font(-20, {fsItalic})}) {
    for (TBrushStyle brush : {bsSolid, bsClear}) {
      TSurface s(40, 24, kPaper);
      Text::Draw(s, -4, -2, "WWjjj Text", State(font, brush, clip, {7, 5}));
      int inside = 0;
      for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x) {
          if (clip.Contains({x, y}))
            inside += s.Pixel(x, y) == kInk;
          else
            ASSERT_EQ(s.Pixel(x, y), kPaper) << x << "," << y;
        }
      EXPECT_GT(inside, 0);
    }
  }
}

TEST(DrawText, AClipBeyondTheSurfaceIsCutToIt) {
  TSurface s(16, 10, kPaper);
  TDrawState state = State(Font(-24, {fsUnderline}), bsSolid, {-100, -100, 100, 100}, {-3, -4});
  for (TPoint at : {TPoint{0, 0}, TPoint{10, 6}, TPoint{-20, 8}, TPoint{5, -15}})
    Text::Draw(s, at.X, at.Y, "Wide text", state);
  EXPECT_GT(TestSupport::Count(s, kBrush), 0);
}

TEST(DrawText, ExtremeCoordinatesDrawNothing) {
  TSurface s(16, 10, kPaper);
  TSurface untouched = s;
  TDrawState state = State(Font(-12), bsSolid, s.Bounds(), {INT_MAX, INT_MIN});
  // Each lands off the surface on one side only; int arithmetic would overflow.
  Text::Draw(s, INT_MAX, INT_MAX, "Far away", state);
  Text::Draw(s, INT_MIN, INT_MIN, "Far away", state);
  state.Origin = {0, 0};
  Text::Draw(s, INT_MAX - 2, 0, "Far away", state);
  Text::Draw(s, INT_MIN, 0, std::string(10000, 'W'), state);
  EXPECT_EQ(s, untouched);
}

// Rows of the cell that are ink exactly across the text, from the cell's top.
std::vector<int> LineRows(const TFontData& font, std::string_view text) {
  const int x = 3, y = 2;
  int width = Text::Extent(font, text).cx;
  TSurface s = Drawn(x, y, text, font, bsClear);
  std::vector<int> rows;
  for (int row = y; row < s.Height(); ++row)
    if (RowIsInk(s, row, x, x + width) && s.Pixel(x - 1, row) == kPaper &&
        s.Pixel(x + width, row) == kPaper)
      rows.push_back(row - y);
  return rows;
}

TEST(DrawText, UnderlineLiesInTheDescentAndStrikeOutAboveTheBaseline) {
  for (int em : {12, 16, 28}) {
    SCOPED_TRACE(em);
    Text::TTextMetrics m = Text::Metrics(Font(-em));
    std::vector<int> under = LineRows(Font(-em, {fsUnderline}), "ou");
    ASSERT_EQ(under.size(), std::max<std::size_t>(1, em / 14));
    EXPECT_GE(under.front(), m.Ascent);
    EXPECT_LT(under.back(), m.Height);
    std::vector<int> strike = LineRows(Font(-em, {fsStrikeOut}), "ou");
    ASSERT_EQ(strike.size(), under.size());
    EXPECT_GT(strike.front(), m.Ascent / 2);
    EXPECT_LT(strike.back(), m.Ascent);
    EXPECT_TRUE(LineRows(Font(-em), "ou").empty());
  }
}

TEST(GlyphCache, ManySizesStayBoundedAndDrawTheSame) {
  TFontData font = Font(-12);
  std::string before = TestSupport::Picture(Drawn(2, 2, "Cache", font, bsSolid), kBrush, kInk);
  for (int em = 5; em < 5 + 3 * static_cast<int>(Text::TGlyphCache::kMaxSizes); ++em)
    Text::Extent(Font(-em, {}, em % 2 ? "Arial" : "Courier"), "Size");
  EXPECT_LE(Text::TGlyphCache::Instance().Sizes(), Text::TGlyphCache::kMaxSizes);
  EXPECT_EQ(TestSupport::Picture(Drawn(2, 2, "Cache", font, bsSolid), kBrush, kInk), before);
}

TEST(CanvasText, TextOutFillsTextWidthByTextMetricsHeight) {
  TSurface surface(100, 40, kPaper);
  TRasterDevice device(surface);
  TCanvas canvas;
  canvas.SetDevice(&device);
  canvas.Font().SetHeight(-13);
  canvas.Font().SetColor(clBlue);
  canvas.Brush().SetColor(clYellow);
  canvas.TextOut(5, 4, "Canvas");
  Windows::TEXTMETRICA tm;
  Windows::GetTextMetricsA(canvas.Handle(), &tm);
  TRect cell = Types::Bounds(5, 4, canvas.TextWidth("Canvas"), tm.tmHeight);
  int outside = 0;
  int inside = 0;
  for (int y = 0; y < surface.Height(); ++y)
    for (int x = 0; x < surface.Width(); ++x) {
      bool painted = surface.Pixel(x, y) != kPaper;
      (cell.Contains({x, y}) ? inside : outside) += painted;
    }
  EXPECT_EQ(outside, 0);
  EXPECT_EQ(inside, cell.Width() * cell.Height());
  EXPECT_EQ(canvas.PenPos(), (TPoint{5 + cell.Width(), 4}));
}

}  // namespace
