// What the designer window offers the panels drawn in it (palette, canvas,
// inspector, dialogs, run view).
//
// Panels draw inside an ImGui frame and must not change the form while drawing
// it: they hand each change to Later, which runs it once the frame is shown, so a
// change may open dialogs (RunModal) and replace the form (open, undo, paste)
// without a frame half built around it. An exception a change raises is shown to
// the user in a message box; the session has then changed nothing.
#pragma once

#include <functional>
#include <string>

#include "DesignSession.h"

struct SDL_Renderer;

namespace Designer {

class TDesignerUi {
 public:
  virtual ~TDesignerUi() = default;

  virtual Tools::TDesignSession& Session() = 0;
  // Runs `change` after the frame being drawn.
  virtual void Later(std::function<void()> change) = 0;
  // Draws frames, the window's panels greyed and `drawModal` over them, until
  // `drawModal` returns false; the form's timers go on meanwhile. Called outside
  // a frame: from a change, or from a dialog such a change opened.
  virtual void RunModal(const std::function<bool()>& drawModal) = 0;
  // For textures of the panels' own pictures (a preview, the palette's buttons).
  virtual SDL_Renderer* Renderer() = 0;
  // Asks for another frame soon: for panels whose picture moves without input.
  virtual void WantFrame() = 0;
};

}  // namespace Designer
