// Pictures as files: PNG (8-bit RGB, written and read through libpng) and the
// Windows bitmap files of BmpFile, chosen by the file's extension.
//
//   Graphics::SavePicture(form.Surface(), "clock.png");
//   Graphics::SavePicture(bitmap.Surface(), "clock.bmp");
//
// Every failure raises SysUtils::Exception naming the file, with the system's
// reason where there is one ("Cannot create out/x.png: No such file or directory").
#pragma once

#include <string>

#include "Graphics/Surface.h"

namespace Graphics {

// Writes `picture` as a PNG when `path` ends in ".png", as a 24-bit bitmap file
// when it ends in ".bmp" (either case); any other name is refused.
void SavePicture(const TSurface& picture, const std::string& path);

void WritePngFile(const TSurface& picture, const std::string& path);
// Reads an 8-bit PNG of any colour type (alpha is dropped).
TSurface ReadPngFile(const std::string& path);

}  // namespace Graphics
