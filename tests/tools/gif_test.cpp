#include <gtest/gtest.h>

#include <filesystem>

#include "GifFile.h"
#include "GifReader.h"
#include "support/TempFolder.h"

namespace {

Graphics::TSurface Stripes(int w, int h, int shift, int colours) {
  Graphics::TSurface s(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      s.SetPixel(x, y, static_cast<Graphics::TPixel>(((x + shift) % colours) * 0x010305));
  return s;
}

TEST(Gif, FramesReadBackExactlyWithTheirDelays) {
  const TestSupport::TTempFolder temp;
  std::string path = temp.File("tollen_gif_exact.gif");
  std::vector<Graphics::TSurface> frames = {Stripes(37, 11, 0, 7), Stripes(37, 11, 3, 7),
                                            Stripes(37, 11, 3, 200)};
  {
    Tools::TGifWriter gif(path, 37, 11);
    gif.AddFrame(frames[0], 0);
    gif.AddFrame(frames[1], 40);
    gif.AddFrame(frames[1], 80);  // unchanged: the frame before is shown longer
    gif.AddFrame(frames[2], 120);
    gif.Finish(200);
    EXPECT_EQ(gif.FramesWritten(), 3);
  }
  auto read = TestSupport::ReadGif(path);
  ASSERT_EQ(read.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(read[i].Picture, frames[i]) << "frame " << i;
  EXPECT_EQ(read[0].DelayCs, 4);
  EXPECT_EQ(read[1].DelayCs, 8);
  EXPECT_EQ(read[2].DelayCs, 8);
}

TEST(Gif, DelaysAddUpWithoutDrift) {
  const TestSupport::TTempFolder temp;
  std::string path = temp.File("tollen_gif_drift.gif");
  Tools::TGifWriter gif(path, 2, 2);
  // Thirty frames a second: 33.3 ms each, which hundredths cannot hold exactly.
  for (int k = 0; k < 30; ++k)
    gif.AddFrame(Stripes(2, 2, k, 2 + k), static_cast<std::int64_t>(k * 1000 / 30));
  gif.Finish(1000);
  int total = 0;
  for (int d : gif.Delays()) {
    EXPECT_TRUE(d == 3 || d == 4) << d;
    total += d;
  }
  EXPECT_EQ(total, 100);
}

TEST(Gif, ManyColoursFallBackToAFixedPalette) {
  const TestSupport::TTempFolder temp;
  std::string path = temp.File("tollen_gif_many.gif");
  Graphics::TSurface s(64, 64);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x)
      s.SetPixel(x, y, static_cast<Graphics::TPixel>(x * 4 << 16 | y * 4 << 8));
  Tools::TGifWriter gif(path, 64, 64);
  gif.AddFrame(s, 0);
  gif.Finish(100);
  auto read = TestSupport::ReadGif(path);
  ASSERT_EQ(read.size(), 1u);
  Graphics::TPixel corner = read[0].Picture.Pixel(63, 63);
  EXPECT_GE(corner >> 16, 0xCCu);  // near the original (252, 252, 0)
}

TEST(Gif, AFrameOfAnotherSizeIsRefused) {
  const TestSupport::TTempFolder temp;
  Tools::TGifWriter gif(temp.File("tollen_gif_size.gif"), 4, 4);
  EXPECT_THROW(gif.AddFrame(Graphics::TSurface(5, 4), 0), SysUtils::Exception);
}

}  // namespace

namespace {

// Noise fills the code table many times over, so the encoder must start it anew.
TEST(Gif, LongNoisyFramesSurviveTableResets) {
  const TestSupport::TTempFolder temp;
  std::string path = temp.File("tollen_gif_noise.gif");
  Graphics::TSurface s(200, 150);
  std::uint32_t seed = 12345;
  for (int y = 0; y < 150; ++y)
    for (int x = 0; x < 200; ++x) {
      seed = seed * 1103515245u + 12345u;
      s.SetPixel(x, y, (seed >> 16) % 200 * 0x010101u);
    }
  Tools::TGifWriter gif(path, 200, 150);
  gif.AddFrame(s, 0);
  gif.Finish(50);
  auto read = TestSupport::ReadGif(path);
  ASSERT_EQ(read.size(), 1u);
  EXPECT_EQ(read[0].Picture, s);
}

}  // namespace
