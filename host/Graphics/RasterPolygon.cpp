#include "Graphics/RasterPolygon.h"

#include <algorithm>
#include <vector>

namespace Graphics::Raster {

namespace {

Wide FloorDiv(Wide a, Wide b) {  // b > 0
  const Wide q = a / b;
  return a % b != 0 && a < 0 ? q - 1 : q;
}

// An edge crossing rows Top..Bottom-1. The first pixel on or right of its crossing
// with row y is ceil(N(y) / D), with N(y) = x0 dy + (y - y0) dx and D = dy; it is
// kept as Pixel and Slack = Pixel * D - N, stepped row by row without division.
struct TEdge {
  TPoint64 Upper, Lower;
  Coord Top = 0, Bottom = 0;
  Coord Step = 0, StepRest = 0, Denominator = 0;  // dx = Step * D + StepRest
  Coord Pixel = 0, Slack = 0;

  TEdge(TPoint64 a, TPoint64 b) : Upper(a.Y < b.Y ? a : b), Lower(a.Y < b.Y ? b : a) {
    Top = Upper.Y;
    Bottom = Lower.Y;
    const Coord dx = Lower.X - Upper.X;
    Denominator = Lower.Y - Upper.Y;
    Step = static_cast<Coord>(FloorDiv(dx, Denominator));
    StepRest = dx - Step * Denominator;
  }

  void StartAt(Coord y) {
    const Wide n = Wide{Upper.X} * Denominator + Wide{y - Top} * (Lower.X - Upper.X);
    const Wide pixel = -FloorDiv(-n, Denominator);
    Pixel = static_cast<Coord>(pixel);
    Slack = static_cast<Coord>(pixel * Denominator - n);
  }

  void NextRow() {
    Pixel += Step;
    Slack -= StepRest;
    if (Slack < 0) {
      ++Pixel;
      Slack += Denominator;
    }
  }
};

}  // namespace

void FillEvenOdd(TPainter& painter, std::span<const TPoint64> points, const TBrushFill& brush) {
  if (!brush.Visible() || painter.Empty() || points.size() < 3) return;
  std::vector<TEdge> edges;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const TPoint64 a = points[i], b = points[(i + 1) % points.size()];
    if (a.Y != b.Y) edges.emplace_back(a, b);
  }
  if (edges.empty()) return;
  std::sort(edges.begin(), edges.end(),
            [](const TEdge& a, const TEdge& b) { return a.Top < b.Top; });
  Coord top = edges.front().Top, bottom = top;
  for (const TEdge& e : edges) bottom = std::max(bottom, e.Bottom);
  const Coord first = std::max(top, painter.Clip().Top);
  const Coord last = std::min(bottom, painter.Clip().Bottom) - 1;

  std::vector<TEdge*> active;
  std::vector<Coord> crossings;
  std::size_t next = 0;
  Coord change = first;  // the next row where an edge joins or leaves
  for (Coord y = first; y <= last; ++y) {
    if (y >= change) {
      // Edges join on the first visible row they cross and leave after their last.
      std::erase_if(active, [y](const TEdge* e) { return e->Bottom <= y; });
      for (; next < edges.size() && edges[next].Top <= y; ++next) {
        if (edges[next].Bottom <= y) continue;
        edges[next].StartAt(y);
        active.push_back(&edges[next]);
      }
      change = next < edges.size() ? edges[next].Top : bottom;
      for (const TEdge* e : active) change = std::min(change, e->Bottom);
    }
    crossings.clear();
    for (TEdge* e : active) {
      // Insertion sort: a row rarely crosses more than a few edges.
      auto at = crossings.end();
      while (at != crossings.begin() && *(at - 1) > e->Pixel) --at;
      crossings.insert(at, e->Pixel);
      e->NextRow();
    }
    for (std::size_t i = 0; i + 1 < crossings.size(); i += 2)
      painter.Fill(y, {crossings[i], crossings[i + 1] - 1}, brush);
  }
}

}  // namespace Graphics::Raster
