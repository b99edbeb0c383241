// A window of the platform (SDL2) that shows a form and feeds it input.
//
// The window holds a texture of the form's surface; each paint the form reports
// (OnPresent) updates just that area of the texture and shows the frame. Input
// arrives through Pump, which the application's loop calls while it waits for the
// next timer.
//
// The window stands above the rest of Forms, so TApplication::Run(TForm&), which
// opens one, is carried out here.
#pragma once

#include <memory>
#include <string>

#include "Forms.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;

namespace Forms {

// Whether a display is named at all: DISPLAY, WAYLAND_DISPLAY or SDL_VIDEODRIVER.
bool DisplayNamed();
// Starts SDL's video for a window to show `what` on ("the form"). Without a display,
// or with only SDL's drawing-nowhere drivers when none was asked for by name, it
// raises SysUtils::Exception with SDL stopped again.
void StartVideo(const std::string& what);
// Stops SDL (and every window it holds) and raises SysUtils::Exception: `what` and
// SDL's reason.
[[noreturn]] void FailVideo(const std::string& what);

class TWindow final : public TEventSource {
 public:
  // Opens a window for `form`; raises SysUtils::Exception when there is no display.
  explicit TWindow(TForm& form);
  ~TWindow() override;
  TWindow(const TWindow&) = delete;
  TWindow& operator=(const TWindow&) = delete;

  bool Pump(std::optional<std::int64_t> untilMs) override;

  // The picture the window shows now, read back from the renderer.
  Graphics::TSurface ReadBack() const;
  int FramesShown() const { return FFramesShown; }

 private:
  void Present(const Types::TRect& area);
  bool Handle(const void* event);

  TForm& FForm;
  SDL_Window* FWindow = nullptr;
  SDL_Renderer* FRenderer = nullptr;
  SDL_Texture* FTexture = nullptr;
  int FFramesShown = 0;
};

}  // namespace Forms
