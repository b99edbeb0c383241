#include "Graphics/Surface.h"

#include <algorithm>
#include <string>

namespace Graphics {

namespace {
void CheckSize(int width, int height) {
  if (width < 0 || height < 0 || width > TSurface::kMaxDimension ||
      height > TSurface::kMaxDimension ||
      static_cast<std::size_t>(width) * static_cast<std::size_t>(height) > TSurface::kMaxPixels)
    throw EInvalidGraphic("Invalid bitmap size " + std::to_string(width) + " x " +
                          std::to_string(height));
}
}  // namespace

TSurface::TSurface(int width, int height, TPixel fill) {
  CheckSize(width, height);
  FWidth = width;
  FHeight = height;
  FPixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
}

void TSurface::Resize(int width, int height, TPixel fill) {
  if (width == FWidth && height == FHeight) return;
  TSurface next(width, height, fill);
  int w = std::min(width, FWidth);
  for (int y = 0; y < std::min(height, FHeight); ++y) std::copy_n(Row(y), w, next.Row(y));
  *this = std::move(next);
}

void TSurface::Fill(TPixel p) { std::fill(FPixels.begin(), FPixels.end(), p); }

}  // namespace Graphics
