#include "Graphics/Text.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

#include "Graphics/GlyphCache.h"
#include "Graphics/RasterPaint.h"
#include "Graphics/TextFaces.h"

namespace Graphics::Text {

namespace {

using Wide = std::int64_t;  // logical positions plus origins, free of overflow

constexpr int kMaxPixels = 2048;
constexpr int kDefaultHeight = -13;
constexpr int kFixedDefaultCell = 10;

// The vertical layout of a font at its size, in pixels.
struct TCell {
  int Em = 0;
  int Ascent = 0;
  int Descent = 0;
  int Height() const { return Ascent + Descent; }
};

// Rows of the underline and strike-out from the cell's top, and their thickness.
struct TLines {
  int Thickness = 1;
  int Underline = 0;
  int StrikeOut = 0;
};

Wide RoundDiv(Wide a, Wide b) { return a >= 0 ? (a + b / 2) / b : -((-a + b / 2) / b); }

int ClampedHeight(int height) { return std::clamp(height, -kMaxPixels, kMaxPixels); }

TLines LinesFor(const TCell& cell, int underlineBelowBaseline) {
  TLines l;
  l.Thickness = std::max(1, cell.Em / 14);
  int lowest = std::max(0, cell.Height() - l.Thickness);
  l.Underline = std::clamp(cell.Ascent + underlineBelowBaseline - l.Thickness / 2, 0, lowest);
  l.StrikeOut = std::clamp(cell.Ascent - cell.Ascent / 3 - l.Thickness / 2, 0, lowest);
  return l;
}

// ---- the fixed-metric test face ----
//
// A cell of |Height| pixels (10 for height 0), every character half as wide as the
// cell is high; a printable character's glyph is the box [1, advance - 1) x
// [1, ascent) of its cell, a space has none.

bool IsFixedFace(const TFontData& font) { return font.Name == kFixedFaceName; }

TCell FixedCell(const TFontData& font) {
  int cell = font.Height == 0 ? kFixedDefaultCell : std::abs(ClampedHeight(font.Height));
  int ascent = cell - cell / 4;
  return {cell, ascent, cell - ascent};
}

int FixedAdvance(const TCell& cell) { return std::max(1, cell.Em / 2); }

// ---- FreeType faces ----

TCell FaceCell(const TDesignMetrics& d, int height) {
  int h = ClampedHeight(height == 0 ? kDefaultHeight : height);
  Wide unitsPerEm = d.UnitsPerEm;
  if (h < 0) {
    int em = -h;
    return {em, static_cast<int>(RoundDiv(Wide{d.Ascent} * em, unitsPerEm)),
            static_cast<int>(RoundDiv(Wide{d.Descent} * em, unitsPerEm))};
  }
  // A positive height is the cell: split it as the design splits ascent and descent.
  Wide designCell = Wide{d.Ascent} + d.Descent;
  int em = static_cast<int>(std::clamp<Wide>(RoundDiv(h * unitsPerEm, designCell), 1, kMaxPixels));
  int ascent = static_cast<int>(RoundDiv(Wide{d.Ascent} * h, designCell));
  return {em, ascent, h - ascent};
}

struct TSizedFont {
  TSizedFace& Glyphs;
  TCell Cell;
};

// The font resolved last: a caption drawn letter by letter asks for the same font
// again and again, and finding it anew (name matching, cache order) would cost more
// than drawing the letter.
struct TLastFont {
  std::string Name;
  int Height = 0;
  std::uint64_t Style = 0;
  unsigned FolderGeneration = 0;
  unsigned CacheGeneration = 0;
  TSizedFace* Glyphs = nullptr;
  TCell Cell;
};

TSizedFont SizedFor(const TFontData& font) {
  static TLastFont last;
  TGlyphCache& cache = TGlyphCache::Instance();
  if (last.Glyphs != nullptr && last.Height == font.Height && last.Style == font.Style.Bits() &&
      last.FolderGeneration == FaceFolderGeneration() &&
      last.CacheGeneration == cache.Generation() && last.Name == font.Name)
    return {*last.Glyphs, last.Cell};
  TFace& face = FaceFor(font);
  TCell cell = FaceCell(face.Design(), font.Height);
  TSizedFace& glyphs = cache.At(face, cell.Em);
  last = {font.Name, font.Height, font.Style.Bits(), FaceFolderGeneration(), cache.Generation(),
          &glyphs,   cell};
  return {glyphs, cell};
}

TLines FaceLines(const TSizedFont& f) {
  const TDesignMetrics& d = f.Glyphs.Face().Design();
  Wide below = RoundDiv(-Wide{d.UnderlinePosition} * f.Cell.Em, d.UnitsPerEm);
  return LinesFor(f.Cell, static_cast<int>(std::clamp<Wide>(below, -kMaxPixels, kMaxPixels)));
}

Wide TextWidth(TSizedFace& glyphs, std::string_view text) {
  Wide width = 0;
  for (char c : text) width += glyphs.Glyph(static_cast<unsigned char>(c)).Advance;
  return width;
}

int Narrow(Wide value) {
  return static_cast<int>(std::min<Wide>(value, std::numeric_limits<int>::max()));
}

// ---- drawing ----

// Fills [left, right) x [top, bottom) where it meets `clip`.
void FillClipped(TSurface& surface, const Types::TRect& clip, Wide left, Wide top, Wide right,
                 Wide bottom, TPixel p) {
  auto x0 = static_cast<int>(std::clamp<Wide>(left, clip.Left, clip.Right));
  auto x1 = static_cast<int>(std::clamp<Wide>(right, clip.Left, clip.Right));
  auto y0 = static_cast<int>(std::clamp<Wide>(top, clip.Top, clip.Bottom));
  auto y1 = static_cast<int>(std::clamp<Wide>(bottom, clip.Top, clip.Bottom));
  if (x0 >= x1) return;
  for (int y = y0; y < y1; ++y) std::fill(surface.Row(y) + x0, surface.Row(y) + x1, p);
}

// The glyph's bitmap with its top-left at (x, y).
void DrawGlyph(TSurface& surface, const Types::TRect& clip, Wide x, Wide y, const TGlyph& g,
               std::span<const TSpan> spans, TPixel ink) {
  if (x >= clip.Right || y >= clip.Bottom || x + g.Width <= clip.Left || y + g.Rows <= clip.Top)
    return;
  // Past the test above the glyph overlaps the clip, so its corner fits an int.
  auto gx = static_cast<int>(x);
  auto gy = static_cast<int>(y);
  if (gx >= clip.Left && gy >= clip.Top && gx + g.Width <= clip.Right &&
      gy + g.Rows <= clip.Bottom) {
    for (const TSpan& s : spans) {
      TPixel* row = surface.Row(gy + s.Row) + gx;
      Raster::FillPixels(row + s.Left, row + s.Right, ink);
    }
    return;
  }
  for (const TSpan& s : spans) {
    int py = gy + s.Row;
    if (py < clip.Top || py >= clip.Bottom) continue;
    int left = std::max(gx + s.Left, clip.Left);
    int right = std::min(gx + s.Right, clip.Right);
    Raster::FillPixels(surface.Row(py) + left, surface.Row(py) + right, ink);
  }
}

// Where a string goes on the device and how large its cell is.
struct TPlacement {
  const Types::TRect& Clip;
  Wide Left;
  Wide Top;
  Wide Width;
  TCell Cell;
};

void DrawBackground(TSurface& surface, const TPlacement& at, const TDrawState& s) {
  if (s.Brush.Style != bsSolid) return;
  FillClipped(surface, at.Clip, at.Left, at.Top, at.Left + at.Width, at.Top + at.Cell.Height(),
              ColorToPixel(s.Brush.Color));
}

void DrawLines(TSurface& surface, const TPlacement& at, const TLines& lines, const TDrawState& s,
               TPixel ink) {
  Wide bottom = at.Top + at.Cell.Height();
  auto line = [&](int row) {
    Wide top = at.Top + row;
    FillClipped(surface, at.Clip, at.Left, top, at.Left + at.Width,
                std::min(top + lines.Thickness, bottom), ink);
  };
  if (s.Font.Style.Contains(fsUnderline)) line(lines.Underline);
  if (s.Font.Style.Contains(fsStrikeOut)) line(lines.StrikeOut);
}

void DrawFixed(TSurface& surface, const Types::TRect& clip, Wide left, Wide top,
               std::string_view text, const TDrawState& s) {
  TCell cell = FixedCell(s.Font);
  int advance = FixedAdvance(cell);
  TPlacement at{clip, left, top, advance * static_cast<Wide>(text.size()), cell};
  DrawBackground(surface, at, s);
  TPixel ink = ColorToPixel(s.Font.Color);
  Wide pen = left;
  for (char c : text) {
    if (static_cast<unsigned char>(c) > ' ')
      FillClipped(surface, clip, pen + 1, top + 1, pen + advance - 1, top + cell.Ascent, ink);
    pen += advance;
  }
  DrawLines(surface, at, LinesFor(cell, 0), s, ink);
}

void DrawFace(TSurface& surface, const Types::TRect& clip, Wide left, Wide top,
              std::string_view text, const TDrawState& s) {
  TSizedFont font = SizedFor(s.Font);
  TSizedFace& glyphs = font.Glyphs;
  TPlacement at{clip, left, top, TextWidth(glyphs, text), font.Cell};
  DrawBackground(surface, at, s);
  TPixel ink = ColorToPixel(s.Font.Color);
  Wide pen = left;
  Wide baseline = top + font.Cell.Ascent;
  for (char c : text) {
    const TGlyph& g = glyphs.Glyph(static_cast<unsigned char>(c));
    if (g.SpanCount > 0)
      DrawGlyph(surface, clip, pen + g.Left, baseline - g.Top, g, glyphs.Spans(g), ink);
    pen += g.Advance;
  }
  if (s.Font.Style.Contains(fsUnderline) || s.Font.Style.Contains(fsStrikeOut))
    DrawLines(surface, at, FaceLines(font), s, ink);
}

}  // namespace

TTextMetrics Metrics(const TFontData& font) {
  if (IsFixedFace(font)) {
    TCell c = FixedCell(font);
    int advance = FixedAdvance(c);
    return {c.Height(), c.Ascent, c.Descent, 0, 0, advance, advance};
  }
  TSizedFont f = SizedFor(font);
  const TCell& c = f.Cell;
  const TDesignMetrics& d = f.Glyphs.Face().Design();
  int average = f.Glyphs.Glyph('x').Advance;
  // The widest design advance rounded up: the hinted advances stay near it.
  auto widest = static_cast<int>((Wide{d.MaxAdvance} * c.Em + d.UnitsPerEm - 1) / d.UnitsPerEm);
  return {
      c.Height(), c.Ascent, c.Descent, c.Height() - c.Em, 0, average, std::max(average, widest)};
}

Types::TSize Extent(const TFontData& font, std::string_view text) {
  if (IsFixedFace(font)) {
    TCell c = FixedCell(font);
    return {Narrow(FixedAdvance(c) * static_cast<Wide>(text.size())), c.Height()};
  }
  TSizedFont f = SizedFor(font);
  return {Narrow(TextWidth(f.Glyphs, text)), f.Cell.Height()};
}

std::string FaceFile(const TFontData& font) {
  return IsFixedFace(font) ? std::string() : FaceFor(font).Path();
}

void Draw(TSurface& surface, int x, int y, std::string_view text, const TDrawState& s) {
  Types::TRect clip = s.Clip.Intersect(surface.Bounds());
  if (clip.IsEmpty()) return;
  Wide left = Wide{x} + s.Origin.X;
  Wide top = Wide{y} + s.Origin.Y;
  if (IsFixedFace(s.Font))
    DrawFixed(surface, clip, left, top, text, s);
  else
    DrawFace(surface, clip, left, top, text, s);
}

}  // namespace Graphics::Text
