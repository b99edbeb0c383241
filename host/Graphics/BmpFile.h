// Windows bitmap files.
#pragma once

#include <string>

#include "Graphics/Surface.h"

namespace Graphics {

// Writes a 24-bit, bottom-up bitmap file; raises EInvalidGraphic naming the file
// when it cannot be written.
void WriteBmpFile(const TSurface& surface, const std::string& path);

}  // namespace Graphics
