// The geometry of the designer's selection frame, without any window: the eight
// grips around a selected control, what a point is on, and the bounds a drag
// gives. Everything is in form pixels.
#pragma once

#include <array>

#include "Types.h"

namespace Tools {

// What a drag starting at a point takes hold of: the control itself (Body) or
// one of its grips, clockwise from the top left corner.
enum class TGrip {
  None,
  Body,
  TopLeft,
  Top,
  TopRight,
  Right,
  BottomRight,
  Bottom,
  BottomLeft,
  Left
};

inline constexpr int kGripSize = 5;

// The grips' squares around `bounds`, centred on its corners and edge middles,
// in the order of TGrip from TopLeft.
std::array<Types::TRect, 8> GripRects(const Types::TRect& bounds);

// The grip under `p`, else Body when `p` is inside `bounds`, else None.
TGrip GripAt(const Types::TRect& bounds, Types::TPoint p);

// `start` after dragging `grip` by `delta`: the body moves, a grip moves its
// edges. With a grid (> 1) the moved edges land on its lines; a control never
// gets narrower or lower than one pixel, nor turns inside out.
Types::TRect Dragged(const Types::TRect& start, TGrip grip, Types::TPoint delta, int grid = 0);

// The rectangle a drag from `a` to `b` spans, in either direction.
Types::TRect Spanned(Types::TPoint a, Types::TPoint b);

}  // namespace Tools
