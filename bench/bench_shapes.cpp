// One paint of each figure at 62, 256 and 1024 pixels, beside a plain fill of the
// same area (the memory-bandwidth limit).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

#include "Forms.h"
#include "Vormen.h"

namespace {

struct TBench {
  Forms::TForm Form{nullptr};
  Vormen::TVorm* Shape;
  TBench(int size, Vormen::TVormen figure, int pen) {
    Form.SetBounds(0, 0, size, size);
    Shape = new Vormen::TVorm(&Form);
    Shape->SetBounds(0, 0, size, size);
    Shape->SetVorm(figure);
    Shape->Pen().SetWidth(pen);
    Shape->Brush().SetColor(Graphics::clYellow);
    Shape->SetParent(&Form);
    Form.PaintAll();
    Form.PaintAll();  // let a hexagon cell settle its height
  }
};

void PaintFigure(benchmark::State& state) {
  int size = static_cast<int>(state.range(0));
  auto figure = static_cast<Vormen::TVormen>(state.range(1));
  TBench b(size, figure, static_cast<int>(state.range(2)));
  Graphics::TRasterDevice device(const_cast<Graphics::TSurface&>(b.Form.Surface()));
  Types::TRect all{0, 0, size, size};
  for (auto _ : state) {
    b.Shape->PaintControl(device, {0, 0}, all);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * size * size);
  state.SetLabel(std::string(Vormen::VormenType()->NameOf(state.range(1))));
}

void PlainFill(benchmark::State& state) {
  int size = static_cast<int>(state.range(0));
  Graphics::TSurface surface(size, size);
  for (auto _ : state) {
    std::fill(surface.Row(0), surface.Row(0) + static_cast<std::size_t>(size) * size, 0x00FFFF00u);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * size * size);
}

void FigureArgs(benchmark::internal::Benchmark* b) {
  for (int size : {62, 256, 1024})
    for (int figure = 0; figure < 12; ++figure) b->Args({size, figure, 1});
  for (int figure = 0; figure < 12; ++figure) b->Args({256, figure, 5});
}

BENCHMARK(PaintFigure)->Apply(FigureArgs);
BENCHMARK(PlainFill)->Arg(62)->Arg(256)->Arg(1024);

}  // namespace
