#include "Graphics/RasterLines.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <limits>
#include <vector>

namespace Graphics::Raster {

namespace {

struct TSteps {
  Coord First = 0;
  Coord Last = -1;
};

// The steps i for which start + sign * i lies in lo..hi.
TSteps StepsInside(Coord start, int sign, Coord lo, Coord hi) {
  return sign > 0 ? TSteps{lo - start, hi - start} : TSteps{start - hi, start - lo};
}

Coord ClampToSteps(Wide value, Coord major) {
  return static_cast<Coord>(std::clamp<Wide>(value, -1, major));
}

// A line stepping along its major axis; offset(i) = floor((2 i minor + major - Bias)
// / (2 major)) is how far its minor coordinate has moved after i steps, rounded. A
// line passing exactly halfway between two pixels takes the one with the smaller
// minor coordinate whichever way it runs: the half rounds down (Bias 1) when the
// minor coordinate grows and up (Bias 0) when it shrinks.
struct TThinLine {
  bool XMajor = true;
  Coord Major = 0, Minor = 0;
  int MajorSign = 1, MinorSign = 1;
  Coord MajorStart = 0, MinorStart = 0;
  Coord Bias = 0;

  TThinLine(TPoint64 from, TPoint64 to) {
    const Coord dx = to.X - from.X, dy = to.Y - from.Y;
    XMajor = std::abs(dx) >= std::abs(dy);
    Major = XMajor ? std::abs(dx) : std::abs(dy);
    Minor = XMajor ? std::abs(dy) : std::abs(dx);
    MajorSign = (XMajor ? dx : dy) >= 0 ? 1 : -1;
    MinorSign = (XMajor ? dy : dx) >= 0 ? 1 : -1;
    MajorStart = XMajor ? from.X : from.Y;
    MinorStart = XMajor ? from.Y : from.X;
    Bias = MinorSign > 0 ? 1 : 0;
  }

  // The numerator of offset(i).
  Wide Numerator(Coord i) const { return Wide{2} * i * Minor + Major - Bias; }

  // The steps whose pixels lie inside the clip, found without walking the rest.
  TSteps VisibleSteps(const TBox& c) const {
    TSteps steps = StepsInside(MajorStart, MajorSign, XMajor ? c.Left : c.Top,
                               (XMajor ? c.Right : c.Bottom) - 1);
    steps.First = std::max<Coord>(steps.First, 0);
    steps.Last = std::min(steps.Last, Major - 1);
    const TSteps offsets = StepsInside(MinorStart, MinorSign, XMajor ? c.Top : c.Left,
                                       (XMajor ? c.Bottom : c.Right) - 1);
    if (Minor == 0) {
      if (offsets.First > 0 || offsets.Last < 0) return {};
      return steps;
    }
    const Wide twoMinor = Wide{2} * Minor;
    steps.First = std::max(
        steps.First,
        ClampToSteps(CeilDiv((Wide{2} * offsets.First - 1) * Major + Bias, twoMinor), Major));
    steps.Last = std::min(
        steps.Last,
        ClampToSteps(CeilDiv((Wide{2} * offsets.Last + 1) * Major + Bias, twoMinor) - 1, Major));
    return steps;
  }

  Coord MajorAt(Coord i) const { return MajorStart + MajorSign * i; }
  Coord MinorAt(Coord k) const { return MinorStart + MinorSign * k; }
};

// The first step of each row of a line along x from its row k on: the least i whose
// offset reaches k is ceil(((2k - 1) Major + Bias) / (2 Minor)). A line with no
// minor extent is one run.
TCeilStepper RunStarts(const TThinLine& line, Coord k) {
  if (line.Minor == 0) {
    TCeilStepper whole;
    whole.Value = line.Major;
    return whole;
  }
  return TCeilStepper((Wide{2} * k - 1) * line.Major + line.Bias, 2 * line.Minor, 2 * line.Major);
}

// Rows of a segment's band (the points within the pen's radius of its line) where
// neither end is within reach, walked row by row in exact integers. In units of
// half a pixel, with the segment's ends A, B (B below A) moved by the even pen's
// shift, pixel x of row y lies in the band when |N| <= Reach, where N = (2x - A.X)
// D.Y - (2y - A.Y) D.X with D = B - A, and Reach = floor(width * |D|): N is whole,
// so flooring the irrational bound loses nothing. The band's two sides are parallel
// edges: one row down moves both by 2 D.X / 2 D.Y pixels, so each keeps its
// remainder and steps like a polygon edge, without division. The ends are those the
// real-valued bounds of the row give: only a bound within rounding of a whole
// number could differ, and a quadratic irrational of these sizes never comes that
// close.
struct TBandWalk {
  Coord First = 0, Last = -1;  // the rows walked
  Coord Ax = 0, Ay = 0, Dx = 0, Dy = 0, Reach = 0;
  Coord Next = 0;  // the row the ends below are for
  // The least x within reach, ceil((M - Reach) / 2 D.Y), and minus the greatest,
  // ceil((-M - Reach) / 2 D.Y), where M grows by 2 D.X a row.
  TCeilStepper LeftEnd, RightEnd;

  bool Covers(Coord y) const { return y >= First && y <= Last; }

  void Start(Coord y) {
    // N(x) = 2 Dy x - M on row y; the ends are the least and greatest x within reach.
    const Coord m = Ax * Dy + (2 * y - Ay) * Dx;
    LeftEnd = TCeilStepper(m - Reach, 2 * Dy, 2 * Dx);
    RightEnd = TCeilStepper(-m - Reach, 2 * Dy, -2 * Dx);
    Next = y;
  }

  // Calls paint(y, span) for rows from..to of the band, in order; the ends are
  // stepped in locals, and a walk going on from the last row needs no division.
  template <typename PaintRow>
  void Walk(Coord from, Coord to, PaintRow paint) {
    if (from != Next) Start(from);
    TCeilStepper left = LeftEnd, right = RightEnd;
    for (Coord y = from; y <= to; ++y) {
      paint(y, TSpan{left.Value, -right.Value});
      left.Advance();
      right.Advance();
    }
    LeftEnd = left;
    RightEnd = right;
    Next = to + 1;
  }

  // Row y's band as a span.
  TSpan Row(Coord y) {
    TSpan span;
    Walk(y, y, [&span](Coord, TSpan s) { span = s; });
    return span;
  }
};

// One segment of a wide line, with what every row it meets asks of it worked out
// once: the rows it can reach, its squared length and radius times its length, and
// the rows between its ends' reach, walked exactly.
struct TCapsule {
  double Ax, Ay, Bx, By;
  double Top, Bottom;
  Coord TopRow, BottomRow;  // the rows in reach
  double Len2, Reach;
  TBandWalk Band;
};

// Coordinates and pen widths up to this keep every product of the band walk
// inside 64 bits; anything larger takes the real-valued path on every row.
constexpr Coord kMaxWalked = Coord{1} << 20;

// Sets up the band walk of the segment a..b for a pen `width` wide, its ends moved
// up and left by `shift` half pixels.
TBandWalk BandWalk(TPoint64 a, TPoint64 b, Coord width, Coord shift) {
  TBandWalk walk;
  if (a.Y > b.Y) std::swap(a, b);
  auto small = [](Coord v) { return v > -kMaxWalked && v < kMaxWalked; };
  if (a.Y == b.Y || !small(a.X) || !small(a.Y) || !small(b.X) || !small(b.Y) || width > 1024)
    return walk;
  walk.Ax = 2 * a.X - shift;
  walk.Ay = 2 * a.Y - shift;
  walk.Dx = 2 * (b.X - a.X);
  walk.Dy = 2 * (b.Y - a.Y);
  const auto square =
      static_cast<Wide>(width * width) * static_cast<Wide>(walk.Dx * walk.Dx + walk.Dy * walk.Dy);
  auto root = static_cast<Coord>(std::sqrt(static_cast<double>(square)));
  while (static_cast<Wide>(root) * root > square) --root;
  while (static_cast<Wide>(root + 1) * (root + 1) <= square) ++root;
  walk.Reach = root;
  // Rows whose doubled distance from both ends is over the width: 2y > A.Y + width
  // and 2y < B.Y - width, with B.Y = A.Y + D.Y.
  walk.First = static_cast<Coord>(FloorDiv(walk.Ay + width, 2)) + 1;
  walk.Last = static_cast<Coord>(FloorDiv(walk.Ay + walk.Dy - width - 1, 2));
  return walk;
}

// The x extent of the points of row y within `radius` of the segment.
bool CapsuleRow(const TCapsule& c, double y, double radius, double& lo, double& hi) {
  lo = std::numeric_limits<double>::infinity();
  hi = -lo;
  auto disc = [&](double cx, double cy) {
    const double d = y - cy, q = radius * radius - d * d;
    if (q < 0) return;
    const double s = std::sqrt(q);
    lo = std::min(lo, cx - s);
    hi = std::max(hi, cx + s);
  };
  disc(c.Ax, c.Ay);
  disc(c.Bx, c.By);
  const double dx = c.Bx - c.Ax, dy = c.By - c.Ay, len2 = c.Len2;
  if (len2 == 0) return lo <= hi;
  // The band beside the segment: close to its line, and between its two ends.
  const double ry = y - c.Ay, reach = c.Reach;
  double bandLo = -std::numeric_limits<double>::infinity(), bandHi = -bandLo;
  auto limit = [&](double u, double v) {
    bandLo = std::max(bandLo, c.Ax + std::min(u, v));
    bandHi = std::min(bandHi, c.Ax + std::max(u, v));
  };
  if (dy != 0)
    limit((ry * dx - reach) / dy, (ry * dx + reach) / dy);
  else if (std::abs(ry) > radius)
    return lo <= hi;
  if (dx != 0)
    limit(-ry * dy / dx, (len2 - ry * dy) / dx);
  else if (ry * dy < 0 || ry * dy > len2)
    return lo <= hi;
  if (bandLo <= bandHi) {
    lo = std::min(lo, bandLo);
    hi = std::max(hi, bandHi);
  }
  return lo <= hi;
}

// The segments of the polyline through `points` as capsules; returns their number.
std::size_t AddCapsules(std::span<TCapsule> capsules, std::span<const TPoint64> points, bool closed,
                        Coord width) {
  std::size_t count = 0;
  const double shift = width % 2 == 0 ? 0.5 : 0.0, radius = static_cast<double>(width) / 2;
  auto add = [&](TPoint64 a, TPoint64 b) {
    TCapsule c{static_cast<double>(a.X) - shift, static_cast<double>(a.Y) - shift,
               static_cast<double>(b.X) - shift, static_cast<double>(b.Y) - shift};
    const double dx = c.Bx - c.Ax, dy = c.By - c.Ay;
    c.Top = std::min(c.Ay, c.By) - radius;
    c.Bottom = std::max(c.Ay, c.By) + radius;
    c.TopRow = static_cast<Coord>(std::ceil(c.Top));
    c.BottomRow = static_cast<Coord>(std::floor(c.Bottom));
    c.Len2 = dx * dx + dy * dy;
    c.Reach = radius * std::sqrt(c.Len2);
    c.Band = BandWalk(a, b, width, width % 2 == 0 ? 1 : 0);
    capsules[count++] = c;
  };
  const std::size_t n = points.size();
  for (std::size_t i = 0; i + 1 < n; ++i)
    if (points[i] != points[i + 1]) add(points[i], points[i + 1]);
  if (closed && n > 2 && points[n - 1] != points[0]) add(points[n - 1], points[0]);
  if (count == 0 && closed && n > 0) add(points[0], points[0]);
  return count;
}

// Rounding up and down for values within 64 bits: one truncation and a compare,
// cheaper than rounding in floating point and converting after; rows near a wide
// pen's ends need two each.
Coord CeilOf(double v) {
  const auto t = static_cast<Coord>(v);  // towards zero
  return static_cast<double>(t) < v ? t + 1 : t;
}
Coord FloorOf(double v) {
  const auto t = static_cast<Coord>(v);
  return static_cast<double>(t) > v ? t - 1 : t;
}

// The pixels lo..hi (real bounds) as a span, kept near the clip so that huge
// values convert safely (the clip's bounds are whole, so clamping first rounds alike).
TSpan PixelSpan(double lo, double hi, const TBox& clip) {
  const double left = static_cast<double>(clip.Left - 1), right = static_cast<double>(clip.Right);
  return {CeilOf(std::clamp(lo, left, right)), FloorOf(std::clamp(hi, left, right))};
}

// Paints the union of a row's spans; `spans` is reordered.
void PaintMerged(TPainter& painter, Coord y, std::span<TSpan> spans, TInk ink) {
  if (spans.size() == 2 && spans[1].First < spans[0].First) std::swap(spans[0], spans[1]);
  if (spans.size() == 2 && spans[0].Last + 1 < spans[1].First) {  // a row of a ring: apart
    painter.Paint(y, spans[0], ink);
    painter.Paint(y, spans[1], ink);
    return;
  }
  for (std::size_t i = 1; i < spans.size(); ++i)  // insertion sort: a row has a few
    for (std::size_t j = i; j > 0 && spans[j].First < spans[j - 1].First; --j)
      std::swap(spans[j], spans[j - 1]);
  TSpan current = spans.front();
  for (const TSpan& s : spans.subspan(1)) {
    if (s.First <= current.Last + 1) {
      current.Last = std::max(current.Last, s.Last);
    } else {
      painter.Paint(y, current, ink);
      current = s;
    }
  }
  painter.Paint(y, current, ink);
}

// Row y of a capsule: walked between its ends' reach, worked out from the ends'
// discs and the band elsewhere.
bool CapsuleSpan(TCapsule& c, Coord y, double radius, const TBox& clip, TSpan& span) {
  if (c.Band.Covers(y)) {  // small numbers: the painter clips
    span = c.Band.Row(y);
    return true;
  }
  double lo = 0, hi = 0;
  if (!CapsuleRow(c, static_cast<double>(y), radius, lo, hi)) return false;
  span = PixelSpan(lo, hi, clip);
  return true;
}

// Whether rows from..to of a band lie inside the clip's columns: its sides are
// straight, so the rows at its ends bound the rest.
bool WithinColumns(const TBandWalk& band, Coord from, Coord to, const TBox& clip) {
  TBandWalk ends = band;
  const TSpan top = ends.Row(from), bottom = ends.Row(to);
  return std::min(top.First, bottom.First) >= clip.Left &&
         std::max(top.Last, bottom.Last) < clip.Right;
}

// Rows first..last of one capsule (a copying ink): the band's rows in a loop of their own, the
// rows near its ends from their discs.
void PaintCapsule(TPainter& painter, TCapsule& c, Coord first, Coord last, double radius,
                  TInk ink) {
  const Coord from = std::max(first, c.TopRow), to = std::min(last, c.BottomRow);
  const Coord bandFrom = std::max(from, c.Band.First), bandTo = std::min(to, c.Band.Last);
  auto nearEnds = [&](Coord y0, Coord y1) {
    for (Coord y = y0; y <= y1; ++y) {
      double lo = 0, hi = 0;
      if (CapsuleRow(c, static_cast<double>(y), radius, lo, hi))
        painter.Paint(y, PixelSpan(lo, hi, painter.Clip()), ink);
    }
  };
  if (bandFrom > bandTo) {
    nearEnds(from, to);
    return;
  }
  nearEnds(from, bandFrom - 1);
  if (WithinColumns(c.Band, bandFrom, bandTo, painter.Clip())) {
    // Nothing to clip: plain fills a row apart.
    TPixel* row = painter.Row(bandFrom);
    const std::ptrdiff_t stride = painter.Stride();
    c.Band.Walk(bandFrom, bandTo, [&](Coord, TSpan s) {
      FillPixels(row + s.First, row + s.Last + 1, ink.Xor);
      row += stride;
    });
  } else {
    c.Band.Walk(bandFrom, bandTo, [&](Coord y, TSpan s) { painter.Paint(y, s, ink); });
  }
  nearEnds(bandTo + 1, to);
}

}  // namespace

Coord DrawThinLine(TPainter& painter, const TLineInk& ink, TPoint64 from, TPoint64 to, Coord pos) {
  const TThinLine line(from, to);
  if (line.Major == 0 || painter.Empty()) return line.Major;
  const TSteps steps = line.VisibleSteps(painter.Clip());
  if (steps.First > steps.Last) return line.Major;
  const Coord twoMajor = 2 * line.Major, twoMinor = 2 * line.Minor;
  const Wide start = line.Numerator(steps.First);
  Coord offset = static_cast<Coord>(start / twoMajor);
  Coord rest = static_cast<Coord>(start % twoMajor);
  auto advance = [&] {
    rest += twoMinor;
    if (rest >= twoMajor) {
      rest -= twoMajor;
      ++offset;
    }
  };
  if (!ink.Dash && !line.XMajor) {
    // Every visible step lies inside the clip: write the pixels directly, a row
    // apart, moving sideways where the line does; a copy need not read them.
    const TInk on = ink.On;
    const std::ptrdiff_t down = line.MajorSign * painter.Stride();
    auto walk = [&](auto put) {
      TPixel* p = painter.Row(line.MajorAt(steps.First)) + line.MinorAt(offset);
      for (Coord i = steps.First;; ++i) {
        put(p);
        if (i == steps.Last) break;
        const Coord before = offset;
        advance();
        p += offset != before ? down + line.MinorSign : down;
      }
    };
    if (on.And == 0)
      walk([color = on.Xor](TPixel* p) { *p = color; });
    else
      walk([on](TPixel* p) { *p = (*p & on.And) ^ on.Xor; });
    return line.Major;
  }
  if (!line.XMajor) {
    for (Coord i = steps.First; i <= steps.Last; ++i, advance())
      painter.Run(line.MajorAt(i), line.MinorAt(offset), 1, 1, pos + i, ink);
    return line.Major;
  }
  // Along x, the pixels of one row form a run painted at once; the runs' ends come
  // from stepping where each row starts, not from walking its pixels.
  TCeilStepper starts = RunStarts(line, offset + 1);
  if (!ink.Dash) {
    // Inside the clip too: each run is a plain span of its row.
    const TInk on = ink.On;
    const std::ptrdiff_t down = line.MinorSign * painter.Stride();
    TPixel* row = painter.Row(line.MinorAt(offset));
    for (Coord i = steps.First;; row += down, starts.Advance()) {
      const Coord end = std::min(starts.Value - 1, steps.Last);
      const Coord a = line.MajorAt(i), b = line.MajorAt(end);
      TPixel* const first = row + std::min(a, b);
      TPixel* const last = row + std::max(a, b);
      if (on.And == 0)
        FillPixels(first, last + 1, on.Xor);
      else
        ApplyInk(first, last + 1, on);
      if (end == steps.Last) break;
      i = end + 1;
    }
    return line.Major;
  }
  for (Coord i = steps.First, row = offset;; ++row, starts.Advance()) {
    const Coord end = std::min(starts.Value - 1, steps.Last);
    painter.Run(line.MinorAt(row), line.MajorAt(i), end - i + 1, line.MajorSign, pos + i, ink);
    if (end == steps.Last) break;
    i = end + 1;
  }
  return line.Major;
}

void DrawWideLines(TPainter& painter, TInk ink, std::span<const TPoint64> points, bool closed,
                   Coord width) {
  if (painter.Empty()) return;
  const double radius = static_cast<double>(width) / 2;
  TSmallBuffer<TCapsule, 8> room(points.size() + 1);
  const std::span<TCapsule> capsules =
      room.All().first(AddCapsules(room.All(), points, closed, width));
  if (capsules.empty()) return;
  double top = std::numeric_limits<double>::infinity(), bottom = -top;
  for (const TCapsule& c : capsules) {
    top = std::min({top, c.Ay, c.By});
    bottom = std::max({bottom, c.Ay, c.By});
  }
  const TBox& clip = painter.Clip();
  const double firstRow = std::max(std::ceil(top - radius), static_cast<double>(clip.Top));
  const double lastRow =
      std::min(std::floor(bottom + radius), static_cast<double>(clip.Bottom - 1));
  if (firstRow > lastRow) return;
  const auto first = static_cast<Coord>(firstRow), last = static_cast<Coord>(lastRow);
  if (ink.And == 0) {
    // A copy paints a pixel twice to the same effect: each segment on its own.
    for (TCapsule& c : capsules) PaintCapsule(painter, c, first, last, radius, ink);
    return;
  }
  TSmallBuffer<TSpan, 8> spans(capsules.size());
  for (Coord y = first; y <= last; ++y) {
    std::size_t count = 0;
    for (TCapsule& c : capsules) {
      if (y < c.TopRow || y > c.BottomRow) continue;  // out of this segment's reach
      TSpan s;
      if (CapsuleSpan(c, y, radius, clip, s) && !s.Empty()) spans[count++] = s;
    }
    if (count > 0) PaintMerged(painter, y, spans.All().first(count), ink);
  }
}

}  // namespace Graphics::Raster
