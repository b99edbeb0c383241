#include "Graphics/RasterPolygon.h"

#include <algorithm>
#include <cstddef>

namespace Graphics::Raster {

namespace {

// An edge crossing rows Top..Bottom-1. The first pixel on or right of its crossing
// with row y is ceil(N(y) / D), with N(y) = x0 dy + (y - y0) dx and D = dy, stepped
// row by row.
struct TEdge {
  TPoint64 Upper, Lower;
  Coord Top = 0, Bottom = 0;
  TCeilStepper Crossing;

  TEdge() = default;
  TEdge(TPoint64 a, TPoint64 b)
      : Upper(a.Y < b.Y ? a : b), Lower(a.Y < b.Y ? b : a), Top(Upper.Y), Bottom(Lower.Y) {}

  void StartAt(Coord y) {
    const Coord dx = Lower.X - Upper.X, dy = Lower.Y - Upper.Y;
    Crossing = TCeilStepper(Wide{Upper.X} * dy + Wide{y - Top} * dx, dy, dx);
  }
  Coord Pixel() const { return Crossing.Value; }
  void NextRow() { Crossing.Advance(); }
};

// Puts the edges crossing rows in `edges`, sorted by their top row; returns their
// number.
std::size_t SortedEdges(std::span<const TPoint64> points, std::span<TEdge> edges) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const TPoint64 a = points[i], b = points[(i + 1) % points.size()];
    if (a.Y != b.Y) edges[count++] = TEdge(a, b);
  }
  std::sort(edges.begin(), edges.begin() + static_cast<std::ptrdiff_t>(count),
            [](const TEdge& a, const TEdge& b) { return a.Top < b.Top; });
  return count;
}

// Rows y..stop-1 crossed by the same two edges: one span a row between them, the
// edges stepped in locals. They may cross each other (a self-intersecting polygon),
// so each row takes the smaller crossing first.
template <typename FillRow>
void FillBetweenPair(TEdge& first, TEdge& second, Coord y, Coord stop, FillRow fill) {
  TEdge a = first, b = second;
  for (; y < stop; ++y) {
    fill(y, TSpan{std::min(a.Pixel(), b.Pixel()), std::max(a.Pixel(), b.Pixel()) - 1});
    a.NextRow();
    b.NextRow();
  }
  first = a;
  second = b;
}

// Rows y..stop-1 crossed by the same `actives`, in any number: the crossings sorted
// by insertion (a row rarely crosses more than a few edges), filled pairwise.
template <typename FillRow>
void FillBetweenAll(std::span<TEdge*> actives, std::span<Coord> crossings, Coord y, Coord stop,
                    FillRow fill) {
  for (; y < stop; ++y) {
    for (std::size_t i = 0; i < actives.size(); ++i) {
      TEdge* e = actives[i];
      std::size_t at = i;
      for (; at > 0 && crossings[at - 1] > e->Pixel(); --at) crossings[at] = crossings[at - 1];
      crossings[at] = e->Pixel();
      e->NextRow();
    }
    for (std::size_t i = 0; i + 1 < actives.size(); i += 2)
      fill(y, TSpan{crossings[i], crossings[i + 1] - 1});
  }
}

}  // namespace

void FillEvenOdd(TPainter& painter, std::span<const TPoint64> points, const TBrushFill& brush) {
  if (!brush.Visible() || painter.Empty() || points.size() < 3) return;
  TSmallBuffer<TEdge, 8> room(points.size());
  const std::span<TEdge> edges = room.All().first(SortedEdges(points, room.All()));
  if (edges.empty()) return;
  Coord top = edges.front().Top, bottom = top;
  for (const TEdge& e : edges) bottom = std::max(bottom, e.Bottom);
  const Coord first = std::max(top, painter.Clip().Top);
  const Coord end = std::min(bottom, painter.Clip().Bottom);

  // A solid brush on a polygon within the clip's columns fills rows plainly: every
  // crossing lies between the points' least and greatest x.
  const auto [least, most] = std::minmax_element(points.begin(), points.end(),
                                                 [](TPoint64 a, TPoint64 b) { return a.X < b.X; });
  const bool direct =
      brush.Style == bsSolid && least->X >= painter.Clip().Left && most->X <= painter.Clip().Right;
  // Held by value, so that they stay in registers while rows are stored.
  const TPixel color = CopyInk(brush.Color).Xor;
  const std::ptrdiff_t stride = painter.Stride();
  TPixel* const origin = painter.Origin();

  TSmallBuffer<TEdge*, 8> activeRoom(edges.size());
  TSmallBuffer<Coord, 8> crossingRoom(edges.size());
  const std::span<TEdge*> actives = activeRoom.All();
  std::size_t active = 0, next = 0;
  // The rows between two changes of the edges crossing them go at once.
  for (Coord y = first; y < end;) {
    // Edges join on the first visible row they cross and leave after their last.
    const std::span<TEdge*> was = actives.first(active);
    active = static_cast<std::size_t>(
        std::remove_if(was.begin(), was.end(), [y](const TEdge* e) { return e->Bottom <= y; }) -
        was.begin());
    for (; next < edges.size() && edges[next].Top <= y; ++next) {
      if (edges[next].Bottom <= y) continue;
      edges[next].StartAt(y);
      actives[active++] = &edges[next];
    }
    Coord change = next < edges.size() ? edges[next].Top : bottom;
    for (const TEdge* e : actives.first(active)) change = std::min(change, e->Bottom);
    const Coord stop = std::min(change, end);
    auto fillRows = [&](auto fill) {
      if (active == 2)
        FillBetweenPair(*actives[0], *actives[1], y, stop, fill);
      else if (active != 0)
        FillBetweenAll(actives.first(active), crossingRoom.All(), y, stop, fill);
    };
    if (direct)
      fillRows([origin, stride, color](Coord row, TSpan span) {
        TPixel* pixels = origin + row * stride;
        FillPixels(pixels + span.First, pixels + span.Last + 1, color);
      });
    else
      fillRows([&](Coord row, TSpan span) { painter.Fill(row, span, brush); });
    y = stop;
  }
}

}  // namespace Graphics::Raster
