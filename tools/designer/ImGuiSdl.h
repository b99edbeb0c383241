// Dear ImGui on an SDL window and renderer: input from SDL events, drawing with
// SDL_RenderGeometry, textures for the designer's pictures.
//
// Input comes only from the events handed to Feed, never from polling SDL's
// global state, so events pushed onto the queue (as tests do) act exactly like
// a person's. One TImGuiSdl owns the ImGui context for its window.
#pragma once

#include <SDL.h>
#include <imgui.h>

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "Graphics/Surface.h"
#include "Types.h"

namespace Designer {

class TImGuiSdl {
 public:
  explicit TImGuiSdl(SDL_Renderer* renderer);
  ~TImGuiSdl();
  TImGuiSdl(const TImGuiSdl&) = delete;
  TImGuiSdl& operator=(const TImGuiSdl&) = delete;

  // Takes one event into ImGui's input; true when it may change what is shown.
  bool Feed(const SDL_Event& event);
  // Starts a frame `deltaSeconds` after the last one.
  void NewFrame(float deltaSeconds);
  // Ends the frame and draws it into the renderer (not yet presented).
  void Render();

 private:
  SDL_Renderer* FRenderer;
  SDL_Texture* FFont = nullptr;
  ImGuiContext* FContext = nullptr;
  // A button or key pressed and let go between two frames must still be down in
  // one of them, or ImGui never sees the click: presses are held for a frame.
  std::array<bool, 5> FMousePressed{};
  std::array<bool, 5> FMouseHeld{};
  std::array<bool, 512> FKeyPressed{};
  std::array<bool, 512> FKeyHeld{};
};

// The last item ImGui drew, in window pixels: where tests click, and panels
// remember.
Types::TRect LastItemRect();

// Where a panel drew its items this frame, by label: what tests click.
class TItemRects {
 public:
  void Clear() { FRects.clear(); }
  // Keeps where ImGui drew its last item, under `label`.
  void Record(const std::string& label) { FRects[label] = LastItemRect(); }
  std::optional<Types::TRect> Find(const std::string& label) const;
  // The item's rectangle; empty when it was not drawn.
  Types::TRect Rect(const std::string& label) const { return Find(label).value_or(Types::TRect{}); }
  std::vector<std::string> Labels() const;

 private:
  std::map<std::string, Types::TRect> FRects;
};

// A streaming texture holding a copy of a surface, updated by areas.
class TSurfaceTexture {
 public:
  explicit TSurfaceTexture(SDL_Renderer* renderer) : FRenderer(renderer) {}
  ~TSurfaceTexture();
  TSurfaceTexture(const TSurfaceTexture&) = delete;
  TSurfaceTexture& operator=(const TSurfaceTexture&) = delete;

  // Copies `area` of `surface` (the whole of it when the size changed).
  void Update(const Graphics::TSurface& surface, const Types::TRect& area);
  ImTextureID Id() const { return FTexture; }
  Types::TPoint Size() const { return {FWidth, FHeight}; }
  // Pixels copied since it was made: what invalidation saved shows here.
  std::int64_t PixelsUploaded() const { return FUploaded; }

 private:
  SDL_Renderer* FRenderer;
  SDL_Texture* FTexture = nullptr;
  int FWidth = 0;
  int FHeight = 0;
  std::int64_t FUploaded = 0;
};

}  // namespace Designer
