#include "Graphics/RasterPictures.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace Graphics::Raster {

namespace {

TBox Intersect(const TBox& a, const TBox& b) {
  return {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
          std::min(a.Bottom, b.Bottom)};
}

// Drawing a picture onto its own surface reads a copy, so that rows already written
// are not read again.
const TSurface& Source(const TPainter& painter, const TPicture& picture,
                       std::optional<TSurface>& copy) {
  if (!painter.Draws(picture.Pixels)) return picture.Pixels;
  copy.emplace(picture.Pixels);
  return *copy;
}

// The source pixel for each destination pixel of a row.
template <typename SourceAt>
void CopyRow(TPixel* dest, Coord count, std::optional<TPixel> transparent, SourceAt source) {
  if (!transparent) {
    for (Coord i = 0; i < count; ++i) dest[i] = source(i);
    return;
  }
  const TPixel skip = *transparent & kRgbMask;
  for (Coord i = 0; i < count; ++i) {
    const TPixel p = source(i);
    if ((p & kRgbMask) != skip) dest[i] = p;
  }
}

}  // namespace

void CopyPicture(TPainter& painter, TPoint64 at, const TPicture& picture) {
  std::optional<TSurface> copy;
  const TSurface& src = Source(painter, picture, copy);
  const TBox area =
      Intersect({at.X, at.Y, at.X + src.Width(), at.Y + src.Height()}, painter.Clip());
  if (area.Empty()) return;
  for (Coord y = area.Top; y < area.Bottom; ++y) {
    const TPixel* from = src.Row(static_cast<int>(y - at.Y)) + (area.Left - at.X);
    TPixel* to = painter.Row(y) + area.Left;
    if (!picture.Transparent)
      std::copy(from, from + area.Width(), to);
    else
      CopyRow(to, area.Width(), picture.Transparent, [from](Coord i) { return from[i]; });
  }
}

void StretchPicture(TPainter& painter, const TBox& dest, const TPicture& picture) {
  if (dest.Empty() || picture.Pixels.Empty()) return;
  std::optional<TSurface> copy;
  const TSurface& src = Source(painter, picture, copy);
  const TBox area = Intersect(dest, painter.Clip());
  if (area.Empty()) return;
  // Destination sizes can reach 2^33 and source sizes 2^15: the products fit.
  std::vector<Coord> columns(static_cast<std::size_t>(area.Width()));
  for (Coord x = area.Left; x < area.Right; ++x)
    columns[static_cast<std::size_t>(x - area.Left)] = (x - dest.Left) * src.Width() / dest.Width();
  for (Coord y = area.Top; y < area.Bottom; ++y) {
    const Coord row = (y - dest.Top) * src.Height() / dest.Height();
    const TPixel* from = src.Row(static_cast<int>(row));
    CopyRow(painter.Row(y) + area.Left, area.Width(), picture.Transparent,
            [&](Coord i) { return from[columns[static_cast<std::size_t>(i)]]; });
  }
}

}  // namespace Graphics::Raster
