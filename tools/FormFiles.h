// Finding and loading the forms the tools show.
#pragma once

#include <memory>
#include <string>

#include "Forms.h"

namespace Tools {

// The bundled demo form: beside an installed tool, else in the source tree.
std::string DemoFormPath();

// Reads a form file whose root is a TForm; the package's controls are known.
std::unique_ptr<Forms::TForm> LoadForm(const std::string& path);

// Paints until nothing is left to paint (a control may resize itself once).
void SettlePaints(Forms::TForm& form);

}  // namespace Tools
