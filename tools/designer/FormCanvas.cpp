#include "FormCanvas.h"

#include <algorithm>
#include <cctype>

#include "Controls.h"
#include "Palette.h"
#include "SysUtils.h"

namespace Designer {

namespace {

constexpr float kMargin = 8;
constexpr ImU32 kFrameColour = IM_COL32(0, 0, 0, 255);
constexpr ImU32 kGripColour = IM_COL32(0, 0, 0, 255);
constexpr ImU32 kOutlineColour = IM_COL32(40, 40, 200, 255);

// A verb's text without its "&" and the letter the "&" marks ("" when none).
std::pair<std::string, std::string> VerbLabel(const std::string& verb) {
  std::string label, accelerator;
  for (std::size_t i = 0; i < verb.size(); ++i) {
    if (verb[i] == '&' && i + 1 < verb.size()) {
      if (verb[i + 1] != '&' && accelerator.empty())
        accelerator = std::string(
            1, static_cast<char>(std::toupper(static_cast<unsigned char>(verb[i + 1]))));
      ++i;
    }
    label += verb[i];
  }
  return {label, accelerator};
}

bool AcceleratorPressed(const std::string& accelerator) {
  if (accelerator.empty()) return false;
  const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(accelerator[0])));
  const SDL_Scancode code = SDL_GetScancodeFromKey(static_cast<SDL_Keycode>(c));
  return code != SDL_SCANCODE_UNKNOWN && ImGui::IsKeyPressed(code, false);
}

}  // namespace

TFormCanvas::TFormCanvas(TDesignerUi& ui, TPalette& palette)
    : FUi(ui), FPalette(palette), FTexture(ui.Renderer()) {}

TFormCanvas::~TFormCanvas() {
  // A form replaced since it was attached is gone; only the current one holds us.
  Forms::TForm& form = FUi.Session().Form();
  if (&form == FAttached) form.OnPresent = nullptr;
}

void TFormCanvas::Attach() {
  Forms::TForm& form = FUi.Session().Form();
  if (FAttached == &form && form.OnPresent) return;
  FAttached = &form;
  form.OnPresent = [this](const Types::TRect& area) {
    FPending = FPending.Union(area);
    FUi.WantFrame();
  };
  form.Invalidate();  // its paint reaches the texture through OnPresent
}

void TFormCanvas::Upload() {
  if (FPending.IsEmpty()) return;
  FTexture.Update(FAttached->Surface(), FPending);
  FPending = {};
}

Types::TRect TFormCanvas::OnScreen(const Types::TRect& r) const {
  const Types::TPoint a = WindowPoint({r.Left, r.Top}), b = WindowPoint({r.Right, r.Bottom});
  return {a.X, a.Y, b.X, b.Y};
}

Types::TPoint TFormCanvas::WindowPoint(Types::TPoint p) const {
  return {static_cast<int>(FOrigin.x) + p.X * FZoom, static_cast<int>(FOrigin.y) + p.Y * FZoom};
}

Types::TPoint TFormCanvas::FormPoint(ImVec2 w) const {
  auto floorDiv = [this](float v) {
    return static_cast<int>(std::floor(v / static_cast<float>(FZoom)));
  };
  return {floorDiv(w.x - FOrigin.x), floorDiv(w.y - FOrigin.y)};
}

Types::TRect TFormCanvas::BoundsOf(const std::string& name) const {
  Tools::TDesignSession& s = FUi.Session();
  if (SysUtils::SameText(name, s.Form().Name())) return {};
  auto* c = dynamic_cast<Controls::TControl*>(&s.Component(name));
  if (c == nullptr) return {};
  return c->BoundsRect();
}

std::string TFormCanvas::ControlAt(Types::TPoint p) const {
  Tools::TDesignSession& s = FUi.Session();
  const std::vector<std::string> names = s.ComponentNames();
  // The form draws its controls in order, so the last one holding p is on top.
  for (auto it = names.rbegin(); it != names.rend(); ++it)
    if (BoundsOf(*it).Contains(p)) return *it;
  return s.Form().Name();
}

void TFormCanvas::Draw() {
  Attach();
  Upload();
  ImGui::BeginChild("canvas", ImVec2(0, 0), true,
                    ImGuiWindowFlags_HorizontalScrollbar | ImGuiWindowFlags_NoMove);
  const ImVec2 start = ImGui::GetCursorScreenPos();
  FOrigin = ImVec2(std::floor(start.x + kMargin), std::floor(start.y + kMargin));
  const Types::TPoint size = FTexture.Size();
  const ImVec2 shown(static_cast<float>(size.X * FZoom), static_cast<float>(size.Y * FZoom));
  ImGui::SetCursorScreenPos(FOrigin);
  ImGui::Image(FTexture.Id(), shown);
  ImGui::SetCursorScreenPos(FOrigin);
  ImGui::InvisibleButton("form", ImVec2(std::max(shown.x, 1.f), std::max(shown.y, 1.f)),
                         ImGuiButtonFlags_MouseButtonLeft | ImGuiButtonFlags_MouseButtonRight);
  const bool hovered = ImGui::IsItemHovered();
  const Types::TPoint at = FormPoint(ImGui::GetIO().MousePos);
  if (hovered || FDrag) Mouse(at);
  if (ImGui::IsWindowFocused()) Keys();
  DrawSelection(*ImGui::GetWindowDrawList());
  ContextMenu();
  ImGui::Dummy(ImVec2(kMargin, kMargin));
  ImGui::EndChild();
}

void TFormCanvas::Mouse(Types::TPoint at) {
  Tools::TDesignSession& s = FUi.Session();
  if (ImGui::IsMouseDoubleClicked(ImGuiMouseButton_Left) && !FDrag) {
    const std::string name = ControlAt(at);
    if (name != s.Form().Name()) FUi.Later([&s, name] { s.DoubleClick(name); });
    return;
  }
  if (ImGui::IsMouseClicked(ImGuiMouseButton_Left)) {
    if (!FPalette.Picked().empty()) {
      FDrag = TDrag{Tools::TGrip::None, FPalette.Picked(), at, {}, at, true};
      return;
    }
    const std::vector<std::string>& selection = s.Selection();
    if (selection.size() == 1) {
      const Types::TRect bounds = BoundsOf(selection[0]);
      const Tools::TGrip grip = Tools::GripAt(bounds, at);
      if (grip != Tools::TGrip::None && grip != Tools::TGrip::Body) {
        FDrag = TDrag{grip, selection[0], at, bounds, at, false};
        return;
      }
    }
    const std::string name = ControlAt(at);
    const bool adding = ImGui::GetIO().KeyCtrl || ImGui::GetIO().KeyShift;
    std::vector<std::string> chosen{name};
    const bool held = std::find(selection.begin(), selection.end(), name) != selection.end();
    if (adding && name != s.Form().Name()) {
      chosen = selection;
      std::erase(chosen, s.Form().Name());
      if (held)
        std::erase(chosen, name);
      else
        chosen.push_back(name);
    } else if (held) {
      chosen = selection;  // a drag moves everything selected
    }
    FUi.Later([&s, chosen] { s.Select(chosen); });
    if (name != s.Form().Name() && !adding)
      FDrag = TDrag{Tools::TGrip::Body, name, at, BoundsOf(name), at, false};
    else if (name == s.Form().Name())
      FDrag = TDrag{Tools::TGrip::None, "", at, {}, at, false};  // a band to select with
    return;
  }
  if (ImGui::IsMouseClicked(ImGuiMouseButton_Right)) {
    FMenuFor = ControlAt(at);
    const std::vector<std::string>& selection = s.Selection();
    if (std::find(selection.begin(), selection.end(), FMenuFor) == selection.end())
      FUi.Later([&s, name = FMenuFor] { s.Select({name}); });
    ImGui::OpenPopup("component");
    return;
  }
  if (!FDrag) return;
  FDrag->Now = at;
  FUi.WantFrame();
  if (ImGui::IsMouseReleased(ImGuiMouseButton_Left)) Finish(at);
}

void TFormCanvas::Finish(Types::TPoint at) {
  Tools::TDesignSession& s = FUi.Session();
  const TDrag drag = *FDrag;
  FDrag.reset();
  if (drag.Placing) {
    const Types::TRect spanned = Tools::Spanned(drag.From, at);
    const bool sized = spanned.Width() > 3 || spanned.Height() > 3;
    FPalette.Pick("");
    FUi.Later([&s, drag, spanned, sized] {
      Classes::TComponent& c = s.Add(drag.Name, drag.From);
      if (sized) s.SetBounds(c.Name(), spanned);
      s.Select({c.Name()});
    });
    return;
  }
  if (drag.Grip == Tools::TGrip::None) {
    const Types::TRect band = Tools::Spanned(drag.From, at);
    std::vector<std::string> caught;
    for (const std::string& name : s.ComponentNames())
      if (!BoundsOf(name).Intersect(band).IsEmpty()) caught.push_back(name);
    if (!caught.empty()) FUi.Later([&s, caught] { s.Select(caught); });
    return;
  }
  const Types::TRect moved =
      Tools::Dragged(drag.Start, drag.Grip, {at.X - drag.From.X, at.Y - drag.From.Y}, FGrid);
  if (moved == drag.Start) return;
  if (drag.Grip == Tools::TGrip::Body)
    FUi.Later([&s, dx = moved.Left - drag.Start.Left, dy = moved.Top - drag.Start.Top] {
      s.MoveSelection(dx, dy);
    });
  else
    FUi.Later([&s, name = drag.Name, moved] { s.SetBounds(name, moved); });
}

void TFormCanvas::Keys() {
  const ImGuiIO& io = ImGui::GetIO();
  if (io.WantTextInput) return;
  Tools::TDesignSession& s = FUi.Session();
  if (ImGui::IsKeyPressed(ImGui::GetKeyIndex(ImGuiKey_Delete)) && OnDelete) OnDelete();
  const int step = FGrid > 1 ? FGrid : 1;
  int dx = 0, dy = 0;
  if (ImGui::IsKeyPressed(ImGui::GetKeyIndex(ImGuiKey_LeftArrow))) dx = -step;
  if (ImGui::IsKeyPressed(ImGui::GetKeyIndex(ImGuiKey_RightArrow))) dx = step;
  if (ImGui::IsKeyPressed(ImGui::GetKeyIndex(ImGuiKey_UpArrow))) dy = -step;
  if (ImGui::IsKeyPressed(ImGui::GetKeyIndex(ImGuiKey_DownArrow))) dy = step;
  if (dx == 0 && dy == 0) return;
  if (!io.KeyShift) {
    FUi.Later([&s, dx, dy] { s.MoveSelection(dx, dy); });
    return;
  }
  for (const std::string& name : s.Selection()) {
    const Types::TRect b = BoundsOf(name);
    if (b.IsEmpty()) continue;
    const Types::TRect sized = Tools::Dragged(b, Tools::TGrip::BottomRight, {dx, dy});
    FUi.Later([&s, name, sized] { s.SetBounds(name, sized); });
  }
}

void TFormCanvas::DrawSelection(ImDrawList& list) const {
  auto box = [&](const Types::TRect& r, ImU32 colour, bool filled) {
    const ImVec2 a(static_cast<float>(r.Left), static_cast<float>(r.Top));
    const ImVec2 b(static_cast<float>(r.Right), static_cast<float>(r.Bottom));
    if (filled)
      list.AddRectFilled(a, b, colour);
    else
      list.AddRect(a, b, colour);
  };
  const std::vector<std::string>& selection = FUi.Session().Selection();
  for (const std::string& name : selection) {
    const Types::TRect b = BoundsOf(name);
    if (b.IsEmpty()) continue;
    const Types::TRect shown = OnScreen(b);
    if (selection.size() > 1) {
      box(shown, IM_COL32(128, 128, 128, 255), false);
      continue;
    }
    box({shown.Left - 1, shown.Top - 1, shown.Right + 1, shown.Bottom + 1}, kFrameColour, false);
    for (const Types::TRect& g : Tools::GripRects(shown)) box(g, kGripColour, true);
  }
  if (!FDrag) return;
  const Types::TRect outline =
      FDrag->Placing || FDrag->Grip == Tools::TGrip::None
          ? Tools::Spanned(FDrag->From, FDrag->Now)
          : Tools::Dragged(FDrag->Start, FDrag->Grip,
                           {FDrag->Now.X - FDrag->From.X, FDrag->Now.Y - FDrag->From.Y}, FGrid);
  if (!outline.IsEmpty()) box(OnScreen(outline), kOutlineColour, false);
}

Types::TRect TFormCanvas::MenuItemRect(const std::string& label) const {
  return FMenuItems.Rect(label);
}

void TFormCanvas::ContextMenu() {
  if (!ImGui::BeginPopup("component")) {
    FMenuItems.Clear();
    return;
  }
  auto note = [this](const std::string& label) { FMenuItems.Record(label); };
  Tools::TDesignSession& s = FUi.Session();
  if (FMenuFor != s.Form().Name()) {
    const std::vector<std::string> verbs = s.Verbs(FMenuFor);
    for (std::size_t i = 0; i < verbs.size(); ++i) {
      const auto [label, accelerator] = VerbLabel(verbs[i]);
      const bool chosen = ImGui::MenuItem(label.c_str(), accelerator.c_str());
      note(label);
      if (chosen || AcceleratorPressed(accelerator)) {
        FUi.Later([&s, name = FMenuFor, i] { s.ExecuteVerb(name, static_cast<int>(i)); });
        ImGui::CloseCurrentPopup();
      }
    }
    if (!verbs.empty()) ImGui::Separator();
  }
  auto command = [&](const char* label, const char* keys, const std::function<void()>& run) {
    const bool chosen = ImGui::MenuItem(label, keys);
    note(label);
    if (chosen && run) run();
  };
  command("Cut", "Ctrl+X", OnCut);
  command("Copy", "Ctrl+C", OnCopy);
  command("Paste", "Ctrl+V", OnPaste);
  command("Delete", "Del", OnDelete);
  ImGui::Separator();
  command("Bring to front", nullptr, [&] { FUi.Later([&s] { s.BringToFront(); }); });
  command("Send to back", nullptr, [&] { FUi.Later([&s] { s.SendToBack(); }); });
  ImGui::EndPopup();
}

}  // namespace Designer
