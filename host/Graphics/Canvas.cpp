#include "Graphics/Canvas.h"

#include "Graphics/Bitmap.h"
#include "Graphics/Text.h"

namespace Graphics {

System::TClass TCanvas::StaticClass() {
  static const System::TClassInfo info{"TCanvas", Classes::TPersistent::StaticClass()};
  return &info;
}

TCanvas::TCanvas()
    : FPen(std::make_unique<TPen>()),
      FBrush(std::make_unique<TBrush>()),
      FFont(std::make_unique<TFont>()) {
  FState.Pen = FPen->Data();
  FState.Brush = FBrush->Data();
  FState.Font = FFont->Data();
  FPen->OnChange = [this](System::TObject* s) { PenChanged(s); };
  FBrush->OnChange = [this](System::TObject* s) { BrushChanged(s); };
  FFont->OnChange = [this](System::TObject* s) { FontChanged(s); };
}

TCanvas::~TCanvas() = default;

void TCanvas::PenChanged(System::TObject*) { FState.Pen = FPen->Data(); }
void TCanvas::BrushChanged(System::TObject*) { FState.Brush = FBrush->Data(); }
void TCanvas::FontChanged(System::TObject*) { FState.Font = FFont->Data(); }

void TCanvas::SetDevice(TDevice* device, Types::TPoint origin, const Types::TRect& clip) {
  FDevice = device;
  FState.Origin = origin;
  FState.Clip = device ? clip.Intersect(device->DeviceBounds()) : Types::TRect{};
}

void TCanvas::SetDevice(TDevice* device) {
  SetDevice(device, {0, 0}, device ? device->DeviceBounds() : Types::TRect{});
}

void TCanvas::FillRect(const Types::TRect& r) {
  if (FDevice) FDevice->FillRect(r, FState);
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
  if (FDevice) FDevice->Rectangle({left, top, right, bottom}, FState);
}

void TCanvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth,
                        int cornerHeight) {
  if (FDevice) FDevice->RoundRect({left, top, right, bottom}, cornerWidth, cornerHeight, FState);
}

void TCanvas::Ellipse(int left, int top, int right, int bottom) {
  if (FDevice) FDevice->Ellipse({left, top, right, bottom}, FState);
}

void TCanvas::Polygon(std::span<const Types::TPoint> points) {
  if (FDevice && !points.empty()) FDevice->Polygon(points, FState);
}

void TCanvas::Polyline(std::span<const Types::TPoint> points) {
  if (FDevice && !points.empty()) FDevice->Polyline(points, FState);
  if (!points.empty()) FPenPos = points.back();
}

void TCanvas::LineTo(int x, int y) {
  if (FDevice) FDevice->LineTo(FPenPos, {x, y}, FState);
  FPenPos = {x, y};
}

void TCanvas::TextOut(int x, int y, std::string_view text) {
  if (FDevice) FDevice->TextOut(x, y, text, FState);
  FPenPos = {x + TextWidth(text), y};
}

Types::TSize TCanvas::TextExtent(std::string_view text) const {
  return Text::Extent(FState.Font, text);
}
int TCanvas::TextWidth(std::string_view text) const { return TextExtent(text).cx; }
int TCanvas::TextHeight(std::string_view text) const { return TextExtent(text).cy; }

void TCanvas::Draw(int x, int y, const TBitmap& bitmap) {
  if (FDevice && !bitmap.Empty()) FDevice->Draw(x, y, bitmap.Picture(), FState);
}

void TCanvas::StretchDraw(const Types::TRect& r, const TBitmap& bitmap) {
  if (FDevice && !bitmap.Empty()) FDevice->StretchDraw(r, bitmap.Picture(), FState);
}

}  // namespace Graphics
