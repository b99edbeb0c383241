// libFuzzer target: the bitmap file reader as a program meets it, from a file on
// disk (file header, palette, pixel offset), and the writer's output read back.
// Any bytes give a picture or an EInvalidGraphic; a picture written and read
// again is the same picture, bottom-up.
#include <cstddef>
#include <cstdint>

#include "FuzzFiles.h"
#include "Graphics/BmpFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // RLE codes can describe a large picture in a few bytes; a lower budget keeps
  // each run fast without leaving any code path out.
  static const bool budget = (Graphics::SetPictureBudget(std::uint64_t{1} << 22), true);
  (void)budget;
  const std::string in = FuzzFiles::Write("in.bmp", {data, size});
  Graphics::TDecodedBmp read;
  try {
    read = Graphics::ReadBmpFile(in);
  } catch (const Graphics::EInvalidGraphic&) {
    return 0;  // a clear error is the expected answer to a bad file
  }
  const std::string out = FuzzFiles::Path("out.bmp");
  Graphics::WriteBmpFile(read.Pixels, out);
  const Graphics::TDecodedBmp back = Graphics::ReadBmpFile(out);
  if (!(back.Pixels == read.Pixels) || !back.BottomUp) __builtin_trap();
  return 0;
}
