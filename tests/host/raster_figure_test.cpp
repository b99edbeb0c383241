// Rectangle, RoundRect and Ellipse on the raster device: exact small pictures, the
// box rules, symmetry and pen widths.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "Graphics/Raster.h"
#include "support/RasterCase.h"

namespace {

using namespace Graphics;

class RasterFigure : public TestSupport::TRasterCase {
 protected:
  // The box holding every pixel that is not paper.
  Types::TRect Inked() const {
    Types::TRect r{Surface.Width(), Surface.Height(), -1, -1};
    for (int y = 0; y < Surface.Height(); ++y)
      for (int x = 0; x < Surface.Width(); ++x)
        if (Surface.Pixel(x, y) != kPaper)
          r = {std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1),
               std::max(r.Bottom, y + 1)};
    return r;
  }
  bool Mirrored() const {
    for (int y = 0; y < Surface.Height(); ++y)
      for (int x = 0; x < Surface.Width(); ++x)
        if (Surface.Pixel(x, y) != Surface.Pixel(Surface.Width() - 1 - x, y) ||
            Surface.Pixel(x, y) != Surface.Pixel(x, Surface.Height() - 1 - y))
          return false;
    return true;
  }
  // No brush pixel touches the paper: the outline has no gap.
  bool Sealed() const {
    for (int y = 1; y + 1 < Surface.Height(); ++y)
      for (int x = 1; x + 1 < Surface.Width(); ++x)
        if (Surface.Pixel(x, y) == kBrush &&
            (Surface.Pixel(x - 1, y) == kPaper || Surface.Pixel(x + 1, y) == kPaper ||
             Surface.Pixel(x, y - 1) == kPaper || Surface.Pixel(x, y + 1) == kPaper))
          return false;
    return true;
  }
};

TEST_F(RasterFigure, RectangleOutlinesUpToRightAndBottomLessOne) {
  Start(7, 6);
  Device.Rectangle({0, 0, 5, 4}, State);
  EXPECT_EQ(Picture(),
            "#####..\n"
            "#ooo#..\n"
            "#ooo#..\n"
            "#####..\n"
            ".......\n"
            ".......\n");
}

TEST_F(RasterFigure, RectangleSwapsReversedCorners) {
  Start(7, 6);
  Device.Rectangle({5, 4, 0, 0}, State);
  EXPECT_EQ(Picture(),
            "#####..\n"
            "#ooo#..\n"
            "#ooo#..\n"
            "#####..\n"
            ".......\n"
            ".......\n");
}

TEST_F(RasterFigure, SmallBoxes) {
  Start(8, 8);
  Device.Rectangle({2, 2, 3, 3}, State);  // one pixel
  Device.Rectangle({2, 2, 2, 7}, State);  // no width
  Device.Ellipse({2, 2, 3, 3}, State);
  Device.RoundRect({4, 4, 8, 5}, 2, 2, State);
  EXPECT_EQ(TestSupport::Count(Surface, kPaper), 64);

  // A rectangle one pixel wide or high is its outline folded onto a line.
  Device.Rectangle({1, 2, 2, 7}, State);
  Device.Rectangle({3, 1, 8, 2}, State);
  Device.Rectangle({4, 4, 6, 6}, State);  // 2 x 2: outline only
  EXPECT_EQ(Picture(),
            "........\n"
            "...#####\n"
            ".#......\n"
            ".#......\n"
            ".#..##..\n"
            ".#..##..\n"
            ".#......\n"
            "........\n");
}

TEST_F(RasterFigure, ClearPenFillsOnePixelLessWideAndHigh) {
  Start(7, 6);
  State.Pen.Style = psClear;
  Device.Rectangle({0, 0, 5, 4}, State);
  EXPECT_EQ(Picture(),
            "oooo...\n"
            "oooo...\n"
            "oooo...\n"
            ".......\n"
            ".......\n"
            ".......\n");
  Start(12, 9);
  Device.Ellipse({0, 0, 10, 7}, State);
  EXPECT_EQ(Inked(), (Types::TRect{0, 0, 9, 6}));
}

TEST_F(RasterFigure, ClearBrushLeavesTheInside) {
  Start(7, 6);
  State.Brush.Style = bsClear;
  Device.Rectangle({0, 0, 5, 4}, State);
  EXPECT_EQ(TestSupport::Count(Surface, kPen), 14);
  EXPECT_EQ(Surface.Pixel(2, 2), kPaper);
}

TEST_F(RasterFigure, SmallEllipse) {
  Start(12, 9);
  Device.Ellipse({0, 0, 10, 7}, State);
  EXPECT_EQ(Picture(),
            "..######....\n"
            ".#oooooo#...\n"
            "#oooooooo#..\n"
            "#oooooooo#..\n"
            "#oooooooo#..\n"
            ".#oooooo#...\n"
            "..######....\n"
            "............\n"
            "............\n");
}

TEST_F(RasterFigure, EllipseTouchesEveryBoxSideAndIsSymmetric) {
  for (int w = 2; w <= 40; w += 3) {
    for (int h = 2; h <= 40; h += 5) {
      Start(w + 4, h + 4);
      Device.Ellipse({2, 2, 2 + w, 2 + h}, State);
      SCOPED_TRACE(std::to_string(w) + " x " + std::to_string(h));
      EXPECT_EQ(Inked(), (Types::TRect{2, 2, 2 + w, 2 + h}));
      EXPECT_TRUE(Mirrored());
      EXPECT_TRUE(Sealed());
    }
  }
}

TEST_F(RasterFigure, FlatAndThinEllipsesKeepTheirEnds) {
  Start(34, 7);
  Device.Ellipse({2, 2, 32, 5}, State);
  EXPECT_EQ(Inked(), (Types::TRect{2, 2, 32, 5}));
  Start(7, 34);
  Device.Ellipse({2, 2, 5, 32}, State);
  EXPECT_EQ(Inked(), (Types::TRect{2, 2, 5, 32}));
}

TEST_F(RasterFigure, CircleIsRound) {
  Start(64, 64);
  Device.Ellipse({1, 1, 63, 63}, State);
  // The outline's pixel centres stay within a pixel of the circle through the box.
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 64; ++x) {
      if (Surface.Pixel(x, y) != kPen) continue;
      const double r = std::hypot(x - 31.5, y - 31.5);
      EXPECT_GT(r, 29.5) << x << "," << y;
      EXPECT_LT(r, 31.5) << x << "," << y;
    }
  }
  EXPECT_EQ(Surface.Pixel(31, 1), kPen);
  EXPECT_EQ(Surface.Pixel(25, 1), kPaper);  // the flat top is 12 pixels: 26..37
  EXPECT_EQ(Surface.Pixel(26, 1), kPen);
  EXPECT_EQ(Surface.Pixel(37, 1), kPen);
  EXPECT_EQ(Surface.Pixel(38, 1), kPaper);
}

TEST_F(RasterFigure, RoundRectCorners) {
  Start(12, 10);
  Device.RoundRect({0, 0, 12, 10}, 8, 8, State);
  EXPECT_EQ(Picture(),
            "..########..\n"
            ".#oooooooo#.\n"
            "#oooooooooo#\n"
            "#oooooooooo#\n"
            "#oooooooooo#\n"
            "#oooooooooo#\n"
            "#oooooooooo#\n"
            "#oooooooooo#\n"
            ".#oooooooo#.\n"
            "..########..\n");
}

TEST_F(RasterFigure, RoundRectAsBigAsItsBoxIsTheEllipse) {
  for (Types::TRect box : {Types::TRect{1, 1, 30, 20}, Types::TRect{3, 0, 9, 31}}) {
    Start(32, 32);
    Device.Ellipse(box, State);
    const TSurface ellipse = Surface;
    Start(32, 32);
    Device.RoundRect(box, box.Width(), box.Height(), State);
    EXPECT_EQ(Surface, ellipse);
    Start(32, 32);
    Device.RoundRect(box, 1000, -1000, State);  // clamped to the box, sign dropped
    EXPECT_EQ(Surface, ellipse);
  }
}

TEST_F(RasterFigure, RoundRectWithSmallCornersIsTheRectangle) {
  Start(16, 16);
  Device.Rectangle({1, 2, 14, 12}, State);
  const TSurface rectangle = Surface;
  for (int corner : {0, 1, -1}) {
    Start(16, 16);
    Device.RoundRect({1, 2, 14, 12}, corner, 8, State);
    EXPECT_EQ(Surface, rectangle) << corner;
  }
}

TEST_F(RasterFigure, PenWidthZeroDrawsAsOne) {
  Start(20, 20);
  Device.Ellipse({1, 1, 18, 15}, State);
  const TSurface one = Surface;
  Start(20, 20);
  State.Pen.Width = 0;
  Device.Ellipse({1, 1, 18, 15}, State);
  EXPECT_EQ(Surface, one);
}

TEST_F(RasterFigure, EvenWidePenPutsItsExtraPixelLeftAndAbove) {
  Start(64, 64);
  State.Pen.Width = 4;
  Device.Rectangle({2, 2, 61, 61}, State);
  // The outline runs along 2 and 60; the pen covers 2 - 2 .. 60 + 1.
  EXPECT_EQ(Inked(), (Types::TRect{0, 0, 62, 62}));
  const std::string row30 = Picture().substr(30 * 65, 64);
  EXPECT_EQ(row30, "####" + std::string(54, 'o') + "####..");
  // Round joins: the disc misses the box's very corner.
  EXPECT_EQ(Surface.Pixel(0, 0), kPaper);
  EXPECT_EQ(Surface.Pixel(1, 0), kPen);
  EXPECT_EQ(Surface.Pixel(61, 61), kPaper);
  EXPECT_EQ(Surface.Pixel(60, 61), kPen);
}

TEST_F(RasterFigure, OddWidePenIsCentred) {
  Start(14, 12);
  State.Pen.Width = 3;
  Device.Rectangle({2, 2, 12, 10}, State);
  EXPECT_EQ(Picture(),
            "..............\n"
            ".############.\n"
            ".############.\n"
            ".############.\n"
            ".###oooooo###.\n"
            ".###oooooo###.\n"
            ".###oooooo###.\n"
            ".###oooooo###.\n"
            ".############.\n"
            ".############.\n"
            ".############.\n"
            "..............\n");
}

TEST_F(RasterFigure, WidePenOnEllipse) {
  Start(50, 40);
  State.Pen.Width = 5;
  Device.Ellipse({10, 10, 40, 30}, State);
  EXPECT_EQ(Inked(), (Types::TRect{8, 8, 42, 32}));
  EXPECT_TRUE(Mirrored());
  EXPECT_TRUE(Sealed());
  EXPECT_EQ(Surface.Pixel(25, 20), kBrush);
  // Five pixels of pen across the left side: 8..12.
  EXPECT_EQ(Picture().substr(20 * 51 + 7, 7), ".#####o");

  Start(50, 40);
  State.Pen.Width = 4;
  Device.Ellipse({10, 10, 40, 30}, State);
  EXPECT_EQ(Inked(), (Types::TRect{8, 8, 41, 31}));
}

TEST_F(RasterFigure, InsideFramePenStaysInTheBox) {
  State.Pen.Style = psInsideFrame;
  State.Pen.Width = 5;
  Start(50, 40);
  Device.Ellipse({10, 10, 40, 30}, State);
  EXPECT_EQ(Inked(), (Types::TRect{10, 10, 40, 30}));
  Start(50, 40);
  Device.Rectangle({10, 10, 40, 30}, State);
  EXPECT_EQ(Inked(), (Types::TRect{10, 10, 40, 30}));
  EXPECT_EQ(Surface.Pixel(14, 14), kPen);
  EXPECT_EQ(Surface.Pixel(15, 15), kBrush);
  // A pen too wide for the box covers the figure.
  Start(50, 40);
  State.Pen.Width = 40;
  Device.Rectangle({10, 10, 40, 30}, State);
  EXPECT_EQ(TestSupport::Count(Surface, kPen), 30 * 20);
}

TEST_F(RasterFigure, WidePenWiderThanTheFigureCoversIt) {
  Start(40, 40);
  State.Pen.Width = 25;
  Device.Ellipse({15, 15, 25, 25}, State);
  EXPECT_EQ(TestSupport::Count(Surface, kBrush), 0);
  EXPECT_EQ(Surface.Pixel(20, 20), kPen);
  EXPECT_TRUE(Mirrored());
}

TEST_F(RasterFigure, DashedRectangleRunsOnAroundItsCorners) {
  Start(30, 12);
  State.Pen.Style = psDot;
  State.Brush.Style = bsClear;
  Device.Rectangle({0, 0, 30, 12}, State);
  // From the top-right pixel: 29 leftwards along the top (steps 0..28), 11 down the
  // left side (29..39), 29 rightwards along the bottom (40..68), 11 up the right
  // side (69..79).
  EXPECT_EQ(Picture(),
            "...###...###...###...###...###\n"
            "#............................#\n"
            "#............................#\n"
            "#.............................\n"
            "..............................\n"
            "..............................\n"
            ".............................#\n"
            "#............................#\n"
            "#............................#\n"
            "#.............................\n"
            "..............................\n"
            "..###...###...###...###...###.\n");
}

TEST_F(RasterFigure, DashedOutlineVisitsEachOutlinePixelOnce) {
  auto dotsOn = [](int steps) { return 3 * (steps / 6) + std::min(steps % 6, 3); };
  for (bool ellipse : {true, false}) {
    auto draw = [&] {
      if (ellipse)
        Device.Ellipse({2, 3, 41, 30}, State);
      else
        Device.RoundRect({2, 3, 41, 30}, 17, 11, State);
    };
    State.Pen.Style = psSolid;
    State.Brush.Style = bsClear;
    Start(44, 34);
    draw();
    const TSurface solid = Surface;
    const int outline = TestSupport::Count(Surface, kPen);

    State.Pen.Style = psDot;
    Start(44, 34);
    draw();
    EXPECT_EQ(TestSupport::Count(Surface, kPen), dotsOn(outline)) << ellipse;
    for (int y = 0; y < 34; ++y) {
      for (int x = 0; x < 44; ++x) {
        if (Surface.Pixel(x, y) == kPen) {
          ASSERT_EQ(solid.Pixel(x, y), kPen);
        }
      }
    }

    State.Brush.Style = bsSolid;  // the gaps take the brush
    Start(44, 34);
    draw();
    EXPECT_EQ(TestSupport::Count(Surface, kPen), dotsOn(outline));
    const int outside = TestSupport::Count(Surface, kPaper);
    State.Pen.Style = psSolid;
    Start(44, 34);
    draw();
    EXPECT_EQ(TestSupport::Count(Surface, kPaper), outside);
  }
}

TEST_F(RasterFigure, BrushIgnoresThePenMode) {
  Start(8, 8);
  Surface.Fill(0x123456);
  State.Pen.Mode = pmXor;
  Device.Rectangle({0, 0, 6, 6}, State);
  EXPECT_EQ(Surface.Pixel(2, 2), kBrush);
  EXPECT_EQ(Surface.Pixel(0, 0), kPen ^ 0x123456u);
}

TEST_F(RasterFigure, XorWidePenTouchesEachPixelOnce) {
  State.Pen.Width = 6;
  State.Brush.Style = bsClear;
  for (bool ellipse : {true, false}) {
    Start(40, 40);
    auto draw = [&] {
      if (ellipse)
        Device.Ellipse({5, 5, 35, 30}, State);
      else
        Device.RoundRect({5, 5, 35, 30}, 12, 12, State);
    };
    draw();
    const TSurface copied = Surface;
    Start(40, 40);
    State.Pen.Mode = pmXor;
    draw();  // a pixel painted twice would turn back to paper
    State.Pen.Mode = pmCopy;
    EXPECT_EQ(Surface, copied) << ellipse;
  }
}

// A copying pen takes the plain path, row stores with nothing checked; on black
// paper an or-ing pen paints the same pixels through the general one. Sizes and
// widths cover pen runs from one pixel to many, beside and without a brush.
TEST_F(RasterFigure, CopyingPenPaintsWhatTheGeneralPathPaints) {
  const Types::TRect boxes[] = {{3, 3, 9, 8}, {2, 4, 31, 21}, {1, 1, 44, 44}, {5, 2, 60, 13}};
  for (const Types::TRect& box : boxes)
    for (int width = 1; width <= 6; ++width)
      for (TBrushStyle brush : {bsSolid, bsClear})
        for (int figure = 0; figure < 3; ++figure) {
          State.Pen.Width = width;
          State.Brush.Style = brush;
          auto draw = [&](TPenMode mode) {
            Start(64, 48);
            State.Pen.Mode = mode;
            if (figure == 0)
              Device.Ellipse(box, State);
            else if (figure == 1)
              Device.RoundRect(box, 14, 10, State);
            else
              Device.Polygon(std::array<Types::TPoint, 5>{{{box.Left, box.Top},
                                                           {box.Right, box.Top + 2},
                                                           {box.Right - 3, box.Bottom},
                                                           {box.Left + 4, box.Bottom - 1},
                                                           {box.Left + 1, box.Top + 3}}},
                             State);
            return Surface;
          };
          if (figure == 2) State.Brush.Style = bsClear;  // the fill lies under the pen
          const TSurface copied = draw(pmCopy);
          EXPECT_EQ(draw(pmMerge), copied)
              << figure << " width " << width << " box " << box.Left << "," << box.Top;
        }
  State.Pen.Mode = pmCopy;
}

TEST_F(RasterFigure, ClippedWithAnOrigin) {
  Start(30, 30);
  State.Origin = {10, 5};
  Device.Ellipse({0, 0, 15, 12}, State);  // device 10..24 x 5..16
  const TSurface whole = Surface;
  Start(30, 30);
  State.Clip = {12, 8, 20, 30};
  Device.Ellipse({0, 0, 15, 12}, State);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 30; ++x)
      EXPECT_EQ(Surface.Pixel(x, y), State.Clip.Contains({x, y}) ? whole.Pixel(x, y) : kPaper);
  EXPECT_EQ(Inked().Left, 12);
}

}  // namespace
