#include "Graphics/RasterPaint.h"

#if defined(__x86_64__)
#include <immintrin.h>
#endif

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

#if defined(__x86_64__)

namespace {

// Both take at least a vector's pixels: one unaligned store at each end, aligned
// ones between, four to a loop.
__attribute__((target("avx2"))) void FillAvx2(TPixel* begin, TPixel* end, TPixel value) {
  const __m256i v = _mm256_set1_epi32(static_cast<int>(value));
  auto at = [](TPixel* p) { return reinterpret_cast<__m256i*>(p); };
  _mm256_storeu_si256(at(begin), v);
  _mm256_storeu_si256(at(end - 8), v);
  auto* p = reinterpret_cast<TPixel*>((reinterpret_cast<std::uintptr_t>(begin) + 32) &
                                      ~std::uintptr_t{31});
  TPixel* const stop = end - 8;  // the store at the end covers the rest
  for (; stop - p >= 32; p += 32) {
    _mm256_store_si256(at(p), v);
    _mm256_store_si256(at(p + 8), v);
    _mm256_store_si256(at(p + 16), v);
    _mm256_store_si256(at(p + 24), v);
  }
  for (; p < stop; p += 8) _mm256_store_si256(at(p), v);
}

void FillSse2(TPixel* begin, TPixel* end, TPixel value) {
  const __m128i v = _mm_set1_epi32(static_cast<int>(value));
  auto at = [](TPixel* p) { return reinterpret_cast<__m128i*>(p); };
  _mm_storeu_si128(at(begin), v);
  _mm_storeu_si128(at(end - 4), v);
  auto* p = reinterpret_cast<TPixel*>((reinterpret_cast<std::uintptr_t>(begin) + 16) &
                                      ~std::uintptr_t{15});
  TPixel* const stop = end - 4;
  for (; stop - p >= 16; p += 16) {
    _mm_store_si128(at(p), v);
    _mm_store_si128(at(p + 4), v);
    _mm_store_si128(at(p + 8), v);
    _mm_store_si128(at(p + 12), v);
  }
  for (; p < stop; p += 4) _mm_store_si128(at(p), v);
}

using TFill = void (*)(TPixel*, TPixel*, TPixel);

// Runs when the library is loaded, before any constructor and before a
// sanitizer's runtime is ready, so it must not be instrumented.
#if defined(__clang__)
#define TOLLEN_UNINSTRUMENTED __attribute__((no_sanitize("address", "undefined", "coverage")))
#else
#define TOLLEN_UNINSTRUMENTED __attribute__((no_sanitize_address, no_sanitize_undefined))
#endif
extern "C" TOLLEN_UNINSTRUMENTED TFill TollenResolveFillLong() {
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx2") ? FillAvx2 : FillSse2;
}

}  // namespace

void FillLong(TPixel* begin, TPixel* end, TPixel value)
    __attribute__((ifunc("TollenResolveFillLong")));

#else

// Elsewhere the compiler's own fill serves.
void FillLong(TPixel* begin, TPixel* end, TPixel value) { std::fill(begin, end, value); }

#endif

void ApplyInk(TPixel* begin, TPixel* end, TInk ink) {
  if (ink.And == kRgbMask && ink.Xor == 0) return;  // pmNop
  for (TPixel* p = begin; p != end; ++p) *p = (*p & ink.And) ^ ink.Xor;
}

void TPainter::Hatch(Coord y, TSpan span, TBrushStyle style, TPixel color) {
  const TSpan v = Visible(span);
  const std::uint8_t bits = HatchRow(style, y);
  if (v.Empty() || !RowVisible(y) || bits == 0) return;
  TPixel* row = Row(y);
  for (Coord x = v.First; x <= v.Last; ++x)
    if ((bits >> (x & 7)) & 1) row[x] = color & kRgbMask;
}

void TPainter::FillBox(const TBox& box, const TBrushFill& brush) {
  const TSpan v = Visible({box.Left, box.Right - 1});
  const Coord first = std::max(box.Top, FClip.Top), last = std::min(box.Bottom, FClip.Bottom) - 1;
  if (v.Empty() || first > last || !brush.Visible()) return;
  if (brush.Style != bsSolid) {
    for (Coord y = first; y <= last; ++y) Hatch(y, v, brush.Style, brush.Color);
    return;
  }
  const TPixel color = CopyInk(brush.Color).Xor;
  const std::ptrdiff_t stride = Stride();  // a local: see Origin
  TPixel* row = Row(first);
  for (Coord y = first; y <= last; ++y, row += stride)
    FillPixels(row + v.First, row + v.Last + 1, color);
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
