// Wide pens against the rule they follow, pixel by pixel: a pixel is the pen's when
// its centre (moved half a pixel right and down for an even width) lies within half
// the width of a segment. Checked in exact integers over many slopes and widths.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "support/RasterCase.h"

namespace {

using Types::TPoint;

class RasterWide : public TestSupport::TRasterCase {
 protected:
  // In half pixels, so that every centre and end is whole.
  static bool NearSegment(int x, int y, TPoint a, TPoint b, int width) {
    const std::int64_t s = width % 2 == 0 ? 1 : 0;
    const std::int64_t px = 2 * x + s, py = 2 * y + s, ax = 2 * a.X, ay = 2 * a.Y;
    const std::int64_t dx = 2 * (b.X - a.X), dy = 2 * (b.Y - a.Y), w2 = width * width;
    const std::int64_t t = (px - ax) * dx + (py - ay) * dy, len2 = dx * dx + dy * dy;
    auto within = [&](std::int64_t cx, std::int64_t cy) {
      return (px - cx) * (px - cx) + (py - cy) * (py - cy) <= w2;
    };
    if (t <= 0 || len2 == 0) return within(ax, ay);
    if (t >= len2) return within(ax + dx, ay + dy);
    const std::int64_t cross = (px - ax) * dy - (py - ay) * dx;
    return cross * cross <= w2 * len2;
  }
};

TEST_F(RasterWide, LinesCoverExactlyThePixelsNearThem) {
  const TPoint centre{24, 24};
  for (int width : {2, 3, 4, 5, 6, 9})
    for (int dx = -19; dx <= 19; dx += 3)
      for (int dy : {-19, -13, -7, -2, 0, 1, 5, 11, 18}) {
        const TPoint end{centre.X + dx, centre.Y + dy};
        Start(48, 48);
        State.Pen.Width = width;
        Device.LineTo(centre, end, State);
        for (int y = 0; y < 48; ++y)
          for (int x = 0; x < 48; ++x)
            ASSERT_EQ(Surface.Pixel(x, y) == kPen, NearSegment(x, y, centre, end, width))
                << "width " << width << " to (" << end.X << "," << end.Y << ") at " << x << ","
                << y;
      }
}

TEST_F(RasterWide, ClippedLinesKeepThePixelsInsideTheClip) {
  const TPoint centre{24, 24};
  const Types::TRect clip{9, 7, 37, 41};
  for (int width : {2, 5, 8})
    for (int dx : {-19, -6, 0, 4, 17})
      for (int dy : {-19, -3, 1, 12}) {
        const TPoint end{centre.X + dx, centre.Y + dy};
        Start(48, 48);
        State.Pen.Width = width;
        State.Clip = clip;
        Device.LineTo(centre, end, State);
        for (int y = 0; y < 48; ++y)
          for (int x = 0; x < 48; ++x)
            ASSERT_EQ(Surface.Pixel(x, y) == kPen,
                      clip.Contains({x, y}) && NearSegment(x, y, centre, end, width))
                << "width " << width << " to (" << end.X << "," << end.Y << ") at " << x << ","
                << y;
      }
}

TEST_F(RasterWide, PolygonOutlineIsTheUnionOfItsSides) {
  const std::array<TPoint, 6> hexagon{{{16, 3}, {45, 3}, {60, 30}, {45, 57}, {16, 57}, {3, 30}}};
  for (int width : {2, 5, 8}) {
    Start(64, 64);
    State.Pen.Width = width;
    State.Brush.Style = Graphics::bsClear;
    Device.Polygon(hexagon, State);
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 64; ++x) {
        bool near = false;
        for (std::size_t i = 0; i < hexagon.size(); ++i)
          near = near || NearSegment(x, y, hexagon[i], hexagon[(i + 1) % hexagon.size()], width);
        ASSERT_EQ(Surface.Pixel(x, y) == kPen, near)
            << "width " << width << " at " << x << "," << y;
      }
  }
}

}  // namespace
