// The form's canvas: the pixels the form paints in the designing state, shown at
// 1x or 2x; what changed is copied to the window's texture from the form's own
// paints. Over it the selection frame with eight grips.
//
// With the mouse: a click selects the control on top (Ctrl or Shift adds or
// removes it), a drag moves it or, from a grip, resizes it (an outline follows
// the mouse; the change is made, as one undo step, on release); a drag over the
// form itself selects the controls its band touches. With a palette
// class picked, a click places a control of its constructor's size and a drag
// places it in the dragged rectangle. Double-click runs the component editor's
// Edit; right-click opens the verbs and edit commands. Keys: arrows nudge (Shift:
// resize) by one pixel or the grid, Delete deletes.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "DesignerUi.h"
#include "Grips.h"
#include "ImGuiSdl.h"

namespace Designer {

class TPalette;

class TFormCanvas {
 public:
  TFormCanvas(TDesignerUi& ui, TPalette& palette);
  ~TFormCanvas();

  void Draw();
  // The edit commands of the menu and the context menu act through these.
  std::function<void()> OnCut, OnCopy, OnPaste, OnDelete;

  int Zoom() const { return FZoom; }
  void SetZoom(int zoom) { FZoom = zoom; }
  int Grid() const { return FGrid; }
  void SetGrid(int grid) { FGrid = grid; }
  // The form pixel (x, y) in window pixels: where tests and the screenshot find it.
  Types::TPoint WindowPoint(Types::TPoint formPoint) const;
  const TSurfaceTexture& Texture() const { return FTexture; }
  // Where the context menu drew the item `label` last (its text without "&"),
  // in window pixels; empty when it did not.
  Types::TRect MenuItemRect(const std::string& label) const;

 private:
  void Attach();
  void Upload();
  void Mouse(Types::TPoint at);
  void Keys();
  void DrawSelection(ImDrawList& list) const;
  void ContextMenu();
  void Finish(Types::TPoint at);
  Types::TRect OnScreen(const Types::TRect& r) const;
  Types::TPoint FormPoint(ImVec2 window) const;
  // The name of the topmost control at `p`, else the form's.
  std::string ControlAt(Types::TPoint p) const;
  Types::TRect BoundsOf(const std::string& name) const;

  TDesignerUi& FUi;
  TPalette& FPalette;
  TSurfaceTexture FTexture;
  Types::TRect FPending;  // painted since the last upload
  Forms::TForm* FAttached = nullptr;
  ImVec2 FOrigin{};
  int FZoom = 1;
  int FGrid = 0;
  // A drag in progress: what it holds, where it began (form pixels), the bounds
  // it started from and where the mouse is now.
  struct TDrag {
    Tools::TGrip Grip = Tools::TGrip::None;
    std::string Name;
    Types::TPoint From;
    Types::TRect Start;
    Types::TPoint Now;
    bool Placing = false;
  };
  std::optional<TDrag> FDrag;
  std::string FMenuFor;  // the component the context menu was opened on
  TItemRects FMenuItems;
};

}  // namespace Designer
