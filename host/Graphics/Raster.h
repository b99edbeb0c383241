// TRasterDevice: draws a canvas's calls into a TSurface, pixel-exactly by the
// platform's rules.
//
// - FillRect fills [Left, Right) x [Top, Bottom) with the brush; a reversed
//   rectangle fills nothing.
// - Rectangle, RoundRect and Ellipse swap reversed corners and leave out their right
//   and bottom bound. A width-1 pen outlines Rectangle(l,t,r,b) as one closed path
//   from (r-1,t) leftwards along the top row, down the left column, rightwards along
//   the bottom row and up the right column, and the brush fills (l+1,t+1) to
//   (r-1,b-1). A Rectangle 1 pixel wide or high is that path folded onto a line (its
//   pixels visited twice, the later visit showing); 1 by 1 or an empty box draws
//   nothing. RoundRect and Ellipse under 2 pixels wide or high draw nothing, 2 by 2
//   their four outline pixels. Without a pen (psClear) the brush fills the figure of
//   the box one pixel narrower and lower, as the platform does.
// - An ellipse holds the pixels whose centres lie inside the ellipse inscribed in
//   its box; every row and column keeps at least its middle pixels, so it touches
//   all four sides and is symmetric. A width-1 outline is the figure's pixels with
//   a 4-neighbour outside it (8-connected, no gaps); the brush fills the rest.
//   RoundRect's corners are quarters of the ellipse in a cornerWidth x cornerHeight
//   box, signs dropped and clamped to the box: under 2 either way they are square,
//   as big as the box they make the Ellipse.
// - Polygon closes itself and fills by the alternate (even-odd) rule, pixel (x, y)
//   sampled at the point (x, y) with left and top edges inside and right and bottom
//   ones out; the pen outlines it through exactly its points, as the closed
//   polyline of its LineTo segments.
// - LineTo draws its start pixel and leaves out its end pixel, stepping along the
//   longer axis (Bresenham); a line passing exactly halfway between two pixels takes
//   the one with the smaller other coordinate, whichever way it runs. Polyline is
//   its LineTo segments.
// - Pen width 0 draws as 1. A width-1 dashed pen repeats its pattern (dash 18 on,
//   6 off; dot 3/3; dash-dot 9,6,3,6; dash-dot-dot 9,3,3,3,3,3), restarting at
//   each primitive and running on across its edges: a Rectangle's along its path
//   above; a RoundRect's or Ellipse's clockwise from the left end of its top row
//   (along the top, down the right, back along the bottom, up the left), a choice
//   of ours that no recorded platform output confirms. The gaps are untouched under a
//   clear or hatched brush and take the brush colour under a solid one. A wider
//   dashed pen draws solid.
// - A pen w wide (w > 1) is centred on the outline: w / 2 pixels left of and above
//   it, (w - 1) / 2 right of and below it, with round joins and ends (a line covers
//   the pixels within w / 2 of its segment). On a figure it runs from the figure
//   grown that much to the figure shrunk that much, and the brush fills inside it.
//   psInsideFrame shrinks a figure's outline so that the pen ends at the box, and
//   a pen too wide for that paints the whole figure; elsewhere it draws as psSolid.
// - Pen modes work on the 24-bit colour of each pixel; the brush always copies.
//   Hatches are 8 by 8 patterns fixed to device pixels, in the brush colour over
//   what is there.
// - Draw copies a picture at true size; StretchDraw scales it by nearest neighbour,
//   source x = (x - Left) * width / destination width; both leave out the
//   picture's transparent value. An empty or mirrored StretchDraw draws nothing.
// - Everything is clipped to the state's Clip and the surface; any int coordinate
//   plus any origin is safe.
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
  void StretchDraw(const Types::TRect& r, const TPicture& picture, const TDrawState& s) override;

 private:
  TSurface& FSurface;
};

}  // namespace Graphics
