#include "Graphics/Raster.h"

#include <algorithm>
#include <array>

#include "Graphics/RasterLines.h"
#include "Graphics/RasterPictures.h"
#include "Graphics/RasterPolygon.h"
#include "Graphics/RasterShapes.h"
#include "Graphics/Text.h"

namespace Graphics {

namespace {

using namespace Raster;

TPoint64 PointToDevice(Types::TPoint p, const TDrawState& s) {
  return {Coord{p.X} + s.Origin.X, Coord{p.Y} + s.Origin.Y};
}

TBox RectToDevice(const Types::TRect& r, const TDrawState& s) {
  const TPoint64 a = PointToDevice({r.Left, r.Top}, s), b = PointToDevice({r.Right, r.Bottom}, s);
  return {a.X, a.Y, b.X, b.Y};
}

// A figure's points convert without allocating.
using TDevicePoints = TSmallBuffer<TPoint64, 8>;

TDevicePoints PointsToDevice(std::span<const Types::TPoint> points, const TDrawState& s) {
  TDevicePoints out(points.size());
  for (std::size_t i = 0; i < points.size(); ++i) out[i] = PointToDevice(points[i], s);
  return out;
}

TBrushFill BrushOf(const TDrawState& s) { return {s.Brush.Style, ColorToPixel(s.Brush.Color)}; }

// The pen of one call, its colours converted once.
struct TPenSetup {
  bool Visible = true;
  bool InsideFrame = false;
  Coord Width = 1;
  TLineInk Line;
};

TPenSetup PenOf(const TDrawState& s) {
  TPenSetup pen;
  pen.Visible = s.Pen.Style != psClear;
  pen.InsideFrame = s.Pen.Style == psInsideFrame;
  pen.Width = std::max(1, s.Pen.Width);
  pen.Line.On = PenInk(s.Pen.Mode, ColorToPixel(s.Pen.Color));
  if (pen.Width == 1) pen.Line.Dash = DashFor(s.Pen.Style);
  // The background mode follows the brush: a solid brush makes the gaps opaque.
  if (pen.Line.Dash && s.Brush.Style == bsSolid) {
    pen.Line.PaintGaps = true;
    pen.Line.Gap = PenInk(s.Pen.Mode, ColorToPixel(s.Brush.Color));
  }
  return pen;
}

// A rectangle, rounded rectangle or ellipse in its box.
struct TFigure {
  TBox Box;
  Coord CornerWidth = 1;
  Coord CornerHeight = 1;
  bool Ellipse = false;

  // The corners the figure has in `box`: clamped, and square when under 2.
  void CornersIn(const TBox& box, Coord& width, Coord& height) const {
    width = Ellipse ? box.Width() : std::clamp<Coord>(CornerWidth, 0, box.Width());
    height = Ellipse ? box.Height() : std::clamp<Coord>(CornerHeight, 0, box.Height());
    if (width < 2 || height < 2) width = height = 1;
  }
  TRoundShape ShapeIn(const TBox& box) const {
    Coord w = 1, h = 1;
    CornersIn(box, w, h);
    return TRoundShape(box, w, h);
  }
};

TBox Normalised(TBox b) {
  if (b.Right < b.Left) std::swap(b.Left, b.Right);
  if (b.Bottom < b.Top) std::swap(b.Top, b.Bottom);
  return b;
}

// A pen wider than 1, centred on the outline: w / 2 pixels outside it and
// (w - 1) / 2 inside on the left and top, the other way round on the right and
// bottom. The ring runs from the figure grown that much, its corners grown too, to
// the figure shrunk that much.
void DrawWideFigure(TPainter& painter, const TFigure& figure, const TBox& box, const TPenSetup& pen,
                    const TBrushFill& brush) {
  const Coord w = pen.Width, out = w / 2, in = (w - 1) / 2;
  Coord cw = 1, ch = 1;
  figure.CornersIn(box, cw, ch);
  const TRoundShape outer({box.Left - out, box.Top - out, box.Right + in, box.Bottom + in},
                          cw + w - 1, ch + w - 1);
  const TRoundShape inner({box.Left + in, box.Top + in, box.Right - out, box.Bottom - out},
                          cw - (w - 1), ch - (w - 1));
  DrawRing(painter, outer, inner, &pen.Line.On, brush);
}

void DrawFigure(TPainter& painter, TFigure figure, const TDrawState& s) {
  const TBox box = Normalised(figure.Box);
  if (box.Width() < 2 || box.Height() < 2 || painter.Empty()) return;
  const TPenSetup pen = PenOf(s);
  const TBrushFill brush = BrushOf(s);
  if (!pen.Visible) {  // without a pen the figure loses its right column and bottom row
    FillShape(painter, figure.ShapeIn({box.Left, box.Top, box.Right - 1, box.Bottom - 1}), brush);
    return;
  }
  if (pen.Width == 1) {
    const TRoundShape shape = figure.ShapeIn(box);
    if (pen.Line.Dash)
      DrawDashedOutline(painter, shape, pen.Line, brush);
    else
      DrawRing(painter, shape, shape, &pen.Line.On, brush);
    return;
  }
  if (!pen.InsideFrame) {
    DrawWideFigure(painter, figure, box, pen, brush);
    return;
  }
  // An inside-frame pen shrinks the outline so that the pen ends at the box; a
  // pen too wide for that covers the whole figure.
  const Coord out = pen.Width / 2, in = (pen.Width - 1) / 2;
  const TBox framed{box.Left + out, box.Top + out, box.Right - in, box.Bottom - in};
  if (framed.Width() < 2 || framed.Height() < 2)
    PaintShape(painter, figure.ShapeIn(box), pen.Line.On);
  else
    DrawWideFigure(painter, figure, framed, pen, brush);
}

// Width-1 segments through `points`, the pattern running on from one to the next.
void DrawThinPath(TPainter& painter, const TLineInk& ink, std::span<const TPoint64> points,
                  bool closed) {
  Coord pos = 0;
  const std::size_t n = points.size();
  for (std::size_t i = 0; i + 1 < n; ++i)
    pos += DrawThinLine(painter, ink, points[i], points[i + 1], pos);
  if (closed && n > 1) pos += DrawThinLine(painter, ink, points[n - 1], points[0], pos);
  // A closed path of one point is that point.
  if (closed && pos == 0 && n > 0) painter.Run(points[0].Y, points[0].X, 1, 1, 0, ink);
}

// A Rectangle under a width-1 pen: the brush fills (l+1, t+1) to (r-1, b-1), and
// the pen runs one closed path from the top-right pixel leftwards along the top row,
// down the left column, rightwards along the bottom row and up the right column, its
// pattern starting on the first pixel. A box 1 pixel wide or high is that path
// folded onto a line (its pixels visited twice, the later visit showing); a box of
// one pixel, or of none, draws nothing.
void DrawThinRectangle(TPainter& painter, const TBox& box, const TLineInk& pen,
                       const TBrushFill& brush) {
  if (box.Empty() || (box.Width() == 1 && box.Height() == 1) || painter.Empty()) return;
  painter.FillBox({box.Left + 1, box.Top + 1, box.Right - 1, box.Bottom - 1}, brush);
  const Coord right = box.Right - 1, bottom = box.Bottom - 1;
  const std::array<TPoint64, 4> corners{
      {{right, box.Top}, {box.Left, box.Top}, {box.Left, bottom}, {right, bottom}}};
  DrawThinPath(painter, pen, corners, true);
}

}  // namespace

void TRasterDevice::FillRect(const Types::TRect& r, const TDrawState& s) {
  TPainter painter(FSurface, s.Clip);
  painter.FillBox(RectToDevice(r, s), BrushOf(s));
}

void TRasterDevice::Rectangle(const Types::TRect& r, const TDrawState& s) {
  TPainter painter(FSurface, s.Clip);
  const TPenSetup pen = PenOf(s);
  if (pen.Visible && pen.Width == 1)
    DrawThinRectangle(painter, Normalised(RectToDevice(r, s)), pen.Line, BrushOf(s));
  else
    DrawFigure(painter, {RectToDevice(r, s), 1, 1, false}, s);
}

void TRasterDevice::RoundRect(const Types::TRect& r, int cornerWidth, int cornerHeight,
                              const TDrawState& s) {
  TPainter painter(FSurface, s.Clip);
  DrawFigure(
      painter,
      {RectToDevice(r, s), std::abs(Coord{cornerWidth}), std::abs(Coord{cornerHeight}), false}, s);
}

void TRasterDevice::Ellipse(const Types::TRect& r, const TDrawState& s) {
  TPainter painter(FSurface, s.Clip);
  DrawFigure(painter, {RectToDevice(r, s), 1, 1, true}, s);
}

void TRasterDevice::Polygon(std::span<const Types::TPoint> points, const TDrawState& s) {
  TPainter painter(FSurface, s.Clip);
  if (points.empty() || painter.Empty()) return;
  TDevicePoints converted = PointsToDevice(points, s);
  const std::span<const TPoint64> device = converted.All();
  FillEvenOdd(painter, device, BrushOf(s));
  const TPenSetup pen = PenOf(s);
  if (!pen.Visible) return;
  if (pen.Width > 1)
    DrawWideLines(painter, pen.Line.On, device, true, pen.Width);
  else
    DrawThinPath(painter, pen.Line, device, true);
}

void TRasterDevice::Polyline(std::span<const Types::TPoint> points, const TDrawState& s) {
  TPainter painter(FSurface, s.Clip);
  const TPenSetup pen = PenOf(s);
  if (points.empty() || painter.Empty() || !pen.Visible) return;
  TDevicePoints converted = PointsToDevice(points, s);
  const std::span<const TPoint64> device = converted.All();
  if (pen.Width > 1)
    DrawWideLines(painter, pen.Line.On, device, false, pen.Width);
  else
    DrawThinPath(painter, pen.Line, device, false);
}

void TRasterDevice::LineTo(Types::TPoint from, Types::TPoint to, const TDrawState& s) {
  const std::array<Types::TPoint, 2> ends{from, to};
  Polyline(ends, s);
}

// Text::Draw keeps to the surface itself: the state goes on uncopied.
void TRasterDevice::TextOut(int x, int y, std::string_view text, const TDrawState& s) {
  Text::Draw(FSurface, x, y, text, s);
}

void TRasterDevice::Draw(int x, int y, const TPicture& picture, const TDrawState& s) {
  TPainter painter(FSurface, s.Clip);
  CopyPicture(painter, PointToDevice({x, y}, s), picture);
}

void TRasterDevice::StretchDraw(const Types::TRect& r, const TPicture& picture,
                                const TDrawState& s) {
  TPainter painter(FSurface, s.Clip);
  StretchPicture(painter, RectToDevice(r, s), picture);
}

}  // namespace Graphics
