// libFuzzer target: the bitmap reader must turn any bytes into a picture or an
// EInvalidGraphic, without crashing, leaking or touching memory outside a buffer.
#include <cstddef>
#include <cstdint>
#include <span>

#include "Graphics/BmpFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // RLE codes can describe a huge picture in a few bytes; a lower pixel limit
  // keeps each run fast without leaving any code path out.
  constexpr std::size_t kMaxPixels = std::size_t{1} << 22;
  try {
    const Graphics::TDecodedBmp bmp = Graphics::ReadBmp({data, size}, "fuzz.bmp", kMaxPixels);
    // Every pixel is written: a byte past 0x00FFFFFF would mean one was made up.
    for (int y = 0; y < bmp.Pixels.Height(); ++y)
      for (int x = 0; x < bmp.Pixels.Width(); ++x)
        if (bmp.Pixels.Pixel(x, y) > 0xFFFFFF) __builtin_trap();
  } catch (const Graphics::EInvalidGraphic&) {
    // A clear error is the expected answer to a bad file.
  }
  return 0;
}
