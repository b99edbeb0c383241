// Test helpers for pictures: draw on a fresh surface, read it back as text.
#pragma once

#include <optional>
#include <string>

#include "Graphics/Surface.h"

namespace TestSupport {

// The surface as rows of characters: '.' for `background`, '#' for `ink`, 'o' for
// `fill` when given, '?' for any other pixel; rows end with '\n'. Small pictures
// compare readably in failures.
std::string Picture(const Graphics::TSurface& surface, Graphics::TPixel background,
                    Graphics::TPixel ink, std::optional<Graphics::TPixel> fill = std::nullopt);

// Number of pixels equal to `p`.
int Count(const Graphics::TSurface& surface, Graphics::TPixel p);

}  // namespace TestSupport
