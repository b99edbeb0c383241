// The sheet of shapes: every figure with pens of width 1 to 5, clear and solid
// backgrounds, and a hidden shape as the designer shows it.
#pragma once

#include <memory>

#include "Forms.h"

namespace Tools {

std::unique_ptr<Forms::TForm> BuildShapeSheet();

}  // namespace Tools
