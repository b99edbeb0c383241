// The designer's window driven as a person would: events pushed onto SDL's queue
// (mouse moves, clicks, drags, keys, typed text) and frames stepped one by one.
// The window draws with SDL's software renderer on the offscreen video driver, so
// it needs no display and gives the same pixels everywhere.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "DesignSession.h"
#include "DesignerWindow.h"
#include "Dialogs.h"

namespace DesignerTest {

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    Tools::RegisterForDesign();
    session = std::make_unique<Tools::TDesignSession>();
    window = std::make_unique<Designer::TDesignerWindow>(
        *session, Designer::TWindowOptions{.Software = true});
    Frames(3);
  }
  void TearDown() override {
    window.reset();
    session.reset();
  }

  void Frames(int n = 2) {
    for (int i = 0; i < n; ++i) window->Step();
  }
  static void Push(SDL_Event e) { SDL_PushEvent(&e); }

  void MoveTo(Types::TPoint p) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = p.X;
    e.motion.y = p.Y;
    Push(e);
    Frames(1);
  }
  void Button(Types::TPoint p, bool down, std::uint8_t button = SDL_BUTTON_LEFT, int clicks = 1) {
    SDL_Event e{};
    e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    e.button.button = button;
    e.button.x = p.X;
    e.button.y = p.Y;
    e.button.clicks = static_cast<std::uint8_t>(clicks);
    Push(e);
    Frames(1);
  }
  // A click takes a frame for each of move, press and release, as ImGui sees them.
  void Click(Types::TPoint p, std::uint8_t button = SDL_BUTTON_LEFT) {
    MoveTo(p);
    Button(p, true, button);
    Button(p, false, button);
    Frames(2);
  }
  void DoubleClick(Types::TPoint p) {
    Click(p);
    Button(p, true, SDL_BUTTON_LEFT, 2);
    Button(p, false, SDL_BUTTON_LEFT, 2);
    Frames(2);
  }
  void Drag(Types::TPoint from, Types::TPoint to) {
    MoveTo(from);
    Button(from, true);
    MoveTo({(from.X + to.X) / 2, (from.Y + to.Y) / 2});
    MoveTo(to);
    Button(to, false);
    Frames(2);
  }
  void Key(SDL_Scancode code, std::uint16_t mod = KMOD_NONE) {
    SDL_SetModState(static_cast<SDL_Keymod>(mod));
    for (Uint32 type : {SDL_KEYDOWN, SDL_KEYUP}) {
      SDL_Event e{};
      e.type = type;
      e.key.keysym.scancode = code;
      e.key.keysym.sym = SDL_GetKeyFromScancode(code);
      e.key.keysym.mod = mod;
      Push(e);
      Frames(1);
    }
    SDL_SetModState(KMOD_NONE);
    Frames(1);
  }
  void Type(const std::string& text) {
    SDL_Event e{};
    e.type = SDL_TEXTINPUT;
    SDL_strlcpy(e.text.text, text.c_str(), sizeof(e.text.text));
    Push(e);
    Frames(1);
  }
  static Types::TPoint Centre(const Types::TRect& r) {
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }

  std::unique_ptr<Tools::TDesignSession> session;
  std::unique_ptr<Designer::TDesignerWindow> window;
};

}  // namespace DesignerTest
