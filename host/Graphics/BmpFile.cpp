#include "Graphics/BmpFile.h"

#include <cstdint>
#include <fstream>
#include <vector>

namespace Graphics {

namespace {
void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}
}  // namespace

void WriteBmpFile(const TSurface& surface, const std::string& path) {
  const auto w = static_cast<std::uint32_t>(surface.Width());
  const auto h = static_cast<std::uint32_t>(surface.Height());
  const std::uint32_t rowBytes = (w * 3 + 3) & ~3u;  // rows are padded to 4 bytes
  const std::uint32_t pixelBytes = rowBytes * h;
  std::vector<std::uint8_t> out;
  out.reserve(54 + pixelBytes);
  out.push_back('B');
  out.push_back('M');
  Put32(out, 54 + pixelBytes);  // file size
  Put32(out, 0);                // reserved
  Put32(out, 54);               // offset of the pixels
  Put32(out, 40);               // information header size
  Put32(out, w);
  Put32(out, h);                // positive: bottom row first
  Put16(out, 1);                // planes
  Put16(out, 24);               // bits per pixel
  Put32(out, 0);                // no compression
  Put32(out, pixelBytes);
  Put32(out, 3780);             // 96 dots per inch, in dots per metre
  Put32(out, 3780);
  Put32(out, 0);
  Put32(out, 0);
  for (int y = surface.Height() - 1; y >= 0; --y) {
    const TPixel* row = surface.Row(y);
    for (std::uint32_t x = 0; x < w; ++x) {
      out.push_back(static_cast<std::uint8_t>(row[x]));        // blue
      out.push_back(static_cast<std::uint8_t>(row[x] >> 8));   // green
      out.push_back(static_cast<std::uint8_t>(row[x] >> 16));  // red
    }
    for (std::uint32_t pad = w * 3; pad < rowBytes; ++pad) out.push_back(0);
  }
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
  file.close();
  if (!file) throw EInvalidGraphic("Cannot write bitmap file \"" + path + "\"");
}

}  // namespace Graphics
