#include "Graphics/RasterShapes.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace Graphics::Raster {

namespace {

// Outlines taller than this restart their dash pattern at the clip instead of
// walking every row above it: no surface is that tall, so only shapes reaching far
// outside it are affected.
constexpr Coord kMaxDashWalk = Coord{1} << 16;

// The pixels of row `row` whose four neighbours are in the shape too.
TSpan Inside(TSpan up, TSpan row, TSpan down) {
  if (up.Empty() || row.Empty() || down.Empty()) return {};
  return {std::max({row.First + 1, up.First, down.First}),
          std::min({row.Last - 1, up.Last, down.Last})};
}

// The rows of `shape` inside the clip, as first..last.
bool VisibleRows(const TPainter& painter, const TRoundShape& shape, Coord& first, Coord& last) {
  first = std::max(painter.Clip().Top, shape.Top());
  last = std::min(painter.Clip().Bottom, shape.Bottom()) - 1;
  return !shape.Empty() && first <= last;
}

// Walks a shape's width-1 outline clockwise and paints it with a dashed pen.
class TOutlineWalk {
 public:
  TOutlineWalk(TPainter& painter, const TRoundShape& shape, const TLineInk& pen)
      : FPainter(painter), FShape(shape), FPen(pen), FTop(shape.Top()), FLast(shape.Bottom() - 1) {
    const bool whole = FLast - FTop < kMaxDashWalk;
    FFrom = whole ? FTop : std::max(FTop, painter.Clip().Top - 1);
    FTo = whole ? FLast : std::min(FLast, painter.Clip().Bottom);
  }

  void Walk() {
    if (FShape.Empty() || FFrom > FTo) return;
    if (FFrom == FTop) Run(FTop, FShape.Row(FTop).First, Length(FShape.Row(FTop)), +1);
    RightSide();
    if (FTo == FLast && FLast != FTop)
      Run(FLast, FShape.Row(FLast).Last, Length(FShape.Row(FLast)), -1);
    LeftSide();
  }

 private:
  static Coord Length(TSpan s) { return s.Last - s.First + 1; }
  // Rows above the middle (and the middle one) widen downwards; rows below narrow.
  bool UpperHalf(Coord y) const { return 2 * y <= FTop + FLast; }

  void Run(Coord y, Coord x, Coord length, int step) {
    FPainter.Run(y, x, length, step, FPos, FPen);
    FPos += length;
  }

  // Down the right side: the pixels of each row beyond its neighbour towards the
  // middle, in the order the walk meets them.
  void RightSide() {
    const Coord first = std::max(FFrom, FTop + 1), last = std::min(FTo, FLast - 1);
    if (first > last) return;
    TSpan up = FShape.Row(first - 1), row = FShape.Row(first);
    for (Coord y = first; y <= last; ++y) {
      const TSpan down = FShape.Row(y + 1);
      const TSpan toMiddle = UpperHalf(y) ? up : down;
      const Coord start = std::min(row.Last, toMiddle.Last + 1);
      if (UpperHalf(y))
        Run(y, start, row.Last - start + 1, +1);
      else
        Run(y, row.Last, row.Last - start + 1, -1);
      up = row;
      row = down;
    }
  }

  // Up the left side; a one-pixel row was painted on the way down.
  void LeftSide() {
    const Coord first = std::max(FFrom, FTop + 1), last = std::min(FTo, FLast - 1);
    if (first > last) return;
    TSpan down = FShape.Row(last + 1), row = FShape.Row(last);
    for (Coord y = last; y >= first; --y) {
      const TSpan up = FShape.Row(y - 1);
      const TSpan toMiddle = UpperHalf(y) ? up : down;
      const Coord end = std::max(row.First, toMiddle.First - 1);
      if (row.First != row.Last) {
        if (UpperHalf(y))
          Run(y, row.First, end - row.First + 1, +1);
        else
          Run(y, end, end - row.First + 1, -1);
      }
      down = row;
      row = up;
    }
  }

  TPainter& FPainter;
  const TRoundShape& FShape;
  const TLineInk& FPen;
  Coord FTop, FLast, FFrom = 0, FTo = -1;
  Coord FPos = 0;
};

}  // namespace

Coord EstimatedHalfWidth(Coord a, Coord b, Coord y, Coord least) {
  const double estimate = static_cast<double>(a) *
                          std::sqrt(static_cast<double>(b - y) * static_cast<double>(b + y)) /
                          static_cast<double>(b);
  Coord x = estimate >= static_cast<double>(a - 1) ? a - 1 : static_cast<Coord>(estimate);
  if ((x & 1) != least) --x;
  x = std::max(x, least);
  // The estimate can be a unit off; settle it exactly where the products fit.
  if ((a | b) < (Coord{1} << 15)) return CorrectHalfWidth<Coord>(x, a, b, y, least);
  if ((a | b) < (Coord{1} << 31)) return CorrectHalfWidth<Wide>(x, a, b, y, least);
  return x;
}

TRoundShape::TRoundShape(const TBox& box, Coord cornerWidth, Coord cornerHeight) : FBox(box) {
  if (box.Empty()) {
    FBox = {};
    return;
  }
  FCornerWidth = std::clamp<Coord>(cornerWidth, 0, box.Width());
  FCornerHeight = std::clamp<Coord>(cornerHeight, 0, box.Height());
  if (FCornerWidth < 2 || FCornerHeight < 2) FCornerWidth = FCornerHeight = 1;
}

TSpan TRoundShape::Row(Coord y) const {
  if (y < FBox.Top || y >= FBox.Bottom) return {};
  const Coord corner = CornerRow(y);
  Coord halfWidth = -1;
  const Coord inset = corner < 0 ? 0 : CornerInset(corner, halfWidth);
  return {FBox.Left + inset, FBox.Right - 1 - inset};
}

namespace {

// Calls paint(y, whole, inside) for rows first..last of a ring: `whole` the row of
// `outer`, `inside` the pixels of `inner`'s row whose four neighbours are in it too.
// Both shapes are mirror images top to bottom; when they share their middle and
// every row is wanted, the upper half is worked out and painted twice.
template <typename PaintRow>
void WalkRing(const TRoundShape& outer, const TRoundShape& inner, Coord first, Coord last,
              PaintRow paint) {
  const bool sameShape = &outer == &inner;
  const Coord mirrorSum = outer.Top() + outer.Bottom() - 1;
  const bool mirrored = first == outer.Top() && last == outer.Bottom() - 1 &&
                        (inner.Empty() || inner.Top() + inner.Bottom() - 1 == mirrorSum);
  TShapeRows innerRows(inner, first - 1), outerRows(outer, first);
  TSpan up = innerRows.Next(), row = innerRows.Next();
  for (Coord y = first; y <= last; ++y) {
    if (mirrored && 2 * y > mirrorSum) return;
    const TSpan down = innerRows.Next();
    const TSpan whole = sameShape ? row : outerRows.Next(), inside = Inside(up, row, down);
    paint(y, whole, inside);
    if (mirrored && mirrorSum - y != y) paint(mirrorSum - y, whole, inside);
    up = row;
    row = down;
  }
}

// Left to right along the row: pen, brush, pen.
void PaintRingRow(TPainter& painter, Coord y, TSpan whole, TSpan inside, const TInk* pen,
                  const TBrushFill& brush) {
  if (inside.Empty()) {
    if (pen) painter.Paint(y, whole, *pen);
    return;
  }
  if (pen) painter.Paint(y, {whole.First, std::min(whole.Last, inside.First - 1)}, *pen);
  painter.Fill(y, inside, brush);
  if (pen) painter.Paint(y, {std::max(whole.First, inside.Last + 1), whole.Last}, *pen);
}

// The same for a copying pen (or none) and a solid brush (or none) on rows wholly
// inside the clip: plain fills, nothing checked per row. Everything is held by
// value, so that it stays in registers while the rows are stored.
class TPlainRingRows {
 public:
  TPlainRingRows(TPainter& painter, const TInk* pen, const TBrushFill& brush)
      : FOrigin(painter.Origin()),
        FStride(painter.Stride()),
        FPen(pen ? pen->Xor : 0),
        FBrush(CopyInk(brush.Color).Xor),
        FHasPen(pen != nullptr),
        FHasBrush(brush.Style == bsSolid) {}

  void operator()(Coord y, TSpan whole, TSpan inside) const {
    TPixel* const row = FOrigin + y * FStride;
    TPixel* const begin = row + whole.First;
    TPixel* const end = row + whole.Last + 1;
    if (inside.Empty()) {
      if (FHasPen) FillPixels(begin, end, FPen);
      return;
    }
    // Pen runs of up to 4 pixels as one store of 4 each, before the brush covers
    // what they stored beyond themselves.
    if (FHasPen && FHasBrush && inside.Last - inside.First >= 3 &&
        inside.First - whole.First <= 4 && whole.Last - inside.Last <= 4) {
      FillShort(begin, 4, FPen);
      FillShort(end - 4, 4, FPen);
      FillPixels(row + inside.First, row + inside.Last + 1, FBrush);
      return;
    }
    if (FHasPen) FillPixels(begin, std::min(end, row + inside.First), FPen);
    if (FHasBrush) FillPixels(row + inside.First, row + inside.Last + 1, FBrush);
    if (FHasPen) FillPixels(std::max(begin, row + inside.Last + 1), end, FPen);
  }

 private:
  TPixel* FOrigin;
  std::ptrdiff_t FStride;
  TPixel FPen, FBrush;
  bool FHasPen, FHasBrush;
};

}  // namespace

void DrawRing(TPainter& painter, const TRoundShape& outer, const TRoundShape& inner,
              const TInk* pen, const TBrushFill& brush) {
  Coord first = 0, last = 0;
  if ((!pen && !brush.Visible()) || !VisibleRows(painter, outer, first, last)) return;
  const bool plain = (!pen || pen->And == 0) && (brush.Style == bsSolid || !brush.Visible()) &&
                     outer.Left() >= painter.Clip().Left && outer.Right() <= painter.Clip().Right;
  if (plain)
    WalkRing(outer, inner, first, last, TPlainRingRows(painter, pen, brush));
  else
    WalkRing(outer, inner, first, last, [&](Coord y, TSpan whole, TSpan inside) {
      PaintRingRow(painter, y, whole, inside, pen, brush);
    });
}

void DrawDashedOutline(TPainter& painter, const TRoundShape& shape, const TLineInk& pen,
                       const TBrushFill& brush) {
  DrawRing(painter, shape, shape, nullptr, brush);
  TOutlineWalk(painter, shape, pen).Walk();
}

void FillShape(TPainter& painter, const TRoundShape& shape, const TBrushFill& brush) {
  Coord first = 0, last = 0;
  if (!brush.Visible() || !VisibleRows(painter, shape, first, last)) return;
  for (Coord y = first; y <= last; ++y) painter.Fill(y, shape.Row(y), brush);
}

void PaintShape(TPainter& painter, const TRoundShape& shape, TInk pen) {
  Coord first = 0, last = 0;
  if (!VisibleRows(painter, shape, first, last)) return;
  for (Coord y = first; y <= last; ++y) painter.Paint(y, shape.Row(y), pen);
}

}  // namespace Graphics::Raster
