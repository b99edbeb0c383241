#include "GifFile.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <unordered_map>

#include "SysUtils.h"

namespace Tools {

namespace {

using Graphics::TPixel;
using Graphics::TSurface;

std::int64_t Centiseconds(std::int64_t ms) { return (ms + 5) / 10; }

// The rectangle where two pictures differ (empty when they are the same).
Types::TRect ChangedArea(const TSurface& a, const TSurface& b) {
  Types::TRect area;
  for (int y = 0; y < a.Height(); ++y) {
    const TPixel* ra = a.Row(y);
    const TPixel* rb = b.Row(y);
    if (std::equal(ra, ra + a.Width(), rb)) continue;
    int left = 0, right = a.Width();
    while (ra[left] == rb[left]) ++left;
    while (ra[right - 1] == rb[right - 1]) --right;
    area = area.Union({left, y, right, y + 1});
  }
  return area;
}

// A palette for the pixels of `area`: their own colours when at most 256, else a
// fixed 6x7x6 colour cube (with four greys) that every colour maps into.
struct TPalette {
  std::vector<TPixel> Colors;
  std::unordered_map<TPixel, std::uint8_t> Exact;
  bool Fixed = false;

  std::uint8_t IndexOf(TPixel p) const {
    if (!Fixed) return Exact.at(p);
    int r = ((p >> 16) & 0xFF) * 5 / 255, g = ((p >> 8) & 0xFF) * 6 / 255, b = (p & 0xFF) * 5 / 255;
    return static_cast<std::uint8_t>((r * 7 + g) * 6 + b);
  }
};

TPalette MakePalette(const TSurface& s, const Types::TRect& area) {
  TPalette pal;
  for (int y = area.Top; y < area.Bottom && !pal.Fixed; ++y)
    for (int x = area.Left; x < area.Right; ++x) {
      TPixel p = s.Pixel(x, y);
      if (pal.Exact.count(p)) continue;
      if (pal.Exact.size() == 256) {
        pal.Fixed = true;
        break;
      }
      pal.Exact.emplace(p, static_cast<std::uint8_t>(pal.Colors.size()));
      pal.Colors.push_back(p);
    }
  if (pal.Fixed) {
    pal.Colors.clear();
    for (int r = 0; r < 6; ++r)
      for (int g = 0; g < 7; ++g)
        for (int b = 0; b < 6; ++b)
          pal.Colors.push_back(static_cast<TPixel>((r * 51) << 16 | (g * 255 / 6) << 8 | (b * 51)));
    for (int grey : {0x40, 0x80, 0xA0, 0xE0})
      pal.Colors.push_back(static_cast<TPixel>(grey << 16 | grey << 8 | grey));
  }
  return pal;
}

// Variable-length-code LZW, as the format packs its pixel indices.
class TLzwEncoder {
 public:
  TLzwEncoder(int minCodeSize, std::vector<std::uint8_t>& out)
      : FMin(minCodeSize), FClear(1 << minCodeSize), FOut(out) {
    Reset();
    Emit(FClear);
  }

  void Add(std::uint8_t index) {
    if (FPrefix < 0) {
      FPrefix = index;
      return;
    }
    std::uint32_t key = static_cast<std::uint32_t>(FPrefix) << 8 | index;
    auto it = FTable.find(key);
    if (it != FTable.end()) {
      FPrefix = it->second;
      return;
    }
    Emit(FPrefix);
    if (FNext < 4096) {
      FTable.emplace(key, FNext++);
      if (FNext > (1 << FCodeSize) && FCodeSize < 12) ++FCodeSize;
    } else {
      Emit(FClear);
      Reset();
    }
    FPrefix = index;
  }

  void Finish() {
    if (FPrefix >= 0) Emit(FPrefix);
    // The decoder, one entry behind, widens its codes before reading the end code.
    if (FNext >= (1 << FCodeSize) && FCodeSize < 12) ++FCodeSize;
    Emit(FClear + 1);
    if (FBits > 0) FOut.push_back(static_cast<std::uint8_t>(FBuffer));
  }

 private:
  void Reset() {
    FTable.clear();
    FCodeSize = FMin + 1;
    FNext = FClear + 2;
  }
  void Emit(int code) {
    FBuffer |= static_cast<std::uint32_t>(code) << FBits;
    FBits += FCodeSize;
    while (FBits >= 8) {
      FOut.push_back(static_cast<std::uint8_t>(FBuffer & 0xFF));
      FBuffer >>= 8;
      FBits -= 8;
    }
  }

  int FMin, FClear, FCodeSize = 0, FNext = 0, FPrefix = -1;
  std::unordered_map<std::uint32_t, int> FTable;
  std::uint32_t FBuffer = 0;
  int FBits = 0;
  std::vector<std::uint8_t>& FOut;
};

}  // namespace

TGifWriter::TGifWriter(const std::string& path, int width, int height)
    : FPath(path),
      FOut(path, std::ios::binary),
      FWidth(width),
      FHeight(height),
      FShown(width, height, 0xFFFFFFFF) {
  if (!FOut) throw SysUtils::Exception("Cannot create " + path + ": " + std::strerror(errno));
  if (width <= 0 || height <= 0 || width > 65535 || height > 65535)
    throw SysUtils::Exception("Cannot write a GIF of " + std::to_string(width) + " x " +
                              std::to_string(height) + " pixels");
  FOut.write("GIF89a", 6);
  Put16(width);
  Put16(height);
  Put(0x70);  // no global colour table, 8 bits of colour resolution
  Put(0);
  Put(0);
  // Loop for ever.
  const std::uint8_t loop[] = {0x21, 0xFF, 0x0B, 'N', 'E',  'T',  'S',  'C',  'A', 'P',
                               'E',  '2',  '.',  '0', 0x03, 0x01, 0x00, 0x00, 0x00};
  FOut.write(reinterpret_cast<const char*>(loop), sizeof loop);
}

TGifWriter::~TGifWriter() {
  if (!FFinished && FHasPending) {
    try {
      Finish(FPendingAt + 100);
    } catch (...) {  // a destructor must not throw; the file is left short
    }
  }
}

void TGifWriter::AddFrame(const TSurface& frame, std::int64_t atMs) {
  if (frame.Width() != FWidth || frame.Height() != FHeight)
    throw SysUtils::Exception("GIF frames must all be " + std::to_string(FWidth) + " x " +
                              std::to_string(FHeight));
  if (FHasPending && frame == FPending) return;  // shown longer, no new frame
  if (FHasPending) WritePending(atMs);
  FPending = frame;
  FPendingAt = atMs;
  FHasPending = true;
}

void TGifWriter::Finish(std::int64_t endMs) {
  if (FFinished) return;
  if (FHasPending) WritePending(std::max(endMs, FPendingAt));
  Put(0x3B);
  FOut.close();
  FFinished = true;
  if (!FOut) throw SysUtils::Exception("Cannot write GIF file \"" + FPath + "\"");
}

void TGifWriter::WritePending(std::int64_t untilMs) {
  int delay = static_cast<int>(Centiseconds(untilMs) - Centiseconds(FPendingAt));
  Types::TRect area = ChangedArea(FShown, FPending);
  if (area.IsEmpty()) area = {0, 0, 1, 1};  // a frame must hold at least one pixel
  WriteFrame(FPending, area, delay);
  FShown = FPending;
  FHasPending = false;
}

void TGifWriter::WriteFrame(const TSurface& frame, const Types::TRect& area, int delayCs) {
  TPalette pal = MakePalette(frame, area);
  int bits = 1;
  while ((1 << bits) < static_cast<int>(pal.Colors.size())) ++bits;
  // Graphic control: keep the frame (disposal 1) for delayCs.
  const std::uint8_t control[] = {0x21, 0xF9, 0x04, 0x04};
  FOut.write(reinterpret_cast<const char*>(control), sizeof control);
  Put16(std::clamp(delayCs, 0, 65535));
  Put(0);
  Put(0);
  // Image descriptor with a local colour table.
  Put(0x2C);
  Put16(area.Left);
  Put16(area.Top);
  Put16(area.Width());
  Put16(area.Height());
  Put(static_cast<std::uint8_t>(0x80 | (bits - 1)));
  for (int i = 0; i < (1 << bits); ++i) {
    TPixel p =
        i < static_cast<int>(pal.Colors.size()) ? pal.Colors[static_cast<std::size_t>(i)] : 0;
    Put(static_cast<std::uint8_t>(p >> 16));
    Put(static_cast<std::uint8_t>(p >> 8));
    Put(static_cast<std::uint8_t>(p));
  }
  int minCode = std::max(2, bits);
  Put(static_cast<std::uint8_t>(minCode));
  std::vector<std::uint8_t> data;
  TLzwEncoder lzw(minCode, data);
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x) lzw.Add(pal.IndexOf(frame.Pixel(x, y)));
  lzw.Finish();
  for (std::size_t i = 0; i < data.size(); i += 255) {
    std::size_t n = std::min<std::size_t>(255, data.size() - i);
    Put(static_cast<std::uint8_t>(n));
    FOut.write(reinterpret_cast<const char*>(data.data() + i), static_cast<std::streamsize>(n));
  }
  Put(0);
  ++FFramesWritten;
  FDelays.push_back(delayCs);
}

}  // namespace Tools
