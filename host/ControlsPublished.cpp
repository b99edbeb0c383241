// The published property entries of the Controls unit, which descendants republish.
#include "Controls.h"

namespace Controls {

using TypInfo::OrdProp;
using TypInfo::TPropInfo;
using TypInfo::TTypeInfo;
using TypInfo::TTypeKind;

const TTypeInfo* CursorType() {
  static const TTypeInfo info{"TCursor", TTypeKind::Integer, -32768, 32767};
  return &info;
}

const TTypeInfo* DragModeType() {
  static const TTypeInfo info{
      "TDragMode", TTypeKind::Enumeration, 0, 1, {"dmManual", "dmAutomatic"}};
  return &info;
}

namespace {
const TTypeInfo* EventType(std::string_view name) {
  // One type entry per event signature name, made on first use.
  static std::vector<std::unique_ptr<TTypeInfo>> types;
  for (const auto& t : types)
    if (t->Name == name) return t.get();
  types.push_back(std::make_unique<TTypeInfo>(TTypeInfo{name, TTypeKind::Method}));
  return types.back().get();
}

// The host keeps Visible and OnClick in form files unless an action supplies them;
// this host has no actions, so both are stored by their default rule alone.
bool IsVisibleStored(const System::TObject&) { return true; }
bool IsOnClickStored(const System::TObject&) { return true; }
bool IsFontStored(const System::TObject& o) {
  return !static_cast<const TControl&>(o).ParentFont();
}
bool IsColorStored(const System::TObject& o) {
  return !static_cast<const TControl&>(o).ParentColor();
}

std::int64_t BoolOrd(bool b) { return b ? 1 : 0; }
}  // namespace

namespace Published {

TPropInfo Left() {
  return OrdProp<TControl>(
      "Left", TypInfo::IntegerType(), [](const TControl& c) { return c.Left(); },
      [](TControl& c, std::int64_t v) { c.SetLeft(static_cast<int>(v)); });
}
TPropInfo Top() {
  return OrdProp<TControl>(
      "Top", TypInfo::IntegerType(), [](const TControl& c) { return c.Top(); },
      [](TControl& c, std::int64_t v) { c.SetTop(static_cast<int>(v)); });
}
TPropInfo Width(std::optional<std::int64_t> def) {
  return OrdProp<TControl>(
      "Width", TypInfo::IntegerType(), [](const TControl& c) { return c.Width(); },
      [](TControl& c, std::int64_t v) { c.SetWidth(static_cast<int>(v)); }, def);
}
TPropInfo Height(std::optional<std::int64_t> def) {
  return OrdProp<TControl>(
      "Height", TypInfo::IntegerType(), [](const TControl& c) { return c.Height(); },
      [](TControl& c, std::int64_t v) { c.SetHeight(static_cast<int>(v)); }, def);
}
TPropInfo Cursor() {
  return OrdProp<TControl>(
      "Cursor", CursorType(), [](const TControl& c) { return c.Cursor(); },
      [](TControl& c, std::int64_t v) { c.SetCursor(static_cast<TCursor>(v)); }, crDefault);
}
TPropInfo Hint() {
  TPropInfo p;
  p.Name = "Hint";
  p.Type = TypInfo::StringType();
  p.GetStr = [](const System::TObject& o) { return static_cast<const TControl&>(o).Hint(); };
  p.SetStr = [](System::TObject& o, const std::string& v) { static_cast<TControl&>(o).SetHint(v); };
  return p;
}
TPropInfo Visible() {
  TPropInfo p = OrdProp<TControl>(
      "Visible", TypInfo::BooleanType(), [](const TControl& c) { return BoolOrd(c.Visible()); },
      [](TControl& c, std::int64_t v) { c.SetVisible(v != 0); }, 1);
  p.StoredRule = IsVisibleStored;
  return p;
}
TPropInfo Caption() {
  TPropInfo p;
  p.Name = "Caption";
  p.Type = TypInfo::StringType();
  p.GetStr = [](const System::TObject& o) { return static_cast<const TControl&>(o).Caption(); };
  p.SetStr = [](System::TObject& o, const std::string& v) {
    static_cast<TControl&>(o).SetCaption(v);
  };
  return p;
}
TPropInfo Color(std::optional<std::int64_t> def) {
  TPropInfo p = OrdProp<TControl>(
      "Color", Graphics::ColorType(), [](const TControl& c) { return c.Color(); },
      [](TControl& c, std::int64_t v) { c.SetColor(static_cast<Graphics::TColor>(v)); }, def);
  p.StoredRule = IsColorStored;
  return p;
}
TPropInfo Font() {
  TPropInfo p = TypInfo::ObjProp<TControl, Graphics::TFont>(
      "Font", TypInfo::ClassTypeOf<Graphics::TFont>(),
      [](const TControl& c) { return const_cast<Graphics::TFont*>(&c.Font()); },
      [](TControl& c, Graphics::TFont* f) {
        if (f) c.SetFont(*f);
      });
  p.StoredRule = IsFontStored;
  return p;
}
TPropInfo ParentColor() {
  return OrdProp<TControl>(
      "ParentColor", TypInfo::BooleanType(),
      [](const TControl& c) { return BoolOrd(c.ParentColor()); },
      [](TControl& c, std::int64_t v) { c.SetParentColor(v != 0); }, 1);
}
TPropInfo ParentFont() {
  return OrdProp<TControl>(
      "ParentFont", TypInfo::BooleanType(),
      [](const TControl& c) { return BoolOrd(c.ParentFont()); },
      [](TControl& c, std::int64_t v) { c.SetParentFont(v != 0); }, 1);
}
TPropInfo DragCursor() {
  return OrdProp<TControl>(
      "DragCursor", CursorType(), [](const TControl& c) { return c.DragCursor(); },
      [](TControl& c, std::int64_t v) { c.SetDragCursor(static_cast<TCursor>(v)); }, crDrag);
}
TPropInfo DragMode() {
  return OrdProp<TControl>(
      "DragMode", DragModeType(), [](const TControl& c) { return c.DragMode(); },
      [](TControl& c, std::int64_t v) { c.SetDragMode(static_cast<TDragMode>(v)); },
      static_cast<std::int64_t>(dmManual));
}
TPropInfo OnClick() {
  TPropInfo p = TypInfo::EventProp<TControl>(
      "OnClick", EventType("TNotifyEvent"), [](TControl & c) -> auto& { return c.OnClick; });
  p.StoredRule = IsOnClickStored;
  return p;
}
TPropInfo OnDblClick() {
  return TypInfo::EventProp<TControl>(
      "OnDblClick", EventType("TNotifyEvent"), [](TControl & c) -> auto& { return c.OnDblClick; });
}
TPropInfo OnDragDrop() {
  return TypInfo::EventProp<TControl>(
      "OnDragDrop", EventType("TDragDropEvent"),
      [](TControl & c) -> auto& { return c.OnDragDrop; });
}
TPropInfo OnDragOver() {
  return TypInfo::EventProp<TControl>(
      "OnDragOver", EventType("TDragOverEvent"),
      [](TControl & c) -> auto& { return c.OnDragOver; });
}
TPropInfo OnEndDrag() {
  return TypInfo::EventProp<TControl>(
      "OnEndDrag", EventType("TEndDragEvent"), [](TControl & c) -> auto& { return c.OnEndDrag; });
}
TPropInfo OnMouseDown() {
  return TypInfo::EventProp<TControl>(
      "OnMouseDown", EventType("TMouseEvent"), [](TControl & c) -> auto& { return c.OnMouseDown; });
}
TPropInfo OnMouseMove() {
  return TypInfo::EventProp<TControl>(
      "OnMouseMove", EventType("TMouseMoveEvent"),
      [](TControl & c) -> auto& { return c.OnMouseMove; });
}
TPropInfo OnMouseUp() {
  return TypInfo::EventProp<TControl>(
      "OnMouseUp", EventType("TMouseEvent"), [](TControl & c) -> auto& { return c.OnMouseUp; });
}

}  // namespace Published
}  // namespace Controls
