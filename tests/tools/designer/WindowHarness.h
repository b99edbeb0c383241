// The designer's window driven as a person would: events pushed onto SDL's queue
// (mouse moves, clicks, drags, keys, typed text) and frames stepped one by one.
// The window draws with SDL's software renderer on the offscreen video driver, so
// it needs no display and gives the same pixels everywhere; with SDL_VIDEODRIVER
// set (x11 under a virtual X server, as one CTest entry does) it opens a real window.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "DesignSession.h"
#include "DesignerWindow.h"
#include "Dialogs.h"
#include "WindowDialogs.h"

namespace DesignerTest {

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);  // unless a driver is named (x11 under Xvfb)
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

  static SDL_Event Motion(Types::TPoint p) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = p.X;
    e.motion.y = p.Y;
    return e;
  }
  static SDL_Event Press(Types::TPoint p, bool down, std::uint8_t button = SDL_BUTTON_LEFT,
                         int clicks = 1) {
    SDL_Event e{};
    e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    e.button.button = button;
    e.button.x = p.X;
    e.button.y = p.Y;
    e.button.clicks = static_cast<std::uint8_t>(clicks);
    return e;
  }
  static SDL_Event KeyEvent(SDL_Scancode code, bool down, std::uint16_t mod) {
    SDL_Event e{};
    e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.keysym.scancode = code;
    e.key.keysym.sym = SDL_GetKeyFromScancode(code);
    e.key.keysym.mod = mod;
    return e;
  }
  static SDL_Event TextEvent(const std::string& text) {
    SDL_Event e{};
    e.type = SDL_TEXTINPUT;
    SDL_strlcpy(e.text.text, text.c_str(), sizeof(e.text.text));
    return e;
  }

  void MoveTo(Types::TPoint p) {
    Push(Motion(p));
    Frames(1);
  }
  void Button(Types::TPoint p, bool down, std::uint8_t button = SDL_BUTTON_LEFT, int clicks = 1) {
    Push(Press(p, down, button, clicks));
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
    for (bool down : {true, false}) {
      Push(KeyEvent(code, down, mod));
      Frames(1);
    }
    SDL_SetModState(KMOD_NONE);
    Frames(1);
  }
  void Type(const std::string& text) {
    for (const std::string& piece : TextPieces(text)) Push(TextEvent(piece));
    Frames(1);
  }
  // Clicks into a text field and selects what it holds, so that typing replaces it.
  void SelectAllIn(Types::TPoint field) {
    Click(field);
    Key(SDL_SCANCODE_A, KMOD_LCTRL);
    Key(SDL_SCANCODE_LCTRL);  // let go, or the field takes no characters
  }
  // An SDL text event holds at most 31 bytes: longer text comes as several, cut
  // between UTF-8 sequences.
  static std::vector<std::string> TextPieces(const std::string& text) {
    std::vector<std::string> pieces;
    for (std::size_t at = 0; at < text.size();) {
      std::size_t end = std::min(text.size(), at + sizeof(SDL_TextInputEvent::text) - 1);
      while (end < text.size() && end > at && (text[end] & 0xC0) == 0x80) --end;
      pieces.push_back(text.substr(at, end - at));
      at = end;
    }
    return pieces;
  }
  static Types::TPoint Centre(const Types::TRect& r) {
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }

  // ---- while a modal box is up ----
  // A modal box draws frames of its own until it is answered, so what the person
  // does meanwhile is queued before the box is opened, and the box's per-frame
  // hook calls FeedModal: each step is one frame's input. Where to click is asked
  // when the step runs, as a box's items are known only once it drew them. When
  // the steps run out while a box stays up, the test fails and Escape is pressed
  // until the box goes, rather than waiting for ever.
  using TWhere = std::function<Types::TPoint()>;
  void QueueStep(std::function<void()> step) {
    idleModalFrames = 0;
    modalSteps.push_back(std::move(step));
  }
  void QueueFrames(int n) {
    for (int i = 0; i < n; ++i) QueueStep([] { Push(Wake()); });
  }
  // A click with `held` (Ctrl, Shift) held down around it, as the keyboard tells.
  void QueueClick(TWhere where, SDL_Scancode held = SDL_SCANCODE_UNKNOWN, int clicks = 1) {
    const std::uint16_t mod = held == SDL_SCANCODE_LCTRL    ? KMOD_LCTRL
                              : held == SDL_SCANCODE_LSHIFT ? KMOD_LSHIFT
                                                            : KMOD_NONE;
    auto at = std::make_shared<Types::TPoint>();
    QueueStep([=] {
      *at = where();
      if (held != SDL_SCANCODE_UNKNOWN) Push(KeyEvent(held, true, mod));
      Push(Motion(*at));
    });
    QueueStep([=] { Push(Press(*at, true, SDL_BUTTON_LEFT, clicks)); });
    QueueStep([=] { Push(Press(*at, false, SDL_BUTTON_LEFT, clicks)); });
    QueueStep(
        [=] { Push(held != SDL_SCANCODE_UNKNOWN ? KeyEvent(held, false, KMOD_NONE) : Wake()); });
  }
  void QueueKey(SDL_Scancode code) {
    QueueStep([=] { Push(KeyEvent(code, true, KMOD_NONE)); });
    QueueStep([=] { Push(KeyEvent(code, false, KMOD_NONE)); });
  }
  void QueueType(const std::string& text) {
    QueueStep([=] {
      for (const std::string& piece : TextPieces(text)) Push(TextEvent(piece));
    });
  }
  // For the file box a Ctrl shortcut opens: types `text` as its file name and
  // presses Enter.
  void QueueFileName(const std::string& text) {
    QueueKey(SDL_SCANCODE_LCTRL);  // the shortcut's Ctrl is let go
    QueueFrames(1);
    QueueClick([this] { return Centre(*window->Dialogs().ItemRect("File name")); });
    QueueType(text);
    QueueKey(SDL_SCANCODE_RETURN);
    QueueFrames(1);
  }

  std::unique_ptr<Tools::TDesignSession> session;
  std::unique_ptr<Designer::TDesignerWindow> window;
  std::deque<std::function<void()>> modalSteps;

  void FeedModal() {
    if (!modalSteps.empty()) {
      std::function<void()> step = std::move(modalSteps.front());
      modalSteps.pop_front();
      step();
      return;
    }
    if (++idleModalFrames == kModalPatience)
      ADD_FAILURE() << "a modal box stayed up with nothing more queued";
    if (idleModalFrames >= kModalPatience) {
      if (idleModalFrames > 2 * kModalPatience)
        throw std::runtime_error("a modal box does not go with Escape");
      Push(KeyEvent(SDL_SCANCODE_ESCAPE, idleModalFrames % 2 == 0, KMOD_NONE));
    } else {
      Push(Wake());
    }
  }

 private:
  static constexpr int kModalPatience = 120;  // frames with nothing queued

  // An event that only wakes the window for its next frame.
  static SDL_Event Wake() {
    SDL_Event e{};
    e.type = SDL_USEREVENT;
    return e;
  }
  int idleModalFrames = 0;
};

}  // namespace DesignerTest
