// One paint of a 40-letter wave caption, beside the same caption drawn with one
// TextOut (what the wave's letter-by-letter drawing costs over it), and one step
// of the scrolling label.
#include <benchmark/benchmark.h>

#include <string>

#include "Forms.h"
#include "GolfTekst.h"
#include "LichtKrant.h"

namespace {

const std::string kCaption = "De golftekst deint over veertig letters!";  // 40 letters

// Sizes in points (positive) or pixels (negative), as TFont heights have it.
void SetSize(Graphics::TFont& font, int size) {
  if (size > 0)
    font.SetSize(size);
  else
    font.SetHeight(size);
}

std::string SizeLabel(int size) {
  return size > 0 ? std::to_string(size) + " pt" : std::to_string(-size) + " px";
}

struct TWaveBench {
  Forms::TForm Form{nullptr};
  GolfTekst::TGolfTekst* Wave = new GolfTekst::TGolfTekst(&Form);
  explicit TWaveBench(int size) {
    Form.SetBounds(0, 0, 1200, 200);
    Wave->SetParent(&Form);
    SetSize(Wave->Font(), size);
    Wave->SetCaption(kCaption);
    Wave->StoreAantalKleuren(3);
    for (int i = 1; i <= 3; ++i) Wave->SetKleuren()->SetKleur(i, 0x40 * i);
    Form.PaintAll();  // sizes the control and fills the glyph cache
    Form.PaintAll();
  }
};

void WavePaint(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  TWaveBench b(size);
  Graphics::TRasterDevice device(const_cast<Graphics::TSurface&>(b.Form.Surface()));
  const Types::TRect all = b.Wave->BoundsRect();
  for (auto _ : state) {
    b.Wave->Tik(nullptr);
    b.Wave->PaintControl(device, {all.Left, all.Top}, all);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kCaption.size()));
  state.SetLabel(SizeLabel(size));
}

void CaptionTextOut(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  TWaveBench b(size);
  Graphics::TRasterDevice device(const_cast<Graphics::TSurface&>(b.Form.Surface()));
  Graphics::TCanvas canvas;
  canvas.SetDevice(&device);
  canvas.SetFont(b.Wave->Font());
  canvas.Brush().SetStyle(Graphics::bsClear);
  for (auto _ : state) {
    canvas.TextOut(0, 20, kCaption);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kCaption.size()));
  state.SetLabel(SizeLabel(size));
}

// The floor of any letter-by-letter drawing: the caption as 40 one-letter TextOuts.
void LettersTextOut(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  TWaveBench b(size);
  Graphics::TRasterDevice device(const_cast<Graphics::TSurface&>(b.Form.Surface()));
  Graphics::TCanvas canvas;
  canvas.SetDevice(&device);
  canvas.SetFont(b.Wave->Font());
  canvas.Brush().SetStyle(Graphics::bsClear);
  std::string_view caption = kCaption;
  for (auto _ : state) {
    int x = 0;
    for (std::size_t i = 0; i < caption.size(); ++i) {
      canvas.TextOut(x, 20, caption.substr(i, 1));
      x = canvas.PenPos().X;
    }
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kCaption.size()));
  state.SetLabel(SizeLabel(size));
}

struct TMarqueeBench {
  Forms::TForm Form{nullptr};
  LichtKrant::TLichtKrant* Label = new LichtKrant::TLichtKrant(&Form);
  TMarqueeBench() {
    Form.SetBounds(0, 0, 600, 40);
    Label->SetParent(&Form);
    Label->SetCaption(kCaption);
    Form.PaintAll();
  }
};

// The timer's step alone: rotate, resize to the text, ask for a paint.
void MarqueeStep(benchmark::State& state) {
  TMarqueeBench b;
  for (auto _ : state) {
    b.Label->Roteer(nullptr);
    benchmark::DoNotOptimize(b.Label->Caption().data());
  }
}

// The step with the paint it asks for.
void MarqueeStepPainted(benchmark::State& state) {
  TMarqueeBench b;
  for (auto _ : state) {
    b.Label->Roteer(nullptr);
    b.Form.Update();
    benchmark::ClobberMemory();
  }
}

BENCHMARK(WavePaint)->Arg(12)->Arg(36)->Arg(-12);
BENCHMARK(CaptionTextOut)->Arg(12)->Arg(36)->Arg(-12);
BENCHMARK(LettersTextOut)->Arg(12)->Arg(36)->Arg(-12);
BENCHMARK(MarqueeStep);
BENCHMARK(MarqueeStepPainted);

}  // namespace
