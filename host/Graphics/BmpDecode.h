// The pixel half of the bitmap reader (BmpFile.cpp reads the headers): stored
// rows or RLE codes to a TSurface, for a format the headers have already checked.
// Internal to the reader; users call ReadBmp.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

#include "Graphics/Surface.h"

namespace Graphics::Bmp {

enum class TCompression { Rgb, Rle8, Rle4, BitFields };

// What the headers say, checked: dimensions within the limits, a bit depth that
// goes with the compression, contiguous masks that fit the pixel.
struct TFormat {
  int Width = 0;
  int Height = 0;  // always positive; BottomUp tells the order of the rows
  bool BottomUp = true;
  int BitCount = 0;
  TCompression Compression = TCompression::Rgb;
  std::array<std::uint32_t, 3> Masks{};  // red, green, blue: 16 and 32 bits
  std::array<TPixel, 256> Palette{};     // entries past Colours are 0
  int Colours = 0;                       // palette entries the file holds
};

// A fault in the file, without its name: ReadBmp adds the name and raises
// EInvalidGraphic. Kept apart so that the decoders need not carry the name.
class EBmpFault : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
[[noreturn]] void Fault(const std::string& text);

// Bytes of a stored row: whole 32-bit words.
inline std::uint64_t RowStride(int width, int bitCount) {
  return (static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(bitCount) + 31) / 32 * 4;
}

// The picture in `data` (the file from the pixel offset on). Stored rows are
// checked to be all there before the picture is made; RLE pixels that the codes
// skip take palette colour 0.
TSurface DecodeStoredRows(const TFormat& format, std::span<const std::uint8_t> data);
TSurface DecodeRle(const TFormat& format, std::span<const std::uint8_t> data);

}  // namespace Graphics::Bmp
