// The bitmap reader on a file of every kind, each decoded to exact pixels.
#include <gtest/gtest.h>

#include <optional>
#include <span>
#include <tuple>

#include "Graphics/Bitmap.h"
#include "Graphics/BmpFile.h"
#include "host/bmp_builder.h"

namespace {

using namespace BmpTest;
using Graphics::TDecodedBmp;
using Graphics::TSurface;
using TRows = std::vector<std::vector<std::uint32_t>>;

TDecodedBmp Decode(const TBmpFile& file) { return Graphics::ReadBmp(file.Bytes(), "t.bmp"); }

// 11 x 3: an odd width, so every depth but 32 pads its rows, and 1-bit rows
// take a second byte.
constexpr int kWidth = 11, kHeight = 3;

// Stored values and the picture they stand for, at each depth.
struct TSample {
  TRows Stored;
  TSurface Picture{kWidth, kHeight};
  std::vector<TPixel> Palette;
};

// 16-bit 5-5-5 channel values and their 8-bit scalings (16 * 255 / 31 = 131.6).
constexpr std::uint32_t kFive[3] = {0, 16, 31};
constexpr TPixel kEight[3] = {0x00, 0x84, 0xFF};

TSample MakeSample(int bits) {
  TSample s;
  if (bits <= 8) s.Palette = Colours(1 << bits);
  for (int y = 0; y < kHeight; ++y) {
    auto& row = s.Stored.emplace_back();
    for (int x = 0; x < kWidth; ++x) {
      const auto k = static_cast<std::uint32_t>(x * 5 + y * 3);
      TPixel pixel = 0;
      std::uint32_t stored = 0;
      if (bits <= 8) {
        stored = k % (1u << bits);
        pixel = s.Palette[stored];
      } else if (bits == 16) {
        const std::uint32_t r = k % 3, g = (k / 3) % 3, b = (k + 1) % 3;
        stored = kFive[r] << 10 | kFive[g] << 5 | kFive[b];
        pixel = kEight[r] << 16 | kEight[g] << 8 | kEight[b];
      } else {
        pixel = (k * 0x1F3A5B + 0x0A0B0C) & 0xFFFFFF;
        stored = bits == 32 ? pixel | 0xA5000000 : pixel;  // the alpha byte is ignored
      }
      row.push_back(stored);
      s.Picture.SetPixel(x, y, pixel);
    }
  }
  return s;
}

// ---- Every header with every depth it allows, bottom-up and top-down.

using TKind = std::tuple<std::uint32_t, int, bool>;  // header size, bits, top-down

class BmpEveryKind : public ::testing::TestWithParam<TKind> {};

TBmpFile SampleFile(const TKind& kind, const TSample& sample) {
  const auto [header, bits, topDown] = kind;
  TBmpFile file;
  file.HeaderSize = header;
  file.Width = kWidth;
  file.Height = topDown ? -kHeight : kHeight;
  file.BitCount = static_cast<std::uint16_t>(bits);
  file.Palette = sample.Palette;
  file.Pixels = StoreRows(sample.Stored, bits, topDown, 0x5A);
  return file;
}

// A packed bitmap is the file without its 14-byte file header.
TDecodedBmp DecodePacked(const TBmpFile& file, std::optional<std::int32_t> height = {}) {
  const TBytes bytes = file.Bytes();
  return Graphics::ReadDib(std::span(bytes).subspan(14), "t", height);
}

TEST_P(BmpEveryKind, DecodesToTheExactPicture) {
  const bool topDown = std::get<2>(GetParam());
  const TSample sample = MakeSample(std::get<1>(GetParam()));
  const TBmpFile file = SampleFile(GetParam(), sample);
  const TDecodedBmp bmp = Decode(file);
  EXPECT_EQ(Hex(bmp.Pixels), Hex(sample.Picture));
  EXPECT_EQ(bmp.BottomUp, !topDown);
  EXPECT_EQ(Hex(DecodePacked(file).Pixels), Hex(sample.Picture)) << "without the file header";
}

std::vector<TKind> AllKinds() {
  std::vector<TKind> kinds;
  for (int bits : {1, 4, 8, 24}) kinds.emplace_back(12, bits, false);  // core: bottom-up only
  for (std::uint32_t header : {40u, 52u, 56u, 108u, 124u})
    for (int bits : {1, 4, 8, 16, 24, 32})
      for (bool topDown : {false, true}) kinds.emplace_back(header, bits, topDown);
  return kinds;
}

std::string KindName(const ::testing::TestParamInfo<TKind>& info) {
  const auto& [header, bits, topDown] = info.param;
  return "Header" + std::to_string(header) + "_" + std::to_string(bits) + "Bits" +
         (topDown ? "_TopDown" : "");
}

INSTANTIATE_TEST_SUITE_P(Bmp, BmpEveryKind, ::testing::ValuesIn(AllKinds()), KindName);

// ---- Orientation: the same picture either way, but the first stored pixel,
// which tmAuto transparency takes, differs.

TEST(BmpOrientation, BottomUpAndTopDownGiveOnePictureAndDifferentTransparentColours) {
  const TRows rows = {{0x0000FF, 0x00FF00}, {0xFF0000, 0xFFFFFF}};
  TBmpFile file;
  file.Width = 2;
  file.Height = 2;
  file.Pixels = StoreRows(rows, 24);
  TDecodedBmp up = Decode(file);
  file.Height = -2;
  file.Pixels = StoreRows(rows, 24, true);
  TDecodedBmp down = Decode(file);
  EXPECT_EQ(up.Pixels, down.Pixels);
  EXPECT_EQ(Hex(up.Pixels), "0000FF 00FF00\nFF0000 FFFFFF\n");
  EXPECT_TRUE(up.BottomUp);
  EXPECT_FALSE(down.BottomUp);

  Graphics::TBitmap a, b;
  a.SetSurface(std::move(up.Pixels), up.BottomUp);
  b.SetSurface(std::move(down.Pixels), down.BottomUp);
  EXPECT_EQ(a.TransparentColor(), Graphics::PixelToColor(0xFF0000));  // bottom-left
  EXPECT_EQ(b.TransparentColor(), Graphics::PixelToColor(0x0000FF));  // top-left
}

// ---- Palettes and offsets.

TEST(BmpPalette, HoldsAsManyColoursAsTheHeaderDeclares) {
  TBmpFile file;
  file.Width = 4;
  file.BitCount = 8;
  file.ColoursUsed = 3;
  file.Palette = Colours(3);
  file.Pixels = StoreRows({{2, 0, 1, 2}}, 8);
  EXPECT_EQ(Indices(Decode(file).Pixels, file.Palette), "2012\n");
}

TEST(BmpPalette, HoldsOnlyWhatFitsBeforeThePixelsWhenTheOffsetSaysSo) {
  // Colours used 0 names all 256, but the pixels start after four entries.
  TBmpFile file;
  file.Width = 4;
  file.BitCount = 8;
  file.Palette = Colours(4);
  file.Pixels = StoreRows({{3, 2, 1, 0}}, 8);
  EXPECT_EQ(Indices(Decode(file).Pixels, file.Palette), "3210\n");
}

TEST(BmpPalette, MoreColoursDeclaredThanTheDepthNamesAreReadAsTheDepthAllows) {
  TBmpFile file;
  file.Width = 3;
  file.BitCount = 1;
  file.ColoursUsed = 1000;
  file.Palette = Colours(2);
  file.Pixels = StoreRows({{1, 0, 1}}, 1);
  EXPECT_EQ(Indices(Decode(file).Pixels, file.Palette), "101\n");
}

TEST(BmpPalette, PaddingBitsAreNoIndices) {
  // Only three colours: the padding nibble and bits (all ones) would be index 15 and 1.
  TBmpFile file;
  file.Width = 3;
  file.BitCount = 4;
  file.ColoursUsed = 3;
  file.Palette = Colours(3);
  file.Pixels = StoreRows({{2, 1, 0}}, 4, false, 0xFF);
  EXPECT_EQ(Indices(Decode(file).Pixels, file.Palette), "210\n");
  file.BitCount = 1;
  file.ColoursUsed = 1;
  file.Palette = Colours(1);
  file.Pixels = StoreRows({{0, 0, 0}}, 1, false, 0xFF);
  EXPECT_EQ(Indices(Decode(file).Pixels, file.Palette), "000\n");
}

TEST(BmpOffset, PixelsAreReadWhereTheOffsetPoints) {
  TBmpFile file;
  file.Width = 2;
  file.Gap = 37;  // filled with 0xEE, which would show if read as pixels
  file.Pixels = StoreRows({{0x123456, 0xABCDEF}}, 24);
  EXPECT_EQ(Hex(Decode(file).Pixels), "123456 ABCDEF\n");
  file.BitCount = 8;
  file.Palette = Colours(2);
  file.Pixels = StoreRows({{1, 0}}, 8);
  EXPECT_EQ(Indices(Decode(file).Pixels, file.Palette), "10\n");
}

TEST(BmpOffset, TheLastRowMayLackItsPadding) {
  TBmpFile file;
  file.Width = 2;
  file.Height = 2;
  file.Pixels = StoreRows({{0x010203, 0x040506}, {0x070809, 0x0A0B0C}}, 24);
  file.Pixels.erase(file.Pixels.end() - 2, file.Pixels.end());  // the last row's padding
  EXPECT_EQ(Hex(Decode(file).Pixels), "010203 040506\n070809 0A0B0C\n");
}

// ---- Bit fields.

TBmpFile Fields(std::uint32_t header, int bits, std::vector<std::uint32_t> masks, TRows rows) {
  TBmpFile file;
  file.HeaderSize = header;
  file.Width = static_cast<std::int32_t>(rows[0].size());
  file.Height = static_cast<std::int32_t>(rows.size());
  file.BitCount = static_cast<std::uint16_t>(bits);
  file.Compression = 3;
  file.Masks = std::move(masks);
  file.Pixels = StoreRows(rows, bits);
  return file;
}

TEST(BmpBitFields, FiveSixFiveAfterTheInformationHeader) {
  // 0x8410: red 16 of 31 (131.6), green 32 of 63 (129.5), blue 16 of 31.
  const auto file = Fields(40, 16, {0xF800, 0x07E0, 0x001F}, {{0xF800, 0x07E0, 0x001F, 0x8410}});
  EXPECT_EQ(Hex(Decode(file).Pixels), "FF0000 00FF00 0000FF 848284\n");
}

TEST(BmpBitFields, FourFourFourAndOneBitChannelsInTheHeaders) {
  // 8 * 255 / 15 = 136, 1 * 255 / 15 = 17.
  for (std::uint32_t header : {52u, 108u, 124u}) {
    const auto file = Fields(header, 16, {0xF000, 0x0F00, 0x0001}, {{0xF001, 0x8100, 0x0F00}});
    EXPECT_EQ(Hex(Decode(file).Pixels), "FF00FF 881100 00FF00\n") << header;
  }
}

TEST(BmpBitFields, TenBitChannelsRoundToNearest) {
  // Red in the low bits: 1023 -> 255, 512 -> 127.6 -> 128, 3 -> 0.75 -> 1, 2 -> 0.499 -> 0.
  const auto file = Fields(40, 32, {0x000003FF, 0x000FFC00, 0x3FF00000},
                           {{0xC00003FF, 0x00000200 | 3u << 10 | 2u << 20, 0x3FFFFC00}});
  EXPECT_EQ(Hex(Decode(file).Pixels), "FF0000 800100 00FFFF\n");
}

TEST(BmpBitFields, ChannelsWiderThanSixteenBitsAreScaledExactly) {
  // Red has 24 bits: 0x800000 * 255 / 0xFFFFFF = 127.500008 -> 128; 0x7FFFFF -> 127.499992.
  const auto file =
      Fields(108, 32, {0xFFFFFF00, 0x000000F0, 0x0000000F}, {{0x80000000, 0x7FFFFF00, 0xFFFFFFFF}});
  EXPECT_EQ(Hex(Decode(file).Pixels), "800000 7F0000 FFFFFF\n");
}

TEST(BmpBitFields, AnEmptyMaskLeavesItsChannelBlack) {
  const auto file = Fields(40, 16, {0x7C00, 0x0000, 0x001F}, {{0xFFFF}});
  EXPECT_EQ(Hex(Decode(file).Pixels), "FF00FF\n");
}

TEST(BmpBitFields, TheUsualThirtyTwoBitMasksIgnoreAlpha) {
  const auto file = Fields(124, 32, {0xFF0000, 0x00FF00, 0x0000FF}, {{0xFF123456, 0x00ABCDEF}});
  EXPECT_EQ(Hex(Decode(file).Pixels), "123456 ABCDEF\n");
}

TEST(BmpBitFields, MasksInTheHeaderCountOnlyWithBitFieldCompression) {
  auto file = Fields(108, 16, {0xF800, 0x07E0, 0x001F}, {{0x7C00, 0x001F}});
  file.Compression = 0;  // 5-5-5 then, whatever the header's masks say
  EXPECT_EQ(Hex(Decode(file).Pixels), "FF0000 0000FF\n");
}

// ---- RLE.

TBmpFile Rle(int bits, int width, int height, int colours, TBytes codes) {
  TBmpFile file;
  file.Width = width;
  file.Height = height;
  file.BitCount = static_cast<std::uint16_t>(bits);
  file.Compression = bits == 8 ? 1 : 2;
  file.Palette = Colours(colours);
  file.Pixels = std::move(codes);
  return file;
}

TEST(BmpRle, Rle8RunsAbsoluteRunsDeltasAndEnds) {
  const auto file = Rle(8, 6, 4, 4,
                        {
                            0x03, 0x01,                          // three of 1
                            0x00, 0x03, 0x02, 0x03, 0x00, 0x00,  // absolute 2 3 0, padded
                            0x00, 0x00,                          // end of line
                            0x02, 0x02,                          // two of 2
                            0x00, 0x02, 0x03, 0x00,              // delta: 3 right
                            0x01, 0x03,                          // one of 3
                            0x00, 0x00,                          // end of line
                            0x00, 0x02, 0x02, 0x01,              // delta: 2 right, 1 up
                            0x04, 0x01,                          // four of 1
                            0x00, 0x01,                          // end of bitmap
                        });
  const TDecodedBmp bmp = Decode(file);
  EXPECT_EQ(Indices(bmp.Pixels, file.Palette),
            "001111\n"
            "000000\n"
            "220003\n"
            "111230\n");
  EXPECT_TRUE(bmp.BottomUp);
}

TEST(BmpRle, Rle4AlternatesNibblesAndPadsAbsoluteRunsToWords) {
  const auto file = Rle(4, 7, 2, 16,
                        {
                            0x03, 0x12,                          // 1 2 1
                            0x00, 0x02, 0x01, 0x00,              // delta: 1 right
                            0x03, 0x45,                          // 4 5 4
                            0x00, 0x00,                          // end of line
                            0x00, 0x05, 0x78, 0x9A, 0xB0, 0x00,  // absolute 7 8 9 a b, padded
                            0x02, 0xCD,                          // c d
                            0x00, 0x01,                          // end of bitmap
                        });
  EXPECT_EQ(Indices(Decode(file).Pixels, file.Palette),
            "789abcd\n"
            "1210454\n");
}

TEST(BmpRle, DataMayEndWithoutEndOfBitmapOnceEveryPixelIsReached) {
  auto file = Rle(8, 2, 2, 2, {0x02, 0x01, 0x00, 0x00, 0x01, 0x00, 0x01, 0x01});
  EXPECT_EQ(Indices(Decode(file).Pixels, file.Palette), "01\n11\n");
  file.Pixels.insert(file.Pixels.end(),
                     {0x00, 0x00, 0x00, 0x00, 0x00, 0x01});  // ends after the last row
  EXPECT_EQ(Indices(Decode(file).Pixels, file.Palette), "01\n11\n");
}

TEST(BmpRle, Rle4SingleRunUsesOnlyTheHighNibble) {
  // The low nibble 15 names no colour of the two, but one pixel never shows it.
  const auto file = Rle(4, 1, 1, 2, {0x01, 0x1F, 0x00, 0x01});
  EXPECT_EQ(Indices(Decode(file).Pixels, file.Palette), "1\n");
}

// ---- Packed bitmaps: the pixels follow the palette the header declares.

TEST(BmpPacked, PixelsFollowThePaletteOrTheMasksTheHeaderDeclares) {
  TBmpFile shortPalette;  // 8 bits, three colours used
  shortPalette.Width = 4;
  shortPalette.BitCount = 8;
  shortPalette.ColoursUsed = 3;
  shortPalette.Palette = Colours(3);
  shortPalette.Pixels = StoreRows({{2, 0, 1, 2}}, 8);
  TBmpFile colourTable;  // 24 bits with an optional table of two colours before the pixels
  colourTable.Width = 2;
  colourTable.ColoursUsed = 2;
  colourTable.Palette = {0x111111, 0x222222};
  colourTable.Pixels = StoreRows({{0x010203, 0x040506}}, 24);
  TBmpFile rle = Rle(8, 3, 1, 4, {0x03, 0x02, 0x00, 0x01});
  rle.ColoursUsed = 4;
  const struct {
    const char* Kind;
    TBmpFile File;
  } cases[] = {
      {"short palette", shortPalette},
      {"colour table", colourTable},
      {"masks after the header", Fields(40, 16, {0xF800, 0x07E0, 0x001F}, {{0xF800, 0x001F}})},
      {"RLE8", rle},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Hex(DecodePacked(c.File).Pixels), Hex(Decode(c.File).Pixels)) << c.Kind;
}

TEST(BmpPacked, AGivenHeightReadsTheFirstRowsAsAnIconsColours) {
  // Stored bottom row first: the colours (two rows), then the mask's two rows.
  TBmpFile icon;
  icon.Width = 2;
  icon.Height = 4;
  icon.Pixels = StoreRows({{0xFFFFFF, 0xFFFFFF}, {0, 0}, {0x0000FF, 0x00FF00}, {0xFF0000, 1}}, 24);
  EXPECT_EQ(Hex(DecodePacked(icon, 2).Pixels), "0000FF 00FF00\nFF0000 000001\n");
}

TEST(BmpPacked, ACutShortHeaderOrPaletteIsAnError) {
  TBmpFile file;
  file.BitCount = 8;
  file.Palette = Colours(256);
  file.Pixels = {0, 0, 0, 0};
  const TBytes bytes = file.Bytes();
  for (std::size_t size : {std::size_t{16}, std::size_t{14 + 40 + 512}}) {
    const auto cut = std::span(bytes).subspan(14, size - 14);
    EXPECT_THROW(Graphics::ReadDib(cut, "t"), Graphics::EInvalidGraphic) << size;
  }
}

}  // namespace
