// make_film: draws the example film, a spinning top, with the host's own canvas,
// and writes its frames as 8-bit Windows bitmaps and its sound as a wave file.
//
//   make_film [FOLDER]      (default examples/film)
//
// Each frame is 96 by 96 on a fuchsia background, the colour a transparent film
// leaves out (the first stored pixel, bottom-left, is background). The sound is a
// short whirr, 16-bit mono at 22050 Hz.
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <map>
#include <numbers>
#include <stdexcept>
#include <string>
#include <vector>

#include "Graphics.h"
#include "LittleEndian.h"
#include "Platform/WaveFile.h"

namespace {

constexpr int kFrames = 36;
constexpr int kSize = 96;
constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr Graphics::TColor kBackground = Graphics::clFuchsia;
constexpr std::array<Graphics::TColor, 6> kStripes{Graphics::clRed,  Graphics::clYellow,
                                                   Graphics::clBlue, Graphics::clWhite,
                                                   Graphics::clLime, 0x0080FF};

using Types::TPoint;

// ---- drawing ----

struct TTop {
  double X;  // centre of the top's disc
  double Y;
  double Phase;  // how far it has turned
};

TPoint Rim(const TTop& top, double angle, double rx, double ry) {
  return {static_cast<int>(std::lround(top.X + rx * std::cos(angle))),
          static_cast<int>(std::lround(top.Y + ry * std::sin(angle)))};
}

// The front of the cone: each stripe from the disc's front rim down to the tip.
void DrawCone(Graphics::TCanvas& c, const TTop& top, TPoint tip) {
  constexpr int kSteps = 6;
  const double sector = kTwoPi / static_cast<double>(kStripes.size() * 2);
  for (std::size_t s = 0; s < kStripes.size() * 2; ++s) {
    double from = top.Phase + static_cast<double>(s) * sector;
    std::vector<TPoint> points;
    for (int i = 0; i <= kSteps; ++i) {
      double a = std::fmod(from + sector * i / kSteps, kTwoPi);
      if (std::sin(a) >= 0) points.push_back(Rim(top, a, 34, 11));
    }
    if (points.empty()) continue;
    points.push_back(tip);
    c.Brush().SetColor(kStripes[s % kStripes.size()]);
    c.Polygon(points);
  }
}

void DrawDisc(Graphics::TCanvas& c, const TTop& top) {
  constexpr int kSteps = 5;
  const double sector = kTwoPi / static_cast<double>(kStripes.size());
  for (std::size_t s = 0; s < kStripes.size(); ++s) {
    std::vector<TPoint> points{Rim(top, 0, 0, 0)};
    for (int i = 0; i <= kSteps; ++i)
      points.push_back(
          Rim(top, -top.Phase + static_cast<double>(s) * sector + sector * i / kSteps, 34, 11));
    c.Brush().SetColor(kStripes[(s + 3) % kStripes.size()]);
    c.Polygon(points);
  }
}

void DrawFrame(Graphics::TBitmap& frame, int k) {
  Graphics::TCanvas& c = frame.Canvas();
  c.Brush().SetColor(kBackground);
  c.FillRect({0, 0, kSize, kSize});
  double t = kTwoPi * k / kFrames;
  TTop top{48 + 5 * std::sin(t), 40 + 1.5 * std::cos(2 * t), 3 * t};
  const TPoint tip{48, 84};
  c.Pen().SetColor(Graphics::clGray);
  c.Brush().SetColor(Graphics::clGray);
  c.Ellipse(30, 82, 66, 90);  // the shadow
  c.Pen().SetColor(Graphics::clBlack);
  DrawCone(c, top, tip);
  DrawDisc(c, top);
  auto x = static_cast<int>(std::lround(top.X));
  auto y = static_cast<int>(std::lround(top.Y));
  c.Brush().SetColor(Graphics::clMaroon);
  c.Rectangle(x - 3, y - 22, x + 3, y + 1);  // the handle
}

// ---- writing ----

using LittleEndian::Write16;
using LittleEndian::Write32;

void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream f(path, std::ios::binary);
  f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!f) throw std::runtime_error("cannot write " + path);
}

// An uncompressed 8-bit bitmap, bottom-up, with a palette of the colours used.
void WriteBmp8(const Graphics::TSurface& s, const std::string& path) {
  std::map<Graphics::TPixel, std::uint8_t> palette;
  for (int y = 0; y < s.Height(); ++y)
    for (int x = 0; x < s.Width(); ++x)
      if (palette.try_emplace(s.Pixel(x, y), static_cast<std::uint8_t>(palette.size())).second &&
          palette.size() > 256)
        throw std::runtime_error(path + ": more than 256 colours");
  const auto stride = static_cast<std::uint32_t>((s.Width() + 3) / 4 * 4);
  const auto colours = static_cast<std::uint32_t>(palette.size());
  const std::uint32_t offset = 14 + 40 + 4 * colours;
  const std::uint32_t imageSize = stride * static_cast<std::uint32_t>(s.Height());
  std::vector<std::uint8_t> out{'B', 'M'};
  Write32(out, offset + imageSize);
  Write32(out, 0);
  Write32(out, offset);
  Write32(out, 40);
  Write32(out, static_cast<std::uint32_t>(s.Width()));
  Write32(out, static_cast<std::uint32_t>(s.Height()));
  Write16(out, 1);
  Write16(out, 8);
  Write32(out, 0);  // no compression
  Write32(out, imageSize);
  Write32(out, 2835);  // 72 dots per inch
  Write32(out, 2835);
  Write32(out, colours);
  Write32(out, 0);
  std::vector<Graphics::TPixel> byIndex(colours);
  for (const auto& [pixel, index] : palette) byIndex[index] = pixel;
  for (Graphics::TPixel p : byIndex) Write32(out, p);  // B, G, R, 0 in the file
  for (int y = s.Height() - 1; y >= 0; --y) {
    for (int x = 0; x < s.Width(); ++x) out.push_back(palette.at(s.Pixel(x, y)));
    for (auto pad = static_cast<std::uint32_t>(s.Width()); pad < stride; ++pad) out.push_back(0);
  }
  WriteFile(path, out);
}

// A whirr: a tone that rises as the top spins up, with a beat, fading out.
void WriteWave(const std::string& path) {
  constexpr int kRate = 22050;
  constexpr int kCount = kRate * 7 / 10;
  Platform::TWave wave;
  wave.Rate = kRate;
  double phase = 0;
  for (int i = 0; i < kCount; ++i) {
    double t = static_cast<double>(i) / kCount;
    phase += kTwoPi * (300 + 600 * t) / kRate;
    double level =
        0.35 * std::min(1.0, 20 * t) * (1 - t) * (0.75 + 0.25 * std::sin(kTwoPi * 18 * t));
    wave.Samples.push_back(static_cast<std::int16_t>(std::lround(level * 32767 * std::sin(phase))));
  }
  Platform::WriteWaveFile(wave, path);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? argv[1] : "examples/film";
  try {
    for (int k = 0; k < kFrames; ++k) {
      Graphics::TBitmap frame(kSize, kSize);
      DrawFrame(frame, k);
      char name[32];
      std::snprintf(name, sizeof name, "/tol%02d.bmp", k + 1);
      WriteBmp8(frame.Surface(), folder + name);
    }
    WriteWave(folder + "/tol.wav");
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_film: %s\n", e.what());
    return 1;
  }
  std::printf("wrote %d frames and tol.wav in %s\n", kFrames, folder.c_str());
  return 0;
}
