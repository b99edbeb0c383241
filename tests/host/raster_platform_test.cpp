// The raster device against the platform's own output: drawing steps whose pixels
// the platform produced are known by the SHA-1 of the whole 512 x 512 surface.
//
// The platform's surface is 32 bits a pixel, bottom-up, each pixel B, G, R, X, every
// byte 0xCC before a step. It keeps the X byte too: a pixel nothing drew keeps 0xCC,
// a drawn pixel gets the pen mode applied to (destination 0xCC, pen 0x00). Our
// surface keeps colours only, so each step is drawn twice: once in its colours, and
// once with every colour replaced by the X byte it leaves, under the copy mode.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include "Graphics/Canvas.h"
#include "Graphics/Raster.h"
#include "support/Sha1.h"

namespace {

using namespace Graphics;
using Types::TRect;

constexpr int kSize = 512;
constexpr std::uint8_t kUntouched = 0xCC;

constexpr TColor Rgb(int r, int g, int b) { return r | g << 8 | b << 16; }

// The X byte a pen mode leaves on a pixel: the mode's truth table (its platform code
// less one, indexed by pen bit * 2 + destination bit) over pen 0x00, destination 0xCC.
std::uint8_t ModeX(int platformCode) {
  const int table = platformCode - 1;
  std::uint8_t x = 0;
  for (int bit = 0; bit < 8; ++bit) {
    const int destination = kUntouched >> bit & 1;
    x |= static_cast<std::uint8_t>((table >> destination & 1) << bit);
  }
  return x;
}

// The pen modes by their platform code, 1 to 16.
constexpr std::array<TPenMode, 16> kModes{pmBlack,      pmNotMerge,    pmMaskNotPen, pmNotCopy,
                                          pmMaskPenNot, pmNot,         pmXor,        pmNotMask,
                                          pmMask,       pmNotXor,      pmNop,        pmMergeNotPen,
                                          pmCopy,       pmMergePenNot, pmMerge,      pmWhite};

// One drawing of a step: in its own colours, or in the X bytes it leaves.
class TPass {
 public:
  TPass(TSurface& surface, bool xBytes) : FDevice(surface), FXBytes(xBytes) {
    FCanvas.SetDevice(&FDevice);
  }

  void Pen(TPenStyle style, int width, TColor color, int platformCode = 13) {
    FCanvas.Pen().SetStyle(style);
    FCanvas.Pen().SetWidth(width);
    const std::uint8_t x = ModeX(platformCode);
    FCanvas.Pen().SetColor(FXBytes ? Rgb(x, x, x) : color);
    FCanvas.Pen().SetMode(FXBytes ? pmCopy : kModes[platformCode - 1]);
  }
  // A solid brush (the copy mode: X 0x00), which also paints the gaps of dashes.
  void Brush(TColor color) { FCanvas.Brush().SetColor(FXBytes ? clBlack : color); }
  void NoBrush() { FCanvas.Brush().SetStyle(bsClear); }
  void Clip(const TRect& clip) { FCanvas.SetDevice(&FDevice, {0, 0}, clip); }
  void Line(int x0, int y0, int x1, int y1) {
    FCanvas.MoveTo(x0, y0);
    FCanvas.LineTo(x1, y1);
  }
  void Rectangle(const TRect& r) { FCanvas.Rectangle(r); }
  void FillRect(const TRect& r) { FCanvas.FillRect(r); }

 private:
  TRasterDevice FDevice;
  TCanvas FCanvas;
  bool FXBytes;
};

using TDraw = std::function<void(TPass&)>;

// The surface as the platform lays it out, and its digest.
std::string DigestOf(const TDraw& draw) {
  TSurface colours(kSize, kSize, 0xCCCCCC), xBytes(kSize, kSize, 0xCCCCCC);
  TPass colourPass(colours, false), xPass(xBytes, true);
  draw(colourPass);
  draw(xPass);
  std::vector<std::uint8_t> bytes;
  bytes.reserve(std::size_t{kSize} * kSize * 4);
  for (int y = kSize - 1; y >= 0; --y) {
    for (int x = 0; x < kSize; ++x) {
      const TPixel p = colours.Pixel(x, y);
      bytes.insert(bytes.end(), {static_cast<std::uint8_t>(p), static_cast<std::uint8_t>(p >> 8),
                                 static_cast<std::uint8_t>(p >> 16),
                                 static_cast<std::uint8_t>(xBytes.Pixel(x, y))});
    }
  }
  return TestSupport::Sha1Hex(bytes);
}

constexpr TColor kBlue = Rgb(0, 0, 255), kRed = Rgb(255, 0, 0), kGreen = Rgb(0, 255, 0);
constexpr TColor kOrange = Rgb(0x33, 0xAA, 0xFF);

using TLines = std::vector<std::array<int, 4>>;

const TLines kHLines{{120, 120, 140, 120}, {100, 122, 140, 122}, {99, 124, 140, 124},
                     {120, 126, 200, 126}, {120, 128, 201, 128}, {99, 130, 201, 130},
                     {120, 100, 140, 100}, {120, 99, 140, 99},   {120, 199, 140, 199},
                     {120, 200, 140, 200}, {120, 132, 310, 132}, {10, 134, 101, 134},
                     {10, 136, 100, 136},  {199, 138, 220, 138}, {200, 140, 220, 140}};
const TLines kVLines{{120, 120, 120, 140}, {100, 120, 100, 140}, {99, 120, 99, 140},
                     {199, 120, 199, 140}, {200, 120, 200, 140}, {122, 99, 122, 201},
                     {124, 100, 124, 140}, {126, 99, 126, 140},  {128, 120, 128, 200},
                     {130, 120, 130, 201}, {132, 12, 132, 140},  {134, 90, 134, 101},
                     {136, 90, 136, 100},  {138, 199, 138, 220}, {140, 200, 140, 220}};
const TLines kDLines{{90, 110, 310, 120}, {90, 120, 295, 130}, {90, 190, 110, 240},
                     {90, 130, 100, 135}, {90, 132, 101, 137}, {200, 140, 210, 141},
                     {199, 142, 210, 143}};

// Every drawing inside the region of three rectangles, one pass per rectangle.
void InRegion(TPass& pass, const std::function<void()>& draw) {
  for (const TRect& clip :
       {TRect{10, 10, 200, 20}, TRect{100, 100, 200, 200}, TRect{290, 100, 300, 200}}) {
    pass.Clip(clip);
    draw();
  }
}

// The lines of `lines`, each drawn from its end back past its start when `reversed`
// (so the same pixels, the other way).
TDraw ClippedLines(const TLines& lines, TPenStyle style, bool reversed = false,
                   bool paintGaps = false) {
  return [&lines, style, reversed, paintGaps](TPass& pass) {
    pass.Pen(style, 1, style == psSolid ? kBlue : kRed);
    if (paintGaps)
      pass.Brush(kGreen);
    else
      pass.NoBrush();
    InRegion(pass, [&] {
      for (const auto& [a, b, c, d] : lines) {
        if (!reversed) {
          pass.Line(a, b, c, d);
        } else {
          const int dx = c > a ? 1 : 0, dy = d > b ? 1 : 0;
          pass.Line(c - dx, d - dy, a - dx, b - dy);
        }
      }
    });
  };
}

void SolidLinesInEveryMode(TPass& pass) {
  for (int i = 1; i <= 16; ++i) {
    pass.Pen(psSolid, 1, kBlue, i);
    pass.Line(10, 3 * i, 100, 3 * i);
    pass.Line(100, 50 + 3 * i, 10, 50 + 3 * i);
    pass.Line(120 + 3 * i, 10, 120 + 3 * i, 100);
    pass.Line(170 + 3 * i, 100, 170 + 3 * i, 10);
  }
}

void DiagonalLines(TPass& pass) {
  pass.Pen(psSolid, 1, kBlue);
  for (int i = 0; i < 16; ++i) {
    const double angle = std::numbers::pi * i / 8, c = std::cos(angle), s = std::sin(angle);
    pass.Line(static_cast<int>(200.5 + 10 * c), static_cast<int>(200.5 + 10 * s),
              static_cast<int>(200.5 + 100 * c), static_cast<int>(200.5 + 100 * s));
  }
}

void LinesFromOnePoint(TPass& pass) {
  pass.Pen(psSolid, 1, kBlue);
  for (const auto& [x, y] : std::array<std::array<int, 2>, 8>{
           {{200, 150}, {150, 200}, {50, 200}, {0, 150}, {0, 50}, {50, 0}, {150, 0}, {200, 50}}})
    pass.Line(100, 100, x, y);
}

void ClippedFill(TPass& pass) {
  pass.Brush(kOrange);
  InRegion(pass, [&] {
    for (const TRect& r :
         {TRect{120, 120, 140, 126}, TRect{100, 130, 140, 136}, TRect{99, 140, 140, 146},
          TRect{180, 130, 200, 136}, TRect{180, 140, 201, 146}, TRect{120, 100, 130, 110},
          TRect{140, 99, 150, 110}, TRect{120, 180, 130, 200}, TRect{140, 180, 150, 201},
          TRect{199, 150, 210, 156}, TRect{200, 160, 210, 166}, TRect{90, 150, 101, 156},
          TRect{90, 160, 100, 166}, TRect{160, 90, 166, 101}, TRect{170, 90, 176, 101},
          TRect{160, 199, 166, 210}, TRect{170, 200, 176, 210}})
      pass.FillRect(r);
  });
}

// Boxes of every small size, one given with its corners the other way round; solid,
// then 150 pixels lower dashed with painted gaps and the inside filled again.
void Rectangles(TPass& pass) {
  const TRect boxes[] = {{10, 11, 100, 101}, {250, 100, 350, 10}, {120, 10, 120, 20},
                         {120, 10, 130, 10}, {120, 40, 121, 41},  {130, 50, 132, 52},
                         {140, 60, 143, 63}, {150, 70, 154, 74},  {120, 20, 121, 30},
                         {130, 20, 132, 30}, {140, 20, 143, 30},  {200, 20, 210, 21},
                         {200, 30, 210, 32}, {200, 40, 210, 43}};
  pass.Pen(psSolid, 1, kBlue);
  pass.Brush(kOrange);
  for (const TRect& r : boxes) pass.Rectangle(r);
  for (TRect r : boxes) {
    r = r.Offset(0, 150);
    pass.Pen(psDash, 1, kRed);
    pass.Brush(kGreen);
    pass.Rectangle(r);
    pass.Brush(kOrange);
    pass.FillRect({std::min(r.Left, r.Right) + 1, std::min(r.Top, r.Bottom) + 1,
                   std::max(r.Left, r.Right) - 1, std::max(r.Top, r.Bottom) - 1});
  }
}

// Even and odd rows and columns, each way.
void WidePen(TPass& pass) {
  static const TLines lines{{100, 10, 200, 10}, {100, 21, 200, 21}, {200, 40, 100, 40},
                            {200, 61, 100, 61}, {10, 100, 10, 200}, {21, 100, 21, 200},
                            {40, 200, 40, 100}, {61, 200, 61, 100}};
  pass.Pen(psSolid, 7, kRed);
  for (const auto& [a, b, c, d] : lines) pass.Line(a, b, c, d);
}

struct TStep {
  const char* Name;
  TDraw Draw;
  const char* Digest;
};

const std::vector<TStep>& Steps() {
  static const std::vector<TStep> steps{
      {"SolidLinesInEveryPenMode", SolidLinesInEveryMode,
       "2426172d9e8fec27d9228088f382ef3c93717da9"},
      {"DiagonalLines", DiagonalLines, "9e8f27ca952cdba01dbf25d07c34e86a7820c012"},
      {"LinesFromOnePoint", LinesFromOnePoint, "664fac17803859a4015c6ae29e5538e314d5c827"},
      {"ClippedSolidHLines", ClippedLines(kHLines, psSolid),
       "fe6cc678fb13a3ead67839481bf22348adc69f52"},
      {"ClippedSolidVLines", ClippedLines(kVLines, psSolid),
       "d51bd330cec510cdccf5394328bd8e5411901e9e"},
      {"ClippedSolidDiagonalLines", ClippedLines(kDLines, psSolid),
       "df4aebf98d91f11be560dd232123b3ae327303d7"},
      {"ClippedFill", ClippedFill, "f2af53dd073a09b1031d0032d28da35c82adc566"},
      {"ClippedDashedHLines", ClippedLines(kHLines, psDash),
       "eb5a963a6f7b25533ddfb8915e70865d037bd156"},
      {"ClippedDashedHLinesRightToLeft", ClippedLines(kHLines, psDash, true),
       "c387917268455017aa0b28bed73aa6554044bbb3"},
      {"ClippedDashedVLines", ClippedLines(kVLines, psDash),
       "dcae44fee010dbf7a107797a503923fd8b1abe2e"},
      {"ClippedDashedVLinesBottomToTop", ClippedLines(kVLines, psDash, true),
       "6c530622a025d872a642e8f950867884d7b136cb"},
      {"ClippedDashedDiagonalLines", ClippedLines(kDLines, psDash),
       "7c07d91b8f68fb31821701b3dcb96de018bf0c66"},
      {"ClippedOpaqueDashedDiagonalLines", ClippedLines(kDLines, psDash, false, true),
       "b2261353decda2712b83538ab434a49ce21f3172"},
      {"Rectangles", Rectangles, "e2a8eef4aeda3a0f6c950075acba38f1f9e0814d"},
      {"WidePen", WidePen, "657514a4ca1f2b6ca7a125ad58dfed82099a37d1"}};
  return steps;
}

class PlatformOutput : public ::testing::TestWithParam<std::size_t> {};

TEST_P(PlatformOutput, MatchesTheRecordedDigest) {
  const TStep& step = Steps()[GetParam()];
  EXPECT_EQ(DigestOf(step.Draw), step.Digest);
}

INSTANTIATE_TEST_SUITE_P(Raster, PlatformOutput, ::testing::Range<std::size_t>(0, 15),
                         [](const ::testing::TestParamInfo<std::size_t>& step) {
                           return std::string(Steps()[step.param].Name);
                         });

TEST(Sha1, MatchesKnownDigests) {
  const std::array<std::pair<std::string, const char*>, 3> cases{
      {{"", "da39a3ee5e6b4b0d3255bfef95601890afd80709"},
       {"abc", "a9993e364706816aba3e25717850c26c9cd0d89d"},
       {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
        "84983e441c3bd26ebaae4aa1f95129e5e54670f1"}}};
  for (const auto& [text, digest] : cases) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    EXPECT_EQ(TestSupport::Sha1Hex({bytes, text.size()}), digest) << text;
  }
}

}  // namespace
