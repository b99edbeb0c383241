// libFuzzer target: the GIF writer. The bytes describe frames of up to 256
// colours (size, palette, then one palette index a pixel, each frame at a later
// time); the file written, decoded again, must show each distinct frame exactly,
// with delays that add up to the whole time.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "FuzzFiles.h"
#include "GifFile.h"
#include "tools/GifReader.h"

namespace {

// Reads the input byte by byte; past its end every byte is 0.
class TBytes {
 public:
  TBytes(const std::uint8_t* data, std::size_t size) : FData(data), FSize(size) {}
  std::uint8_t Next() { return FAt < FSize ? FData[FAt++] : 0; }
  bool AtEnd() const { return FAt >= FSize; }

 private:
  const std::uint8_t* FData;
  std::size_t FSize;
  std::size_t FAt = 0;
};

struct TFrame {
  Graphics::TSurface Picture;
  std::int64_t AtMs = 0;
};

std::vector<TFrame> Frames(TBytes& in) {
  const int width = 1 + in.Next() % 48, height = 1 + in.Next() % 48;
  std::vector<Graphics::TPixel> palette(1 + std::size_t{in.Next()});
  for (Graphics::TPixel& colour : palette)
    colour = Graphics::TPixel{in.Next()} << 16 | Graphics::TPixel{in.Next()} << 8 | in.Next();
  std::vector<TFrame> frames;
  std::int64_t at = 0;
  while (!in.AtEnd() && frames.size() < 8) {
    at += in.Next() * 7;
    Graphics::TSurface picture(width, height);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) picture.SetPixel(x, y, palette[in.Next() % palette.size()]);
    frames.push_back({std::move(picture), at});
  }
  return frames;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TBytes in(data, size);
  const std::vector<TFrame> frames = Frames(in);
  if (frames.empty()) return 0;
  const std::string path = FuzzFiles::Path("out.gif");
  const std::int64_t end = frames.back().AtMs + 100;
  {
    Tools::TGifWriter gif(path, frames[0].Picture.Width(), frames[0].Picture.Height());
    for (const TFrame& f : frames) gif.AddFrame(f.Picture, f.AtMs);
    gif.Finish(end);
  }
  std::vector<const Graphics::TSurface*> distinct;  // a repeated frame only lasts longer
  for (const TFrame& f : frames)
    if (distinct.empty() || !(*distinct.back() == f.Picture)) distinct.push_back(&f.Picture);
  const std::vector<TestSupport::TGifFrame> read = TestSupport::ReadGif(path);
  if (read.size() != distinct.size()) __builtin_trap();
  int total = 0;
  for (std::size_t i = 0; i < read.size(); ++i) {
    if (!(read[i].Picture == *distinct[i])) __builtin_trap();
    total += read[i].DelayCs;
  }
  if (total != (end + 5) / 10 - (frames[0].AtMs + 5) / 10) __builtin_trap();
  return 0;
}
