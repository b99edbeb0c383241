// FillRect, the hatched brushes, and pictures (Draw, StretchDraw) on the raster
// device.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "Graphics/Raster.h"
#include "support/Pixels.h"

namespace {

using namespace Graphics;

constexpr TPixel kPaper = 0x000000, kBrush = 0x0000FF;

class RasterFill : public ::testing::Test {
 protected:
  RasterFill() {
    State.Pen.Color = clRed;
    State.Brush.Color = clBlue;
  }
  void Start(int width, int height) {
    Surface = TSurface(width, height, kPaper);
    State.Clip = Surface.Bounds();
  }
  std::string Picture() const { return TestSupport::Picture(Surface, kPaper, kBrush); }
  // Pixel values as digits: picture pixels are 1..9.
  std::string Digits() const {
    std::string out;
    for (int y = 0; y < Surface.Height(); ++y) {
      for (int x = 0; x < Surface.Width(); ++x)
        out += static_cast<char>('0' + std::min<TPixel>(Surface.Pixel(x, y), 9));
      out += '\n';
    }
    return out;
  }
  // A picture whose pixels count 1, 2, 3... row by row.
  static TSurface Counting(int width, int height) {
    TSurface s(width, height);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) s.SetPixel(x, y, static_cast<TPixel>(1 + y * width + x));
    return s;
  }

  TSurface Surface;
  TRasterDevice Device{Surface};
  TDrawState State;
};

TEST_F(RasterFill, FillRectCoversLeftTopToRightBottomLessOne) {
  Start(5, 4);
  State.Pen.Mode = pmXor;  // no pen is involved
  Device.FillRect({1, 1, 4, 3}, State);
  EXPECT_EQ(Picture(),
            ".....\n"
            ".###.\n"
            ".###.\n"
            ".....\n");
}

TEST_F(RasterFill, FillRectDoesNotSwapReversedCorners) {
  Start(5, 4);
  Device.FillRect({4, 3, 1, 1}, State);
  Device.FillRect({1, 3, 4, 1}, State);
  EXPECT_EQ(TestSupport::Count(Surface, kPaper), 20);
}

TEST_F(RasterFill, ClearBrushFillsNothing) {
  Start(5, 4);
  State.Brush.Style = bsClear;
  Device.FillRect({0, 0, 5, 4}, State);
  EXPECT_EQ(TestSupport::Count(Surface, kPaper), 20);
}

TEST_F(RasterFill, HatchPatterns) {
  const std::array<std::pair<TBrushStyle, std::string>, 6> hatches{{
      {bsHorizontal,
       "########\n........\n........\n........\n"
       "........\n........\n........\n........\n"},
      {bsVertical,
       "#.......\n#.......\n#.......\n#.......\n"
       "#.......\n#.......\n#.......\n#.......\n"},
      {bsFDiagonal,
       "#.......\n.#......\n..#.....\n...#....\n"
       "....#...\n.....#..\n......#.\n.......#\n"},
      {bsBDiagonal,
       "#.......\n.......#\n......#.\n.....#..\n"
       "....#...\n...#....\n..#.....\n.#......\n"},
      {bsCross,
       "########\n#.......\n#.......\n#.......\n"
       "#.......\n#.......\n#.......\n#.......\n"},
      {bsDiagCross,
       "#.......\n.#.....#\n..#...#.\n...#.#..\n"
       "....#...\n...#.#..\n..#...#.\n.#.....#\n"},
  }};
  for (const auto& [style, expected] : hatches) {
    Start(8, 8);
    State.Brush.Style = style;
    Device.FillRect({0, 0, 8, 8}, State);
    EXPECT_EQ(Picture(), expected) << static_cast<int>(style);
  }
}

TEST_F(RasterFill, HatchIsFixedToTheDevice) {
  Start(16, 1);
  State.Brush.Style = bsVertical;
  State.Origin = {3, 0};
  Device.FillRect({0, 0, 13, 1}, State);
  EXPECT_EQ(Picture(), "........#.......\n");
}

TEST_F(RasterFill, HatchedFigureKeepsItsBackground) {
  Start(10, 10);
  Surface.Fill(0x00FF00);
  State.Brush.Style = bsCross;
  Device.Rectangle({0, 0, 10, 10}, State);
  EXPECT_EQ(Surface.Pixel(8, 4), kBrush);  // the cross at device column 8
  EXPECT_EQ(Surface.Pixel(5, 5), 0x00FF00u);
  EXPECT_EQ(Surface.Pixel(0, 5), 0xFF0000u);  // the pen
}

TEST_F(RasterFill, FillIsClippedWithAnOrigin) {
  Start(8, 6);
  State.Origin = {2, 1};
  State.Clip = {3, 0, 6, 3};
  Device.FillRect({-5, -5, 50, 50}, State);
  EXPECT_EQ(Picture(),
            "...###..\n"
            "...###..\n"
            "...###..\n"
            "........\n"
            "........\n"
            "........\n");
}

TEST_F(RasterFill, ClipReachingBeyondTheSurfaceIsCut) {
  Start(4, 3);
  State.Clip = {-100, -100, 100, 100};
  Device.FillRect({-1000, -1000, 1000, 1000}, State);
  Device.Ellipse({-20, -20, 20, 20}, State);
  EXPECT_EQ(TestSupport::Count(Surface, kBrush), 12);
}

TEST_F(RasterFill, DrawCopiesAtTrueSizeWithTheOrigin) {
  Start(8, 5);
  const TSurface picture = Counting(3, 2);
  State.Origin = {1, 1};
  Device.Draw(2, 1, {picture, std::nullopt}, State);
  Device.Draw(5, -2, {picture, std::nullopt}, State);  // clipped at the top and right
  EXPECT_EQ(Digits(),
            "00000045\n"
            "00000000\n"
            "00012300\n"
            "00045600\n"
            "00000000\n");
}

TEST_F(RasterFill, DrawLeavesOutTheTransparentValue) {
  Start(4, 2);
  Surface.Fill(9);
  const TSurface picture = Counting(3, 2);
  Device.Draw(0, 0, {picture, TPixel{5}}, State);
  EXPECT_EQ(Digits(), "1239\n4969\n");
}

TEST_F(RasterFill, DrawOntoItsOwnSurfaceReadsTheOriginal) {
  Start(4, 1);
  for (int x = 0; x < 4; ++x) Surface.SetPixel(x, 0, static_cast<TPixel>(x + 1));
  Device.Draw(1, 0, {Surface, std::nullopt}, State);
  EXPECT_EQ(Digits(), "1123\n");
}

TEST_F(RasterFill, StretchDrawSamplesNearestByWholeNumbers) {
  const TSurface picture = Counting(2, 2);
  Start(4, 4);
  Device.StretchDraw({0, 0, 4, 4}, {picture, std::nullopt}, State);
  EXPECT_EQ(Digits(), "1122\n1122\n3344\n3344\n");
  Start(4, 4);
  Device.StretchDraw({0, 0, 3, 3}, {picture, std::nullopt}, State);  // x * 2 / 3: 0, 0, 1
  EXPECT_EQ(Digits(), "1120\n1120\n3340\n0000\n");
  Start(3, 1);
  const TSurface row = Counting(3, 1);
  Device.StretchDraw({0, 0, 2, 1}, {row, std::nullopt}, State);  // x * 3 / 2: 0, 1
  EXPECT_EQ(Digits(), "120\n");
}

TEST_F(RasterFill, StretchDrawClipsTheDestinationNotTheScale) {
  const TSurface picture = Counting(2, 2);
  Start(4, 4);
  State.Origin = {-2, 0};
  State.Clip = {0, 0, 4, 3};
  // Device -2..5: column x takes source (x + 2) * 2 / 8.
  Device.StretchDraw({0, 0, 8, 4}, {picture, TPixel{3}}, State);
  EXPECT_EQ(Digits(), "1122\n1122\n0044\n0000\n");
}

TEST_F(RasterFill, StretchDrawOfEmptyOrMirroredBoxDrawsNothing) {
  const TSurface picture = Counting(2, 2);
  Start(4, 4);
  Device.StretchDraw({4, 0, 0, 4}, {picture, std::nullopt}, State);
  Device.StretchDraw({0, 4, 4, 0}, {picture, std::nullopt}, State);
  Device.StretchDraw({1, 1, 1, 3}, {picture, std::nullopt}, State);
  Device.StretchDraw({0, 0, 4, 4}, {TSurface(), std::nullopt}, State);
  EXPECT_EQ(TestSupport::Count(Surface, kPaper), 16);
}

}  // namespace
