#include "support/Pixels.h"

namespace TestSupport {

std::string Picture(const Graphics::TSurface& surface, Graphics::TPixel background,
                    Graphics::TPixel ink, std::optional<Graphics::TPixel> fill) {
  std::string out;
  for (int y = 0; y < surface.Height(); ++y) {
    for (int x = 0; x < surface.Width(); ++x) {
      Graphics::TPixel p = surface.Pixel(x, y);
      out += p == background ? '.' : p == ink ? '#' : fill && p == *fill ? 'o' : '?';
    }
    out += '\n';
  }
  return out;
}

int Count(const Graphics::TSurface& surface, Graphics::TPixel p) {
  int n = 0;
  for (int y = 0; y < surface.Height(); ++y)
    for (int x = 0; x < surface.Width(); ++x) n += surface.Pixel(x, y) == p;
  return n;
}

}  // namespace TestSupport
