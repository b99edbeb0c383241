#include "Graphics/Recorder.h"

namespace Graphics {

TCall& TRecorder::Add(TCallKind kind, const TDrawState& s) {
  FCalls.push_back(TCall{kind, {}, {}, 0, 0, {}, s});
  return FCalls.back();
}

void TRecorder::FillRect(const Types::TRect& r, const TDrawState& s) {
  Add(TCallKind::FillRect, s).Rect = r;
  if (FNext) FNext->FillRect(r, s);
}

void TRecorder::Rectangle(const Types::TRect& r, const TDrawState& s) {
  Add(TCallKind::Rectangle, s).Rect = r;
  if (FNext) FNext->Rectangle(r, s);
}

void TRecorder::RoundRect(const Types::TRect& r, int cornerWidth, int cornerHeight,
                          const TDrawState& s) {
  TCall& c = Add(TCallKind::RoundRect, s);
  c.Rect = r;
  c.CornerWidth = cornerWidth;
  c.CornerHeight = cornerHeight;
  if (FNext) FNext->RoundRect(r, cornerWidth, cornerHeight, s);
}

void TRecorder::Ellipse(const Types::TRect& r, const TDrawState& s) {
  Add(TCallKind::Ellipse, s).Rect = r;
  if (FNext) FNext->Ellipse(r, s);
}

void TRecorder::Polygon(std::span<const Types::TPoint> points, const TDrawState& s) {
  Add(TCallKind::Polygon, s).Points.assign(points.begin(), points.end());
  if (FNext) FNext->Polygon(points, s);
}

void TRecorder::Polyline(std::span<const Types::TPoint> points, const TDrawState& s) {
  Add(TCallKind::Polyline, s).Points.assign(points.begin(), points.end());
  if (FNext) FNext->Polyline(points, s);
}

void TRecorder::LineTo(Types::TPoint from, Types::TPoint to, const TDrawState& s) {
  Add(TCallKind::LineTo, s).Points = {from, to};
  if (FNext) FNext->LineTo(from, to, s);
}

void TRecorder::TextOut(int x, int y, std::string_view text, const TDrawState& s) {
  TCall& c = Add(TCallKind::TextOut, s);
  c.Points = {{x, y}};
  c.Text = std::string(text);
  if (FNext) FNext->TextOut(x, y, text, s);
}

void TRecorder::Draw(int x, int y, const TPicture& picture, const TDrawState& s) {
  Add(TCallKind::Draw, s).Rect =
      Types::Bounds(x, y, picture.Pixels.Width(), picture.Pixels.Height());
  if (FNext) FNext->Draw(x, y, picture, s);
}

void TRecorder::StretchDraw(const Types::TRect& r, const TPicture& picture, const TDrawState& s) {
  Add(TCallKind::StretchDraw, s).Rect = r;
  if (FNext) FNext->StretchDraw(r, picture, s);
}

}  // namespace Graphics
