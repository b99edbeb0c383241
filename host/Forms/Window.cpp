#include "Forms/Window.h"

#include <SDL.h>

#include <algorithm>

#include "Platform/Clock.h"
#include "SysUtils.h"

namespace Forms {

bool DisplayNamed() {
  return SDL_getenv("DISPLAY") || SDL_getenv("WAYLAND_DISPLAY") || SDL_getenv("SDL_VIDEODRIVER");
}

void StartVideo(const std::string& what) {
  const std::string none = "no display to show " + what + " on";
  if (!DisplayNamed()) throw SysUtils::Exception(none + " (is DISPLAY set?)");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) FailVideo(none);
  // Without a display SDL falls back to drawing nowhere; a window has no use for
  // that unless it was asked for by name.
  const std::string driver = SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "";
  if ((driver == "offscreen" || driver == "dummy") && !SDL_getenv("SDL_VIDEODRIVER")) {
    SDL_Quit();
    throw SysUtils::Exception(none + " (is DISPLAY set?)");
  }
}

void FailVideo(const std::string& what) {
  std::string why = SDL_GetError();
  SDL_Quit();
  throw SysUtils::Exception(what + (why.empty() ? "" : ": " + why));
}

namespace {

Controls::TMouseButton ButtonOf(std::uint8_t b) {
  if (b == SDL_BUTTON_RIGHT) return Controls::mbRight;
  if (b == SDL_BUTTON_MIDDLE) return Controls::mbMiddle;
  return Controls::mbLeft;
}

Controls::TShiftState ShiftOf() {
  Controls::TShiftState s;
  SDL_Keymod mod = SDL_GetModState();
  if (mod & KMOD_SHIFT) s.Include(Controls::ssShift);
  if (mod & KMOD_CTRL) s.Include(Controls::ssCtrl);
  if (mod & KMOD_ALT) s.Include(Controls::ssAlt);
  return s;
}
}  // namespace

TWindow::TWindow(TForm& form) : FForm(form) {
  StartVideo("the form");
  int w = std::max(1, form.Width()), h = std::max(1, form.Height());
  FWindow = SDL_CreateWindow(form.Caption().c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                             w, h, 0);
  if (!FWindow) FailVideo("cannot open a window");
  FRenderer = SDL_CreateRenderer(FWindow, -1, 0);
  if (!FRenderer) FRenderer = SDL_CreateRenderer(FWindow, -1, SDL_RENDERER_SOFTWARE);
  if (!FRenderer) FailVideo("cannot draw in the window");
  // The surface's 0x00RRGGBB words are the texture's X8R8G8B8 pixels.
  FTexture =
      SDL_CreateTexture(FRenderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, w, h);
  if (!FTexture) FailVideo("cannot make the window's picture");
  FForm.OnPresent = [this](const Types::TRect& area) { Present(area); };
  FForm.PaintAll();
}

TWindow::~TWindow() {
  FForm.OnPresent = nullptr;
  if (FTexture) SDL_DestroyTexture(FTexture);
  if (FRenderer) SDL_DestroyRenderer(FRenderer);
  if (FWindow) SDL_DestroyWindow(FWindow);
  SDL_Quit();
}

void TWindow::Present(const Types::TRect& area) {
  const Graphics::TSurface& s = FForm.Surface();
  Types::TRect r = area.Intersect(s.Bounds());
  if (!r.IsEmpty()) {
    SDL_Rect rect{r.Left, r.Top, r.Width(), r.Height()};
    SDL_UpdateTexture(FTexture, &rect, s.Row(r.Top) + r.Left,
                      s.Stride() * static_cast<int>(sizeof(Graphics::TPixel)));
  }
  SDL_RenderClear(FRenderer);
  SDL_RenderCopy(FRenderer, FTexture, nullptr, nullptr);
  SDL_RenderPresent(FRenderer);
  ++FFramesShown;
}

bool TWindow::Handle(const void* raw) {
  const auto& e = *static_cast<const SDL_Event*>(raw);
  switch (e.type) {
    case SDL_QUIT:
      return false;
    case SDL_MOUSEBUTTONDOWN:
      FForm.MouseDown(ButtonOf(e.button.button), ShiftOf(), e.button.x, e.button.y);
      break;
    case SDL_MOUSEBUTTONUP:
      FForm.MouseUp(ButtonOf(e.button.button), ShiftOf(), e.button.x, e.button.y);
      break;
    case SDL_MOUSEMOTION:
      FForm.MouseMove(ShiftOf(), e.motion.x, e.motion.y);
      break;
    case SDL_WINDOWEVENT:
      if (e.window.event == SDL_WINDOWEVENT_EXPOSED) Present(FForm.Surface().Bounds());
      break;
    default:
      break;
  }
  return true;
}

bool TWindow::Pump(std::optional<std::int64_t> untilMs) {
  SDL_Event e;
  while (SDL_PollEvent(&e))
    if (!Handle(&e)) return false;
  std::int64_t now = Platform::Clock().NowMs();
  if (untilMs && *untilMs <= now) return true;
  int wait = untilMs ? static_cast<int>(std::min<std::int64_t>(*untilMs - now, 1 << 30)) : -1;
  if (wait < 0 ? SDL_WaitEvent(&e) : SDL_WaitEventTimeout(&e, wait)) {
    if (!Handle(&e)) return false;
  }
  return true;
}

Graphics::TSurface TWindow::ReadBack() const {
  Graphics::TSurface s(std::max(1, FForm.Width()), std::max(1, FForm.Height()));
  SDL_RenderReadPixels(FRenderer, nullptr, SDL_PIXELFORMAT_RGB888, s.Row(0),
                       s.Stride() * static_cast<int>(sizeof(Graphics::TPixel)));
  return s;
}

void TApplication::Run(TForm& mainForm) {
  TWindow window(mainForm);
  TEventSource* previous = FEventSource;
  FEventSource = &window;
  struct TRestore {
    TApplication& App;
    TEventSource* Source;
    ~TRestore() { App.FEventSource = Source; }
  } restore{*this, previous};
  Run();
}

}  // namespace Forms
