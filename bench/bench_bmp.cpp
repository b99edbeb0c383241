// Bitmap files: TBitmap::LoadFromFile (read and decode) of a 128 x 128 and a
// 640 x 480 picture at 8 and 24 bits, beside only reading the file's bytes and
// only decoding bytes already in memory. The files are written to a temporary
// folder at the start; a film reads one such file on every frame.
#include <benchmark/benchmark.h>

#ifdef TOLLEN_BENCH_STB
#include <stb/stb_image.h>
#endif

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "Graphics/Bitmap.h"
#include "Graphics/BmpFile.h"
#include "LittleEndian.h"
#include "support/TempFolder.h"

namespace {

namespace fs = std::filesystem;
using Graphics::TPixel;
using Graphics::TSurface;

// A picture with some detail: gradients and a pattern, so no row is like the next.
TSurface Picture(int width, int height) {
  TSurface s(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      s.SetPixel(x, y,
                 static_cast<TPixel>((x * 255 / width) << 16 | (y * 255 / height) << 8 |
                                     ((x ^ y) & 0xFF)));
  return s;
}

using LittleEndian::Write32;

// An 8-bit, bottom-up file with a full palette; the writer of the host writes 24 bits only.
void Write8(const fs::path& path, int width, int height) {
  const auto stride = static_cast<std::uint32_t>((width + 3) & ~3);
  const std::uint32_t offset = 14 + 40 + 256 * 4;
  const std::uint32_t pixels = stride * static_cast<std::uint32_t>(height);
  std::vector<std::uint8_t> out = {'B', 'M'};
  Write32(out, offset + pixels);
  Write32(out, 0);
  Write32(out, offset);
  for (std::uint32_t v :
       {40u, static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height), 1u | 8u << 16,
        0u, pixels, 2835u, 2835u, 256u, 0u})
    Write32(out, v);
  for (std::uint32_t i = 0; i < 256; ++i) Write32(out, (i * 0x010307) & 0xFFFFFF);
  for (int y = 0; y < height; ++y)
    for (std::uint32_t x = 0; x < stride; ++x)
      out.push_back(
          static_cast<std::uint8_t>((x * 7 + static_cast<std::uint32_t>(y) * 3) ^ (x >> 3)));
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
}

// The temporary folder with the four files, made once and removed at exit.
class TFiles {
 public:
  TFiles() {
    for (int width : {128, 640}) {
      const int height = width == 128 ? 128 : 480;
      Write8(Path(width, 8), width, height);
      Graphics::WriteBmpFile(Picture(width, height), Path(width, 24).string());
    }
  }
  fs::path Path(std::int64_t width, std::int64_t bits) const {
    std::string name = std::to_string(width);
    name += "_";
    name += std::to_string(bits);
    name += ".bmp";
    return FFolder.Path() / name;
  }

 private:
  TestSupport::TTempFolder FFolder{"tollen-bench-bmp"};
};

const TFiles& Files() {
  static const TFiles files;
  return files;
}

void Report(benchmark::State& state) {
  const std::int64_t width = state.range(0), height = width == 128 ? 128 : 480;
  state.SetItemsProcessed(state.iterations() * width * height);
  state.SetLabel(std::to_string(width) + "x" + std::to_string(height) + " " +
                 std::to_string(state.range(1)) + "-bit");
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
  const auto size = static_cast<std::size_t>(fs::file_size(path));
  std::vector<std::uint8_t> bytes(size);
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                             &std::fclose);
  if (!file || std::fread(bytes.data(), 1, size, file.get()) != size) bytes.clear();
  return bytes;
}

// The file-system limit: the size asked, the file opened and read into a buffer
// made once, as a reader must do at the least.
void BM_ReadFileOnly(benchmark::State& state) {
  const std::string path = Files().Path(state.range(0), state.range(1)).string();
  std::vector<std::uint8_t> buffer(static_cast<std::size_t>(fs::file_size(path)));
  for (auto _ : state) {
    std::error_code error;
    const auto size = static_cast<std::size_t>(fs::file_size(path, error));
    std::FILE* file = std::fopen(path.c_str(), "rb");
    benchmark::DoNotOptimize(std::fread(buffer.data(), 1, size, file));
    std::fclose(file);
    benchmark::ClobberMemory();
  }
  Report(state);
}

void BM_DecodeOnly(benchmark::State& state) {
  const std::vector<std::uint8_t> bytes =
      ReadBytes(Files().Path(state.range(0), state.range(1)).string());
  for (auto _ : state) {
    Graphics::TDecodedBmp bmp = Graphics::ReadBmp(bytes, "bench.bmp");
    benchmark::DoNotOptimize(bmp.Pixels.Row(0));
  }
  Report(state);
}

void BM_LoadFromFile(benchmark::State& state) {
  const std::string path = Files().Path(state.range(0), state.range(1)).string();
  Graphics::TBitmap bitmap;
  for (auto _ : state) {
    bitmap.LoadFromFile(path);
    benchmark::DoNotOptimize(bitmap.Surface().Row(0));
  }
  Report(state);
}

void Sizes(benchmark::internal::Benchmark* b) {
  for (int width : {128, 640})
    for (int bits : {8, 24}) b->Args({width, bits});
}

BENCHMARK(BM_ReadFileOnly)->Apply(Sizes);
BENCHMARK(BM_DecodeOnly)->Apply(Sizes);
BENCHMARK(BM_LoadFromFile)->Apply(Sizes);

#ifdef TOLLEN_BENCH_STB
// For comparison: a widely used single-header decoder reading the same files from
// disk into RGB pixels.
void BM_StbLoad(benchmark::State& state) {
  const std::string path = Files().Path(state.range(0), state.range(1)).string();
  for (auto _ : state) {
    int w = 0, h = 0, channels = 0;
    unsigned char* pixels = stbi_load(path.c_str(), &w, &h, &channels, 3);
    benchmark::DoNotOptimize(pixels);
    stbi_image_free(pixels);
  }
  Report(state);
}
BENCHMARK(BM_StbLoad)->Apply(Sizes);
#endif

}  // namespace
