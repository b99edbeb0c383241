#include "Graphics/BmpDecode.h"

#include <algorithm>
#include <bit>
#include <vector>

#include "LittleEndian.h"

namespace Graphics::Bmp {

void Fault(const std::string& text) { throw EBmpFault(text); }

namespace {

std::string PixelCount(unsigned count) {
  return std::to_string(count) + (count == 1 ? " pixel" : " pixels");
}

[[noreturn]] void IndexFault(unsigned index, int colours) {
  Fault("palette index " + std::to_string(index) + " out of range (" + std::to_string(colours) +
        (colours == 1 ? " colour)" : " colours)"));
}

// ---- Rows through a palette. The palette has 256 entries (the missing ones 0),
// so a lookup never leaves it; a row is checked against the real count only
// when the file holds fewer colours than its depth can name.

// Largest palette index among the first `width` pixels of a stored row; the
// padding bits after them do not count.
unsigned MaxIndex(const std::uint8_t* src, int width, int bitCount) {
  if (bitCount == 8) {
    std::uint8_t top = 0;
    for (int x = 0; x < width; ++x) top = std::max(top, src[x]);
    return top;
  }
  if (bitCount == 4) {
    const int pairs = width / 2;
    std::uint8_t high = 0, low = 0;
    for (int i = 0; i < pairs; ++i) {
      high = std::max(high, src[i]);
      low = std::max(low, static_cast<std::uint8_t>(src[i] & 15));
    }
    if (width & 1) high = std::max(high, src[pairs]);
    return std::max(static_cast<unsigned>(high >> 4), static_cast<unsigned>(low));
  }
  unsigned bits = 0;
  const int whole = width / 8;
  for (int i = 0; i < whole; ++i) bits |= src[i];
  if (width & 7) bits |= src[whole] & (0xFF00u >> (width & 7));
  return (bits & 0xFF) != 0;
}

void PaletteRow8(const std::uint8_t* src, TPixel* dst, int width, const TPixel* palette) {
  for (int x = 0; x < width; ++x) dst[x] = palette[src[x]];
}

void PaletteRow4(const std::uint8_t* src, TPixel* dst, int width, const TPixel* palette) {
  const int pairs = width / 2;
  for (int i = 0; i < pairs; ++i) {
    dst[2 * i] = palette[src[i] >> 4];
    dst[2 * i + 1] = palette[src[i] & 15];
  }
  if (width & 1) dst[width - 1] = palette[src[pairs] >> 4];
}

void PaletteRow1(const std::uint8_t* src, TPixel* dst, int width, const TPixel* palette) {
  int x = 0;
  for (; x + 8 <= width; x += 8, ++src)
    for (int bit = 0; bit < 8; ++bit) dst[x + bit] = palette[(*src >> (7 - bit)) & 1];
  for (int bit = 0; x < width; ++x, ++bit) dst[x] = palette[(*src >> (7 - bit)) & 1];
}

// ---- Direct colour rows.

using LittleEndian::Read16;
using LittleEndian::Read32;

// B, G, R. Four pixels are twelve bytes, three words: B0 G0 R0 B1 | G1 R1 B2 G2 |
// R2 B3 G3 R3. The pixels left over go byte by byte, so no load passes the row.
void Row24(const std::uint8_t* src, TPixel* dst, int width) {
  int x = 0;
  for (; x + 4 <= width; x += 4, src += 12) {
    const std::uint32_t a = Read32(src), b = Read32(src + 4), c = Read32(src + 8);
    dst[x] = a & 0xFFFFFF;
    dst[x + 1] = a >> 24 | (b & 0xFFFF) << 8;
    dst[x + 2] = b >> 16 | (c & 0xFF) << 16;
    dst[x + 3] = c >> 8;
  }
  for (; x < width; ++x, src += 3)
    dst[x] = TPixel{src[0]} | TPixel{src[1]} << 8 | TPixel{src[2]} << 16;
}

// B, G, R, and an alpha byte that the picture does not keep.
void Row32(const std::uint8_t* src, TPixel* dst, int width) {
  for (int x = 0; x < width; ++x) dst[x] = Read32(src + 4 * x) & 0xFFFFFF;
}

// One colour of a bit-field pixel, scaled to 8 bits as value * 255 / max rounded.
// Channels up to 16 bits wide go through a table made once; wider ones (only in
// 32-bit pixels) are computed.
class TChannel {
 public:
  explicit TChannel(std::uint32_t mask)
      : FMask(mask), FShift(mask ? std::countr_zero(mask) : 0), FMax(mask >> FShift) {
    if (FMax <= 0xFFFF) {
      FTable.resize(std::size_t{FMax} + 1);
      for (std::uint32_t v = 0; v <= FMax; ++v) FTable[v] = Scale(v);
    }
  }
  std::uint32_t operator()(std::uint32_t pixel) const {
    const std::uint32_t v = (pixel & FMask) >> FShift;
    return FTable.empty() ? Scale(v) : FTable[v];
  }

 private:
  // max is 2^n - 1, odd, so the exact quotient is never a half: adding max / 2
  // before the division rounds to nearest.
  std::uint8_t Scale(std::uint32_t v) const {
    if (FMax == 0) return 0;
    return static_cast<std::uint8_t>((std::uint64_t{v} * 255 + FMax / 2) / FMax);
  }

  std::uint32_t FMask;
  int FShift;
  std::uint32_t FMax;
  std::vector<std::uint8_t> FTable;
};

struct TChannels {
  TChannel Red, Green, Blue;
  explicit TChannels(const std::array<std::uint32_t, 3>& masks)
      : Red(masks[0]), Green(masks[1]), Blue(masks[2]) {}
  TPixel operator()(std::uint32_t v) const { return Red(v) << 16 | Green(v) << 8 | Blue(v); }
};

void FieldRow16(const std::uint8_t* src, TPixel* dst, int width, const TChannels& channels) {
  for (int x = 0; x < width; ++x, src += 2) dst[x] = channels(Read16(src));
}

void FieldRow32(const std::uint8_t* src, TPixel* dst, int width, const TChannels& channels) {
  for (int x = 0; x < width; ++x, src += 4) dst[x] = channels(Read32(src));
}

// ---- Stored rows: checks that they are all there, makes the picture, and hands
// each row with its place in the picture to `decodeRow`.
template <typename RowDecoder>
TSurface DecodeEachRow(const TFormat& format, std::span<const std::uint8_t> data,
                       RowDecoder&& decodeRow) {
  const std::uint64_t stride = RowStride(format.Width, format.BitCount);
  const std::uint64_t lastRow =
      (static_cast<std::uint64_t>(format.Width) * static_cast<std::uint64_t>(format.BitCount) + 7) /
      8;
  const std::uint64_t need = stride * static_cast<std::uint64_t>(format.Height - 1) + lastRow;
  if (data.size() < need)
    Fault("pixel data of " + std::to_string(data.size()) + " bytes, shorter than the " +
          std::to_string(need) + " that " + std::to_string(format.Width) + " x " +
          std::to_string(format.Height) + " pixels of " + std::to_string(format.BitCount) +
          " bits need");
  TSurface out(format.Width, format.Height);
  for (int r = 0; r < format.Height; ++r) {
    const std::uint8_t* src = data.data() + stride * static_cast<std::uint64_t>(r);
    decodeRow(src, out.Row(format.BottomUp ? format.Height - 1 - r : r));
  }
  return out;
}

TSurface DecodePaletteRows(const TFormat& format, std::span<const std::uint8_t> data) {
  const TPixel* palette = format.Palette.data();
  const bool checkIndex = format.Colours < (1 << format.BitCount);
  const int width = format.Width, bits = format.BitCount;
  return DecodeEachRow(format, data, [&](const std::uint8_t* src, TPixel* dst) {
    if (checkIndex) {
      const unsigned top = MaxIndex(src, width, bits);
      if (top >= static_cast<unsigned>(format.Colours)) IndexFault(top, format.Colours);
    }
    if (bits == 8)
      PaletteRow8(src, dst, width, palette);
    else if (bits == 4)
      PaletteRow4(src, dst, width, palette);
    else
      PaletteRow1(src, dst, width, palette);
  });
}

constexpr std::array<std::uint32_t, 3> kMasks888 = {0xFF0000, 0x00FF00, 0x0000FF};

TSurface DecodeDirectRows(const TFormat& format, std::span<const std::uint8_t> data) {
  const int width = format.Width;
  if (format.BitCount == 24)
    return DecodeEachRow(format, data,
                         [&](const std::uint8_t* src, TPixel* dst) { Row24(src, dst, width); });
  if (format.BitCount == 32 && format.Masks == kMasks888)
    return DecodeEachRow(format, data,
                         [&](const std::uint8_t* src, TPixel* dst) { Row32(src, dst, width); });
  const TChannels channels(format.Masks);
  if (format.BitCount == 16)
    return DecodeEachRow(format, data, [&](const std::uint8_t* src, TPixel* dst) {
      FieldRow16(src, dst, width, channels);
    });
  return DecodeEachRow(format, data, [&](const std::uint8_t* src, TPixel* dst) {
    FieldRow32(src, dst, width, channels);
  });
}

// ---- RLE: pairs of a count and a value, or a zero count and an escape: 0 end
// of line, 1 end of bitmap, 2 a delta (right, up), 3..255 an absolute run of that
// many pixels padded to a 16-bit word. Rows are always stored bottom-up.
class TRleDecoder {
 public:
  TRleDecoder(const TFormat& format, std::span<const std::uint8_t> data)
      : FFormat(format),
        FData(data),
        FNibbles(format.Compression == TCompression::Rle4),
        FOut(format.Width, format.Height, format.Colours > 0 ? format.Palette[0] : 0) {}

  TSurface Decode() {
    for (;;) {
      if (Left() < 2) {
        if (Left() == 0 && AllPixelsReached()) break;
        if (Left() == 0)
          Fault("RLE data ends at row " + std::to_string(FY) + " of " +
                std::to_string(FFormat.Height) + " without an end-of-bitmap code");
        Truncated();
      }
      const unsigned count = FData[FPos], value = FData[FPos + 1];
      FPos += 2;
      if (count > 0) {
        EncodedRun(count, value);
      } else if (value == 0) {
        FX = 0;
        ++FY;
      } else if (value == 1) {
        break;
      } else if (value == 2) {
        Delta();
      } else {
        AbsoluteRun(value);
      }
    }
    return std::move(FOut);
  }

 private:
  std::size_t Left() const { return FData.size() - FPos; }
  bool AllPixelsReached() const {
    return FY >= FFormat.Height || (FY == FFormat.Height - 1 && FX == FFormat.Width);
  }
  [[noreturn]] void Truncated() const {
    Fault("RLE data truncated at byte " + std::to_string(FPos) + " of " +
          std::to_string(FData.size()));
  }
  void CheckIndex(unsigned index) const {
    if (index >= static_cast<unsigned>(FFormat.Colours)) IndexFault(index, FFormat.Colours);
  }

  // Where `count` pixels go at the current place; the place moves past them.
  TPixel* Place(unsigned count) {
    if (FY >= FFormat.Height) Fault("RLE run of " + PixelCount(count) + " past the last row");
    if (count > static_cast<unsigned>(FFormat.Width - FX))
      Fault("RLE run of " + PixelCount(count) + " at column " + std::to_string(FX) + " of row " +
            std::to_string(FY) + " passes the right edge (width " + std::to_string(FFormat.Width) +
            ")");
    TPixel* dst = FOut.Row(FFormat.Height - 1 - static_cast<int>(FY)) + FX;
    FX += static_cast<int>(count);
    return dst;
  }

  // RLE4 repeats the two nibbles of `value` alternately, the high one first.
  void EncodedRun(unsigned count, unsigned value) {
    TPixel* dst = Place(count);
    if (!FNibbles) {
      CheckIndex(value);
      std::fill_n(dst, count, FFormat.Palette[value]);
      return;
    }
    CheckIndex(value >> 4);
    if (count > 1) CheckIndex(value & 15);
    const TPixel pair[2] = {FFormat.Palette[value >> 4], FFormat.Palette[value & 15]};
    for (unsigned i = 0; i < count; ++i) dst[i] = pair[i & 1];
  }

  void AbsoluteRun(unsigned count) {
    const std::size_t bytes = FNibbles ? (count + 1) / 2 : count;
    if (Left() < bytes) Truncated();
    TPixel* dst = Place(count);
    const std::uint8_t* src = FData.data() + FPos;
    for (unsigned i = 0; i < count; ++i) {
      const unsigned index = !FNibbles ? src[i] : (i & 1) ? src[i / 2] & 15u : src[i / 2] >> 4u;
      CheckIndex(index);
      dst[i] = FFormat.Palette[index];
    }
    FPos += std::min(bytes + (bytes & 1), Left());
  }

  void Delta() {
    if (Left() < 2) Truncated();
    const int right = FData[FPos], up = FData[FPos + 1];
    FPos += 2;
    if (FX + right > FFormat.Width || FY + up >= FFormat.Height)
      Fault("RLE delta of " + std::to_string(right) + ", " + std::to_string(up) + " from column " +
            std::to_string(FX) + " of row " + std::to_string(FY) + " leaves the " +
            std::to_string(FFormat.Width) + " x " + std::to_string(FFormat.Height) + " image");
    FX += right;
    FY += up;
  }

  const TFormat& FFormat;
  std::span<const std::uint8_t> FData;
  bool FNibbles;
  TSurface FOut;
  std::size_t FPos = 0;
  int FX = 0;
  std::int64_t FY = 0;  // stored rows from the bottom; end-of-line codes may pass the last
};

}  // namespace

TSurface DecodeStoredRows(const TFormat& format, std::span<const std::uint8_t> data) {
  return format.BitCount <= 8 ? DecodePaletteRows(format, data) : DecodeDirectRows(format, data);
}

TSurface DecodeRle(const TFormat& format, std::span<const std::uint8_t> data) {
  return TRleDecoder(format, data).Decode();
}

}  // namespace Graphics::Bmp
