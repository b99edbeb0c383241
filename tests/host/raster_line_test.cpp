// LineTo and Polyline on the raster device: Bresenham's pixels, clipping, dash
// patterns and their gaps, and wide pens with round ends.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include "Graphics/Canvas.h"
#include "Graphics/Raster.h"
#include "support/Pixels.h"

namespace {

using namespace Graphics;
using Types::TPoint;

constexpr TPixel kPaper = 0x000000, kPen = 0xFF0000, kBrush = 0x0000FF;

class RasterLine : public ::testing::Test {
 protected:
  RasterLine() {
    State.Pen.Color = clRed;
    State.Brush.Color = clBlue;
  }
  void Start(int width, int height) {
    Surface = TSurface(width, height, kPaper);
    State.Clip = Surface.Bounds();
  }
  // Row y as '.' paper, '#' pen, 'o' brush.
  std::string RowOf(int y) const {
    std::string out;
    for (int x = 0; x < Surface.Width(); ++x) {
      TPixel p = Surface.Pixel(x, y);
      out += p == kPaper ? '.' : p == kPen ? '#' : p == kBrush ? 'o' : '?';
    }
    return out;
  }
  std::string Picture() const {
    std::string out;
    for (int y = 0; y < Surface.Height(); ++y) out += RowOf(y) + "\n";
    return out;
  }

  TSurface Surface;
  TRasterDevice Device{Surface};
  TDrawState State;
};

TEST_F(RasterLine, DrawsItsStartAndLeavesOutItsEnd) {
  Start(8, 3);
  Device.LineTo({1, 1}, {6, 1}, State);
  EXPECT_EQ(RowOf(1), ".#####..");
  Start(8, 3);
  Device.LineTo({6, 1}, {1, 1}, State);
  EXPECT_EQ(RowOf(1), "..#####.");
  Start(8, 3);
  Device.LineTo({3, 1}, {3, 1}, State);
  EXPECT_EQ(TestSupport::Count(Surface, kPen), 0);
}

// Halfway between two pixels a line takes the one with the smaller minor
// coordinate, whichever way it runs.
TEST_F(RasterLine, HalfwayStepsTakeTheSmallerCoordinate) {
  struct TCase {
    TPoint From, To;
    int Width, Height;
    const char* Picture;
  };
  const TCase cases[] = {
      {{0, 0}, {4, 1}, 5, 2, "###..\n...#.\n"},
      {{4, 1}, {0, 0}, 5, 2, ".##..\n...##\n"},
      {{0, 1}, {4, 0}, 5, 2, "..##.\n##...\n"},
      {{4, 0}, {0, 1}, 5, 2, "..###\n.#...\n"},
      {{0, 0}, {1, 4}, 2, 5, "#.\n#.\n#.\n.#\n..\n"},
      {{1, 4}, {0, 0}, 2, 5, "..\n#.\n#.\n.#\n.#\n"},
  };
  for (const TCase& c : cases) {
    Start(c.Width, c.Height);
    Device.LineTo(c.From, c.To, State);
    EXPECT_EQ(Picture(), c.Picture)
        << c.From.X << "," << c.From.Y << " to " << c.To.X << "," << c.To.Y;
  }
}

TEST_F(RasterLine, SteepAndShallowLines) {
  Start(12, 6);
  Device.LineTo({0, 0}, {9, 4}, State);
  EXPECT_EQ(Picture(),
            "##..........\n"
            "..##........\n"
            "....##......\n"
            "......##....\n"
            "........#...\n"
            "............\n");
}

TEST_F(RasterLine, ClippedLinesKeepTheirPixels) {
  // Lines in every direction, drawn whole and through a small clip with an origin.
  const TPoint centre{20, 15};
  for (int angle = 0; angle < 32; ++angle) {
    const TPoint far{centre.X + (angle % 8 - 4) * 9 + angle,
                     centre.Y + (angle / 8 - 2) * 11 - angle};
    Start(48, 40);
    Device.LineTo(centre, far, State);
    const TSurface whole = Surface;
    Start(48, 40);
    State.Origin = {3, -2};
    State.Clip = {17, 9, 31, 20};
    Device.LineTo({centre.X - 3, centre.Y + 2}, {far.X - 3, far.Y + 2}, State);
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 48; ++x)
        ASSERT_EQ(Surface.Pixel(x, y), State.Clip.Contains({x, y}) ? whole.Pixel(x, y) : kPaper)
            << "line to " << far.X << "," << far.Y << " at " << x << "," << y;
    State.Origin = {0, 0};
  }
}

TEST_F(RasterLine, DashPatternsCountedAlongALine) {
  const std::array<std::pair<TPenStyle, std::string>, 4> patterns{{
      {psDash, "##################......##################......"},
      {psDot, "###...###...###...###...###...###...###...###..."},
      {psDashDot, "#########......###......#########......###......"},
      {psDashDotDot, "#########...###...###...#########...###...###..."},
  }};
  State.Brush.Style = bsClear;
  for (const auto& [style, expected] : patterns) {
    Start(48, 1);
    State.Pen.Style = style;
    Device.LineTo({0, 0}, {48, 0}, State);
    EXPECT_EQ(RowOf(0), expected);
    Start(48, 1);
    Device.LineTo({47, 0}, {-1, 0}, State);  // the pattern starts at the line's start
    EXPECT_EQ(RowOf(0), std::string(expected.rbegin(), expected.rend()));
  }
}

TEST_F(RasterLine, DashGapsFollowTheBrush) {
  Start(12, 1);
  State.Pen.Style = psDot;
  Device.LineTo({0, 0}, {12, 0}, State);
  EXPECT_EQ(RowOf(0), "###ooo###ooo");
  Start(12, 1);
  State.Brush.Style = bsClear;
  Device.LineTo({0, 0}, {12, 0}, State);
  EXPECT_EQ(RowOf(0), "###...###...");
  Start(12, 1);
  State.Brush.Style = bsCross;  // hatched brushes are transparent too
  Device.LineTo({0, 0}, {12, 0}, State);
  EXPECT_EQ(RowOf(0), "###...###...");
}

TEST_F(RasterLine, EachLineRestartsThePatternAPolylineRunsItOn) {
  State.Pen.Style = psDot;
  State.Brush.Style = bsClear;
  Start(20, 1);
  Device.LineTo({0, 0}, {10, 0}, State);
  Device.LineTo({10, 0}, {20, 0}, State);
  EXPECT_EQ(RowOf(0), "###...###.###...###.");
  Start(20, 1);
  const std::array<TPoint, 3> points{{{0, 0}, {10, 0}, {20, 0}}};
  Device.Polyline(points, State);
  EXPECT_EQ(RowOf(0), "###...###...###...##");
}

TEST_F(RasterLine, DashesOnAClippedLineKeepTheirPhase) {
  State.Pen.Style = psDot;
  State.Brush.Style = bsClear;
  Start(12, 1);
  State.Clip = {5, 0, 12, 1};
  Device.LineTo({0, 0}, {12, 0}, State);
  EXPECT_EQ(RowOf(0), "......###...");
  Start(12, 1);
  Device.LineTo({-1000000001, 0}, {12, 0}, State);  // 1000000001 = 5 mod 6
  EXPECT_EQ(RowOf(0), ".###...###..");
}

TEST_F(RasterLine, WideDashedPenDrawsSolid) {
  Start(10, 4);
  State.Pen.Style = psDash;
  State.Pen.Width = 2;
  Device.LineTo({2, 2}, {7, 2}, State);
  EXPECT_EQ(Picture(),
            "..........\n"
            ".#######..\n"
            ".#######..\n"
            "..........\n");
}

TEST_F(RasterLine, WideLineHasRoundCaps) {
  Start(20, 10);
  State.Pen.Width = 5;
  Device.LineTo({5, 5}, {15, 5}, State);
  EXPECT_EQ(Picture(),
            "....................\n"
            "....................\n"
            "....................\n"
            "....#############...\n"
            "...###############..\n"
            "...###############..\n"
            "...###############..\n"
            "....#############...\n"
            "....................\n"
            "....................\n");
}

TEST_F(RasterLine, EvenWideLineLeansLeftAndUp) {
  Start(20, 9);
  State.Pen.Width = 4;
  Device.LineTo({5, 5}, {15, 5}, State);
  EXPECT_EQ(Picture(),
            "....................\n"
            "....................\n"
            "....................\n"
            "....############....\n"
            "...##############...\n"
            "...##############...\n"
            "....############....\n"
            "....................\n"
            "....................\n");
}

TEST_F(RasterLine, WideDiagonalIsSymmetric) {
  Start(30, 30);
  State.Pen.Width = 7;
  Device.LineTo({6, 6}, {23, 23}, State);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 30; ++x) {
      ASSERT_EQ(Surface.Pixel(x, y), Surface.Pixel(y, x)) << x << "," << y;
      ASSERT_EQ(Surface.Pixel(x, y), Surface.Pixel(29 - x, 29 - y)) << x << "," << y;
    }
}

TEST_F(RasterLine, PolylineLeavesOutOnlyItsLastPoint) {
  Start(7, 7);
  const std::array<TPoint, 3> points{{{0, 0}, {5, 0}, {5, 5}}};
  Device.Polyline(points, State);
  EXPECT_EQ(Picture(),
            "######.\n"
            ".....#.\n"
            ".....#.\n"
            ".....#.\n"
            ".....#.\n"
            ".......\n"
            ".......\n");
}

TEST_F(RasterLine, WidePolylineJoinsRoundAndXorsEachPixelOnce) {
  State.Pen.Width = 5;
  const std::array<TPoint, 3> vee{{{4, 4}, {25, 4}, {4, 9}}};
  Start(30, 14);
  Device.Polyline(vee, State);
  const TSurface copied = Surface;
  EXPECT_EQ(Surface.Pixel(27, 4), kPen);  // round join reaches 25 + 2
  EXPECT_EQ(Surface.Pixel(28, 4), kPaper);
  Start(30, 14);
  State.Pen.Mode = pmXor;
  Device.Polyline(vee, State);
  EXPECT_EQ(Surface, copied);
}

TEST_F(RasterLine, PenModes) {
  const TPixel d = 0xF0F0F0;
  const std::array<std::pair<TPenMode, TPixel>, 16> modes{{
      {pmBlack, 0x000000},
      {pmWhite, 0xFFFFFF},
      {pmNop, 0xF0F0F0},
      {pmNot, 0x0F0F0F},
      {pmCopy, 0xCC33AA},
      {pmNotCopy, 0x33CC55},
      {pmMergePenNot, 0xCF3FAF},
      {pmMaskPenNot, 0x0C030A},
      {pmMergeNotPen, 0xF3FCF5},
      {pmMaskNotPen, 0x30C050},
      {pmMerge, 0xFCF3FA},
      {pmNotMerge, 0x030C05},
      {pmMask, 0xC030A0},
      {pmNotMask, 0x3FCF5F},
      {pmXor, 0x3CC35A},
      {pmNotXor, 0xC33CA5},
  }};
  State.Pen.Color = PixelToColor(0xCC33AA);
  for (const auto& [mode, expected] : modes) {
    Start(6, 1);
    Surface.Fill(d);
    State.Pen.Mode = mode;
    Device.LineTo({0, 0}, {5, 0}, State);
    EXPECT_EQ(Surface.Pixel(2, 0), expected) << static_cast<int>(mode);
    EXPECT_EQ(Surface.Pixel(5, 0), d);
  }
}

TEST_F(RasterLine, ThroughTheCanvasFromPenPosition) {
  Start(8, 3);
  TCanvas canvas;
  canvas.SetDevice(&Device, {1, 1}, {0, 0, 8, 3});
  canvas.Pen().SetColor(clRed);
  canvas.MoveTo(0, 0);
  canvas.LineTo(4, 0);
  canvas.LineTo(6, 0);
  EXPECT_EQ(RowOf(1), ".######.");
}

}  // namespace

namespace {

// Solid lines against their rule, pixel by pixel: step i along the longer axis (x
// when both are equal) moves the other coordinate by (2 i minor + major - bias) /
// (2 major) rounded down, bias 1 when it grows, and the end pixel is left out. Copy
// and xor pens take different paths; the clip cuts most of the lines.
TEST_F(RasterLine, SolidLinesFollowTheRoundingRule) {
  const TPoint centre{20, 16};
  const Types::TRect clip{6, 5, 33, 27};
  for (TPenMode mode : {pmCopy, pmXor})
    for (int dx : {-19, -13, -8, -5, -2, -1, 0, 1, 2, 6, 11, 19})
      for (int dy : {-15, -7, -4, -1, 0, 1, 3, 8, 15})
        for (bool clipped : {false, true}) {
          Start(40, 32);
          State.Pen.Mode = mode;
          if (clipped) State.Clip = clip;
          Device.LineTo(centre, {centre.X + dx, centre.Y + dy}, State);
          const bool xMajor = std::abs(dx) >= std::abs(dy);
          const int major = xMajor ? std::abs(dx) : std::abs(dy);
          const int minor = xMajor ? std::abs(dy) : std::abs(dx);
          const int majorSign = (xMajor ? dx : dy) < 0 ? -1 : 1;
          const int minorSign = (xMajor ? dy : dx) < 0 ? -1 : 1;
          const int bias = minorSign > 0 ? 1 : 0;
          std::vector<bool> expected(40 * 32, false);
          for (int i = 0; i < major; ++i) {
            const int along = majorSign * i;
            const int aside = minorSign * ((2 * i * minor + major - bias) / (2 * major));
            const TPoint p{centre.X + (xMajor ? along : aside),
                           centre.Y + (xMajor ? aside : along)};
            if (!clipped || clip.Contains(p))
              expected[static_cast<std::size_t>(p.Y * 40 + p.X)] = true;
          }
          for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 40; ++x)
              ASSERT_EQ(Surface.Pixel(x, y),
                        expected[static_cast<std::size_t>(y * 40 + x)] ? kPen : kPaper)
                  << (mode == pmXor ? "xor" : "copy") << " to " << dx << "," << dy
                  << (clipped ? " clipped" : "") << " at " << x << "," << y;
        }
}

}  // namespace
