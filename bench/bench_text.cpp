// Text on a warm glyph cache: a 40-letter caption drawn with TCanvas::TextOut (which
// also measures it for the pen) and measured alone, for the default face at 12 and
// 36 pixels and the fixed face; and a caption at sizes that always miss the cache.
#include <benchmark/benchmark.h>

#include <string>

#include "Graphics/Canvas.h"
#include "Graphics/GlyphCache.h"
#include "Graphics/Raster.h"
#include "Graphics/Text.h"

namespace {

using namespace Graphics;

const std::string kCaption = "Tollenspiegel shows animated captions ok";  // 40 letters

TFontData Font(int height, bool fixed) {
  TFontData f;
  if (fixed) f.Name = std::string(Text::kFixedFaceName);
  f.Height = height;
  f.Color = clNavy;
  return f;
}

void TextOut(benchmark::State& state, bool fixed, TBrushStyle brush) {
  int height = static_cast<int>(state.range(0));
  TSurface surface(40 * height, 2 * height, 0xFFFFFF);
  TRasterDevice device(surface);
  TCanvas canvas;
  canvas.SetDevice(&device);
  canvas.Font().SetName(Font(-height, fixed).Name);
  canvas.Font().SetHeight(-height);
  canvas.Brush().SetStyle(brush);
  canvas.TextOut(2, 2, kCaption);  // warm the cache
  for (auto _ : state) {
    canvas.TextOut(2, 2, kCaption);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kCaption.size()));
}

void TextOutClear(benchmark::State& state) { TextOut(state, false, bsClear); }
void TextOutSolid(benchmark::State& state) { TextOut(state, false, bsSolid); }
void FixedTextOutClear(benchmark::State& state) { TextOut(state, true, bsClear); }
void FixedTextOutSolid(benchmark::State& state) { TextOut(state, true, bsSolid); }

void Width(benchmark::State& state, bool fixed) {
  TFontData font = Font(-static_cast<int>(state.range(0)), fixed);
  Text::Extent(font, kCaption);
  for (auto _ : state) benchmark::DoNotOptimize(Text::Extent(font, kCaption));
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kCaption.size()));
}

void TextWidth(benchmark::State& state) { Width(state, false); }
void FixedTextWidth(benchmark::State& state) { Width(state, true); }

// Cycles through more sizes than the cache keeps, so every glyph is rendered anew.
void TextOutColdCache(benchmark::State& state) {
  TSurface surface(600, 60, 0xFFFFFF);
  TDrawState s;
  s.Brush.Style = bsClear;
  s.Clip = surface.Bounds();
  int sizes = static_cast<int>(Text::TGlyphCache::kMaxSizes) + 4;
  int next = 0;
  for (auto _ : state) {
    s.Font = Font(-(10 + next), false);
    next = (next + 1) % sizes;
    Text::Draw(surface, 2, 2, kCaption, s);
    benchmark::ClobberMemory();
  }
}

}  // namespace

BENCHMARK(TextOutClear)->Arg(12)->Arg(36);
BENCHMARK(TextOutSolid)->Arg(12)->Arg(36);
BENCHMARK(FixedTextOutClear)->Arg(12)->Arg(36);
BENCHMARK(FixedTextOutSolid)->Arg(12);
BENCHMARK(TextWidth)->Arg(12)->Arg(36);
BENCHMARK(FixedTextWidth)->Arg(12);
BENCHMARK(TextOutColdCache);
