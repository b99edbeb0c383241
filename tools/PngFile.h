// Writing a surface as a PNG file (8-bit RGB, no alpha) through libpng.
#pragma once

#include <string>

#include "Graphics/Surface.h"

namespace Tools {

// Writes `surface` to `path`; raises SysUtils::Exception naming the file on failure.
void WritePng(const Graphics::TSurface& surface, const std::string& path);

// Reads a PNG written by WritePng (or any 8-bit RGB/RGBA PNG) back into a surface.
Graphics::TSurface ReadPng(const std::string& path);

}  // namespace Tools
