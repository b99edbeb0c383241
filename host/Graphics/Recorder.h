// TRecorder: a device that keeps every call with its arguments and the drawing
// state in force, for tests of geometry; it may pass each call on to another device
// so pixels are drawn as well.
#pragma once

#include <string>
#include <vector>

#include "Graphics/Device.h"

namespace Graphics {

enum class TCallKind {
  FillRect,
  Rectangle,
  RoundRect,
  Ellipse,
  Polygon,
  Polyline,
  LineTo,
  TextOut,
  Draw,
  StretchDraw
};

struct TCall {
  TCallKind Kind;
  Types::TRect Rect;                      // the box; for Draw the picture's place at true size
  std::vector<Types::TPoint> Points;      // Polygon, Polyline; LineTo: from, to
  int CornerWidth = 0, CornerHeight = 0;  // RoundRect
  std::string Text;                       // TextOut
  TDrawState State;
};

class TRecorder final : public TDevice {
 public:
  // Records only, on a device of the given size.
  explicit TRecorder(Types::TRect bounds = {0, 0, 32768, 32768}) : FBounds(bounds) {}
  // Records and passes every call on to `next` (not owned), whose bounds it takes
  // as they are at each call (a form's surface is sized at its paints).
  explicit TRecorder(TDevice& next) : FNext(&next) {}

  const std::vector<TCall>& Calls() const { return FCalls; }
  void Clear() { FCalls.clear(); }

  Types::TRect DeviceBounds() const override { return FNext ? FNext->DeviceBounds() : FBounds; }
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
  TCall& Add(TCallKind kind, const TDrawState& s);

  Types::TRect FBounds;
  TDevice* FNext = nullptr;
  std::vector<TCall> FCalls;
};

}  // namespace Graphics
