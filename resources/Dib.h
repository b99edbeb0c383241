// Pictures as device-independent bitmaps of 16 colours, made at compile time
// from rows of palette letters.
//
// Letters, in the order of the standard 16-colour table:
//   k black    m maroon   g green    o olive    n navy     p purple   t teal
//   s silver   e grey     r red      l lime     y yellow   b blue     f fuchsia
//   a aqua     . white
// In icons a space is transparent (its AND-mask bit set, black in the picture).
//
// A DIB here is a 40-byte information header, the 16-entry colour table (blue,
// green, red, 0) and the pixels at 4 bits, the left pixel in the high half of a
// byte, rows padded to 4 bytes and stored bottom row first.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "ByteWriter.h"

namespace Tollenspiegel::Resources {

// 0xRRGGBB, in palette order.
inline constexpr std::array<std::uint32_t, 16> kStandardColours = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
inline constexpr std::string_view kPaletteLetters = "kmgonptserlybfa.";

inline constexpr std::size_t kInfoHeaderSize = 40;
inline constexpr std::size_t kColourTableSize = 16 * 4;

constexpr std::uint32_t PaletteIndex(char letter) {
  if (letter == ' ') return 0;
  std::size_t index = kPaletteLetters.find(letter);
  if (index == std::string_view::npos) throw "not a palette letter";
  return static_cast<std::uint32_t>(index);
}

constexpr std::size_t PixelBytes(std::size_t width, std::size_t height) {
  return (width * 4 + 31) / 32 * 4 * height;
}
constexpr std::size_t MaskBytes(std::size_t width, std::size_t height) {
  return (width + 31) / 32 * 4 * height;
}

template <std::size_t N>
constexpr void WriteInfoHeader(TByteWriter<N>& w, std::size_t width, std::size_t heightField,
                               std::size_t imageBytes) {
  w.DWord(kInfoHeaderSize);
  w.DWord(static_cast<std::uint32_t>(width));
  w.DWord(static_cast<std::uint32_t>(heightField));
  w.Word(1);   // planes
  w.Word(4);   // bits per pixel
  w.DWord(0);  // no compression
  w.DWord(static_cast<std::uint32_t>(imageBytes));
  w.DWord(0);  // pixels per metre, across and down
  w.DWord(0);
  w.DWord(0);  // colours used: all 16
  w.DWord(0);  // colours important: all
}

template <std::size_t N>
constexpr void WriteColourTable(TByteWriter<N>& w) {
  for (std::uint32_t rgb : kStandardColours) {
    w.Byte(rgb);
    w.Byte(rgb >> 8);
    w.Byte(rgb >> 16);
    w.Byte(0);
  }
}

template <std::size_t N, std::size_t H>
constexpr void WritePixels(TByteWriter<N>& w, const std::array<std::string_view, H>& rows) {
  const std::size_t width = rows[0].size();
  for (std::size_t r = H; r-- > 0;) {
    if (rows[r].size() != width) throw "rows of unequal length";
    for (std::size_t x = 0; x < width; x += 2) {
      std::uint32_t right = x + 1 < width ? PaletteIndex(rows[r][x + 1]) : 0;
      w.Byte((PaletteIndex(rows[r][x]) << 4) | right);
    }
    for (std::size_t pad = (width + 1) / 2; pad % 4 != 0; ++pad) w.Byte(0);
  }
}

template <std::size_t N, std::size_t H>
constexpr void WriteAndMask(TByteWriter<N>& w, const std::array<std::string_view, H>& rows) {
  const std::size_t width = rows[0].size();
  for (std::size_t r = H; r-- > 0;) {
    std::uint32_t bits = 0;
    std::size_t count = 0;
    for (std::size_t x = 0; x < (width + 31) / 32 * 32; ++x) {
      bits = (bits << 1) | (x < width && rows[r][x] == ' ' ? 1 : 0);
      if (++count == 8) {
        w.Byte(bits);
        bits = 0;
        count = 0;
      }
    }
  }
}

// A palette bitmap: header, colour table, pixels.
template <std::size_t W, std::size_t H>
constexpr auto PaletteBitmap(const std::array<std::string_view, H>& rows) {
  constexpr std::size_t size = kInfoHeaderSize + kColourTableSize + PixelBytes(W, H);
  TByteWriter<size> w;
  if (rows[0].size() != W) throw "rows of the wrong width";
  WriteInfoHeader(w, W, H, PixelBytes(W, H));
  WriteColourTable(w);
  WritePixels(w, rows);
  return w.Done();
}

// An icon image: header (of twice the height, picture and mask), colour table,
// picture, AND mask.
template <std::size_t W, std::size_t H>
constexpr auto IconImage(const std::array<std::string_view, H>& rows) {
  constexpr std::size_t image = PixelBytes(W, H) + MaskBytes(W, H);
  TByteWriter<kInfoHeaderSize + kColourTableSize + image> w;
  if (rows[0].size() != W) throw "rows of the wrong width";
  WriteInfoHeader(w, W, 2 * H, image);
  WriteColourTable(w);
  WritePixels(w, rows);
  WriteAndMask(w, rows);
  return w.Done();
}

}  // namespace Tollenspiegel::Resources
