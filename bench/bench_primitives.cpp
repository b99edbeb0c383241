// The raster device's primitives on a 256 x 256 surface, each beside a plain fill of
// the same pixels: a filled figure should cost a small multiple of that fill.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>

#include "Graphics/Raster.h"

namespace {

using Graphics::TDrawState;
using Graphics::TRasterDevice;
using Graphics::TSurface;

constexpr int kSize = 256;
constexpr std::int64_t kPixels = std::int64_t{kSize} * kSize;

struct TScene {
  TSurface Surface{kSize, kSize};
  TRasterDevice Device{Surface};
  TDrawState State;
  TScene() {
    State.Clip = Surface.Bounds();
    State.Pen.Color = Graphics::clRed;
    State.Brush.Color = Graphics::clBlue;
  }
};

// Pixels (items) and bytes per second: by default the figure's 256 x 256 box.
void Report(benchmark::State& state, std::int64_t pixels = kPixels) {
  state.SetItemsProcessed(state.iterations() * pixels);
  state.SetBytesProcessed(state.iterations() * pixels *
                          static_cast<std::int64_t>(sizeof(Graphics::TPixel)));
}

void BM_StdFill(benchmark::State& state) {
  TScene scene;
  Graphics::TPixel pixel = 0;
  for (auto _ : state) {
    std::fill(scene.Surface.Row(0), scene.Surface.Row(0) + kPixels, ++pixel);
    benchmark::ClobberMemory();
  }
  Report(state);
}
BENCHMARK(BM_StdFill);

// Row by row, as the figures fill.
void BM_StdFillRows(benchmark::State& state) {
  TScene scene;
  Graphics::TPixel pixel = 0;
  for (auto _ : state) {
    ++pixel;
    for (int y = 0; y < kSize; ++y)
      std::fill(scene.Surface.Row(y), scene.Surface.Row(y) + kSize, pixel);
    benchmark::ClobberMemory();
  }
  Report(state);
}
BENCHMARK(BM_StdFillRows);

void BM_Memset(benchmark::State& state) {
  TScene scene;
  int value = 0;
  for (auto _ : state) {
    std::memset(scene.Surface.Row(0), ++value & 0xFF, kPixels * sizeof(Graphics::TPixel));
    benchmark::ClobberMemory();
  }
  Report(state);
}
BENCHMARK(BM_Memset);

template <typename Draw>
void Run(benchmark::State& state, Draw draw, std::int64_t pixels = kPixels) {
  TScene scene;
  for (auto _ : state) {
    draw(scene.Device, scene.State);
    benchmark::ClobberMemory();
  }
  Report(state, pixels);
}

void BM_FillRect(benchmark::State& state) {
  Run(state, [](TRasterDevice& d, const TDrawState& s) { d.FillRect({0, 0, kSize, kSize}, s); });
}
BENCHMARK(BM_FillRect);

void BM_Rectangle(benchmark::State& state) {
  Run(state, [](TRasterDevice& d, const TDrawState& s) { d.Rectangle({0, 0, kSize, kSize}, s); });
}
BENCHMARK(BM_Rectangle);

void BM_RoundRect(benchmark::State& state) {
  Run(state, [](TRasterDevice& d, const TDrawState& s) {
    d.RoundRect({0, 0, kSize, kSize}, 64, 48, s);
  });
}
BENCHMARK(BM_RoundRect);

void BM_Ellipse(benchmark::State& state) {
  Run(state, [](TRasterDevice& d, const TDrawState& s) { d.Ellipse({0, 0, kSize, kSize}, s); });
}
BENCHMARK(BM_Ellipse);

void BM_EllipseWidePen(benchmark::State& state) {
  TScene scene;
  scene.State.Pen.Width = 9;
  for (auto _ : state) {
    scene.Device.Ellipse({4, 4, kSize - 4, kSize - 4}, scene.State);
    benchmark::ClobberMemory();
  }
  Report(state);
}
BENCHMARK(BM_EllipseWidePen);

void BM_PolygonHexagon(benchmark::State& state) {
  const std::array<Types::TPoint, 6> hexagon{
      {{64, 0}, {192, 0}, {255, 128}, {192, 255}, {64, 255}, {0, 128}}};
  Run(state, [&](TRasterDevice& d, const TDrawState& s) { d.Polygon(hexagon, s); });
}
BENCHMARK(BM_PolygonHexagon);

void BM_PolygonTriangle(benchmark::State& state) {
  const std::array<Types::TPoint, 3> triangle{{{128, 0}, {255, 255}, {0, 255}}};
  Run(state, [&](TRasterDevice& d, const TDrawState& s) { d.Polygon(triangle, s); });
}
BENCHMARK(BM_PolygonTriangle);

// Both diagonals; items are the 2 x 255 pixels drawn.
void BM_LineTo(benchmark::State& state) {
  Run(
      state,
      [](TRasterDevice& d, const TDrawState& s) {
        d.LineTo({0, 0}, {kSize - 1, kSize - 1}, s);
        d.LineTo({0, kSize - 1}, {kSize - 1, 0}, s);
      },
      2 * (kSize - 1));
}
BENCHMARK(BM_LineTo);

// Lines from the centre to every border pixel: every slope, ties between two pixels
// included; items are the pixels drawn. Argument 1 draws them with a dashed pen.
void BM_LineFan(benchmark::State& state) {
  TScene scene;
  if (state.range(0) == 1) scene.State.Pen.Style = Graphics::psDash;
  constexpr int centre = kSize / 2, last = kSize - 1;
  std::int64_t pixels = 0;
  for (auto _ : state) {
    pixels = 0;
    for (int i = 0; i < kSize; ++i) {
      for (Types::TPoint end : {Types::TPoint{i, 0}, Types::TPoint{i, last}, Types::TPoint{0, i},
                                Types::TPoint{last, i}}) {
        scene.Device.LineTo({centre, centre}, end, scene.State);
        pixels += std::max(std::abs(end.X - centre), std::abs(end.Y - centre));
      }
    }
    benchmark::ClobberMemory();
  }
  Report(state, pixels);
}
BENCHMARK(BM_LineFan)->Arg(0)->Arg(1);

}  // namespace
