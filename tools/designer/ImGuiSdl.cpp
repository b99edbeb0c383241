#include "ImGuiSdl.h"

#include <algorithm>
#include <array>
#include <utility>

#include "SysUtils.h"

namespace Designer {

namespace {

// ImGui's named keys and the SDL scancodes that press them.
constexpr std::array<std::pair<ImGuiKey, SDL_Scancode>, 22> kKeys{{
    {ImGuiKey_Tab, SDL_SCANCODE_TAB},
    {ImGuiKey_LeftArrow, SDL_SCANCODE_LEFT},
    {ImGuiKey_RightArrow, SDL_SCANCODE_RIGHT},
    {ImGuiKey_UpArrow, SDL_SCANCODE_UP},
    {ImGuiKey_DownArrow, SDL_SCANCODE_DOWN},
    {ImGuiKey_PageUp, SDL_SCANCODE_PAGEUP},
    {ImGuiKey_PageDown, SDL_SCANCODE_PAGEDOWN},
    {ImGuiKey_Home, SDL_SCANCODE_HOME},
    {ImGuiKey_End, SDL_SCANCODE_END},
    {ImGuiKey_Insert, SDL_SCANCODE_INSERT},
    {ImGuiKey_Delete, SDL_SCANCODE_DELETE},
    {ImGuiKey_Backspace, SDL_SCANCODE_BACKSPACE},
    {ImGuiKey_Space, SDL_SCANCODE_SPACE},
    {ImGuiKey_Enter, SDL_SCANCODE_RETURN},
    {ImGuiKey_Escape, SDL_SCANCODE_ESCAPE},
    {ImGuiKey_KeyPadEnter, SDL_SCANCODE_KP_ENTER},
    {ImGuiKey_A, SDL_SCANCODE_A},
    {ImGuiKey_C, SDL_SCANCODE_C},
    {ImGuiKey_V, SDL_SCANCODE_V},
    {ImGuiKey_X, SDL_SCANCODE_X},
    {ImGuiKey_Y, SDL_SCANCODE_Y},
    {ImGuiKey_Z, SDL_SCANCODE_Z},
}};

int MouseIndex(std::uint8_t button) {
  switch (button) {
    case SDL_BUTTON_LEFT:
      return 0;
    case SDL_BUTTON_RIGHT:
      return 1;
    case SDL_BUTTON_MIDDLE:
      return 2;
    default:
      return -1;
  }
}

void UpdateModifiers(ImGuiIO& io) {
  const SDL_Keymod mod = SDL_GetModState();
  io.KeyShift = (mod & KMOD_SHIFT) != 0;
  io.KeyCtrl = (mod & KMOD_CTRL) != 0;
  io.KeyAlt = (mod & KMOD_ALT) != 0;
  io.KeySuper = (mod & KMOD_GUI) != 0;
}

const char* GetClipboard(void*) {
  static std::string text;
  char* clip = SDL_GetClipboardText();
  text = clip ? clip : "";
  SDL_free(clip);
  return text.c_str();
}

void SetClipboard(void*, const char* text) { SDL_SetClipboardText(text); }

}  // namespace

TImGuiSdl::TImGuiSdl(SDL_Renderer* renderer) : FRenderer(renderer) {
  IMGUI_CHECKVERSION();
  FContext = ImGui::CreateContext();
  ImGuiIO& io = ImGui::GetIO();
  io.IniFilename = nullptr;  // the layout is the program's, not a file's
  io.BackendPlatformName = "tollenspiegel-sdl";
  io.BackendRendererName = "tollenspiegel-sdl-renderer";
  io.BackendFlags |= ImGuiBackendFlags_RendererHasVtxOffset;
  for (auto [key, code] : kKeys) io.KeyMap[key] = code;
  io.GetClipboardTextFn = GetClipboard;
  io.SetClipboardTextFn = SetClipboard;
  ImGui::StyleColorsLight();

  unsigned char* pixels = nullptr;
  int w = 0, h = 0;
  io.Fonts->GetTexDataAsRGBA32(&pixels, &w, &h);
  FFont = SDL_CreateTexture(FRenderer, SDL_PIXELFORMAT_ABGR8888, SDL_TEXTUREACCESS_STATIC, w, h);
  if (FFont == nullptr)
    throw SysUtils::Exception(std::string("cannot make the designer's font: ") + SDL_GetError());
  SDL_UpdateTexture(FFont, nullptr, pixels, 4 * w);
  SDL_SetTextureBlendMode(FFont, SDL_BLENDMODE_BLEND);
  SDL_SetTextureScaleMode(FFont, SDL_ScaleModeLinear);
  io.Fonts->SetTexID(FFont);
}

TImGuiSdl::~TImGuiSdl() {
  ImGui::DestroyContext(FContext);
  if (FFont) SDL_DestroyTexture(FFont);
}

bool TImGuiSdl::Feed(const SDL_Event& e) {
  ImGuiIO& io = ImGui::GetIO();
  switch (e.type) {
    case SDL_MOUSEMOTION:
      io.MousePos = ImVec2(static_cast<float>(e.motion.x), static_cast<float>(e.motion.y));
      return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      io.MousePos = ImVec2(static_cast<float>(e.button.x), static_cast<float>(e.button.y));
      const int i = MouseIndex(e.button.button);
      if (i >= 0) {
        FMouseHeld[i] = e.type == SDL_MOUSEBUTTONDOWN;
        FMousePressed[i] = FMousePressed[i] || FMouseHeld[i];
      }
      return true;
    }
    case SDL_MOUSEWHEEL:
      io.MouseWheel += static_cast<float>(e.wheel.y);
      io.MouseWheelH += static_cast<float>(e.wheel.x);
      return true;
    case SDL_TEXTINPUT:
      io.AddInputCharactersUTF8(e.text.text);
      return true;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      if (const auto code = static_cast<std::size_t>(e.key.keysym.scancode);
          code < FKeyHeld.size()) {
        FKeyHeld[code] = e.type == SDL_KEYDOWN;
        FKeyPressed[code] = FKeyPressed[code] || FKeyHeld[code];
      }
      io.KeyShift = (e.key.keysym.mod & KMOD_SHIFT) != 0;
      io.KeyCtrl = (e.key.keysym.mod & KMOD_CTRL) != 0;
      io.KeyAlt = (e.key.keysym.mod & KMOD_ALT) != 0;
      io.KeySuper = (e.key.keysym.mod & KMOD_GUI) != 0;
      return true;
    case SDL_WINDOWEVENT:
      if (e.window.event == SDL_WINDOWEVENT_LEAVE) io.MousePos = ImVec2(-FLT_MAX, -FLT_MAX);
      if (e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) UpdateModifiers(io);
      return true;
    default:
      return false;
  }
}

void TImGuiSdl::NewFrame(float deltaSeconds) {
  ImGuiIO& io = ImGui::GetIO();
  int w = 0, h = 0;
  SDL_GetRendererOutputSize(FRenderer, &w, &h);
  io.DisplaySize = ImVec2(static_cast<float>(w), static_cast<float>(h));
  io.DeltaTime = std::max(deltaSeconds, 1e-4f);
  for (std::size_t i = 0; i < FMouseHeld.size(); ++i) {
    io.MouseDown[i] = FMousePressed[i] || FMouseHeld[i];
    FMousePressed[i] = false;
  }
  for (std::size_t i = 0; i < FKeyHeld.size(); ++i) {
    io.KeysDown[i] = FKeyPressed[i] || FKeyHeld[i];
    FKeyPressed[i] = false;
  }
  ImGui::NewFrame();
}

void TImGuiSdl::Render() {
  ImGui::Render();
  const ImDrawData* data = ImGui::GetDrawData();
  SDL_SetRenderDrawColor(FRenderer, 236, 236, 236, 255);
  SDL_RenderClear(FRenderer);
  for (int n = 0; n < data->CmdListsCount; ++n) {
    const ImDrawList* list = data->CmdLists[n];
    const ImDrawVert* vertices = list->VtxBuffer.Data;
    const ImDrawIdx* indices = list->IdxBuffer.Data;
    for (const ImDrawCmd& cmd : list->CmdBuffer) {
      if (cmd.UserCallback) {
        cmd.UserCallback(list, &cmd);
        continue;
      }
      const ImVec4 c = cmd.ClipRect;
      if (c.z <= c.x || c.w <= c.y) continue;
      SDL_Rect clip{static_cast<int>(c.x), static_cast<int>(c.y), static_cast<int>(c.z - c.x),
                    static_cast<int>(c.w - c.y)};
      SDL_RenderSetClipRect(FRenderer, &clip);
      const ImDrawVert* v = vertices + cmd.VtxOffset;
      constexpr int stride = sizeof(ImDrawVert);
      // ImGui's colours are R, G, B, A bytes, as SDL_Color.
      SDL_RenderGeometryRaw(FRenderer, static_cast<SDL_Texture*>(cmd.GetTexID()), &v->pos.x, stride,
                            reinterpret_cast<const SDL_Color*>(&v->col), stride, &v->uv.x, stride,
                            list->VtxBuffer.Size - static_cast<int>(cmd.VtxOffset),
                            indices + cmd.IdxOffset, static_cast<int>(cmd.ElemCount),
                            sizeof(ImDrawIdx));
    }
  }
  SDL_RenderSetClipRect(FRenderer, nullptr);
}

TSurfaceTexture::~TSurfaceTexture() {
  if (FTexture) SDL_DestroyTexture(FTexture);
}

void TSurfaceTexture::Update(const Graphics::TSurface& surface, const Types::TRect& area) {
  Types::TRect r = area;
  if (surface.Width() != FWidth || surface.Height() != FHeight || FTexture == nullptr) {
    if (FTexture) SDL_DestroyTexture(FTexture);
    FWidth = surface.Width();
    FHeight = surface.Height();
    // The surface's 0x00RRGGBB words are the texture's X8R8G8B8 pixels.
    FTexture = SDL_CreateTexture(FRenderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                 std::max(1, FWidth), std::max(1, FHeight));
    if (FTexture == nullptr)
      throw SysUtils::Exception(std::string("cannot make the form's picture: ") + SDL_GetError());
    SDL_SetTextureScaleMode(FTexture, SDL_ScaleModeNearest);
    r = surface.Bounds();
  }
  r = r.Intersect(surface.Bounds());
  if (r.IsEmpty()) return;
  SDL_Rect rect{r.Left, r.Top, r.Width(), r.Height()};
  SDL_UpdateTexture(FTexture, &rect, surface.Row(r.Top) + r.Left,
                    surface.Stride() * static_cast<int>(sizeof(Graphics::TPixel)));
  FUploaded += static_cast<std::int64_t>(r.Width()) * r.Height();
}

Types::TRect LastItemRect() {
  const ImVec2 a = ImGui::GetItemRectMin(), b = ImGui::GetItemRectMax();
  return {static_cast<int>(a.x), static_cast<int>(a.y), static_cast<int>(b.x),
          static_cast<int>(b.y)};
}

std::optional<Types::TRect> TItemRects::Find(const std::string& label) const {
  auto it = FRects.find(label);
  if (it == FRects.end()) return std::nullopt;
  return it->second;
}

std::vector<std::string> TItemRects::Labels() const {
  std::vector<std::string> labels;
  for (const auto& [label, rect] : FRects) labels.push_back(label);
  return labels;
}

}  // namespace Designer
