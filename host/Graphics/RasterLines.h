// Lines for the raster device: width-1 lines by Bresenham's rule, clipped before
// they are walked, and wider pens as the union of round-capped strokes.
#pragma once

#include <span>

#include "Graphics/RasterPaint.h"

namespace Graphics::Raster {

// The width-1 line from `from` towards `to`: its start pixel drawn, its end pixel
// left out. Each step moves one pixel along the longer axis (x when both are equal);
// the other coordinate is the line's, rounded; a half goes to the smaller coordinate
// whichever way the line runs. `pos` is the pattern position of the start pixel;
// returns the number of steps, so that a polyline's pattern runs on.
Coord DrawThinLine(TPainter& painter, const TLineInk& ink, TPoint64 from, TPoint64 to, Coord pos);

// A pen `width` wide along the polyline through `points` (closed: back to the first
// point too): every pixel within width / 2 of a segment, measured from the pixel's
// centre moved half a pixel right and down when the width is even, so that the
// extra pixel of an even pen lies left of and above the line. Each pixel is painted
// once however many segments cover it. Zero-length segments add nothing, except
// that a closed polyline whose points all coincide draws one pen dot.
void DrawWideLines(TPainter& painter, TInk ink, std::span<const TPoint64> points, bool closed,
                   Coord width);

}  // namespace Graphics::Raster
