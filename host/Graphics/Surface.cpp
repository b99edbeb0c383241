#include "Graphics/Surface.h"

#include <algorithm>
#include <string>

namespace Graphics {

namespace {
std::uint64_t pictureBudget = kDefaultPictureBudget;

void CheckSize(int width, int height) {
  if (width < 0 || height < 0)
    throw EInvalidGraphic("Invalid bitmap size " + std::to_string(width) + " x " +
                          std::to_string(height));
  if (auto fault = PictureSizeFault(width, height, pictureBudget))
    throw EInvalidGraphic("Cannot make a picture: " + *fault);
}
}  // namespace

std::uint64_t PictureBudget() { return pictureBudget; }

void SetPictureBudget(std::uint64_t pixels) {
  constexpr auto side = static_cast<std::uint64_t>(TSurface::kMaxDimension);
  pictureBudget = std::min(pixels, side * side);
}

std::optional<std::string> PictureSizeFault(std::int64_t width, std::int64_t height,
                                            std::uint64_t budget) {
  const std::string size = std::to_string(width) + " x " + std::to_string(height);
  if (width > TSurface::kMaxDimension || height > TSurface::kMaxDimension)
    return "size " + size + " beyond the limit of " + std::to_string(TSurface::kMaxDimension) +
           " pixels a side";
  if (static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) > budget)
    return size + " pixels beyond the limit of " + std::to_string(budget);
  return std::nullopt;
}

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
