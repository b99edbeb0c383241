// The bitmap reader on malformed files: each fault raises EInvalidGraphic with a
// message that names the file and the fault.
#include <gtest/gtest.h>

#include <climits>
#include <functional>

#include "Graphics/BmpFile.h"
#include "host/bmp_builder.h"

namespace {

using namespace BmpTest;
using TRows = std::vector<std::vector<std::uint32_t>>;

struct TBadFile {
  std::string Name;
  TBytes Bytes;
  std::string Fault;  // the message after `Bitmap "t.bmp": `
};

void PrintTo(const TBadFile& file, std::ostream* out) { *out << file.Name; }

TBmpFile Direct(int width, int height, int bits = 24) {
  TBmpFile file;
  file.Width = width;
  file.Height = height;
  file.BitCount = static_cast<std::uint16_t>(bits);
  file.Pixels = StoreRows(TRows(static_cast<std::size_t>(std::abs(height)),
                                std::vector<std::uint32_t>(static_cast<std::size_t>(width))),
                          bits);
  return file;
}

TBmpFile Indexed(int bits, int colours, TRows rows) {
  TBmpFile file;
  file.Width = static_cast<std::int32_t>(rows[0].size());
  file.Height = static_cast<std::int32_t>(rows.size());
  file.BitCount = static_cast<std::uint16_t>(bits);
  file.ColoursUsed = static_cast<std::uint32_t>(colours);
  file.Palette = Colours(colours);
  file.Pixels = StoreRows(rows, bits);
  return file;
}

TBmpFile Rle(int bits, TBytes codes, int colours = 4) {
  TBmpFile file;
  file.Width = 4;
  file.Height = 2;
  file.BitCount = static_cast<std::uint16_t>(bits);
  file.Compression = bits == 8 ? 1 : 2;
  file.Palette = Colours(colours);
  file.Pixels = std::move(codes);
  return file;
}

// A file made by `make` from a good one, or cut to `size` bytes.
TBytes Changed(TBmpFile file, const std::function<void(TBmpFile&)>& make) {
  make(file);
  return file.Bytes();
}
TBytes Cut(const TBmpFile& file, std::size_t size) {
  TBytes bytes = file.Bytes();
  bytes.resize(size);
  return bytes;
}

std::vector<TBadFile> BadFiles() {
  const TBmpFile pixel = Direct(1, 1);  // 54 bytes of headers, 4 of pixels
  TBmpFile v5 = pixel;
  v5.HeaderSize = 124;
  TBmpFile fields = Direct(1, 1, 16);
  fields.Compression = 3;
  fields.Masks = {0x7C00, 0x03E0, 0x001F};
  return {
      // Size and signature.
      {"Empty", {}, "file too short (0 bytes) for a bitmap"},
      {"SeventeenBytes", Cut(pixel, 17), "file too short (17 bytes) for a bitmap"},
      {"BadSignature",
       [&] {
         TBytes b = pixel.Bytes();
         b[1] = 'A';
         return b;
       }(),
       "bad signature 0x4142, not \"BM\""},
      // Headers.
      {"UnknownHeaderSize", Changed(pixel, [](auto& f) { f.HeaderSize = 64; }),
       "unknown header size 64"},
      {"HeaderCut", Cut(pixel, 44), "file too short (44 bytes) for its 40-byte header"},
      {"V5HeaderCut", Cut(v5, 114), "file too short (114 bytes) for its 124-byte header"},
      {"MasksCut", Cut(fields, 62), "file too short (62 bytes) for its bit-field masks"},
      {"PlanesZero", Changed(pixel, [](auto& f) { f.Planes = 0; }), "planes 0, not 1"},
      {"PlanesTwo", Changed(pixel, [](auto& f) { f.Planes = 2; }), "planes 2, not 1"},
      // Offsets and lengths.
      {"OffsetBeyondTheFile", Changed(pixel, [](auto& f) { f.PixelOffset = 59; }),
       "pixel data offset 59 beyond the end of the file (58 bytes)"},
      {"OffsetInsideTheHeaders", Changed(pixel, [](auto& f) { f.PixelOffset = 40; }),
       "pixel data offset 40 inside the headers, which end at 54"},
      {"OffsetInsideTheMasks", Changed(fields, [](auto& f) { f.PixelOffset = 54; }),
       "pixel data offset 54 inside the headers, which end at 66"},
      {"OffsetAtTheEnd", Changed(pixel, [](auto& f) { f.PixelOffset = 58; }),
       "pixel data of 0 bytes, shorter than the 3 that 1 x 1 pixels of 24 bits need"},
      {"PixelsShort", Cut(Direct(5, 3), 54 + 46),
       "pixel data of 46 bytes, shorter than the 47 that 5 x 3 pixels of 24 bits need"},
      {"OneBitRowsShort", Cut(Direct(33, 2, 1), 54 + 12),
       "pixel data of 12 bytes, shorter than the 13 that 33 x 2 pixels of 1 bits need"},
      // Dimensions.
      {"WidthZero", Changed(pixel, [](auto& f) { f.Width = 0; }), "invalid width 0"},
      {"WidthNegative", Changed(pixel, [](auto& f) { f.Width = -5; }), "invalid width -5"},
      {"HeightZero", Changed(pixel, [](auto& f) { f.Height = 0; }), "invalid height 0"},
      {"CoreWidthZero",
       Changed(pixel,
               [](auto& f) {
                 f.HeaderSize = 12;
                 f.Width = 0;
               }),
       "invalid width 0"},
      {"WidthBeyondTheLimit", Changed(pixel, [](auto& f) { f.Width = 32769; }),
       "size 32769 x 1 beyond the limit of 32768 pixels a side"},
      {"TopDownHeightBeyondTheLimit", Changed(pixel, [](auto& f) { f.Height = -32769; }),
       "size 1 x 32769 beyond the limit of 32768 pixels a side"},
      {"MostNegativeHeight", Changed(pixel, [](auto& f) { f.Height = INT_MIN; }),
       "size 1 x 2147483648 beyond the limit of 32768 pixels a side"},
      {"LargestSizes",
       Changed(pixel,
               [](auto& f) {
                 f.Width = f.Height = INT_MAX;
                 f.BitCount = 32;
               }),
       "size 2147483647 x 2147483647 beyond the limit of 32768 pixels a side"},
      {"TooManyPixels",
       Changed(pixel,
               [](auto& f) {
                 f.Width = 8192;
                 f.Height = 8193;
               }),
       "8192 x 8193 pixels beyond the limit of 67108864"},
      {"SixtyFourBytesClaimingAQuarterGigapixel", HugeRle().Bytes(),
       "16384 x 16384 pixels beyond the limit of 67108864"},
      // Depths and compressions.
      {"TwoBits", Changed(pixel, [](auto& f) { f.BitCount = 2; }), "unsupported bit depth 2"},
      {"NoBits", Changed(pixel, [](auto& f) { f.BitCount = 0; }), "unsupported bit depth 0"},
      {"SixtyFourBits", Changed(pixel, [](auto& f) { f.BitCount = 64; }),
       "unsupported bit depth 64"},
      {"CoreSixteenBits",
       Changed(pixel,
               [](auto& f) {
                 f.HeaderSize = 12;
                 f.BitCount = 16;
               }),
       "unsupported bit depth 16 for a core header"},
      // Embedded JPEG and PNG streams carry a bit depth of 0.
      {"Jpeg",
       Changed(pixel,
               [](auto& f) {
                 f.Compression = 4;
                 f.BitCount = 0;
               }),
       "JPEG-compressed bitmaps are not supported"},
      {"Png",
       Changed(pixel,
               [](auto& f) {
                 f.Compression = 5;
                 f.BitCount = 0;
               }),
       "PNG-compressed bitmaps are not supported"},
      {"CompressionSix", Changed(pixel, [](auto& f) { f.Compression = 6; }),
       "unsupported compression 6"},
      {"Rle8AtFourBits", Changed(Rle(4, {0, 1}), [](auto& f) { f.Compression = 1; }),
       "RLE8 compression with 4 bits per pixel"},
      {"Rle4AtEightBits", Changed(Rle(8, {0, 1}), [](auto& f) { f.Compression = 2; }),
       "RLE4 compression with 8 bits per pixel"},
      {"BitFieldsAt24Bits", Changed(pixel, [](auto& f) { f.Compression = 3; }),
       "bit-field compression with 24 bits per pixel"},
      {"TopDownRle8", Changed(Rle(8, {0, 1}), [](auto& f) { f.Height = -2; }),
       "top-down rows with RLE8 compression"},
      {"TopDownRle4", Changed(Rle(4, {0, 1}), [](auto& f) { f.Height = -2; }),
       "top-down rows with RLE4 compression"},
      // Masks.
      {"MaskNotContiguous", Changed(fields, [](auto& f) { f.Masks[0] = 0x0F0F; }),
       "red mask 0xF0F not contiguous"},
      {"MaskWiderThanThePixel", Changed(fields, [](auto& f) { f.Masks[1] = 0x103E0; }),
       "green mask 0x103E0 wider than 16 bits"},
      // Palette indices of stored rows.
      {"Index8OutOfRange", Indexed(8, 3, {{0, 1, 2}, {0, 9, 1}}).Bytes(),
       "palette index 9 out of range (3 colours)"},
      {"Index4PastAPaletteCutByTheOffset",
       Changed(Indexed(4, 2, {{1, 5, 0}}), [](auto& f) { f.ColoursUsed = 0; }),
       "palette index 5 out of range (2 colours)"},
      {"Index4OutOfRangeInTheLastHalfByte", Indexed(4, 3, {{0, 1, 2, 1, 7}}).Bytes(),
       "palette index 7 out of range (3 colours)"},
      {"Index1OutOfRange", Indexed(1, 1, {{0, 0, 1}}).Bytes(),
       "palette index 1 out of range (1 colour)"},
      {"NoPalette", Changed(Indexed(8, 1, {{0}}), [](auto& f) { f.Palette.clear(); }),
       "palette index 0 out of range (0 colours)"},
      // RLE, on a 4 x 2 picture of four colours.
      {"RleRunPastTheRightEdge", Rle(8, {0x05, 0x01}).Bytes(),
       "RLE run of 5 pixels at column 0 of row 0 passes the right edge (width 4)"},
      {"RleSecondRunPastTheRightEdge", Rle(8, {0x03, 0x01, 0x02, 0x01}).Bytes(),
       "RLE run of 2 pixels at column 3 of row 0 passes the right edge (width 4)"},
      {"RleAbsoluteRunPastTheRightEdge", Rle(8, {0x00, 0x05, 1, 1, 1, 1, 1, 0}).Bytes(),
       "RLE run of 5 pixels at column 0 of row 0 passes the right edge (width 4)"},
      {"Rle4RunPastTheRightEdge", Rle(4, {0x02, 0x11, 0x03, 0x11}).Bytes(),
       "RLE run of 3 pixels at column 2 of row 0 passes the right edge (width 4)"},
      {"RleRunPastTheLastRow", Rle(8, {0x00, 0x00, 0x00, 0x00, 0x01, 0x01}).Bytes(),
       "RLE run of 1 pixel past the last row"},
      {"RleDeltaPastTheRightEdge", Rle(8, {0x00, 0x02, 0x05, 0x00}).Bytes(),
       "RLE delta of 5, 0 from column 0 of row 0 leaves the 4 x 2 image"},
      {"RleDeltaPastTheLastRow", Rle(8, {0x01, 0x01, 0x00, 0x02, 0x00, 0x02}).Bytes(),
       "RLE delta of 0, 2 from column 1 of row 0 leaves the 4 x 2 image"},
      {"RleRunWithoutItsValue", Rle(8, {0x02}).Bytes(), "RLE data truncated at byte 0 of 1"},
      {"RleDeltaCut", Rle(8, {0x00, 0x02, 0x01}).Bytes(), "RLE data truncated at byte 2 of 3"},
      {"RleAbsoluteRunCut", Rle(8, {0x00, 0x04, 1, 2, 3}).Bytes(),
       "RLE data truncated at byte 2 of 5"},
      {"Rle4AbsoluteRunCut", Rle(4, {0x00, 0x04, 0x12}).Bytes(),
       "RLE data truncated at byte 2 of 3"},
      {"RleEndsBeforeTheLastRow", Rle(8, {0x04, 0x01, 0x00, 0x00}).Bytes(),
       "RLE data ends at row 1 of 2 without an end-of-bitmap code"},
      {"RleNoData", Rle(8, {}).Bytes(),
       "RLE data ends at row 0 of 2 without an end-of-bitmap code"},
      {"RleRunIndexOutOfRange", Rle(8, {0x02, 0x07}).Bytes(),
       "palette index 7 out of range (4 colours)"},
      {"RleAbsoluteIndexOutOfRange", Rle(8, {0x00, 0x03, 1, 2, 6, 0}).Bytes(),
       "palette index 6 out of range (4 colours)"},
      {"Rle4LowNibbleOutOfRange", Rle(4, {0x02, 0x15}).Bytes(),
       "palette index 5 out of range (4 colours)"},
      {"Rle4AbsoluteNibbleOutOfRange", Rle(4, {0x00, 0x03, 0x12, 0x90}).Bytes(),
       "palette index 9 out of range (4 colours)"},
  };
}

class BmpMalformed : public ::testing::TestWithParam<TBadFile> {};

TEST_P(BmpMalformed, IsRejectedWithItsFault) {
  try {
    (void)Graphics::ReadBmp(GetParam().Bytes, "t.bmp");
    ADD_FAILURE() << "no error";
  } catch (const Graphics::EInvalidGraphic& e) {
    EXPECT_EQ(e.Message(), "Bitmap \"t.bmp\": " + GetParam().Fault);
  }
}

std::string BadFileName(const ::testing::TestParamInfo<TBadFile>& file) { return file.param.Name; }

INSTANTIATE_TEST_SUITE_P(Bmp, BmpMalformed, ::testing::ValuesIn(BadFiles()), BadFileName);

TEST(BmpLimits, APixelLimitBelowTheSurfacesIsKept) {
  const TBytes bytes = Direct(100, 100).Bytes();
  EXPECT_NO_THROW((void)Graphics::ReadBmp(bytes, "t.bmp", 10000));
  EXPECT_THROW((void)Graphics::ReadBmp(bytes, "t.bmp", 9999), Graphics::EInvalidGraphic);
}

TEST(BmpLimits, ThePictureBudgetBoundsEveryReadAndEverySurface) {
  const TBytes bytes = Direct(100, 100).Bytes();
  TPictureBudget lowered(9999);
  EXPECT_THROW((void)Graphics::ReadBmp(bytes, "t.bmp"), Graphics::EInvalidGraphic);
  EXPECT_THROW((void)Graphics::ReadBmp(bytes, "t.bmp", 20000), Graphics::EInvalidGraphic);
  try {
    Graphics::TSurface surface(100, 100);
    ADD_FAILURE() << "no error";
  } catch (const Graphics::EInvalidGraphic& e) {
    EXPECT_EQ(e.Message(), "Cannot make a picture: 100 x 100 pixels beyond the limit of 9999");
  }
  Graphics::SetPictureBudget(10000);
  EXPECT_EQ(Graphics::ReadBmp(bytes, "t.bmp").Pixels.Width(), 100);
  Graphics::SetPictureBudget(std::uint64_t{1} << 40);  // no more than the sides allow
  EXPECT_EQ(Graphics::PictureBudget(), std::uint64_t{1} << 30);
}

TEST(BmpLimits, EveryCutOfAGoodFileIsRejectedWithoutReadingPastIt) {
  // Run under the sanitizers, this shows that no prefix is read beyond its end.
  const TBytes whole = Indexed(8, 4, {{0, 1, 2}, {3, 2, 1}}).Bytes();
  for (std::size_t size = 0; size < whole.size() - 1; ++size) {
    const TBytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
    EXPECT_THROW((void)Graphics::ReadBmp(cut, "t.bmp"), Graphics::EInvalidGraphic) << size;
  }
}

}  // namespace
