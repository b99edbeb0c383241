// The designer's window: a menu bar, the component palette, the form's canvas and
// the object inspector over one design session, in an SDL window drawn with Dear
// ImGui.
//
// The window is the application's event source while it runs, so the form's
// timers (a clock ticking, a film being tested) fire in the host's message loop
// and their paints reach the canvas; frames are drawn only after input, a paint
// or an animation a panel asked for, so an idle designer waits without drawing.
// Dialogs the host or an editor opens (messages, file choices) are modal boxes
// inside the window while it runs. Run (F9) shows the form as at run time in
// place of the canvas (RunView.h); the form's editing waits meanwhile.
#pragma once

#include <SDL.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "DesignerUi.h"
#include "Forms.h"
#include "Graphics/Surface.h"

namespace Designer {

class TImGuiSdl;
class TPalette;
class TFormCanvas;
class TInspector;
class TRunView;
class TWindowDialogs;

struct TWindowOptions {
  // Draw with SDL's software renderer: the same pixels on every machine.
  bool Software = false;
  int Width = 1280;
  int Height = 800;
};

class TDesignerWindow final : public TDesignerUi, public Forms::TEventSource {
 public:
  // Opens the window; raises SysUtils::Exception when there is no display.
  TDesignerWindow(Tools::TDesignSession& session, const TWindowOptions& options = {});
  ~TDesignerWindow() override;
  TDesignerWindow(const TDesignerWindow&) = delete;
  TDesignerWindow& operator=(const TDesignerWindow&) = delete;

  // Runs until the window is closed (unsaved work asked about first).
  void Run();
  // Takes the events waiting, draws one frame and runs the changes it asked for.
  void Step();
  // What the window shows now, drawn afresh.
  Graphics::TSurface Screenshot();

  // ---- TDesignerUi ----
  Tools::TDesignSession& Session() override { return FSession; }
  void Later(std::function<void()> change) override;
  void RunModal(const std::function<bool()>& drawModal) override;
  SDL_Renderer* Renderer() override { return FRenderer; }
  void WantFrame() override { FFramesWanted = std::max(FFramesWanted, 1); }

  // ---- Forms::TEventSource ----
  bool Pump(std::optional<std::int64_t> untilMs) override;

  TFormCanvas& Canvas() { return *FCanvas; }
  TPalette& Palette() { return *FPalette; }
  TInspector& Inspector() { return *FInspector; }
  TWindowDialogs& Dialogs() { return *FDialogs; }
  TRunView& RunView() { return *FRunView; }
  int FramesDrawn() const { return FFramesDrawn; }
  std::string Title() const { return SDL_GetWindowTitle(FWindow); }

 private:
  void Frame();
  void DrawPanels();
  void DrawMenu();
  void Shortcuts();
  // Starts the run view, or stops it.
  void ToggleRun();
  void TakeEvents();  // every event waiting, handled
  void Handle(const SDL_Event& e);
  void RunChanges();
  void UpdateTitle();
  // Asks whether to save unsaved work; false when the user cancels.
  bool MayDiscard();
  void OpenForm();
  void SaveForm(bool asNew);
  void Quit();

  Tools::TDesignSession& FSession;
  SDL_Window* FWindow = nullptr;
  SDL_Renderer* FRenderer = nullptr;
  std::unique_ptr<TImGuiSdl> FImGui;
  std::unique_ptr<TPalette> FPalette;
  std::unique_ptr<TFormCanvas> FCanvas;
  std::unique_ptr<TInspector> FInspector;
  std::unique_ptr<TRunView> FRunView;
  std::unique_ptr<TWindowDialogs> FDialogs;
  std::vector<std::function<void()>> FChanges;
  std::vector<std::function<bool()>> FModals;
  std::string FClipboard;
  std::uint64_t FLastFrameTicks = 0;
  std::uint64_t FLivelyUntil = 0;  // frames go on a moment after input (tooltips, fades)
  int FFramesWanted = 2;
  int FFramesDrawn = 0;
  bool FQuit = false;
};

}  // namespace Designer
