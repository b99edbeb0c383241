// One paint of each figure with pens 1 and 5 at 62, 256 and 1024 pixels, beside a
// memset of the same surface (the memory's speed) and, when cairo is found, cairo
// drawing the same canvas calls without antialiasing. After the runs a table gives
// each figure's fastest time as a multiple of the memset's and of cairo's.
//
// Names: Paint/<size>/pen<width>/<figure>, Cairo/<size>/pen<width>/<figure>,
// Memset/<size>/surface; --benchmark_filter=/256/ keeps one size.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "Fastest.h"
#include "Forms.h"
#include "Graphics/Recorder.h"
#include "Vormen.h"

#ifdef TOLLEN_BENCH_CAIRO
#include <cairo.h>
#endif

namespace {

constexpr int kSizes[] = {62, 256, 1024};
constexpr int kPens[] = {1, 5};
constexpr int kFigures = 12;

std::string FigureName(int figure) { return std::string(Vormen::VormenType()->NameOf(figure)); }

std::string Name(const char* what, int size, int pen, int figure) {
  return std::string(what) + "/" + std::to_string(size) + "/pen" + std::to_string(pen) + "/" +
         FigureName(figure);
}

std::string MemsetName(int size) { return "Memset/" + std::to_string(size) + "/surface"; }

struct TBench {
  Forms::TForm Form{nullptr};
  Vormen::TVorm* Shape;
  Types::TRect All;
  TBench(int size, int figure, int pen) : All{0, 0, size, size} {
    Form.SetBounds(0, 0, size, size);
    Shape = new Vormen::TVorm(&Form);
    Shape->SetBounds(0, 0, size, size);
    Shape->SetVorm(static_cast<Vormen::TVormen>(figure));
    Shape->Pen().SetWidth(pen);
    Shape->Brush().SetColor(Graphics::clYellow);
    Shape->SetParent(&Form);
    Form.PaintAll();
    Form.PaintAll();  // let a hexagon cell settle its height
  }
};

void PaintFigure(benchmark::State& state, int size, int figure, int pen) {
  TBench b(size, figure, pen);
  Graphics::TRasterDevice device(const_cast<Graphics::TSurface&>(b.Form.Surface()));
  for (auto _ : state) {
    b.Shape->PaintControl(device, {0, 0}, b.All);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * size * size);
}

void Memset(benchmark::State& state, int size) {
  Graphics::TSurface surface(size, size);
  const std::size_t bytes = static_cast<std::size_t>(size) * size * sizeof(Graphics::TPixel);
  int value = 0;
  for (auto _ : state) {
    std::memset(surface.Row(0), ++value & 0xFF, bytes);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * size * size);
}

#ifdef TOLLEN_BENCH_CAIRO

void SetColor(cairo_t* cr, Graphics::TColor color) {
  const Graphics::TPixel p = Graphics::ColorToPixel(color);
  cairo_set_source_rgb(cr, ((p >> 16) & 0xFF) / 255.0, ((p >> 8) & 0xFF) / 255.0,
                       (p & 0xFF) / 255.0);
}

// The path of one recorded call, through the centres of the pixels the platform's
// width-1 outline covers.
void AddPath(cairo_t* cr, const Graphics::TCall& call) {
  const Types::TRect& r = call.Rect;
  const double l = r.Left + 0.5, t = r.Top + 0.5, w = r.Right - r.Left - 1.0,
               h = r.Bottom - r.Top - 1.0;
  switch (call.Kind) {
    case Graphics::TCallKind::Ellipse:
      cairo_save(cr);
      cairo_translate(cr, l + w / 2, t + h / 2);
      cairo_scale(cr, w / 2, h / 2);
      cairo_arc(cr, 0, 0, 1, 0, 2 * 3.14159265358979);
      cairo_restore(cr);
      break;
    case Graphics::TCallKind::RoundRect: {
      const double rx = call.CornerWidth / 2.0, ry = call.CornerHeight / 2.0;
      const double pi = 3.14159265358979;
      auto corner = [&](double cx, double cy, double from) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_scale(cr, rx, ry);
        cairo_arc(cr, 0, 0, 1, from, from + pi / 2);
        cairo_restore(cr);
      };
      cairo_new_sub_path(cr);
      corner(l + w - rx, t + ry, -pi / 2);
      corner(l + w - rx, t + h - ry, 0);
      corner(l + rx, t + h - ry, pi / 2);
      corner(l + rx, t + ry, pi);
      cairo_close_path(cr);
      break;
    }
    case Graphics::TCallKind::Polygon:
      for (const Types::TPoint& p : call.Points) cairo_line_to(cr, p.X + 0.5, p.Y + 0.5);
      cairo_close_path(cr);
      break;
    case Graphics::TCallKind::FillRect:
      cairo_rectangle(cr, r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
      break;
    default:
      cairo_rectangle(cr, l, t, w, h);
      break;
  }
}

void Replay(cairo_t* cr, const Graphics::TCall& call) {
  const Graphics::TDrawState& s = call.State;
  AddPath(cr, call);
  if (s.Brush.Style == Graphics::bsSolid) {
    SetColor(cr, s.Brush.Color);
    cairo_fill_preserve(cr);
  }
  if (call.Kind != Graphics::TCallKind::FillRect && s.Pen.Style != Graphics::psClear) {
    SetColor(cr, s.Pen.Color);
    cairo_set_line_width(cr, std::max(1, s.Pen.Width));
    cairo_stroke(cr);
  }
  cairo_new_path(cr);
}

void CairoFigure(benchmark::State& state, int size, int figure, int pen) {
  TBench b(size, figure, pen);
  Graphics::TRecorder recorder(b.All);
  b.Shape->PaintControl(recorder, {0, 0}, b.All);
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, size, size);
  cairo_t* cr = cairo_create(surface);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (auto _ : state) {
    for (const Graphics::TCall& call : recorder.Calls()) Replay(cr, call);
    cairo_surface_flush(surface);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * size * size);
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
}

#endif

void Register() {
  for (int size : kSizes) {
    benchmark::RegisterBenchmark(MemsetName(size).c_str(), Memset, size)->Apply(Bench::WithMinimum);
    for (int pen : kPens)
      for (int figure = 0; figure < kFigures; ++figure) {
        benchmark::RegisterBenchmark(Name("Paint", size, pen, figure).c_str(), PaintFigure, size,
                                     figure, pen)
            ->Apply(Bench::WithMinimum);
#ifdef TOLLEN_BENCH_CAIRO
        benchmark::RegisterBenchmark(Name("Cairo", size, pen, figure).c_str(), CairoFigure, size,
                                     figure, pen)
            ->Apply(Bench::WithMinimum);
#endif
      }
  }
}

void Summarise(const Bench::TFastest& runs) {
  for (int size : kSizes) {
    const double memset = runs.Nanoseconds(MemsetName(size));
    if (std::isnan(memset)) continue;
    std::printf("\n%d x %d pixels, memset %s ns\n", size, size, Bench::Nanoseconds(memset).c_str());
    std::printf("%-16s %4s %10s %9s %10s %9s\n", "figure", "pen", "ns", "x memset", "cairo ns",
                "x cairo");
    for (int pen : kPens)
      for (int figure = 0; figure < kFigures; ++figure) {
        const double paint = runs.Nanoseconds(Name("Paint", size, pen, figure));
        const double cairo = runs.Nanoseconds(Name("Cairo", size, pen, figure));
        if (std::isnan(paint)) continue;
        std::printf("%-16s %4d %10s %9s %10s %9s\n", FigureName(figure).c_str(), pen,
                    Bench::Nanoseconds(paint).c_str(), Bench::Ratio(paint, memset).c_str(),
                    Bench::Nanoseconds(cairo).c_str(), Bench::Ratio(paint, cairo).c_str());
      }
  }
}

}  // namespace

int main(int argc, char** argv) {
  Register();
  return Bench::RunAndSummarise(argc, argv, Summarise);
}
