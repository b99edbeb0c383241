// The published property entries of the Controls unit, which descendants republish.
#include "Controls.h"

namespace Controls {

using TypInfo::Prop;
using TypInfo::TPropInfo;
using TypInfo::TTypeInfo;
using TypInfo::TTypeKind;

const TTypeInfo* CursorType() {
  static const TTypeInfo info{"TCursor", TTypeKind::Integer, -32768, 32767};
  return &info;
}

const TTypeInfo* DragModeType() { return TypInfo::EnumType<TDragMode>(); }

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
}  // namespace

namespace Published {

using C = TControl;

TPropInfo Left() { return Prop<&C::Left, &C::SetLeft>("Left"); }
TPropInfo Top() { return Prop<&C::Top, &C::SetTop>("Top"); }
TPropInfo Width(std::optional<std::int64_t> def) {
  return Prop<&C::Width, &C::SetWidth>("Width", {.Default = def});
}
TPropInfo Height(std::optional<std::int64_t> def) {
  return Prop<&C::Height, &C::SetHeight>("Height", {.Default = def});
}
TPropInfo Cursor() {
  return Prop<&C::Cursor, &C::SetCursor>("Cursor", {.Type = CursorType(), .Default = crDefault});
}
TPropInfo Hint() { return Prop<&C::Hint, &C::SetHint>("Hint"); }
TPropInfo Visible() {
  return Prop<&C::Visible, &C::SetVisible>("Visible", {.Default = true, .Stored = IsVisibleStored});
}
TPropInfo Caption() { return Prop<&C::Caption, &C::SetCaption>("Caption"); }
TPropInfo Color(std::optional<std::int64_t> def) {
  return Prop<&C::Color, &C::SetColor>(
      "Color", {.Type = Graphics::ColorType(), .Default = def, .Stored = IsColorStored});
}
TPropInfo Font() {
  return Prop<static_cast<const Graphics::TFont& (C::*)() const>(&C::Font), &C::SetFont>(
      "Font", {.Stored = IsFontStored});
}
TPropInfo ParentColor() {
  return Prop<&C::ParentColor, &C::SetParentColor>("ParentColor", {.Default = true});
}
TPropInfo ParentFont() {
  return Prop<&C::ParentFont, &C::SetParentFont>("ParentFont", {.Default = true});
}
TPropInfo DragCursor() {
  return Prop<&C::DragCursor, &C::SetDragCursor>("DragCursor",
                                                 {.Type = CursorType(), .Default = crDrag});
}
TPropInfo DragMode() {
  return Prop<&C::DragMode, &C::SetDragMode>("DragMode", {.Default = dmManual});
}
TPropInfo OnClick() {
  return Prop<&C::OnClick>("OnClick",
                           {.Type = EventType("TNotifyEvent"), .Stored = IsOnClickStored});
}
TPropInfo OnDblClick() { return Prop<&C::OnDblClick>("OnDblClick", {EventType("TNotifyEvent")}); }
TPropInfo OnDragDrop() { return Prop<&C::OnDragDrop>("OnDragDrop", {EventType("TDragDropEvent")}); }
TPropInfo OnDragOver() { return Prop<&C::OnDragOver>("OnDragOver", {EventType("TDragOverEvent")}); }
TPropInfo OnEndDrag() { return Prop<&C::OnEndDrag>("OnEndDrag", {EventType("TEndDragEvent")}); }
TPropInfo OnMouseDown() { return Prop<&C::OnMouseDown>("OnMouseDown", {EventType("TMouseEvent")}); }
TPropInfo OnMouseMove() {
  return Prop<&C::OnMouseMove>("OnMouseMove", {EventType("TMouseMoveEvent")});
}
TPropInfo OnMouseUp() { return Prop<&C::OnMouseUp>("OnMouseUp", {EventType("TMouseEvent")}); }

}  // namespace Published
}  // namespace Controls
