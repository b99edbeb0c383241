// The object inspector: the published properties of the selected component, in
// its property table's order, each shown and changed through its registered
// editor. A value typed is set when Enter is pressed or the field is left; a value
// the editor refuses shows the editor's message and the old value stays. A
// property whose editor opens a dialog has an ellipsis button that runs it.
#pragma once

#include <string>

#include "DesignerUi.h"

namespace Designer {

class TInspector {
 public:
  explicit TInspector(TDesignerUi& ui) : FUi(ui) {}

  void Draw();

 private:
  void Row(const std::string& component, const Tools::TPropertyRow& row);

  TDesignerUi& FUi;
  std::string FEditing;  // the path of the field being typed in
  std::string FBuffer;
};

}  // namespace Designer
