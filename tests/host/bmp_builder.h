// A writer of bitmap files for the reader's tests, with every field set by hand,
// so that a test can make any file, good or bad; and readable views of pictures.
#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "Graphics/Surface.h"
#include "LittleEndian.h"

namespace BmpTest {

using Graphics::TPixel;
using TBytes = std::vector<std::uint8_t>;

using LittleEndian::Write16;
using LittleEndian::Write32;

struct TBmpFile {
  std::uint32_t HeaderSize = 40;  // 12 core, 40 information, 52, 56, 108 V4, 124 V5
  std::int32_t Width = 1;
  std::int32_t Height = 1;  // negative: rows stored top row first
  std::uint16_t Planes = 1;
  std::uint16_t BitCount = 24;
  std::uint32_t Compression = 0;     // 0 none, 1 RLE8, 2 RLE4, 3 bit fields
  std::uint32_t ColoursUsed = 0;     // 0: all the depth can name
  std::vector<std::uint32_t> Masks;  // red, green, blue: in the header from 52 bytes, else after it
  std::vector<TPixel> Palette;       // 0x00RRGGBB
  std::size_t Gap = 0;               // unused bytes before the pixels
  std::optional<std::uint32_t> PixelOffset;  // default: where the pixels start
  TBytes Pixels;                             // as stored

  TBytes Bytes() const {
    const bool core = HeaderSize == 12;
    TBytes header;
    Write32(header, HeaderSize);
    if (core) {
      Write16(header, static_cast<std::uint32_t>(Width));
      Write16(header, static_cast<std::uint32_t>(Height));
    } else {
      Write32(header, static_cast<std::uint32_t>(Width));
      Write32(header, static_cast<std::uint32_t>(Height));
    }
    Write16(header, Planes);
    Write16(header, BitCount);
    if (!core) {
      Write32(header, Compression);
      Write32(header, static_cast<std::uint32_t>(Pixels.size()));  // image size
      Write32(header, 2835);                                       // 72 dots per inch
      Write32(header, 2835);
      Write32(header, ColoursUsed);
      Write32(header, 0);  // colours important
    }
    TBytes masks;
    for (std::uint32_t m : Masks) Write32(masks, m);
    if (HeaderSize >= 52) {  // the masks are fields of the longer headers
      masks.resize(HeaderSize - 40, 0);
      header.insert(header.end(), masks.begin(), masks.end());
      masks.clear();
    }
    header.resize(HeaderSize, 0);  // colour space, end points, gamma, profile: zero
    header.insert(header.end(), masks.begin(), masks.end());
    for (TPixel p : Palette) {  // B, G, R and, past the core header, a reserved byte
      header.push_back(static_cast<std::uint8_t>(p));
      header.push_back(static_cast<std::uint8_t>(p >> 8));
      header.push_back(static_cast<std::uint8_t>(p >> 16));
      if (!core) header.push_back(0);
    }
    header.resize(header.size() + Gap, 0xEE);
    const auto offset = static_cast<std::uint32_t>(14 + header.size());
    TBytes out = {'B', 'M'};
    Write32(out, offset + static_cast<std::uint32_t>(Pixels.size()));  // file size
    Write32(out, 0);                                                   // reserved
    Write32(out, PixelOffset.value_or(offset));
    out.insert(out.end(), header.begin(), header.end());
    out.insert(out.end(), Pixels.begin(), Pixels.end());
    return out;
  }
};

// Rows of values (palette indices, or colours as the pixel stores them), top row
// first, in file order: packed at `bits` a pixel, high bits first below 8 bits
// and little-endian above, each row padded to 4 bytes with `pad`.
inline TBytes StoreRows(const std::vector<std::vector<std::uint32_t>>& rows, int bits,
                        bool topDown = false, std::uint8_t pad = 0) {
  TBytes out;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const auto& row = rows[topDown ? i : rows.size() - 1 - i];
    const std::size_t start = out.size();
    if (bits < 8) {
      const std::size_t perByte = 8 / static_cast<std::size_t>(bits);
      for (std::size_t x = 0; x < row.size(); x += perByte) {
        unsigned byte = 0;
        for (std::size_t k = 0; k < perByte; ++k)
          byte = byte << bits | (x + k < row.size() ? row[x + k] : pad & ((1u << bits) - 1));
        out.push_back(static_cast<std::uint8_t>(byte));
      }
    } else {
      for (std::uint32_t v : row)
        for (int b = 0; b < bits; b += 8) out.push_back(static_cast<std::uint8_t>(v >> b));
    }
    while ((out.size() - start) % 4) out.push_back(pad);
  }
  return out;
}

// The picture as rows of six-digit hex pixels, top row first.
inline std::string Hex(const Graphics::TSurface& s) {
  std::string out;
  char cell[8];
  for (int y = 0; y < s.Height(); ++y) {
    for (int x = 0; x < s.Width(); ++x) {
      std::snprintf(cell, sizeof cell, x ? " %06X" : "%06X", s.Pixel(x, y));
      out += cell;
    }
    out += '\n';
  }
  return out;
}

// The picture as palette indices (0-9, then a-z), '?' for a pixel not in it.
inline std::string Indices(const Graphics::TSurface& s, const std::vector<TPixel>& palette) {
  std::string out;
  for (int y = 0; y < s.Height(); ++y) {
    for (int x = 0; x < s.Width(); ++x) {
      char c = '?';
      for (std::size_t i = 0; i < palette.size() && i < 36; ++i)
        if (palette[i] == s.Pixel(x, y)) {
          c = "0123456789abcdefghijklmnopqrstuvwxyz"[i];
          break;
        }
      out += c;
    }
    out += '\n';
  }
  return out;
}

// A palette of `n` distinct colours (up to 256: the red byte alone differs).
inline std::vector<TPixel> Colours(int n) {
  std::vector<TPixel> out;
  for (unsigned i = 0; i < static_cast<unsigned>(n); ++i)
    out.push_back((i * 37 + 5) % 256 << 16 | (i * 101 + 7) % 256 << 8 | (i * 53 + 11) % 256);
  return out;
}

// 64 bytes that claim a picture of 16384 x 16384: an RLE8 file of two colours
// whose codes end the bitmap at once.
inline TBmpFile HugeRle() {
  TBmpFile file;
  file.Width = file.Height = 16384;
  file.BitCount = 8;
  file.Compression = 1;
  file.ColoursUsed = 2;
  file.Palette = Colours(2);
  file.Pixels = {0x00, 0x01};
  return file;
}

// The host's picture budget, changed for one test.
struct TPictureBudget {
  std::uint64_t Saved = Graphics::PictureBudget();
  explicit TPictureBudget(std::uint64_t pixels) { Graphics::SetPictureBudget(pixels); }
  ~TPictureBudget() { Graphics::SetPictureBudget(Saved); }
  TPictureBudget(const TPictureBudget&) = delete;
  TPictureBudget& operator=(const TPictureBudget&) = delete;
};

}  // namespace BmpTest
