// One paint of a clock (analogue with every numeral, and digital) at 128 and 512
// pixels, and a tick that finds nothing to repaint.
#include <benchmark/benchmark.h>

#include "Forms.h"
#include "Platform/Clock.h"
#include "VormKlok.h"

namespace {

struct TClockBench {
  Platform::TVirtualClock Clock{Platform::LocalMs(2026, 12, 8, 10, 9, 30)};
  Forms::TForm Form{nullptr};
  VormKlok::TVormKlok* Klok;
  TClockBench(int size, bool digital) {
    Platform::UseClock(&Clock);
    Form.SetBounds(0, 0, size, size);
    Klok = new VormKlok::TVormKlok(&Form);
    Klok->SetBounds(0, 0, size, size);
    Klok->SetVorm(Vormen::Cirkel);
    Klok->SetDigital(digital);
    Klok->Font().SetName("Arial");
    Klok->SetParent(&Form);
    Form.PaintAll();
  }
  ~TClockBench() { Platform::UseClock(nullptr); }
};

void PaintClock(benchmark::State& state) {
  int size = static_cast<int>(state.range(0));
  TClockBench b(size, state.range(1) != 0);
  Graphics::TRasterDevice device(const_cast<Graphics::TSurface&>(b.Form.Surface()));
  for (auto _ : state) {
    b.Klok->PaintControl(device, {0, 0}, {0, 0, size, size});
    benchmark::ClobberMemory();
  }
  state.SetLabel(state.range(1) ? "digital" : "analogue");
}

void TickWithoutRepaint(benchmark::State& state) {
  TClockBench b(128, false);
  for (auto _ : state) b.Klok->NieuweStand(&b.Klok->KlokTimer());
  if (!b.Form.InvalidArea().IsEmpty()) state.SkipWithError("the tick asked for a paint");
}

BENCHMARK(PaintClock)->Args({128, 0})->Args({512, 0})->Args({128, 1})->Args({512, 1});
BENCHMARK(TickWithoutRepaint);

}  // namespace
