// TCanvas: the drawing surface a control paints on.
//
// A canvas owns its pen, brush and font; assigning one copies the attributes. It
// draws through a device it does not own (SetDevice), in its own coordinates:
// logical (0,0) lies at the device's Origin and only the Clip rectangle changes.
// Without a device every drawing call does nothing, while measuring still works.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "Classes.h"
#include "Graphics/Device.h"
#include "Graphics/GraphicsObjects.h"
#include "Types.h"

namespace Graphics {

class TBitmap;

class TCanvas : public Classes::TPersistent {
  TOLLEN_CLASS(TCanvas)
 public:
  TCanvas();
  ~TCanvas() override;

  TPen& Pen() { return *FPen; }
  TBrush& Brush() { return *FBrush; }
  TFont& Font() { return *FFont; }
  const TPen& Pen() const { return *FPen; }
  const TBrush& Brush() const { return *FBrush; }
  const TFont& Font() const { return *FFont; }
  void SetPen(const TPen& pen) { FPen->Assign(&pen); }
  void SetBrush(const TBrush& brush) { FBrush->Assign(&brush); }
  void SetFont(const TFont& font) { FFont->Assign(&font); }

  // Draws on `device` (not owned; null detaches) with logical (0,0) at `origin` and
  // only the device pixels of `clip` changing.
  void SetDevice(TDevice* device, Types::TPoint origin, const Types::TRect& clip);
  void SetDevice(TDevice* device);  // origin (0,0), the whole device
  TDevice* Device() const { return FDevice; }
  Types::TPoint Origin() const { return FState.Origin; }
  Types::TRect ClipRect() const { return FState.Clip.Offset(-FState.Origin.X, -FState.Origin.Y); }

  void FillRect(const Types::TRect& r);
  void Rectangle(int left, int top, int right, int bottom);
  void Rectangle(const Types::TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
  void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
  void Ellipse(int left, int top, int right, int bottom);
  void Ellipse(const Types::TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
  void Polygon(std::span<const Types::TPoint> points);
  void Polyline(std::span<const Types::TPoint> points);
  void MoveTo(int x, int y) { FPenPos = {x, y}; }
  void LineTo(int x, int y);
  Types::TPoint PenPos() const { return FPenPos; }
  void SetPenPos(Types::TPoint p) { FPenPos = p; }

  void TextOut(int x, int y, std::string_view text);
  int TextWidth(std::string_view text) const;
  int TextHeight(std::string_view text) const;
  Types::TSize TextExtent(std::string_view text) const;

  void Draw(int x, int y, const TBitmap& bitmap);
  void StretchDraw(const Types::TRect& r, const TBitmap& bitmap);

  // The device context of the platform's drawing calls (Windows::HDC, WinGdi.h):
  // the canvas itself, with its font selected.
  TCanvas* Handle() { return this; }

 private:
  void PenChanged(System::TObject*);
  void BrushChanged(System::TObject*);
  void FontChanged(System::TObject*);

  std::unique_ptr<TPen> FPen;
  std::unique_ptr<TBrush> FBrush;
  std::unique_ptr<TFont> FFont;
  TDevice* FDevice = nullptr;
  TDrawState FState;
  Types::TPoint FPenPos;
};

}  // namespace Graphics
