// The raster device under extreme input: coordinates near the ends of int, origins
// that push them past it, huge pens and reversed boxes. Each must give the sensible
// picture below, quickly and without touching memory outside the surface (the
// sanitizer build checks the latter).
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <string>

#include "Graphics/Raster.h"
#include "support/Pixels.h"

namespace {

using namespace Graphics;
using Types::TPoint;

constexpr TPixel kPaper = 0x000000, kPen = 0xFF0000, kBrush = 0x0000FF;
constexpr int kSize = 16;
constexpr int kAll = kSize * kSize;

class RasterExtreme : public ::testing::Test {
 protected:
  RasterExtreme() {
    State.Pen.Color = clRed;
    State.Brush.Color = clBlue;
    State.Clip = Surface.Bounds();
  }
  int Count(TPixel p) const { return TestSupport::Count(Surface, p); }
  void Clear() { Surface.Fill(kPaper); }

  TSurface Surface{kSize, kSize, kPaper};
  TRasterDevice Device{Surface};
  TDrawState State;
};

TEST_F(RasterExtreme, HugeFiguresShowTheirInside) {
  const Types::TRect everything{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
  Device.Rectangle(everything, State);
  EXPECT_EQ(Count(kBrush), kAll);
  Clear();
  Device.Ellipse(everything, State);
  EXPECT_EQ(Count(kBrush), kAll);
  Clear();
  Device.RoundRect(everything, INT_MIN, INT_MAX, State);
  EXPECT_EQ(Count(kBrush), kAll);
  Clear();
  State.Pen.Style = psDashDot;
  Device.Ellipse(everything, State);
  EXPECT_EQ(Count(kBrush), kAll);
}

TEST_F(RasterExtreme, FarEdgesOfAHugeRectangle) {
  Device.Rectangle({-1000000000, 5, 1000000000, 9}, State);
  for (int x = 0; x < kSize; ++x) {
    EXPECT_EQ(Surface.Pixel(x, 5), kPen);
    EXPECT_EQ(Surface.Pixel(x, 6), kBrush);
    EXPECT_EQ(Surface.Pixel(x, 8), kPen);
    EXPECT_EQ(Surface.Pixel(x, 9), kPaper);
  }
}

TEST_F(RasterExtreme, DashPhaseOfAHugeOutlineIsKeptAtTheClip) {
  State.Pen.Style = psDot;
  State.Brush.Style = bsClear;
  // The top row runs leftwards from x = 1999999999, so x is step 1999999999 - x,
  // 1 - x mod 6: dots (steps 0..2 of each 6) on x = 0, 1, 5, 6, 7, 11, ...
  Device.Rectangle({-2000000000, 2, 2000000000, 10}, State);
  std::string top;
  for (int x = 0; x < 12; ++x) top += Surface.Pixel(x, 2) == kPen ? '#' : '.';
  EXPECT_EQ(top, "##...###...#");
  Clear();
  Device.Ellipse({0, -200000, 12, 200000}, State);  // taller than any dash walk
  EXPECT_GT(Count(kPen), 0);
  EXPECT_EQ(Count(kBrush), 0);
}

TEST_F(RasterExtreme, OriginPushingCoordinatesPastInt) {
  State.Origin = {INT_MAX, INT_MAX};
  Device.Rectangle({INT_MAX - 10, INT_MAX - 10, INT_MAX, INT_MAX}, State);
  Device.FillRect({0, 0, INT_MAX, INT_MAX}, State);
  Device.LineTo({0, 0}, {INT_MAX, INT_MAX}, State);
  Device.Draw(INT_MAX, 0, {Surface, std::nullopt}, State);
  EXPECT_EQ(Count(kPaper), kAll);

  State.Origin = {INT_MIN, INT_MIN};
  Device.FillRect({INT_MAX, INT_MAX, INT_MAX, INT_MAX}, State);  // empty
  Device.FillRect({INT_MIN, INT_MIN, INT_MAX, INT_MAX}, State);  // all of device -2^32 .. -1
  EXPECT_EQ(Count(kPaper), kAll);
  Device.Ellipse({INT_MAX - 40, INT_MAX - 40, INT_MAX, INT_MAX}, State);  // device near -41..-1
  EXPECT_EQ(Count(kPaper), kAll);
}

TEST_F(RasterExtreme, LongLinesAreClippedNotWalked) {
  Device.LineTo({INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, State);
  for (int i = 0; i < kSize; ++i) EXPECT_EQ(Surface.Pixel(i, i), kPen);
  EXPECT_EQ(Count(kPen), kSize);
  Clear();
  Device.LineTo({INT_MIN, 3}, {INT_MAX, 3}, State);
  EXPECT_EQ(Count(kPen), kSize);
  Clear();
  State.Pen.Style = psDashDotDot;
  const std::array<TPoint, 4> path{{{INT_MIN, 0}, {INT_MAX, 15}, {INT_MIN, 15}, {0, INT_MIN}}};
  Device.Polyline(path, State);
  Device.Polygon(path, State);
  EXPECT_GT(Count(kPen), 0);
}

TEST_F(RasterExtreme, HugePensCoverWhatTheyReach) {
  State.Pen.Width = 1000000000;
  Device.Rectangle({2, 2, 10, 10}, State);
  EXPECT_EQ(Count(kPen), kAll);
  Clear();
  Device.LineTo({INT_MIN, 5}, {INT_MAX, 5}, State);
  EXPECT_EQ(Count(kPen), kAll);
  Clear();
  // The box's corner is 4.4e8 from its ellipse, inside the pen's 5e8.
  Device.Ellipse({0, 0, INT_MAX, INT_MAX}, State);
  EXPECT_EQ(Count(kPen), kAll);
  Clear();
  State.Pen.Width = INT_MAX;
  State.Pen.Style = psInsideFrame;
  Device.RoundRect({1, 1, 15, 15}, 6, 6, State);
  EXPECT_EQ(Surface.Pixel(7, 7), kPen);
  EXPECT_EQ(Surface.Pixel(0, 0), kPaper);
  Clear();
  const std::array<TPoint, 3> triangle{{{INT_MIN, 8}, {INT_MAX, 8}, {0, INT_MAX}}};
  State.Pen.Style = psSolid;
  State.Pen.Width = 1000000000;
  Device.Polygon(triangle, State);
  EXPECT_EQ(Count(kPen), kAll);
}

TEST_F(RasterExtreme, HugePolygonFillsItsInside) {
  const std::array<TPoint, 3> triangle{{{INT_MIN, INT_MIN}, {INT_MAX, INT_MIN}, {0, INT_MAX}}};
  Device.Polygon(triangle, State);
  EXPECT_EQ(Count(kBrush), kAll);
  Clear();
  const std::array<TPoint, 4> sliver{{{INT_MIN, 4}, {INT_MAX, 4}, {INT_MAX, 6}, {INT_MIN, 6}}};
  State.Pen.Style = psClear;
  Device.Polygon(sliver, State);
  EXPECT_EQ(Count(kBrush), 2 * kSize);
}

TEST_F(RasterExtreme, StretchOverTheWholeIntRange) {
  TSurface picture(2, 2);
  picture.SetPixel(0, 0, 1);
  picture.SetPixel(1, 0, 2);
  picture.SetPixel(0, 1, 3);
  picture.SetPixel(1, 1, 4);
  // Device 0 lies just past the middle of INT_MIN .. INT_MAX: source (1, 1).
  Device.StretchDraw({INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {picture, std::nullopt}, State);
  EXPECT_EQ(Count(4), kAll);
  State.Origin = {INT_MIN, 0};
  Device.StretchDraw({INT_MAX, 0, INT_MIN, 4}, {picture, std::nullopt}, State);  // mirrored
  EXPECT_EQ(Count(4), kAll);
}

TEST_F(RasterExtreme, GarbageClipIsHarmless) {
  State.Clip = {INT_MIN, INT_MIN, INT_MAX, INT_MAX};
  State.Pen.Width = 7;
  Device.Ellipse({-5, -5, 30, 30}, State);
  State.Clip = {10, 10, 2, 2};  // reversed: nothing
  Device.FillRect({0, 0, kSize, kSize}, State);
  EXPECT_EQ(Surface.Pixel(8, 8), kBrush);
  EXPECT_EQ(Count(kPaper), 0);
}

}  // namespace
