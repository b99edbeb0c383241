// Rectangles, rounded rectangles and ellipses for the raster device, as rows of
// pixels: each row of such a shape is one span, found from the ellipse equation in
// O(1), so a figure costs O(rows) plus its fills.
#pragma once

#include <cstdlib>

#include "Graphics/RasterPaint.h"

namespace Graphics::Raster {

// The pixels of a box [Left, Right) x [Top, Bottom) whose corners are cut by the
// quarters of the ellipse inscribed in a cornerWidth x cornerHeight box. Corners
// are clamped to the box; a corner under 2 pixels either way is square, and one as
// big as the box makes the shape that box's ellipse. A pixel belongs to an ellipse
// when its centre lies inside; every row and column of the box keeps at least its
// middle pixels, so the ellipse touches all four sides and stays symmetric.
class TRoundShape {
 public:
  TRoundShape() = default;  // no pixels
  TRoundShape(const TBox& box, Coord cornerWidth, Coord cornerHeight);

  Coord Left() const { return FBox.Left; }
  Coord Right() const { return FBox.Right; }
  Coord Top() const { return FBox.Top; }
  Coord Bottom() const { return FBox.Bottom; }
  bool Empty() const { return FBox.Empty(); }
  TSpan Row(Coord y) const;

 private:
  friend class TShapeRows;
  Coord CornerInset(Coord cornerRow, Coord& halfWidth) const;
  // The corner row of row y, or -1 for a row between the corner bands; the
  // bottom band mirrors the top one.
  Coord CornerRow(Coord y) const {
    const Coord band = FCornerHeight / 2;
    const Coord fromTop = y - FBox.Top, fromBottom = FBox.Bottom - 1 - y;
    return fromTop < band ? fromTop : fromBottom < band ? fromBottom : -1;
  }

  TBox FBox{};
  Coord FCornerWidth = 1;
  Coord FCornerHeight = 1;
};

// The greatest doubled half width x of an ellipse's row, x^2 b^2 <= a^2 (b^2 - y^2)
// (all doubled), from a start a unit or a few off, keeping to `least`; T must hold
// the products exactly.
template <typename T>
Coord CorrectHalfWidth(Coord x, Coord a, Coord b, Coord y, Coord least) {
  const T squareB = T{b} * b, limit = T{a} * a * (b - y) * (b + y);
  auto fits = [&](Coord v) { return T{v} * v * squareB <= limit; };
  while (x + 2 <= a - 1 && fits(x + 2)) x += 2;
  while (x - 2 >= least && !fits(x)) x -= 2;
  return x;
}

// The doubled half width of the row y rows (doubled) from the middle of the
// ellipse in an a x b box, from an estimate.
Coord EstimatedHalfWidth(Coord a, Coord b, Coord y, Coord least);

// The doubled half width of row `row` of the ellipse in a width x height box
// (both >= 2): the row covers the pixels whose centres lie within half of it.
// `near`, when not negative, is a neighbouring row's result to start from. Inline:
// a figure asks it for every row, mostly from a neighbour.
inline Coord EllipseHalfWidth(Coord width, Coord height, Coord row, Coord near = -1) {
  const Coord y = std::abs(2 * row + 1 - height);
  if (y <= 1) return width - 1;         // the middle rows reach both sides
  const Coord least = (width + 1) & 1;  // the half width has the parity of width + 1
  // Small figures settle exactly from a neighbour's width: over a whole figure the
  // widths change by no more than its size.
  if (near >= least && (width | height) < (Coord{1} << 15))
    return CorrectHalfWidth<Coord>(near, width, height, y, least);
  return EstimatedHalfWidth(width, height, y, least);
}

inline Coord TRoundShape::CornerInset(Coord cornerRow, Coord& halfWidth) const {
  halfWidth = EllipseHalfWidth(FCornerWidth, FCornerHeight, cornerRow, halfWidth);
  return (FCornerWidth - 1 - halfWidth) / 2;
}

// A shape's rows in order from a first one: each corner row starts from its
// neighbour's width, so a figure costs little beyond its fills.
class TShapeRows {
 public:
  TShapeRows(const TRoundShape& shape, Coord first) : FShape(shape), FY(first) {}
  // Row `first`, then the one below it, ...
  TSpan Next() {
    const Coord y = FY++;
    const TBox& box = FShape.FBox;
    if (y < box.Top || y >= box.Bottom) return {};
    const Coord corner = FShape.CornerRow(y);
    if (corner < 0) return {box.Left, box.Right - 1};
    if (corner - FPreviousCorner != 1 && FPreviousCorner - corner != 1)
      FHalfWidth = -1;  // no neighbour to start from
    FPreviousCorner = corner;
    const Coord inset = FShape.CornerInset(corner, FHalfWidth);
    return {box.Left + inset, box.Right - 1 - inset};
  }

 private:
  const TRoundShape& FShape;
  Coord FY;
  Coord FHalfWidth = -1;
  Coord FPreviousCorner = -2;
};

// Fills the inside of `inner` with the brush (pixels of it whose four neighbours
// also belong to it) and paints what `outer` has beyond that with `pen` (if any):
// with outer == inner this is a width-1 outline.
void DrawRing(TPainter& painter, const TRoundShape& outer, const TRoundShape& inner,
              const TInk* pen, const TBrushFill& brush);

// The shape's inside with the brush and its width-1 outline with a dashed pen. The
// pattern runs clockwise from the left end of the top row: along the top row, down
// the right side, back along the bottom row and up the left side.
void DrawDashedOutline(TPainter& painter, const TRoundShape& shape, const TLineInk& pen,
                       const TBrushFill& brush);

// Every pixel of the shape with the brush.
void FillShape(TPainter& painter, const TRoundShape& shape, const TBrushFill& brush);

// Every pixel of the shape with the pen.
void PaintShape(TPainter& painter, const TRoundShape& shape, TInk pen);

}  // namespace Graphics::Raster
