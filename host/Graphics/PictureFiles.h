// Pictures as files: PNG (8-bit RGB, written and read through libpng) and the
// Windows bitmap files of BmpFile, chosen by the file's extension.
//
//   Graphics::SavePicture(form.Surface(), "clock.png");
//   Graphics::SavePicture(bitmap.Surface(), "clock.bmp");
//
// Every failure raises SysUtils::Exception naming the file, with the system's
// reason where there is one ("Cannot create out/x.png: No such file or directory").
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "Graphics/Surface.h"

namespace Graphics {

// Writes `picture` as a PNG when `path` ends in ".png", as a 24-bit bitmap file
// when it ends in ".bmp" (either case); any other name is refused.
void SavePicture(const TSurface& picture, const std::string& path);

// With `alpha` (one byte a pixel, rows top first, 0 see-through to 255 opaque)
// the PNG has an alpha channel.
void WritePngFile(const TSurface& picture, const std::string& path,
                  std::span<const std::uint8_t> alpha = {});
// Reads a PNG of any colour type; its alpha (255 where it has none) goes to
// `alpha` when one is given.
TSurface ReadPngFile(const std::string& path, std::vector<std::uint8_t>* alpha = nullptr);

}  // namespace Graphics
