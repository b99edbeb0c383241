// The film: one tick of a playing film (step, read the frame's file, decode it,
// draw it on the form) for 128 x 128 and 640 x 480 frames at 8 and 24 bits, beside
// reading the file alone and reading with decoding.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "Film.h"
#include "Forms.h"
#include "Graphics.h"
#include "Graphics/BmpFile.h"
#include "LittleEndian.h"
#include "support/TempFolder.h"

namespace {

namespace fs = std::filesystem;

// A picture with some variety, so neither decoder nor drawing meets one colour.
Graphics::TSurface Picture(int w, int h) {
  Graphics::TSurface s(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      s.SetPixel(x, y,
                 static_cast<Graphics::TPixel>(((x * 7) & 0xFF) << 16 | ((y * 5) & 0xFF) << 8 |
                                               ((x + y) & 0xC0)));
  return s;
}

void Put(std::vector<std::uint8_t>& out, std::uint32_t v, int bytes) {
  bytes == 2 ? LittleEndian::Write16(out, v) : LittleEndian::Write32(out, v);
}

// An uncompressed 8-bit file with a 256-colour grey palette.
void WriteBmp8(int w, int h, const std::string& path) {
  const auto stride = static_cast<std::uint32_t>((w + 3) / 4 * 4);
  const std::uint32_t offset = 14 + 40 + 1024, size = stride * static_cast<std::uint32_t>(h);
  std::vector<std::uint8_t> out{'B', 'M'};
  Put(out, offset + size, 4);
  Put(out, 0, 4);
  Put(out, offset, 4);
  Put(out, 40, 4);
  Put(out, static_cast<std::uint32_t>(w), 4);
  Put(out, static_cast<std::uint32_t>(h), 4);
  Put(out, 1, 2);
  Put(out, 8, 2);
  for (int i = 0; i < 6; ++i) Put(out, 0, 4);
  for (std::uint32_t i = 0; i < 256; ++i) Put(out, i * 0x010101, 4);
  for (int y = 0; y < h; ++y)
    for (std::uint32_t x = 0; x < stride; ++x)
      out.push_back(static_cast<std::uint8_t>((x * 3 + static_cast<std::uint32_t>(y)) & 0xFF));
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
}

int HeightOf(int width) { return width == 128 ? 128 : 480; }

// The frame file for a size and depth, made once in a temporary folder.
std::string FrameFile(int width, int bits) {
  static const TestSupport::TTempFolder dir("tollen-bench-film");
  fs::path path =
      dir.Path() / ("frame" + std::to_string(width) + "_" + std::to_string(bits) + ".bmp");
  if (!fs::exists(path)) {
    if (bits == 8)
      WriteBmp8(width, HeightOf(width), path.string());
    else
      Graphics::WriteBmpFile(Picture(width, HeightOf(width)), path.string());
  }
  return path.string();
}

void Sizes(benchmark::internal::Benchmark* b) {
  for (int width : {128, 640})
    for (int bits : {8, 24}) b->Args({width, bits});
}

void SetPixels(benchmark::State& state) {
  auto width = static_cast<int>(state.range(0));
  state.SetItemsProcessed(state.iterations() * width * HeightOf(width));
}

void BM_ReadFileOnly(benchmark::State& state) {
  std::string path = FrameFile(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  std::vector<char> buffer(static_cast<std::size_t>(fs::file_size(path)));
  for (auto _ : state) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    std::size_t got = std::fread(buffer.data(), 1, buffer.size(), f);
    std::fclose(f);
    benchmark::DoNotOptimize(got);
  }
  SetPixels(state);
}
BENCHMARK(BM_ReadFileOnly)->Apply(Sizes);

void BM_ReadAndDecode(benchmark::State& state) {
  std::string path = FrameFile(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  Graphics::TBitmap bitmap;
  for (auto _ : state) {
    bitmap.LoadFromFile(path);
    benchmark::DoNotOptimize(bitmap.Surface().Row(0));
  }
  SetPixels(state);
}
BENCHMARK(BM_ReadAndDecode)->Apply(Sizes);

void BM_FilmTick(benchmark::State& state) {
  auto width = static_cast<int>(state.range(0));
  std::string path = FrameFile(width, static_cast<int>(state.range(1)));
  Forms::TForm form(nullptr);
  form.SetBounds(0, 0, width, HeightOf(width));
  auto* film = new Film::TFilm(&form);
  film->SetBounds(0, 0, width, HeightOf(width));
  film->SetParent(&form);
  Classes::TStringList names;
  names.Add(path);
  names.Add(path);
  film->SetNames(names);
  film->StartFilm();
  form.Update();
  for (auto _ : state) film->NieuwFrame(nullptr);  // step, read, decode, draw
  SetPixels(state);
}
BENCHMARK(BM_FilmTick)->Apply(Sizes);

}  // namespace
