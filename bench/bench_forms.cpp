// Reading forms of 1,000 to 100,000 components (reading time grows linearly with
// the count), writing one of 1,000, and rendering frames of the demo.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "Classes/Streaming.h"
#include "Forms.h"
#include "Platform/Clock.h"
#include "Tollenspiegel.h"

namespace {

std::string Shapes(int count) {
  std::string text = "object F: TForm\n  Width = 640\n  Height = 480\n";
  for (int i = 0; i < count; ++i)
    text += "  object V" + std::to_string(i) + ": TVorm\n    Left = " + std::to_string(i % 600) +
            "\n    Top = " + std::to_string(i % 400) +
            "\n    Vorm = Cirkel\n    Brush.Color = clYellow\n    Pen.Width = 2\n  end\n";
  return text + "end\n";
}

void ReadForm(benchmark::State& state) {
  Tollenspiegel::RegisterClasses();
  const std::string text = Shapes(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(Classes::ReadComponentText(text));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void WriteForm1000(benchmark::State& state) {
  Tollenspiegel::RegisterClasses();
  auto root = Classes::ReadComponentText(Shapes(1000));
  for (auto _ : state) benchmark::DoNotOptimize(Classes::WriteComponentText(*root));
}

// 100 frames at 25 per second of the bundled demo: timers, invalidation, paint.
void RenderDemo100Frames(benchmark::State& state) {
  Tollenspiegel::RegisterClasses();
  Platform::TVirtualClock clock(Platform::LocalMs(2026, 12, 8, 10, 9, 30));
  Platform::UseClock(&clock);
  // From the form's folder, as the tools run it, so the film finds its frames.
  std::filesystem::current_path(std::filesystem::path(TOLLEN_DEMO_FORM).parent_path());
  auto root = Classes::ReadComponentFile(TOLLEN_DEMO_FORM);
  auto& form = dynamic_cast<Forms::TForm&>(*root);
  Tollenspiegel::StartAnimations(form);
  form.PaintAll();
  for (auto _ : state) {
    for (int frame = 0; frame < 100; ++frame) {
      Forms::Application().RunFor(40);
      form.Update();
    }
  }
  state.SetItemsProcessed(state.iterations() * 100);
  Platform::UseClock(nullptr);
}

BENCHMARK(ReadForm)->Arg(1000)->Arg(10000)->Arg(20000)->Arg(40000)->Arg(100000)->Unit(
    benchmark::kMillisecond);
BENCHMARK(WriteForm1000)->Unit(benchmark::kMillisecond);
BENCHMARK(RenderDemo100Frames)->Unit(benchmark::kMillisecond);

}  // namespace
