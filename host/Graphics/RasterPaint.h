// Painting runs of pixels for the raster device: the pen's raster operation as an
// and/xor pair, the brush's solid and hatched fills, and width-1 pen runs with
// their dash pattern. Everything is clipped here, so callers only bound their loops.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

#include "Graphics/GraphicsObjects.h"
#include "Graphics/Surface.h"
#include "Types.h"

namespace Graphics::Raster {

// Device coordinates: a logical coordinate plus an origin, a pen's half width added
// to that, never overflow 64 bits.
using Coord = std::int64_t;
// Products of two coordinates.
__extension__ typedef __int128 Wide;

inline constexpr TPixel kRgbMask = 0x00FFFFFF;

// Divisions rounding down and up, b > 0; in 64 bits when the values allow.
inline Wide FloorDiv(Wide a, Wide b) {
  const bool narrow = a == static_cast<Coord>(a) && b == static_cast<Coord>(b);
  const Wide q = narrow ? Wide{static_cast<Coord>(a) / static_cast<Coord>(b)} : a / b;
  return q * b != a && a < 0 ? q - 1 : q;
}
inline Wide CeilDiv(Wide a, Wide b) { return -FloorDiv(-a, b); }

// ceil(n / d) as n grows by a fixed increment, step after step, without dividing:
// Value and Slack = Value * d - n (0 <= Slack < d). Polygon edges, the runs of a
// line and the sides of a wide pen's band all step so.
struct TCeilStepper {
  Coord Value = 0, Slack = 0;
  Coord Whole = 0, Rest = 0, Denominator = 1;  // increment = Whole * d + Rest, 0 <= Rest < d

  TCeilStepper() = default;
  TCeilStepper(Wide n, Coord d, Coord increment) : Denominator(d) {  // d > 0
    const Wide value = CeilDiv(n, d);
    Value = static_cast<Coord>(value);
    Slack = static_cast<Coord>(value * d - n);
    Whole = static_cast<Coord>(FloorDiv(increment, d));
    Rest = increment - Whole * d;
  }

  void Advance() {
    Value += Whole;
    Slack -= Rest;
    if (Slack < 0) {
      ++Value;
      Slack += Denominator;
    }
  }
};

struct TPoint64 {
  Coord X = 0;
  Coord Y = 0;
  friend constexpr bool operator==(const TPoint64&, const TPoint64&) = default;
};

// Pixels First..Last of a row, both included; empty when First > Last.
struct TSpan {
  Coord First = 0;
  Coord Last = -1;
  constexpr bool Empty() const { return First > Last; }
};

// A device rectangle, right and bottom excluded.
struct TBox {
  Coord Left = 0;
  Coord Top = 0;
  Coord Right = 0;
  Coord Bottom = 0;
  constexpr Coord Width() const { return Right - Left; }
  constexpr Coord Height() const { return Bottom - Top; }
  constexpr bool Empty() const { return Right <= Left || Bottom <= Top; }
};

// A raster operation with a fixed source colour, per pixel: d' = (d & And) ^ Xor.
// Each of the sixteen pen modes reduces to such a pair, so a span needs no
// per-pixel dispatch, and a copy (And == 0) is a plain fill.
struct TInk {
  TPixel And = 0;
  TPixel Xor = 0;
};
constexpr TInk CopyInk(TPixel p) { return {0, p & kRgbMask}; }
TInk PenInk(TPenMode mode, TPixel pen);

struct TBrushFill {
  TBrushStyle Style = bsSolid;
  TPixel Color = 0;
  bool Visible() const { return Style != bsClear; }
};

// A dash pattern: run lengths alternating on and off, starting with on.
struct TDash {
  std::array<std::uint8_t, 6> Runs{};
  int Period = 0;  // the sum of the runs
};
// The pattern of a dashed style; null for the solid ones.
const TDash* DashFor(TPenStyle style);

// How a width-1 pen paints: its ink on the pattern's "on" pixels, and, when the
// background is opaque, the gap ink on the "off" ones.
struct TLineInk {
  TInk On;
  TInk Gap;
  bool PaintGaps = false;
  const TDash* Dash = nullptr;  // null: solid
};

// Spans of 8 pixels or more: the first and last 8 (or 4) stored unaligned, the
// rest by aligned vector stores; picked for the processor (AVX2 or SSE2) at load time.
void FillLong(TPixel* begin, TPixel* end, TPixel value);

// Under 8 pixels (the pen's, mostly): two overlapping stores of four, or one to
// three single ones, never a loop for the compiler to vectorise.
inline void FillShort(TPixel* p, std::ptrdiff_t n, TPixel value) {
  if (n >= 4) {
    const std::array<TPixel, 4> four{value, value, value, value};
    std::memcpy(p, four.data(), sizeof four);
    std::memcpy(p + n - 4, four.data(), sizeof four);
    return;
  }
  if (n > 0) p[0] = value;
  if (n > 1) p[1] = value;
  if (n > 2) p[2] = value;
}

// end <= begin fills nothing.
inline void FillPixels(TPixel* begin, TPixel* end, TPixel value) {
  if (end - begin < 8)
    FillShort(begin, end - begin, value);
  else
    FillLong(begin, end, value);
}

void ApplyInk(TPixel* begin, TPixel* end, TInk ink);

// Room for `size` values of T: in place up to N, on the heap beyond, which no
// figure needs, so that painting one allocates nothing.
template <typename T, std::size_t N>
class TSmallBuffer {
 public:
  explicit TSmallBuffer(std::size_t size) : FSize(size) {
    if (size > N) FHeap.resize(size);
  }
  std::span<T> All() { return {FSize > N ? FHeap.data() : FInPlace.data(), FSize}; }
  T& operator[](std::size_t i) { return All()[i]; }

 private:
  std::size_t FSize;
  std::array<T, N> FInPlace{};
  std::vector<T> FHeap;
};

class TPainter {
 public:
  // Draws only inside `clip` intersected with the surface.
  TPainter(TSurface& surface, const Types::TRect& clip);

  const TBox& Clip() const { return FClip; }
  bool Empty() const { return FClip.Empty(); }
  bool RowVisible(Coord y) const { return y >= FClip.Top && y < FClip.Bottom; }
  // Row y of the surface; only for rows inside the clip.
  TPixel* Row(Coord y) { return FSurface.Row(static_cast<int>(y)); }
  // Pixels from one row to the next.
  std::ptrdiff_t Stride() const { return FSurface.Stride(); }
  // Where row 0 starts, for loops that find rows themselves: held in a local with
  // the stride, it stays in a register while pixels are stored, where the surface's
  // fields would be read again after every store.
  TPixel* Origin() { return FSurface.Row(0); }
  bool Draws(const TSurface& surface) const { return &surface == &FSurface; }
  // The part of `span` inside the clip's columns (maybe empty).
  TSpan Visible(TSpan span) const {
    return {std::max(span.First, FClip.Left), std::min(span.Last, FClip.Right - 1)};
  }

  // Inline: figures paint a few spans per row, and a copy is a single fill.
  void Paint(Coord y, TSpan span, TInk ink) {
    const TSpan v = Visible(span);
    if (v.Empty() || !RowVisible(y)) return;
    TPixel* begin = Row(y) + v.First;
    TPixel* end = Row(y) + v.Last + 1;
    if (ink.And == 0)
      FillPixels(begin, end, ink.Xor);
    else
      ApplyInk(begin, end, ink);
  }
  void Fill(Coord y, TSpan span, const TBrushFill& brush) {
    if (brush.Style == bsSolid)
      Paint(y, span, CopyInk(brush.Color));
    else if (brush.Style != bsClear)
      Hatch(y, span, brush.Style, brush.Color);
  }
  // The brush over a box, clipped once rather than row by row.
  void FillBox(const TBox& box, const TBrushFill& brush);
  // `length` pixels of row y from x on, stepping by `step` (+1 or -1); the first is
  // at position `pos` of the pen's pattern.
  void Run(Coord y, Coord x, Coord length, int step, Coord pos, const TLineInk& ink);

 private:
  void Hatch(Coord y, TSpan span, TBrushStyle style, TPixel color);

  TSurface& FSurface;
  TBox FClip;
};

}  // namespace Graphics::Raster
