// The object inspector: the published properties of the selected component (the
// form when nothing or several are selected), its name first, then the rest in
// its property table's order, each shown and changed through its registered
// editor.
//
// How a row is edited follows its type and editor: text for strings, numbers and
// events (set on Enter or when the field is left), a check box for a boolean, a
// drop-down for a value list, a swatch with a picker beside the names for a
// colour, a check box per element for a set, a multi-line box for a string list
// (one line per item); sub-objects (Pen, Font...) are tree nodes holding their
// own rows; a read-only row is greyed; a property whose editor opens a dialog has
// an ellipsis button that runs it. Every change goes through the session after the
// frame, one undo step each. A value the editor refuses leaves the old value and
// shows the editor's message under the row until the row takes a value.
#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

#include "DesignerUi.h"
#include "ImGuiSdl.h"

namespace Designer {

class TInspector {
 public:
  explicit TInspector(TDesignerUi& ui) : FUi(ui) {}

  void Draw();
  // Where the value of the property `path` ("Vorm", "Pen.Width", a set's element
  // as "Font.Style.fsBold") or the node that opens a sub-object ("Pen") or a set
  // ("Font.Style[]") was drawn last, in window pixels; empty when it was not in
  // view. A string list's box and its OK button are "Frames.lines", "Frames.ok";
  // a colour's swatch and the picker it opens "Color.swatch", "Color.picker"; a
  // dialog's ellipsis button "Geluid...".
  Types::TRect RowRect(const std::string& path) const;
  // Where `value` was drawn in the open drop-down of `path` (empty when it was
  // not in view): a click on RowRect(path) opens the drop-down, a click here
  // chooses the value.
  Types::TRect ItemRect(const std::string& path, const std::string& value) const;
  // The message of the last value the row `path` refused, or "".
  std::string Error(const std::string& path) const;

 private:
  struct TRowSpan;
  void DrawRows(const TRowSpan& span);
  void DrawObject(const TRowSpan& span, const std::string& name);
  void DrawRow(const Tools::TPropertyRow& row);
  void DrawValue(const Tools::TPropertyRow& row);
  void DrawText(const Tools::TPropertyRow& row, float width);
  void DrawCheck(const Tools::TPropertyRow& row);
  void DrawChoice(const Tools::TPropertyRow& row, bool swatches);
  void DrawColor(const Tools::TPropertyRow& row);
  void DrawSetElements(const Tools::TPropertyRow& row);
  void DrawLines(const Tools::TPropertyRow& row);
  void DrawError(const std::string& path) const;
  void Record(const std::string& path);
  // Sets the value after the frame; a refusal is kept as the row's error.
  void Set(const std::string& path, const std::string& value);

  TDesignerUi& FUi;
  std::string FComponent;          // whose rows are shown
  std::string FEditing;            // the path of the field being typed in
  std::string FBuffer;             // its text meanwhile
  std::array<float, 3> FPicked{};  // the colour picker's colour while it is open
  std::string FLines;              // the string list box's text while it is open
  std::map<std::string, std::string> FErrors;
  TItemRects FRows;
  TItemRects FItems;  // "path\nvalue"
};

// ---- what the inspector's editors compute, without a window ----

// How a row is edited.
enum class TRowEditor { Text, Check, Choice, Color, Set, Lines };
TRowEditor EditorFor(const Tools::TPropertyRow& row);

// A set's value ("[a, b]") with `element` put in or taken out; the elements keep
// the order of `all`.
std::string SetWith(const std::string& value, const std::string& element, bool in,
                    const std::vector<std::string>& all);
bool SetHas(const std::string& value, const std::string& element);

// A string list's value as the multi-line box shows it (one line per item), and
// the box's text as the value; a last line break makes no empty item.
std::string LinesText(const std::string& value);
std::string LinesValue(const std::string& text);

// A colour's value as red, green and blue from 0 to 1 (system colours resolved),
// and the value for a picked colour: its name when it has one, else $00BBGGRR.
std::array<float, 3> ColorRgb(const std::string& value);
std::string ColorValue(const std::array<float, 3>& rgb);

}  // namespace Designer
