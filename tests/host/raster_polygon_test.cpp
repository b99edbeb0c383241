// Polygon on the raster device: the alternate fill, the top-left rule and an
// outline through exactly the given points.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "Graphics/Raster.h"
#include "support/RasterCase.h"

namespace {

using namespace Graphics;
using Types::TPoint;

class RasterPolygon : public TestSupport::TRasterCase {
 protected:
  bool BrushTouchesPaper() const {
    for (int y = 0; y < Surface.Height(); ++y)
      for (int x = 0; x < Surface.Width(); ++x) {
        if (Surface.Pixel(x, y) != kBrush) continue;
        for (TPoint n : {TPoint{x - 1, y}, TPoint{x + 1, y}, TPoint{x, y - 1}, TPoint{x, y + 1}})
          if (Surface.Bounds().Contains(n) && Surface.Pixel(n.X, n.Y) == kPaper) return true;
      }
    return false;
  }
};

TEST_F(RasterPolygon, SquareIsOutlinedThroughItsCorners) {
  Start(7, 7);
  const std::array<TPoint, 4> square{{{1, 1}, {5, 1}, {5, 5}, {1, 5}}};
  Device.Polygon(square, State);
  EXPECT_EQ(Picture(),
            ".......\n"
            ".#####.\n"
            ".#ooo#.\n"
            ".#ooo#.\n"
            ".#ooo#.\n"
            ".#####.\n"
            ".......\n");
}

TEST_F(RasterPolygon, FillWithoutPenLeavesOutRightAndBottomEdges) {
  Start(7, 7);
  State.Pen.Style = psClear;
  const std::array<TPoint, 4> square{{{1, 1}, {5, 1}, {5, 5}, {1, 5}}};
  Device.Polygon(square, State);
  EXPECT_EQ(Picture(),
            ".......\n"
            ".oooo..\n"
            ".oooo..\n"
            ".oooo..\n"
            ".oooo..\n"
            ".......\n"
            ".......\n");
}

TEST_F(RasterPolygon, SlantedEdgesFillThePixelsRightOfTheirCrossing) {
  State.Pen.Style = psClear;
  Start(8, 4);
  const std::array<TPoint, 3> right{{{0, 0}, {7, 0}, {0, 3}}};  // crosses 7, 4.67, 2.33
  Device.Polygon(right, State);
  EXPECT_EQ(Picture(),
            "ooooooo.\n"
            "ooooo...\n"
            "ooo.....\n"
            "........\n");
  Start(8, 4);
  const std::array<TPoint, 3> left{{{0, 0}, {7, 0}, {7, 3}}};  // crosses 0, 2.33, 4.67
  Device.Polygon(left, State);
  EXPECT_EQ(Picture(),
            "ooooooo.\n"
            "...oooo.\n"
            ".....oo.\n"
            "........\n");
}

TEST_F(RasterPolygon, ClippingKeepsThePixels) {
  const std::vector<TPoint> points{{3, 2}, {27, 5}, {22, 18}, {14, 9}, {6, 24}, {1, 13}};
  std::vector<TPoint> shifted;
  for (TPoint p : points) shifted.push_back({p.X - 2, p.Y + 1});
  for (TPenStyle pen : {psClear, psSolid}) {  // without a pen the fill's edges show
    State.Pen.Style = pen;
    Start(30, 28);
    Device.Polygon(points, State);
    const TSurface whole = Surface;
    for (Types::TRect clip : {Types::TRect{0, 7, 30, 28}, Types::TRect{5, 3, 20, 15}}) {
      Start(30, 28);
      State.Clip = clip;
      State.Origin = {2, -1};
      Device.Polygon(shifted, State);
      State.Origin = {0, 0};
      for (int y = 0; y < 28; ++y)
        for (int x = 0; x < 30; ++x)
          ASSERT_EQ(Surface.Pixel(x, y), clip.Contains({x, y}) ? whole.Pixel(x, y) : kPaper)
              << x << "," << y;
    }
  }
}

TEST_F(RasterPolygon, NeighboursShareNoPixel) {
  State.Pen.Style = psClear;
  const std::array<TPoint, 3> upper{{{0, 0}, {9, 0}, {9, 7}}};
  const std::array<TPoint, 3> lower{{{0, 0}, {9, 7}, {0, 7}}};
  Start(10, 8);
  Device.Polygon(upper, State);
  const int a = TestSupport::Count(Surface, kBrush);
  Start(10, 8);
  Device.Polygon(lower, State);
  const int b = TestSupport::Count(Surface, kBrush);
  Device.Polygon(upper, State);
  EXPECT_EQ(TestSupport::Count(Surface, kBrush), 9 * 7);
  EXPECT_EQ(a + b, 9 * 7);
}

TEST_F(RasterPolygon, PentagramHasAnEmptyCentre) {
  Start(22, 21);
  const std::array<TPoint, 5> star{{{10, 0}, {16, 19}, {0, 7}, {20, 7}, {4, 19}}};
  Device.Polygon(star, State);
  EXPECT_EQ(Surface.Pixel(10, 10), kPaper);
  EXPECT_EQ(Surface.Pixel(10, 11), kPaper);
  EXPECT_EQ(Surface.Pixel(10, 4), kBrush);  // the top arm
  EXPECT_EQ(Surface.Pixel(4, 8), kBrush);   // the left arm
  EXPECT_EQ(Surface.Pixel(6, 15), kBrush);  // the lower left arm
  for (TPoint p : star) EXPECT_EQ(Surface.Pixel(p.X, p.Y), kPen) << p.X << "," << p.Y;
  EXPECT_FALSE(BrushTouchesPaper());
}

TEST_F(RasterPolygon, OutlineIsTheClosedPolylineThroughThePoints) {
  const std::vector<TPoint> points{{3, 2}, {27, 5}, {22, 18}, {14, 9}, {6, 24}, {1, 13}};
  State.Brush.Style = bsClear;
  Start(30, 28);
  std::vector<TPoint> closed = points;
  closed.push_back(points.front());
  Device.Polyline(closed, State);
  const TSurface polyline = Surface;
  Start(30, 28);
  Device.Polygon(points, State);
  EXPECT_EQ(Surface, polyline);
  for (TPoint p : points) EXPECT_EQ(Surface.Pixel(p.X, p.Y), kPen);

  State.Brush.Style = bsSolid;
  Device.Polygon(points, State);
  EXPECT_FALSE(BrushTouchesPaper());
}

TEST_F(RasterPolygon, DashesRunOnAroundTheCorners) {
  Start(12, 12);
  State.Pen.Style = psDot;
  State.Brush.Style = bsClear;
  const std::array<TPoint, 4> square{{{0, 0}, {10, 0}, {10, 10}, {0, 10}}};
  Device.Polygon(square, State);
  // Along the top 0..9 are pattern steps 0..9; the right side goes on with 10.
  EXPECT_EQ(Surface.Pixel(8, 0), kPen);
  EXPECT_EQ(Surface.Pixel(9, 0), kPaper);
  EXPECT_EQ(Surface.Pixel(10, 0), kPaper);
  EXPECT_EQ(Surface.Pixel(10, 1), kPaper);
  EXPECT_EQ(Surface.Pixel(10, 2), kPen);
}

TEST_F(RasterPolygon, WideOutlineMatchesTheWideRectangle) {
  State.Brush.Style = bsClear;
  const std::array<TPoint, 4> square{{{4, 5}, {20, 5}, {20, 17}, {4, 17}}};
  for (int width : {2, 3, 4, 5, 8}) {
    State.Pen.Width = width;
    Start(26, 24);
    Device.Rectangle({4, 5, 21, 18}, State);
    const TSurface rectangle = Surface;
    Start(26, 24);
    Device.Polygon(square, State);
    EXPECT_EQ(Surface, rectangle) << width;
  }
}

TEST_F(RasterPolygon, DegeneratePolygonsDrawTheirOutline) {
  Start(8, 8);
  const std::array<TPoint, 1> dot{{{3, 4}}};
  Device.Polygon(dot, State);
  EXPECT_EQ(TestSupport::Count(Surface, kPen), 1);
  EXPECT_EQ(Surface.Pixel(3, 4), kPen);

  Start(8, 8);
  const std::array<TPoint, 2> segment{{{1, 1}, {6, 1}}};
  Device.Polygon(segment, State);  // there and back: both ends drawn
  EXPECT_EQ(Picture().substr(9, 8), ".######.");

  Start(8, 8);
  const std::array<TPoint, 3> collinear{{{1, 1}, {4, 4}, {6, 6}}};
  Device.Polygon(collinear, State);
  EXPECT_EQ(TestSupport::Count(Surface, kBrush), 0);
  EXPECT_EQ(TestSupport::Count(Surface, kPen), 6);
}

TEST_F(RasterPolygon, HatchedFillKeepsTheBackground) {
  Start(16, 16);
  Surface.Fill(0x00FF00);
  State.Pen.Style = psClear;
  State.Brush.Style = bsHorizontal;
  const std::array<TPoint, 3> triangle{{{0, 0}, {16, 0}, {0, 16}}};
  Device.Polygon(triangle, State);
  EXPECT_EQ(Surface.Pixel(3, 0), kBrush);
  EXPECT_EQ(Surface.Pixel(3, 8), kBrush);
  EXPECT_EQ(Surface.Pixel(3, 4), 0x00FF00u);
  EXPECT_EQ(Surface.Pixel(12, 8), 0x00FF00u);  // outside the triangle
}

}  // namespace
