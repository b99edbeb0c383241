// TRasterDevice: draws a canvas's calls into a TSurface, pixel-exactly by the
// platform's rules.
//
// - Rectangle, RoundRect and Ellipse leave out their right and bottom bound; a
//   width-1 pen outlines Rectangle(l,t,r,b) along (l,t)..(r-1,b-1) and the brush
//   fills the inside; a box with no inside (1 by 1) draws nothing.
// - Polygon closes itself, fills by the alternate (even-odd) rule and is outlined
//   by the pen through exactly its points.
// - LineTo draws its start pixel and leaves out its end pixel.
// - Pen width 0 draws as 1. A width-1 dashed pen repeats its pattern (dash 18 on,
//   6 off; dot 3/3; dash-dot 9,6,3,6; dash-dot-dot 9,3,3,3,3,3), restarting at
//   each primitive and running on across its edges; the gaps are untouched under a
//   clear brush and take the brush colour under a solid one. A wider dashed pen
//   draws solid. A wider pen is centred on the outline, with round joins and ends.
// - psClear draws no outline; a clear brush fills nothing.
// - Everything is clipped to the state's Clip and the surface.
// The surface is not owned and must outlive the device.
#pragma once

#include "Graphics/Device.h"

namespace Graphics {

class TRasterDevice final : public TDevice {
 public:
  explicit TRasterDevice(TSurface& surface) : FSurface(surface) {}

  Types::TRect DeviceBounds() const override { return FSurface.Bounds(); }
  TSurface& Surface() { return FSurface; }

  void FillRect(const Types::TRect& r, const TDrawState& s) override;
  void Rectangle(const Types::TRect& r, const TDrawState& s) override;
  void RoundRect(const Types::TRect& r, int cornerWidth, int cornerHeight,
                 const TDrawState& s) override;
  void Ellipse(const Types::TRect& r, const TDrawState& s) override;
  void Polygon(std::span<const Types::TPoint> points, const TDrawState& s) override;
  void Polyline(std::span<const Types::TPoint> points, const TDrawState& s) override;
  void LineTo(Types::TPoint from, Types::TPoint to, const TDrawState& s) override;
  void TextOut(int x, int y, std::string_view text, const TDrawState& s) override;
  void Draw(int x, int y, const TPicture& picture, const TDrawState& s) override;
  void StretchDraw(const Types::TRect& r, const TPicture& picture,
                   const TDrawState& s) override;

 private:
  TSurface& FSurface;
};

}  // namespace Graphics
