// The published property entries of the Controls unit, which descendants republish.
#include "Controls.h"

namespace Controls {

using TypInfo::Prop;
using TypInfo::TPropInfo;
using TypInfo::TTypeInfo;
using TypInfo::TTypeKind;

namespace {
// The written name of a cursor is its first here; crSize is read only.
constexpr TypInfo::TIdentMapEntry kCursorIdents[] = {
    {crDefault, "crDefault"},     {crNone, "crNone"},           {crArrow, "crArrow"},
    {crCross, "crCross"},         {crIBeam, "crIBeam"},         {crSizeNESW, "crSizeNESW"},
    {crSizeNS, "crSizeNS"},       {crSizeNWSE, "crSizeNWSE"},   {crSizeWE, "crSizeWE"},
    {crUpArrow, "crUpArrow"},     {crHourGlass, "crHourGlass"}, {crDrag, "crDrag"},
    {crNoDrop, "crNoDrop"},       {crHSplit, "crHSplit"},       {crVSplit, "crVSplit"},
    {crMultiDrag, "crMultiDrag"}, {crSQLWait, "crSQLWait"},     {crNo, "crNo"},
    {crAppStart, "crAppStart"},   {crHelp, "crHelp"},           {crHandPoint, "crHandPoint"},
    {crSizeAll, "crSizeAll"},     {crSizeAll, "crSize"},
};
}  // namespace

const TTypeInfo* CursorType() {
  static const TTypeInfo info{.Name = "TCursor",
                              .Kind = TTypeKind::Integer,
                              .MinValue = -32768,
                              .MaxValue = 32767,
                              .Idents = kCursorIdents};
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

TPropInfo Left() {
  return Prop<&C::Left, &C::SetLeft>("Left",
                                     {.Help = "left edge in the parent's client area, in pixels"});
}
TPropInfo Top() {
  return Prop<&C::Top, &C::SetTop>("Top",
                                   {.Help = "top edge in the parent's client area, in pixels"});
}
TPropInfo Width(std::optional<std::int64_t> def) {
  return Prop<&C::Width, &C::SetWidth>("Width", {.Default = def, .Help = "width in pixels"});
}
TPropInfo Height(std::optional<std::int64_t> def) {
  return Prop<&C::Height, &C::SetHeight>("Height", {.Default = def, .Help = "height in pixels"});
}
TPropInfo Cursor() {
  return Prop<&C::Cursor, &C::SetCursor>("Cursor",
                                         {.Type = CursorType(),
                                          .Default = crDefault,
                                          .Help = "the mouse pointer shown over the control"});
}
TPropInfo Hint() {
  return Prop<&C::Hint, &C::SetHint>("Hint",
                                     {.Help = "the text a help hint shows for the control"});
}
TPropInfo Visible() {
  return Prop<&C::Visible, &C::SetVisible>(
      "Visible",
      {.Default = true, .Stored = IsVisibleStored, .Help = "whether the control is shown"});
}
TPropInfo Caption() {
  return Prop<&C::Caption, &C::SetCaption>("Caption", {.Help = "the text the control shows"});
}
TPropInfo Color(std::optional<std::int64_t> def) {
  return Prop<&C::Color, &C::SetColor>("Color", {.Type = Graphics::ColorType(),
                                                 .Default = def,
                                                 .Stored = IsColorStored,
                                                 .Help = "the background colour"});
}
TPropInfo Font() {
  return Prop<static_cast<const Graphics::TFont& (C::*)() const>(&C::Font), &C::SetFont>(
      "Font", {.Stored = IsFontStored, .Help = "the font of the text"});
}
TPropInfo ParentColor() {
  return Prop<&C::ParentColor, &C::SetParentColor>(
      "ParentColor", {.Default = true, .Help = "while set, the colour is the parent's"});
}
TPropInfo ParentFont() {
  return Prop<&C::ParentFont, &C::SetParentFont>(
      "ParentFont", {.Default = true, .Help = "while set, the font is the parent's"});
}
TPropInfo DragCursor() {
  return Prop<&C::DragCursor, &C::SetDragCursor>(
      "DragCursor", {.Type = CursorType(),
                     .Default = crDrag,
                     .Help = "the pointer shown while something is dragged over the control"});
}
TPropInfo DragMode() {
  return Prop<&C::DragMode, &C::SetDragMode>(
      "DragMode",
      {.Default = dmManual, .Help = "dmAutomatic starts a drag at a press of the mouse button"});
}
TPropInfo OnClick() {
  return Prop<&C::OnClick>("OnClick", {.Type = EventType("TNotifyEvent"),
                                       .Stored = IsOnClickStored,
                                       .Help = "runs when the control is clicked"});
}
TPropInfo OnDblClick() {
  return Prop<&C::OnDblClick>("OnDblClick", {.Type = EventType("TNotifyEvent"),
                                             .Help = "runs when the control is double-clicked"});
}
TPropInfo OnDragDrop() {
  return Prop<&C::OnDragDrop>("OnDragDrop",
                              {.Type = EventType("TDragDropEvent"),
                               .Help = "runs when something is dropped on the control"});
}
TPropInfo OnDragOver() {
  return Prop<&C::OnDragOver>(
      "OnDragOver", {.Type = EventType("TDragOverEvent"),
                     .Help = "tells whether something dragged over the control may be dropped"});
}
TPropInfo OnEndDrag() {
  return Prop<&C::OnEndDrag>("OnEndDrag", {.Type = EventType("TEndDragEvent"),
                                           .Help = "runs when a drag from the control ends"});
}
TPropInfo OnMouseDown() {
  return Prop<&C::OnMouseDown>("OnMouseDown",
                               {.Type = EventType("TMouseEvent"),
                                .Help = "runs when a mouse button is pressed over the control"});
}
TPropInfo OnMouseMove() {
  return Prop<&C::OnMouseMove>(
      "OnMouseMove",
      {.Type = EventType("TMouseMoveEvent"), .Help = "runs when the mouse moves over the control"});
}
TPropInfo OnMouseUp() {
  return Prop<&C::OnMouseUp>("OnMouseUp",
                             {.Type = EventType("TMouseEvent"),
                              .Help = "runs when a mouse button is released over the control"});
}

std::vector<TPropInfo> ClickDragAndMouseEvents() {
  return {OnClick(),   OnDblClick(),  OnDragDrop(),  OnDragOver(),
          OnEndDrag(), OnMouseDown(), OnMouseMove(), OnMouseUp()};
}

}  // namespace Published
}  // namespace Controls
