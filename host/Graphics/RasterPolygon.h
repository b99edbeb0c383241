// Polygon fills for the raster device.
#pragma once

#include <span>

#include "Graphics/RasterPaint.h"

namespace Graphics::Raster {

// Fills the polygon through `points` (closed) by the alternate rule. Pixel (x, y)
// is sampled at the point (x, y), on the grid the outline's lines are drawn on, so
// that fill and outline meet without gaps: it is inside when a ray from there
// crosses the edges an odd number of times. An edge's top end counts and its bottom
// end does not, and a point exactly on an edge is inside when the edge is on its
// left: the left and top edges are filled, the right and bottom ones are not, and
// polygons sharing an edge never share a pixel.
void FillEvenOdd(TPainter& painter, std::span<const TPoint64> points, const TBrushFill& brush);

}  // namespace Graphics::Raster
