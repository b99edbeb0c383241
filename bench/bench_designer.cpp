// The designer window's costs on the demo form: opening it, a frame while a
// control is dragged (the display gives about 16.7 ms a frame at 60 Hz), and the
// processor time an idle window takes over ten seconds of real time (the clocks
// on the demo form tick, so a few frames a second are drawn; on an empty form
// none is). The window draws with
// SDL's software renderer on the offscreen driver: what a display adds is not
// measured. Run it under a display (xvfb-run will do) for the idle figures: the
// offscreen driver polls while it waits.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <ctime>

#include "DesignSession.h"
#include "DesignerWindow.h"
#include "FormCanvas.h"

namespace {

double CpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

struct TDesigner {
  explicit TDesigner(bool demo = true) {
    // A display when there is one (its driver waits for events without polling).
    if (!getenv("DISPLAY")) setenv("SDL_VIDEODRIVER", "offscreen", 1);
    Tools::RegisterForDesign();
    if (demo) Session.Open(TOLLEN_DEMO_FORM);
    Window = std::make_unique<Designer::TDesignerWindow>(
        Session, Designer::TWindowOptions{.Software = true});
    for (int i = 0; i < 3; ++i) Window->Step();
  }
  void Push(Uint32 type, Types::TPoint p) {
    SDL_Event e{};
    e.type = type;
    if (type == SDL_MOUSEMOTION) {
      e.motion.x = p.X;
      e.motion.y = p.Y;
    } else {
      e.button.button = SDL_BUTTON_LEFT;
      e.button.x = p.X;
      e.button.y = p.Y;
    }
    SDL_PushEvent(&e);
  }
  Tools::TDesignSession Session;
  std::unique_ptr<Designer::TDesignerWindow> Window;
};

void BM_OpenDemoForm(benchmark::State& state) {
  Tools::RegisterForDesign();
  Tools::TDesignSession session;
  for (auto _ : state) session.Open(TOLLEN_DEMO_FORM);
}
BENCHMARK(BM_OpenDemoForm)->Unit(benchmark::kMillisecond);

void BM_DragFrame(benchmark::State& state) {
  TDesigner d;
  const Types::TPoint start = d.Window->Canvas().WindowPoint({60, 60});  // the clock
  d.Push(SDL_MOUSEMOTION, start);
  d.Window->Step();
  d.Push(SDL_MOUSEBUTTONDOWN, start);
  d.Window->Step();
  int step = 0;
  for (auto _ : state) {
    ++step;
    d.Push(SDL_MOUSEMOTION, {start.X + step % 200, start.Y + step % 100});
    d.Window->Step();
  }
  state.counters["frames_per_s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_DragFrame)->Unit(benchmark::kMillisecond)->UseRealTime();

// Argument 0: a new, empty form (nothing moves); 1: the demo form.
void BM_IdleTenSeconds(benchmark::State& state) {
  TDesigner d(state.range(0) == 1);
  Forms::Application().SetEventSource(d.Window.get());
  Forms::Application().RunFor(1'000);  // the window's first events (mapped, exposed) pass
  Forms::Application().SetEventSource(nullptr);
  for (auto _ : state) {
    const int framesBefore = d.Window->FramesDrawn();
    const double cpu = CpuSeconds();
    Forms::Application().SetEventSource(d.Window.get());
    Forms::Application().RunFor(10'000);
    Forms::Application().SetEventSource(nullptr);
    state.counters["cpu_percent"] = (CpuSeconds() - cpu) / 10.0 * 100.0;
    state.counters["frames"] = d.Window->FramesDrawn() - framesBefore;
  }
}
BENCHMARK(BM_IdleTenSeconds)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kSecond)
    ->Iterations(1)
    ->UseRealTime();

}  // namespace

// The inspector's rows of the demo's clock, as each frame reads them through
// their editors.
void BM_InspectorRows(benchmark::State& state) {
  Tools::RegisterForDesign();
  Tools::TDesignSession session;
  session.Open(TOLLEN_DEMO_FORM);
  const std::string clock = session.ComponentNames().front();
  std::size_t rows = 0;
  for (auto _ : state) rows = session.Properties(clock).size();
  state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_InspectorRows)->Unit(benchmark::kMicrosecond);
