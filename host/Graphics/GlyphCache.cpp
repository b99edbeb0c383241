#include "Graphics/GlyphCache.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <limits>

namespace Graphics::Text {

namespace {

// 0x80..0x9F of Windows-1252; the five unassigned bytes keep their own value.
constexpr std::array<char16_t, 32> kCp1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr int kMaxBitmapSide = std::numeric_limits<std::int16_t>::max();

bool BitSet(const unsigned char* row, int x) { return (row[x >> 3] & (0x80 >> (x & 7))) != 0; }

std::int16_t Short(int value) { return static_cast<std::int16_t>(value); }

// Appends the runs of set pixels of a 1-bit bitmap.
void AppendSpans(const FT_Bitmap& bitmap, std::vector<TSpan>& spans) {
  int width = static_cast<int>(bitmap.width);
  int rows = static_cast<int>(bitmap.rows);
  const unsigned char* row = bitmap.buffer;
  // A negative pitch stores the bottom row first.
  if (bitmap.pitch < 0) row -= static_cast<std::ptrdiff_t>(bitmap.pitch) * (rows - 1);
  for (int y = 0; y < rows; ++y, row += bitmap.pitch) {
    int x = 0;
    while (x < width) {
      while (x < width && !BitSet(row, x)) ++x;
      int start = x;
      while (x < width && BitSet(row, x)) ++x;
      if (x > start) spans.push_back({Short(y), Short(start), Short(x)});
    }
  }
}

bool RenderMono(FT_GlyphSlot slot) {
  if (slot->format != FT_GLYPH_FORMAT_BITMAP && FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0)
    return false;
  const FT_Bitmap& b = slot->bitmap;
  return b.pixel_mode == FT_PIXEL_MODE_MONO && b.buffer != nullptr && b.width <= kMaxBitmapSide &&
         b.rows <= kMaxBitmapSide;
}

}  // namespace

char32_t Cp1252ToUnicode(unsigned char c) {
  return c >= 0x80 && c <= 0x9F ? kCp1252High[c - 0x80] : c;
}

// A glyph FreeType cannot load or render stays empty: no advance, no pixels.
void TSizedFace::Load(unsigned char c, TGlyph& g) {
  g.Loaded = true;
  FT_Face face = FFace.AtSize(FEm);
  if (face == nullptr) return;
  FT_UInt index = FT_Get_Char_Index(face, Cp1252ToUnicode(c));
  if (FT_Load_Glyph(face, index, FT_LOAD_TARGET_MONO) != 0) return;
  FT_GlyphSlot slot = face->glyph;
  g.Advance = static_cast<int>(std::clamp<FT_Pos>((slot->advance.x + 32) >> 6, 0, 1 << 16));
  if (!RenderMono(slot)) return;
  g.Left = slot->bitmap_left;
  g.Top = slot->bitmap_top;
  g.Width = static_cast<int>(slot->bitmap.width);
  g.Rows = static_cast<int>(slot->bitmap.rows);
  g.FirstSpan = static_cast<std::uint32_t>(FSpans.size());
  AppendSpans(slot->bitmap, FSpans);
  g.SpanCount = static_cast<std::uint32_t>(FSpans.size()) - g.FirstSpan;
}

TGlyphCache& TGlyphCache::Instance() {
  static TGlyphCache cache;
  return cache;
}

TSizedFace& TGlyphCache::At(TFace& face, int em) {
  auto same = [&](const std::unique_ptr<TSizedFace>& s) {
    return &s->Face() == &face && s->Em() == em;
  };
  auto it = std::find_if(FSizes.begin(), FSizes.end(), same);
  if (it == FSizes.end()) {
    FSizes.insert(FSizes.begin(), std::make_unique<TSizedFace>(face, em));
  } else if (it != FSizes.begin()) {
    std::rotate(FSizes.begin(), it, it + 1);
  }
  Trim();
  return *FSizes.front();
}

// Drops the least recently used sizes, never the one in use, so the cache holds at
// most kMaxSizes sizes and about kMaxBytes plus what one size grows by in a call.
void TGlyphCache::Trim() {
  std::size_t bytes = 0;
  for (const auto& s : FSizes) bytes += s->Bytes();
  while (FSizes.size() > 1 && (FSizes.size() > kMaxSizes || bytes > kMaxBytes)) {
    bytes -= FSizes.back()->Bytes();
    FSizes.pop_back();
    ++FGeneration;
  }
}

}  // namespace Graphics::Text
