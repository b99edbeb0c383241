// `tollenspiegel reference`: the reference of the package's controls, made from
// their published property tables (docs/reference.md is its output).
//
// Every control of the package gets a table of its published properties, its
// ancestors' included: type, declared default ("always stored" when it has
// none), the values allowed (enumerations, sets, ranges, named integers) and the
// property's one-line help from its table. The objects the controls publish as
// properties (pens, brushes, fonts, hands, lists) follow, each once.
#pragma once

#include <string>
#include <vector>

#include "System.h"

namespace Tools {

// The reference of `controls` and of the objects they publish, as Markdown.
std::string ReferenceText(const std::vector<System::TClass>& controls);

}  // namespace Tools
