// A small GIF decoder for the tests: reads back what TGifWriter wrote, composing
// each frame onto the picture so far, with each frame's delay.
#pragma once

#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "Graphics/Surface.h"
#include "LittleEndian.h"

namespace TestSupport {

struct TGifFrame {
  Graphics::TSurface Picture;  // the whole picture once this frame is shown
  int DelayCs = 0;
};

inline std::vector<TGifFrame> ReadGif(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::uint8_t> d((std::istreambuf_iterator<char>(in)), {});
  std::size_t p = 0;
  auto need = [&](std::size_t n) {
    if (p + n > d.size()) throw std::runtime_error("GIF ends early");
  };
  auto u8 = [&] {
    need(1);
    return d[p++];
  };
  auto u16 = [&] {
    need(2);
    p += 2;
    return int{LittleEndian::Read16(d, p - 2)};
  };
  need(6);
  if (std::string(d.begin(), d.begin() + 6) != "GIF89a") throw std::runtime_error("not a GIF");
  p = 6;
  int w = u16(), h = u16();
  int flags = u8();
  p += 2;
  if (flags & 0x80) p += 3u << ((flags & 7) + 1);
  Graphics::TSurface canvas(w, h, 0);
  std::vector<TGifFrame> frames;
  int delay = 0;
  for (;;) {
    int block = u8();
    if (block == 0x3B) return frames;
    if (block == 0x21) {
      int label = u8();
      if (label == 0xF9) {
        u8();  // block size
        u8();  // disposal and flags
        delay = u16();
        u8();  // transparent index; the loop below reads the terminator
      }
      for (int n = u8(); n; n = u8()) p += static_cast<std::size_t>(n);
      continue;
    }
    if (block != 0x2C) throw std::runtime_error("unknown GIF block");
    int left = u16(), top = u16(), fw = u16(), fh = u16(), f = u8();
    std::vector<Graphics::TPixel> pal;
    if (f & 0x80)
      for (int i = 0; i < (1 << ((f & 7) + 1)); ++i) {
        int r = u8(), g = u8(), b = u8();
        pal.push_back(static_cast<Graphics::TPixel>(r << 16 | g << 8 | b));
      }
    int minCode = u8();
    std::vector<std::uint8_t> data;
    for (int n = u8(); n; n = u8()) {
      need(static_cast<std::size_t>(n));
      data.insert(data.end(), d.begin() + static_cast<long>(p),
                  d.begin() + static_cast<long>(p + n));
      p += static_cast<std::size_t>(n);
    }
    // LZW decoding.
    const int clear = 1 << minCode;
    std::vector<std::vector<std::uint8_t>> table;
    auto reset = [&] {
      table.assign(static_cast<std::size_t>(clear + 2), {});
      for (int i = 0; i < clear; ++i)
        table[static_cast<std::size_t>(i)] = {static_cast<std::uint8_t>(i)};
    };
    reset();
    int size = minCode + 1, prev = -1;
    std::size_t bit = 0;
    std::vector<std::uint8_t> indices;
    while (bit + static_cast<std::size_t>(size) <= data.size() * 8) {
      int code = 0;
      for (int i = 0; i < size; ++i, ++bit) code |= ((data[bit / 8] >> (bit % 8)) & 1) << i;
      if (code == clear) {
        reset();
        size = minCode + 1;
        prev = -1;
        continue;
      }
      if (code == clear + 1) break;
      std::vector<std::uint8_t> entry;
      if (code < static_cast<int>(table.size()))
        entry = table[static_cast<std::size_t>(code)];
      else if (prev >= 0 && code == static_cast<int>(table.size())) {
        entry = table[static_cast<std::size_t>(prev)];
        entry.push_back(entry[0]);
      } else
        throw std::runtime_error("bad LZW code");
      indices.insert(indices.end(), entry.begin(), entry.end());
      if (prev >= 0 && table.size() < 4096) {
        auto added = table[static_cast<std::size_t>(prev)];
        added.push_back(entry[0]);
        table.push_back(added);
        if (table.size() == (1u << size) && size < 12) ++size;
      }
      prev = code;
    }
    if (indices.size() != static_cast<std::size_t>(fw) * static_cast<std::size_t>(fh))
      throw std::runtime_error("GIF frame has the wrong number of pixels");
    for (int y = 0; y < fh; ++y)
      for (int x = 0; x < fw; ++x)
        canvas.SetPixel(left + x, top + y, pal.at(indices[static_cast<std::size_t>(y * fw + x)]));
    frames.push_back({canvas, delay});
  }
}

}  // namespace TestSupport
