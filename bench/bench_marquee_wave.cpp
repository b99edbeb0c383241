// One paint of a 40-letter wave caption, beside the same caption drawn with one
// TextOut (what the wave's letter-by-letter drawing costs over it) and, when cairo
// is found, cairo drawing the same string at once with monochrome glyphs; and one
// step of the scrolling label. After the runs a table gives the wave's fastest time
// as a multiple of the others'.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "Fastest.h"
#include "Forms.h"
#include "GolfTekst.h"
#include "LichtKrant.h"

#ifdef TOLLEN_BENCH_CAIRO
#include <cairo.h>
#endif

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

#ifdef TOLLEN_BENCH_CAIRO

// The caption at the same pixel size in a sans face, monochrome, in one call.
void CairoText(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1200, 200);
  cairo_t* cr = cairo_create(surface);
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_NONE);
  cairo_set_font_options(cr, options);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size > 0 ? size * Graphics::kPixelsPerInch / 72.0 : -size);
  cairo_set_source_rgb(cr, 0, 0, 0.5);
  for (auto _ : state) {
    cairo_move_to(cr, 0, 40);
    cairo_show_text(cr, kCaption.c_str());
    cairo_surface_flush(surface);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kCaption.size()));
  state.SetLabel(SizeLabel(size));
  cairo_font_options_destroy(options);
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
}
BENCHMARK(CairoText)->Apply(Bench::WithMinimum)->Arg(12)->Arg(36)->Arg(-12);

#endif

BENCHMARK(WavePaint)->Apply(Bench::WithMinimum)->Arg(12)->Arg(36)->Arg(-12);
BENCHMARK(CaptionTextOut)->Apply(Bench::WithMinimum)->Arg(12)->Arg(36)->Arg(-12);
BENCHMARK(LettersTextOut)->Apply(Bench::WithMinimum)->Arg(12)->Arg(36)->Arg(-12);
BENCHMARK(MarqueeStep)->Apply(Bench::WithMinimum);
BENCHMARK(MarqueeStepPainted)->Apply(Bench::WithMinimum);

void Summarise(const Bench::TFastest& runs) {
  std::printf("\n%-6s %10s %13s %11s %8s %12s\n", "size", "wave ns", "x one TextOut",
              "x 40 TextOut", "cairo ns", "x cairo");
  for (int size : {12, 36, -12}) {
    const std::string arg = "/" + std::to_string(size);
    const double wave = runs.Nanoseconds("WavePaint" + arg);
    if (std::isnan(wave)) continue;
    const double cairo = runs.Nanoseconds("CairoText" + arg);
    std::printf("%-6s %10s %13s %11s %8s %12s\n", SizeLabel(size).c_str(),
                Bench::Nanoseconds(wave).c_str(),
                Bench::Ratio(wave, runs.Nanoseconds("CaptionTextOut" + arg)).c_str(),
                Bench::Ratio(wave, runs.Nanoseconds("LettersTextOut" + arg)).c_str(),
                Bench::Nanoseconds(cairo).c_str(), Bench::Ratio(wave, cairo).c_str());
  }
}

}  // namespace

int main(int argc, char** argv) { return Bench::RunAndSummarise(argc, argv, Summarise); }
