// What a wave text paint draws, with the fixed-metric face (cell = |Height|, every
// character half as wide): letter places, heights, colours, sizing and alignment.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "GolfTekst.h"
#include "Graphics/Text.h"
#include "support/ShapeForm.h"

namespace {

using Graphics::TCall;
using Graphics::TCallKind;
using Graphics::TColor;
using namespace GolfTekst;

constexpr TColor kInk = Graphics::clBlue;

struct TWavePaint : TestSupport::TOneControlForm<TGolfTekst> {
  explicit TWavePaint(int cell = 16, const std::string& caption = "abcd")
      : TOneControlForm(17, 80) {
    G().Font().SetName(std::string(Graphics::Text::kFixedFaceName));
    G().Font().SetHeight(cell);  // characters cell / 2 wide
    G().Font().SetColor(kInk);
    G().SetCaption(caption);
  }
  TGolfTekst& G() { return Control(); }

  std::vector<TCall> Letters() {
    std::vector<TCall> out;
    for (const TCall& c : Paint())
      if (c.Kind == TCallKind::TextOut) out.push_back(c);
    return out;
  }
  template <typename F>
  auto Each(F of) {
    std::vector<decltype(of(TCall{}))> out;
    for (const TCall& c : Letters()) out.push_back(of(c));
    return out;
  }
  std::vector<int> Xs() {
    return Each([](const TCall& c) { return c.Points[0].X; });
  }
  std::vector<int> Ys() {
    return Each([](const TCall& c) { return c.Points[0].Y; });
  }
  std::vector<TColor> Colours() {
    return Each([](const TCall& c) { return c.State.Font.Color; });
  }
  void UseColours(int count) {
    G().StoreAantalKleuren(static_cast<std::uint16_t>(count));
    for (int i = 1; i <= 5; ++i) G().SetKleuren()->SetKleur(i, i);  // colour i is i
  }
};

TEST(GolfTekstPaint, LettersStepByCellAndSpacingAlternateColoursAndRideTheAdvancingWave) {
  TWavePaint w;
  w.G().SetRuimte(2);
  w.UseColours(2);
  auto letters = w.Letters();
  EXPECT_EQ(w.G().Width(), 41);
  EXPECT_EQ(w.G().Height(), 34);
  ASSERT_EQ(letters.size(), 4u);
  std::string drawn;
  for (const TCall& c : letters) drawn += c.Text;
  EXPECT_EQ(drawn, "abcd");  // one character per call
  EXPECT_EQ(w.Xs(), (std::vector<int>{0, 10, 20, 30}));
  EXPECT_EQ(w.Ys(), (std::vector<int>{1, 9, 17, 9}));
  EXPECT_EQ(w.Colours(), (std::vector<TColor>{1, 2, 1, 2}));
  w.G().Tik(nullptr);
  EXPECT_EQ(w.Ys(), (std::vector<int>{5, 16, 13, 2}));
  w.G().Tik(nullptr);
  EXPECT_EQ(w.Ys(), (std::vector<int>{12, 16, 6, 2}));
}

TEST(GolfTekstPaint, AutoSizeHeightIsTwiceTheRoundedAmplitudePlusTwoPlusTheCell) {
  for (auto [cell, height] : {std::pair{13, 27}, {15, 33}, {16, 34}}) {
    TWavePaint w(cell, "a");
    w.Paint();
    EXPECT_EQ(w.G().Height(), height) << "cell " << cell;  // 6.5 rounds to 6, 7.5 to 8
    EXPECT_EQ(w.G().Width(), cell / 2 + 1);
  }
}

TEST(GolfTekstPaint, AnEmptyCaptionSizesButDrawsOnlyTheBackground) {
  TWavePaint w(16, "");
  w.G().SetTransparent(false);
  auto calls = w.Paint();
  EXPECT_EQ(w.G().Width(), 1);
  EXPECT_EQ(w.G().Height(), 34);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].Kind, TCallKind::FillRect);
}

TEST(GolfTekstPaint, ColoursCycleOverAtMostFiveOrStayTheFonts) {
  TWavePaint w(16, "abcdefg");
  w.UseColours(3);
  EXPECT_EQ(w.Colours(), (std::vector<TColor>{1, 2, 3, 1, 2, 3, 1}));
  w.UseColours(9);
  EXPECT_EQ(w.Colours(), (std::vector<TColor>{1, 2, 3, 4, 5, 1, 2}));
  w.UseColours(0);
  EXPECT_EQ(w.Colours(), std::vector<TColor>(7, kInk));
}

TEST(GolfTekstPaint, AlignmentPlacesTheTextOnlyWithoutAutoSize) {
  TWavePaint w;
  w.G().SetRuimte(2);  // T = 40
  w.G().SetAlignment(StdCtrls::taRightJustify);
  EXPECT_EQ(w.Xs().front(), 0);  // AutoSize keeps x0 at 0
  w.G().SetAutosize(false);
  w.G().SetWidth(100);
  // The last letter ends spacing + 1 before the right edge.
  EXPECT_EQ(w.Xs(), (std::vector<int>{59, 69, 79, 89}));
  w.G().SetAlignment(StdCtrls::taCenter);
  EXPECT_EQ(w.Xs().front(), 30);
  w.G().SetWidth(35);  // Width - T = -5 halves to -2
  EXPECT_EQ(w.Xs().front(), -2);
  w.G().SetAlignment(StdCtrls::taLeftJustify);
  EXPECT_EQ(w.Xs().front(), 0);
}

TEST(GolfTekstPaint, OnePeriodSpansTheWaveLengthInLetters) {
  TWavePaint w(16, "abcdefgh");
  EXPECT_EQ(w.Ys(), (std::vector<int>{3, 1, 3, 9, 15, 17, 15, 9}));  // the caption's length
  w.G().SetGolfLengte(4);
  EXPECT_EQ(w.Ys(), (std::vector<int>{1, 9, 17, 9, 1, 9, 17, 9}));
  w.G().SetGolfLengte(-4);  // mirrored along the text
  EXPECT_EQ(w.Ys(), (std::vector<int>{17, 9, 1, 9, 17, 9, 1, 9}));
  w.G().Tik(nullptr);  // and its crests move toward the last letter
  EXPECT_EQ(w.Ys(), (std::vector<int>{13, 16, 5, 2, 13, 16, 5, 2}));
  w.G().SetGolfLengte(1);                     // the whole line bobs
  EXPECT_EQ(w.Ys(), std::vector<int>(8, 2));  // sin 1 × 8 rounds to 7
}

TEST(GolfTekstPaint, AControlLowerThanTheCellHalvesTowardZero) {
  TWavePaint w;
  w.G().SetAutosize(false);
  w.G().SetAmplitude(0);
  w.G().SetHeight(5);  // (5 - 16) / 2 = -5
  EXPECT_EQ(w.Ys(), std::vector<int>(4, -5));
}

// The control's row of pixels through the letters' glyphs: '.' for the background
// colour, '#' for the ink.
std::string GlyphRow(TWavePaint& w, int y) {
  w.Paint();
  w.SettlePaints();
  const Graphics::TSurface& s = w.Form().Surface();
  std::string row;
  for (int x = 0; x < w.G().Width(); ++x) {
    Graphics::TPixel p = s.Pixel(w.G().Left() + x, w.G().Top() + y);
    if (p == Graphics::ColorToPixel(kInk))
      row += '#';
    else
      row += p == Graphics::ColorToPixel(Graphics::clYellow) ? '.' : '?';
  }
  return row;
}

TEST(GolfTekstPaint, OpaqueLettersCoverWhatTheyOverlapOfTheLastOne) {
  TWavePaint w;
  w.G().SetAmplitude(0);
  w.G().SetRuimte(-4);  // letters 8 wide, 4 apart
  w.G().SetColor(Graphics::clYellow);
  w.G().SetTransparent(false);
  w.Paint();  // sizes the control: the fill before it still covered the old size
  auto calls = w.Paint();
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls[0].Kind, TCallKind::FillRect);  // the whole client area first
  EXPECT_EQ(calls[0].Rect, w.G().GetClientRect());
  EXPECT_EQ(calls[0].State.Brush.Color, Graphics::clYellow);
  // Each cell's fill cuts the previous glyph (the box [1, 7) of its cell) short.
  EXPECT_EQ(GlyphRow(w, 6), ".###.###.###.####");
  w.G().SetTransparent(true);
  EXPECT_EQ(GlyphRow(w, 6).substr(1), "################");
}

TEST(GolfTekstPaint, ExtremeValuesPaintWithoutHarm) {
  TWavePaint w(16, std::string(300, 'x'));
  // Painted straight onto a recorder, whatever size the control takes.
  auto letters = [&w] {
    Graphics::TRecorder recorder;
    w.G().PaintControl(recorder, {0, 0}, {0, 0, 100, 100});
    std::size_t n = 0;
    for (const TCall& c : recorder.Calls()) n += c.Kind == TCallKind::TextOut ? 1 : 0;
    return n;
  };
  w.UseColours(200);
  w.G().SetAmplitude(65535);
  w.G().SetRuimte(INT_MAX);
  w.G().SetGolfLengte(INT_MIN);
  w.G().SetFijnheid(255);
  w.G().Tik(nullptr);
  EXPECT_EQ(letters(), 300u);
  EXPECT_GT(w.G().Width(), 0);
  EXPECT_EQ(w.G().Height(), 2 * 10486 + 2 + 16);
  w.G().SetRuimte(INT_MIN);
  EXPECT_EQ(letters(), 300u);
  EXPECT_LT(w.G().Width(), 0);  // T + 1, as the text measures
  w.G().SetAutosize(false);
  w.G().SetAlignment(StdCtrls::taRightJustify);
  w.G().SetBounds(INT_MAX / 2, INT_MIN / 2, INT_MIN / 2, INT_MIN / 2);
  EXPECT_EQ(letters(), 300u);
  w.G().SetAlignment(StdCtrls::taCenter);
  EXPECT_EQ(letters(), 300u);
}

}  // namespace
