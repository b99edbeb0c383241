// The glyph cache: each character of a face at a pixel size is rendered once.
//
// A glyph keeps its hinted advance and its monochrome bitmap as runs of set pixels,
// which are small at any size and quick to draw. Sized faces are kept in order of
// use; the least recently used go once there are too many or they hold too much.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "Graphics/TextFaces.h"

namespace Graphics::Text {

// A run [Left, Right) of set pixels in row Row of a glyph's bitmap.
struct TSpan {
  std::int16_t Row;
  std::int16_t Left;
  std::int16_t Right;
};

struct TGlyph {
  int Advance = 0;
  int Left = 0;  // the bitmap's left edge, right of the pen
  int Top = 0;   // the bitmap's top row, above the baseline
  int Width = 0;
  int Rows = 0;
  std::uint32_t FirstSpan = 0;
  std::uint32_t SpanCount = 0;
  bool Loaded = false;
};

// The Unicode code point of a Windows-1252 byte.
char32_t Cp1252ToUnicode(unsigned char c);

class TSizedFace {
 public:
  TSizedFace(TFace& face, int em) : FFace(face), FEm(em) {}

  const TFace& Face() const { return FFace; }
  int Em() const { return FEm; }
  const TGlyph& Glyph(unsigned char c) {
    TGlyph& g = FGlyphs[c];
    if (!g.Loaded) Load(c, g);
    return g;
  }
  std::span<const TSpan> Spans(const TGlyph& g) const {
    return std::span<const TSpan>(FSpans).subspan(g.FirstSpan, g.SpanCount);
  }
  std::size_t Bytes() const { return sizeof(*this) + FSpans.capacity() * sizeof(TSpan); }

 private:
  void Load(unsigned char c, TGlyph& g);

  TFace& FFace;
  int FEm;
  std::array<TGlyph, 256> FGlyphs;
  std::vector<TSpan> FSpans;
};

class TGlyphCache {
 public:
  static constexpr std::size_t kMaxSizes = 24;
  static constexpr std::size_t kMaxBytes = std::size_t{16} << 20;

  static TGlyphCache& Instance();
  // The face at `em` pixels, made the most recently used.
  TSizedFace& At(TFace& face, int em);
  std::size_t Sizes() const { return FSizes.size(); }
  // Changes whenever a sized face is dropped, so pointers kept elsewhere know to go.
  unsigned Generation() const { return FGeneration; }

 private:
  void Trim();

  unsigned FGeneration = 0;
  std::vector<std::unique_ptr<TSizedFace>> FSizes;  // most recently used first
};

}  // namespace Graphics::Text
