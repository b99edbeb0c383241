// Pictures for the raster device: true-size and stretched copies.
#pragma once

#include "Graphics/Device.h"
#include "Graphics/RasterPaint.h"

namespace Graphics::Raster {

// Copies `picture` with its top-left pixel at `at`, leaving out the pixels equal to
// its transparent value.
void CopyPicture(TPainter& painter, TPoint64 at, const TPicture& picture);

// Scales `picture` onto `dest` by taking, for destination pixel (x, y), source
// pixel ((x - Left) * width / dest width, (y - Top) * height / dest height) in
// whole numbers. An empty or mirrored `dest` draws nothing.
void StretchPicture(TPainter& painter, const TBox& dest, const TPicture& picture);

}  // namespace Graphics::Raster
