// Controls: TControl, the windowless TGraphicControl, and TWinControl, the parent
// that holds controls.
//
// A control lives in its parent's client coordinates; Left/Top place it there. A
// change of size or place takes effect at once and repaints; setting the value it
// already has does nothing. Invalidate asks the parent for a later paint of the
// control's area; Repaint paints that area at once. Controls own nothing of their
// parent: a parent destroys the controls it still holds when it is destroyed (each
// leaves its owner's list as it goes).
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Classes.h"
#include "Graphics.h"
#include "TypInfo.h"
#include "Types.h"

namespace Controls {

using Classes::TComponent;
using System::TObject;

enum class TControlStyleFlag {
  csAcceptsControls,
  csCaptureMouse,
  csDesignInteractive,
  csClickEvents,
  csFramed,
  csSetCaption,
  csOpaque,
  csDoubleClicks,
  csFixedWidth,
  csFixedHeight,
  csNoDesignVisible,
  csReplicatable,
  csNoStdEvents,
  csDisplayDragImage,
  csReflector
};
using TControlStyle = System::TSet<TControlStyleFlag>;
using enum TControlStyleFlag;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
enum class TShiftStateFlag { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = System::TSet<TShiftStateFlag>;
TOLLEN_ENUM(TDragMode, int, dmManual, dmAutomatic);
enum class TDragState { dsDragEnter, dsDragLeave, dsDragMove };
using enum TMouseButton;
using enum TShiftStateFlag;
using enum TDragState;

using TCursor = int;
// The stock cursors. Form files write a cursor by its name and read the name or
// the number; crSize is read as crSizeAll, the name written for -22.
inline constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4,
                         crSizeNESW = -6, crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9,
                         crUpArrow = -10, crHourGlass = -11, crDrag = -12, crNoDrop = -13,
                         crHSplit = -14, crVSplit = -15, crMultiDrag = -16, crSQLWait = -17,
                         crNo = -18, crAppStart = -19, crHelp = -20, crHandPoint = -21,
                         crSizeAll = -22;

using TMouseEvent = Classes::TEvent<TObject*, TMouseButton, TShiftState, int, int>;
using TMouseMoveEvent = Classes::TEvent<TObject*, TShiftState, int, int>;
using TDragDropEvent = Classes::TEvent<TObject*, TObject*, int, int>;
using TDragOverEvent = Classes::TEvent<TObject*, TObject*, int, int, TDragState, bool&>;
using TEndDragEvent = Classes::TEvent<TObject*, TObject*, int, int>;

class TWinControl;

class TControl : public TComponent {
  TOLLEN_CLASS(TControl)
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetLeft(int value) { SetBounds(value, FTop, FWidth, FHeight); }
  void SetTop(int value) { SetBounds(FLeft, value, FWidth, FHeight); }
  void SetWidth(int value) { SetBounds(FLeft, FTop, value, FHeight); }
  void SetHeight(int value) { SetBounds(FLeft, FTop, FWidth, value); }
  virtual void SetBounds(int left, int top, int width, int height);
  Types::TRect BoundsRect() const { return Types::Bounds(FLeft, FTop, FWidth, FHeight); }
  virtual Types::TRect GetClientRect() const { return {0, 0, FWidth, FHeight}; }
  int ClientWidth() const { return GetClientRect().Width(); }
  int ClientHeight() const { return GetClientRect().Height(); }

  bool Visible() const { return FVisible; }
  void SetVisible(bool value);
  void Show();
  void Hide();

  const std::string& Text() const { return FText; }
  void SetText(const std::string& value);
  const std::string& Caption() const { return FText; }
  void SetCaption(const std::string& value) { SetText(value); }

  Graphics::TFont& Font() { return *FFont; }
  const Graphics::TFont& Font() const { return *FFont; }
  void SetFont(const Graphics::TFont& font) { FFont->Assign(&font); }
  Graphics::TColor Color() const { return FColor; }
  void SetColor(Graphics::TColor value);
  // While on, the control takes its parent's font (or colour) and follows it; setting
  // the control's own font (or colour) turns it off.
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool value);
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool value);

  TWinControl* Parent() const { return FParent; }
  virtual void SetParent(TWinControl* parent);
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;

  TControlStyle& ControlStyle() { return FControlStyle; }
  const TControlStyle& ControlStyle() const { return FControlStyle; }

  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor value) { FCursor = value; }
  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& value) { FHint = value; }
  TCursor DragCursor() const { return FDragCursor; }
  void SetDragCursor(TCursor value) { FDragCursor = value; }
  TDragMode DragMode() const { return FDragMode; }
  void SetDragMode(TDragMode value) { FDragMode = value; }

  // Asks for a later paint of this control's area; painting at once, for Repaint.
  virtual void Invalidate();
  virtual void Repaint();
  // Whether the control is drawn where it stands: visible, or in the designer.
  bool Showing() const;

  // Input, as the parent delivers it, in this control's client coordinates.
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void Click();
  virtual void DblClick();
  virtual void DragOver(TObject* source, int x, int y, TDragState state, bool& accept);
  virtual void DragDrop(TObject* source, int x, int y);
  virtual void EndDrag(TObject* target, int x, int y);

  Classes::TNotifyEvent OnClick;
  Classes::TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TDragDropEvent OnDragDrop;
  TDragOverEvent OnDragOver;
  TEndDragEvent OnEndDrag;

 protected:
  // Hooks for subclasses, after the change has been stored.
  virtual void TextChanged() {}
  virtual void FontChanged() { Invalidate(); }
  virtual void ColorChanged() { Invalidate(); }
  virtual void VisibleChanging() {}
  // The parent's font or colour changed, or the control got a new parent.
  void ParentFontChanged();
  void ParentColorChanged();

  TControlStyle FControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};

 private:
  friend class TWinControl;
  int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  bool FVisible = true;
  bool FClicked = false;
  std::string FText;
  std::unique_ptr<Graphics::TFont> FFont;
  Graphics::TColor FColor = Graphics::clWindow;
  bool FParentFont = true;
  bool FParentColor = true;
  bool FTakingParentFont = false;
  TWinControl* FParent = nullptr;
  TCursor FCursor = crDefault;
  std::string FHint;
  TCursor FDragCursor = crDrag;
  TDragMode FDragMode = dmManual;
};

// A control without a window of its own: it paints on its parent's surface
// through Canvas, which is usable inside Paint and in timer handlers.
class TGraphicControl : public TControl {
  TOLLEN_CLASS(TGraphicControl)
 public:
  explicit TGraphicControl(TComponent* owner);
  ~TGraphicControl() override;

  // The canvas, placed on the parent's surface over this control's area.
  Graphics::TCanvas& Canvas();
  virtual void Paint() {}

  // The parent paints the control through this: canvas placed, clipped to `clip`
  // (in the device's pixels), then Paint.
  void PaintControl(Graphics::TDevice& device, Types::TPoint origin, const Types::TRect& clip);

 private:
  std::unique_ptr<Graphics::TCanvas> FCanvas;
  bool FPainting = false;
};

class TWinControl : public TControl {
  TOLLEN_CLASS(TWinControl)
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  int ControlCount() const { return static_cast<int>(FControls.size()); }
  TControl* Controls(int index) const { return FControls.at(index); }
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  // The topmost shown control whose bounds hold the point (client coordinates).
  TControl* ControlAtPos(Types::TPoint p) const;

  // Marks part of the client area (client coordinates) as needing a paint.
  virtual void InvalidateRect(const Types::TRect& r);
  // Paints what is pending at once.
  virtual void Update();
  // Where this window's client area lies on the drawing device, and the device.
  virtual Graphics::TDevice* PaintDevice();
  virtual Types::TPoint ClientOrigin() const;

 protected:
  void FontChanged() override;
  void ColorChanged() override;
  // Tells the controls that follow this one's font or colour.
  void NotifyControls(bool font, bool color);
  // Paints the area `r` (client coordinates): background, then the controls in
  // order, each clipped to its bounds.
  void PaintArea(const Types::TRect& r);
  virtual void PaintBackground(Graphics::TCanvas& canvas, const Types::TRect& r);
  void PaintControls(const Types::TRect& r);

 private:
  std::vector<TControl*> FControls;  // in painting order; not owned
  std::unique_ptr<Graphics::TCanvas> FCanvas;
};

// Published property entries that descendants republish with the host's accessors.
namespace Published {
TypInfo::TPropInfo Left();
TypInfo::TPropInfo Top();
TypInfo::TPropInfo Width(std::optional<std::int64_t> def = std::nullopt);
TypInfo::TPropInfo Height(std::optional<std::int64_t> def = std::nullopt);
TypInfo::TPropInfo Cursor();
TypInfo::TPropInfo Hint();
TypInfo::TPropInfo Visible();
TypInfo::TPropInfo Caption();
TypInfo::TPropInfo Color(std::optional<std::int64_t> def = Graphics::clWindow);
TypInfo::TPropInfo Font();
TypInfo::TPropInfo ParentColor();
TypInfo::TPropInfo ParentFont();
TypInfo::TPropInfo DragCursor();
TypInfo::TPropInfo DragMode();
TypInfo::TPropInfo OnClick();
TypInfo::TPropInfo OnDblClick();
TypInfo::TPropInfo OnDragDrop();
TypInfo::TPropInfo OnDragOver();
TypInfo::TPropInfo OnEndDrag();
TypInfo::TPropInfo OnMouseDown();
TypInfo::TPropInfo OnMouseMove();
TypInfo::TPropInfo OnMouseUp();
// OnClick, OnDblClick, OnDragDrop, OnDragOver, OnEndDrag, OnMouseDown, OnMouseMove
// and OnMouseUp, in this order, as most controls republish them.
std::vector<TypInfo::TPropInfo> ClickDragAndMouseEvents();
}  // namespace Published

const TypInfo::TTypeInfo* CursorType();
const TypInfo::TTypeInfo* DragModeType();

}  // namespace Controls
