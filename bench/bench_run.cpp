// The designer's Run on the demo form: starting it (the form read back from its
// text, its animations started), one displayed frame of play at 1x (about 16.7
// ms of the run's time, at 60 Hz), a frame of the window while it plays (the
// run's time, the upload of what was painted and the time bar drawn), and
// scrubbing back, which runs a fresh copy from the start up to the time asked
// for (argument: seconds).
#include <SDL.h>
#include <benchmark/benchmark.h>

#include "Classes/Streaming.h"
#include "DesignSession.h"
#include "DesignerWindow.h"
#include "FormRun.h"
#include "RunSession.h"
#include "RunView.h"

namespace {

constexpr std::int64_t kAt = Forms::TimeOfDay(10, 9, 30);
constexpr std::int64_t kFrameMs = 17;

// The demo's text as the designer's Run reads it.
struct TDemo {
  TDemo() {
    Tools::RegisterForDesign();
    Session.Open(TOLLEN_DEMO_FORM);
    Text = Classes::WriteComponentText(Session.Form());
  }
  Tools::TRunSession Run() {
    return Tools::TRunSession(Text, Session.Form().FileFolder(), "demo.form", kAt);
  }
  Tools::TDesignSession Session;
  std::string Text;
};

void BM_RunStart(benchmark::State& state) {
  TDemo demo;
  for (auto _ : state) {
    Tools::TRunSession run = demo.Run();
    benchmark::DoNotOptimize(run.ElapsedMs());
  }
}
BENCHMARK(BM_RunStart)->Unit(benchmark::kMillisecond);

void BM_PlayFrame(benchmark::State& state) {
  TDemo demo;
  Tools::TRunSession run = demo.Run();
  for (auto _ : state) run.RunFor(kFrameMs);
}
BENCHMARK(BM_PlayFrame)->Unit(benchmark::kMicrosecond);

void BM_ScrubBack(benchmark::State& state) {
  TDemo demo;
  Tools::TRunSession run = demo.Run();
  const std::int64_t to = state.range(0) * 1000;
  run.SeekTo(to + 1);
  for (auto _ : state) {
    run.SeekTo(to);  // back: a fresh run up to `to`
    state.PauseTiming();
    run.RunFor(1);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ScrubBack)->Arg(1)->Arg(10)->Arg(60)->Unit(benchmark::kMillisecond);

void BM_WindowFramePlaying(benchmark::State& state) {
  if (!getenv("DISPLAY")) setenv("SDL_VIDEODRIVER", "offscreen", 1);
  TDemo demo;
  Designer::TDesignerWindow window(demo.Session, Designer::TWindowOptions{.Software = true});
  window.Step();
  window.RunView().Start(kAt);
  for (auto _ : state) window.Step();
  window.RunView().Stop();
}
BENCHMARK(BM_WindowFramePlaying)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
