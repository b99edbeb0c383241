#include "Grips.h"

#include <algorithm>

namespace Tools {

namespace {

constexpr int Snap(int v, int grid) {
  if (grid <= 1) return v;
  const int down = v >= 0 ? v / grid * grid : -((-v + grid - 1) / grid * grid);
  return v - down < grid - (v - down) ? down : down + grid;
}

bool Moves(TGrip grip, TGrip a, TGrip b, TGrip c) { return grip == a || grip == b || grip == c; }

}  // namespace

std::array<Types::TRect, 8> GripRects(const Types::TRect& b) {
  const int midX = (b.Left + b.Right) / 2, midY = (b.Top + b.Bottom) / 2;
  const std::array<Types::TPoint, 8> centres{{{b.Left, b.Top},
                                              {midX, b.Top},
                                              {b.Right, b.Top},
                                              {b.Right, midY},
                                              {b.Right, b.Bottom},
                                              {midX, b.Bottom},
                                              {b.Left, b.Bottom},
                                              {b.Left, midY}}};
  std::array<Types::TRect, 8> rects;
  constexpr int half = kGripSize / 2;
  for (std::size_t i = 0; i < centres.size(); ++i)
    rects[i] = {centres[i].X - half, centres[i].Y - half, centres[i].X - half + kGripSize,
                centres[i].Y - half + kGripSize};
  return rects;
}

TGrip GripAt(const Types::TRect& bounds, Types::TPoint p) {
  const std::array<Types::TRect, 8> grips = GripRects(bounds);
  for (std::size_t i = 0; i < grips.size(); ++i)
    if (grips[i].Contains(p)) return static_cast<TGrip>(static_cast<int>(TGrip::TopLeft) + i);
  return bounds.Contains(p) ? TGrip::Body : TGrip::None;
}

Types::TRect Dragged(const Types::TRect& start, TGrip grip, Types::TPoint delta, int grid) {
  using enum TGrip;
  if (grip == None) return start;
  if (grip == Body) {
    const int left = Snap(start.Left + delta.X, grid), top = Snap(start.Top + delta.Y, grid);
    return start.Offset(left - start.Left, top - start.Top);
  }
  Types::TRect r = start;
  if (Moves(grip, TopLeft, Left, BottomLeft))
    r.Left = std::min(Snap(start.Left + delta.X, grid), r.Right - 1);
  if (Moves(grip, TopRight, Right, BottomRight))
    r.Right = std::max(Snap(start.Right + delta.X, grid), r.Left + 1);
  if (Moves(grip, TopLeft, Top, TopRight))
    r.Top = std::min(Snap(start.Top + delta.Y, grid), r.Bottom - 1);
  if (Moves(grip, BottomLeft, Bottom, BottomRight))
    r.Bottom = std::max(Snap(start.Bottom + delta.Y, grid), r.Top + 1);
  return r;
}

Types::TRect Spanned(Types::TPoint a, Types::TPoint b) {
  return {std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)};
}

}  // namespace Tools
