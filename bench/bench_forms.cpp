// Reading and writing a form of 1,000 components, and rendering frames of the demo.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "Classes/Streaming.h"
#include "Forms.h"
#include "Platform/Clock.h"
#include "Tollenspiegel.h"

namespace {

std::string ThousandShapes() {
  std::string text = "object F: TForm\n  Width = 640\n  Height = 480\n";
  for (int i = 0; i < 1000; ++i)
    text += "  object V" + std::to_string(i) + ": TVorm\n    Left = " + std::to_string(i % 600) +
            "\n    Top = " + std::to_string(i % 400) +
            "\n    Vorm = Cirkel\n    Brush.Color = clYellow\n    Pen.Width = 2\n  end\n";
  return text + "end\n";
}

void ReadForm1000(benchmark::State& state) {
  Tollenspiegel::RegisterClasses();
  const std::string text = ThousandShapes();
  for (auto _ : state) benchmark::DoNotOptimize(Classes::ReadComponentText(text));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

void WriteForm1000(benchmark::State& state) {
  Tollenspiegel::RegisterClasses();
  auto root = Classes::ReadComponentText(ThousandShapes());
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

BENCHMARK(ReadForm1000)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteForm1000)->Unit(benchmark::kMillisecond);
BENCHMARK(RenderDemo100Frames)->Unit(benchmark::kMillisecond);

}  // namespace
