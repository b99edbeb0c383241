// TDevice: what a canvas draws on.
//
// A canvas hands each call to its device in the canvas's own (logical) coordinates,
// with the drawing state in force: the pen, brush and font attributes, where logical
// (0,0) lies on the device (Origin), and the device pixels that may change (Clip).
// Two devices exist: the raster (pixels by the platform's rules) and the recorder
// (keeps the calls for tests); a recorder can pass every call on to another device.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "Graphics/GraphicsObjects.h"
#include "Graphics/Surface.h"
#include "Types.h"

namespace Graphics {

struct TDrawState {
  TPenData Pen;
  TBrushData Brush;
  TFontData Font;
  Types::TPoint Origin;
  Types::TRect Clip;  // in device pixels
};

// A picture handed to Draw and StretchDraw; `Transparent` names the pixel value left out.
struct TPicture {
  const TSurface& Pixels;
  std::optional<TPixel> Transparent;
};

class TDevice {
 public:
  virtual ~TDevice() = default;
  // The area the device can show, in device pixels.
  virtual Types::TRect DeviceBounds() const = 0;

  virtual void FillRect(const Types::TRect& r, const TDrawState& s) = 0;
  virtual void Rectangle(const Types::TRect& r, const TDrawState& s) = 0;
  virtual void RoundRect(const Types::TRect& r, int cornerWidth, int cornerHeight,
                         const TDrawState& s) = 0;
  virtual void Ellipse(const Types::TRect& r, const TDrawState& s) = 0;
  virtual void Polygon(std::span<const Types::TPoint> points, const TDrawState& s) = 0;
  virtual void Polyline(std::span<const Types::TPoint> points, const TDrawState& s) = 0;
  virtual void LineTo(Types::TPoint from, Types::TPoint to, const TDrawState& s) = 0;
  virtual void TextOut(int x, int y, std::string_view text, const TDrawState& s) = 0;
  virtual void Draw(int x, int y, const TPicture& picture, const TDrawState& s) = 0;
  virtual void StretchDraw(const Types::TRect& r, const TPicture& picture, const TDrawState& s) = 0;
};

}  // namespace Graphics
