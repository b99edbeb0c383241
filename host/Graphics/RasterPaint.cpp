#include "Graphics/RasterPaint.h"

#include <algorithm>

namespace Graphics::Raster {

namespace {

// The pen mode's result for pen colour p over destination d, bit by bit.
TPixel Rop(TPenMode mode, TPixel p, TPixel d) {
  switch (mode) {
    case pmBlack:
      return 0;
    case pmWhite:
      return ~TPixel{0};
    case pmNop:
      return d;
    case pmNot:
      return ~d;
    case pmCopy:
      return p;
    case pmNotCopy:
      return ~p;
    case pmMergePenNot:
      return p | ~d;
    case pmMaskPenNot:
      return p & ~d;
    case pmMergeNotPen:
      return ~p | d;
    case pmMaskNotPen:
      return ~p & d;
    case pmMerge:
      return p | d;
    case pmNotMerge:
      return ~(p | d);
    case pmMask:
      return p & d;
    case pmNotMask:
      return ~(p & d);
    case pmXor:
      return p ^ d;
    case pmNotXor:
      return ~(p ^ d);
  }
  return p;
}

constexpr TDash kDash{{18, 6}, 24};
constexpr TDash kDot{{3, 3}, 6};
constexpr TDash kDashDot{{9, 6, 3, 6}, 24};
constexpr TDash kDashDotDot{{9, 3, 3, 3, 3, 3}, 24};

// Hatch pixels of row y as bits by column (bit n: x % 8 == n), the pattern fixed to
// device coordinates so that neighbouring fills line up.
std::uint8_t HatchRow(TBrushStyle style, Coord y) {
  const unsigned row = static_cast<unsigned>(y & 7);
  const auto horizontal = static_cast<std::uint8_t>(row == 0 ? 0xFF : 0);
  const std::uint8_t vertical = 0x01;
  const auto forward = static_cast<std::uint8_t>(1u << row);               // x - y = 0 mod 8
  const auto backward = static_cast<std::uint8_t>(1u << ((8 - row) & 7));  // x + y = 0 mod 8
  switch (style) {
    case bsHorizontal:
      return horizontal;
    case bsVertical:
      return vertical;
    case bsFDiagonal:
      return forward;
    case bsBDiagonal:
      return backward;
    case bsCross:
      return static_cast<std::uint8_t>(horizontal | vertical);
    case bsDiagCross:
      return static_cast<std::uint8_t>(forward | backward);
    default:
      return 0;
  }
}

}  // namespace

TInk PenInk(TPenMode mode, TPixel pen) {
  const TPixel overBlack = Rop(mode, pen, 0) & kRgbMask;
  const TPixel overWhite = Rop(mode, pen, kRgbMask) & kRgbMask;
  return {overBlack ^ overWhite, overBlack};
}

const TDash* DashFor(TPenStyle style) {
  switch (style) {
    case psDash:
      return &kDash;
    case psDot:
      return &kDot;
    case psDashDot:
      return &kDashDot;
    case psDashDotDot:
      return &kDashDotDot;
    default:
      return nullptr;
  }
}

TPainter::TPainter(TSurface& surface, const Types::TRect& clip) : FSurface(surface) {
  const Types::TRect visible = clip.Intersect(surface.Bounds());
  FClip = {visible.Left, visible.Top, visible.Right, visible.Bottom};
}

__attribute__((target_clones("avx2", "default"))) void FillLong(TPixel* begin, TPixel* end,
                                                                TPixel value) {
  std::fill(begin, end, value);
}

void ApplyInk(TPixel* begin, TPixel* end, TInk ink) {
  if (ink.And == kRgbMask && ink.Xor == 0) return;  // pmNop
  for (TPixel* p = begin; p != end; ++p) *p = (*p & ink.And) ^ ink.Xor;
}

void TPainter::Fill(Coord y, TSpan span, const TBrushFill& brush) {
  if (brush.Style == bsSolid)
    Paint(y, span, CopyInk(brush.Color));
  else if (brush.Style != bsClear)
    Hatch(y, span, brush.Style, brush.Color);
}

void TPainter::Hatch(Coord y, TSpan span, TBrushStyle style, TPixel color) {
  const TSpan v = Visible(span);
  const std::uint8_t bits = HatchRow(style, y);
  if (v.Empty() || !RowVisible(y) || bits == 0) return;
  TPixel* row = Row(y);
  for (Coord x = v.First; x <= v.Last; ++x)
    if ((bits >> (x & 7)) & 1) row[x] = color & kRgbMask;
}

void TPainter::Run(Coord y, Coord x, Coord length, int step, Coord pos, const TLineInk& ink) {
  if (length <= 0 || !RowVisible(y)) return;
  // Pixel k of the run lies at x + step * k; keep the k inside the clip.
  const Coord lastX = x + step * (length - 1);
  const TSpan v = Visible({std::min(x, lastX), std::max(x, lastX)});
  if (v.Empty()) return;
  const Coord kFirst = step > 0 ? v.First - x : x - v.Last;
  const Coord kLast = step > 0 ? v.Last - x : x - v.First;
  auto paintSteps = [&](Coord k0, Coord k1, TInk with) {  // k0..k1 inclusive
    const Coord a = x + step * k0, b = x + step * k1;
    Paint(y, {std::min(a, b), std::max(a, b)}, with);
  };
  if (!ink.Dash) {
    paintSteps(kFirst, kLast, ink.On);
    return;
  }
  const TDash& dash = *ink.Dash;
  for (Coord k = kFirst; k <= kLast;) {
    Coord phase = (pos + k) % dash.Period;
    int element = 0;
    while (phase >= dash.Runs[element]) phase -= dash.Runs[element++];
    const Coord pieceEnd = std::min(kLast, k + dash.Runs[element] - phase - 1);
    if (element % 2 == 0)
      paintSteps(k, pieceEnd, ink.On);
    else if (ink.PaintGaps)
      paintSteps(k, pieceEnd, ink.Gap);
    k = pieceEnd + 1;
  }
}

}  // namespace Graphics::Raster
