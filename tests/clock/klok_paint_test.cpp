// What a clock paint draws at a fixed virtual time, read from the canvas record.
#include <gtest/gtest.h>

#include "Graphics/Text.h"
#include "SysUtils.h"
#include "VormKlok.h"
#include "support/ShapeForm.h"
#include "support/Time.h"

namespace {

using Graphics::TCall;
using Graphics::TCallKind;
using Types::TPoint;
using namespace VormKlok;

struct TClock : TestSupport::TOneControlForm<TVormKlok> {
  TClock(int w = 128, int h = 128) : TOneControlForm(62, 62) {
    Control().SetBounds(10, 10, w, h);
    // The fixed-metric face: every character 4 wide, cells 8 high (6 points).
    Control().Font().SetName(std::string(Graphics::Text::kFixedFaceName));
  }
  TVormKlok& K() { return Control(); }

  std::vector<TCall> Of(TCallKind kind) {
    std::vector<TCall> out;
    for (const TCall& c : Paint())
      if (c.Kind == kind) out.push_back(c);
    return out;
  }
  std::vector<TCall> Hands() { return Of(TCallKind::LineTo); }
  std::vector<std::string> Texts() {
    std::vector<std::string> out;
    for (const TCall& c : Of(TCallKind::TextOut)) out.push_back(c.Text);
    return out;
  }
};

Platform::TVirtualClock& At(TestSupport::TVirtualTime& t, int h, int m, int s = 0) {
  t.Clock().Set(Platform::LocalMs(2026, 12, 8, h, m, s));
  return t.Clock();
}

TPoint End(const TCall& line) { return line.Points[1]; }

TEST(KlokPaint, ANewClocksHandsRunFromTheCentreAtThreeAndAtHalfPastNine) {
  TestSupport::TVirtualTime time;
  At(time, 3, 0);
  TClock c;
  auto hands = c.Hands();
  ASSERT_EQ(hands.size(), 2u);  // no second hand without Seconde
  EXPECT_EQ(c.K().Midden(), (TPoint{64, 64}));
  EXPECT_EQ(hands[0].Points[0], (TPoint{64, 64}));
  EXPECT_EQ(End(hands[0]), (TPoint{112, 64}));  // hour hand: 48 pixels
  EXPECT_EQ(End(hands[1]), (TPoint{64, 6}));    // minute hand: 57.6 rounds to 58
  At(time, 9, 30);
  hands = c.Hands();
  EXPECT_EQ(End(hands[0]), (TPoint{18, 52}));
  EXPECT_EQ(End(hands[1]), (TPoint{64, 122}));
}

TEST(KlokPaint, MidnightAndNoonPointTheHourHandTheSameWay) {
  TestSupport::TVirtualTime time;
  TClock c;
  At(time, 0, 20);
  TPoint midnight = End(c.Hands()[0]);
  At(time, 12, 20);
  EXPECT_EQ(End(c.Hands()[0]), midnight);
  At(time, 23, 20);
  EXPECT_NE(End(c.Hands()[0]), midnight);
}

TEST(KlokPaint, SecondHandOnlyWithSecondeAndAPositiveWidth) {
  TestSupport::TVirtualTime time;
  At(time, 10, 9, 15);
  TClock c;
  c.K().SetSeconde(true);
  auto hands = c.Hands();
  ASSERT_EQ(hands.size(), 3u);
  EXPECT_EQ(End(hands[2]), (TPoint{122, 64}));
  EXPECT_EQ(hands[2].State.Pen.Color, Graphics::clRed);
  c.K().GetWijzer(2)->Dikte = 0;
  EXPECT_EQ(c.Hands().size(), 2u);
  c.K().GetWijzer(0)->Dikte = 0;  // hour and minute hands are drawn at any width
  EXPECT_EQ(c.Hands().size(), 2u);
}

TEST(KlokPaint, HandsUseTheirStyleAndThePenIsRestored) {
  TestSupport::TVirtualTime time;
  TClock c;
  c.K().Pen().SetColor(Graphics::clNavy);
  c.K().Pen().SetWidth(3);
  c.K().GetWijzer(1)->Dikte = 4;
  c.K().GetWijzer(1)->Kleur = Graphics::clGreen;
  auto hands = c.Hands();
  EXPECT_EQ(hands[0].State.Pen.Width, 1);
  EXPECT_EQ(hands[1].State.Pen.Width, 4);
  EXPECT_EQ(hands[1].State.Pen.Color, Graphics::clGreen);
  EXPECT_EQ(c.K().Canvas().Pen().Width(), 3);
  EXPECT_EQ(c.K().Canvas().Pen().Color(), Graphics::clNavy);
}

TEST(KlokPaint, TrianglesMoveTheCentreAndShrinkTheDial) {
  TestSupport::TVirtualTime time;
  At(time, 3, 0);
  TClock c;
  c.K().SetVorm(Vormen::DriehoekOmhoog);
  auto hands = c.Hands();
  EXPECT_EQ(c.K().Midden(), (TPoint{64, 85}));
  EXPECT_EQ(End(hands[0]), (TPoint{96, 85}));  // 31.68 rounds to 32
  c.K().SetVorm(Vormen::DriehoekLinks);
  c.Hands();
  EXPECT_EQ(c.K().Midden(), (TPoint{85, 64}));
  c.K().SetVorm(Vormen::DriehoekRechts);
  c.Hands();
  EXPECT_EQ(c.K().Midden(), (TPoint{43, 64}));
  c.K().SetVorm(Vormen::DriehoekOmlaag);
  c.Hands();
  EXPECT_EQ(c.K().Midden(), (TPoint{64, 43}));
}

TEST(KlokPaint, ARegularHexagonCentresOnItsNewHeight) {
  TestSupport::TVirtualTime time;
  TClock c;
  c.K().SetVorm(Vormen::HoningRaat);
  c.Hands();
  EXPECT_EQ(c.K().Height(), 111);
  EXPECT_EQ(c.K().Midden(), (TPoint{64, 55}));
}

// Numeral positions: the ring radius 64 less the width of "12" (8) is 56 for the
// default clock; the ring's percentage chooses other radii.
TEST(KlokPaint, NumeralsStandOnTheRingRoundedToEven) {
  TestSupport::TVirtualTime time;
  TClock c;
  auto texts = c.Of(TCallKind::TextOut);
  ASSERT_EQ(texts.size(), 12u);
  EXPECT_EQ(texts[0].Text, "1");
  EXPECT_EQ(texts[0].Points[0], (TPoint{64 + 28 - 2, 64 - 48 - 4}));  // 56 x 0.866 = 48.496
  EXPECT_EQ(texts[11].Text, "12");
  EXPECT_EQ(texts[11].Points[0], (TPoint{64 - 4, 64 - 56 - 4}));
  // A radius of 53: 26.5 goes to 26; of 55: 27.5 goes to 28 (ring of 61 and 63 pixels).
  c.K().SetCijferRing(61 * 100 / 64 + 1);  // 96 %: ring 61.44, radius 53
  EXPECT_EQ(c.Of(TCallKind::TextOut)[0].Points[0].X, 64 + 26 - 2);
  EXPECT_EQ(c.Of(TCallKind::TextOut)[10].Points[0].X, 64 - 26 - 4);  // "11"
  c.K().SetCijferRing(99);                                           // ring 63.36, radius 55
  EXPECT_EQ(c.Of(TCallKind::TextOut)[0].Points[0].X, 64 + 28 - 2);
}

TEST(KlokPaint, NumeralChoices) {
  TestSupport::TVirtualTime time;
  TClock c;
  c.K().SetGetallen(DrieZesNegenTwaalf);
  EXPECT_EQ(c.Texts(), (std::vector<std::string>{"3", "6", "9", "12"}));
  c.K().SetGetallen(Geen);
  EXPECT_TRUE(c.Texts().empty());
  EXPECT_EQ(c.Hands().size(), 2u);
}

TEST(KlokPaint, ARingNarrowerThanTwelveKeepsTheNumeralsAtTheCentre) {
  TestSupport::TVirtualTime time;
  TClock c;
  c.K().SetCijferRing(5);  // ring 3.2 pixels, less than the 8 of "12"
  auto texts = c.Of(TCallKind::TextOut);
  ASSERT_EQ(texts.size(), 12u);
  for (const TCall& t : texts) {
    EXPECT_LE(std::abs(t.Points[0].X - 64), 4) << t.Text;
    EXPECT_LE(std::abs(t.Points[0].Y - 64), 4) << t.Text;
  }
}

TEST(KlokPaint, DigitalReadOutIsCentredAndSetsTheProcessTimeFormat) {
  TestSupport::TVirtualTime time;
  At(time, 9, 5, 7);
  TClock c;
  c.K().SetDigital(true);
  auto texts = c.Of(TCallKind::TextOut);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].Text, "09:05");
  EXPECT_EQ(texts[0].Points[0], (TPoint{(128 - 20) / 2, (128 - 8) / 2}));
  EXPECT_TRUE(c.Hands().empty());
  EXPECT_EQ(SysUtils::LongTimeFormat, "hh:mm");
  c.K().SetSeconde(true);
  EXPECT_EQ(c.Texts(), std::vector<std::string>{"09:05:07"});
  EXPECT_EQ(SysUtils::LongTimeFormat, "hh:mm:ss");  // left in force for everyone
  c.K().SetVorm(Vormen::DriehoekOmhoog);            // centred on the control, not the triangle
  EXPECT_EQ(c.Of(TCallKind::TextOut)[0].Points[0], (TPoint{(128 - 32) / 2, (128 - 8) / 2}));
}

TEST(KlokPaint, DigitalTextWiderThanTheControlStartsLeftOfIt) {
  TestSupport::TVirtualTime time;
  TClock c(27, 27);
  c.K().SetDigital(true);
  c.K().SetSeconde(true);
  EXPECT_EQ(c.Of(TCallKind::TextOut)[0].Points[0].X, -2);  // (27 - 32) / 2 truncates
}

TEST(KlokPaint, AnInvisibleClockDrawsNoDial) {
  TestSupport::TVirtualTime time;
  TClock c;
  c.K().SetDesigning(true);
  c.K().SetVisible(false);
  auto calls = c.Paint();
  ASSERT_FALSE(calls.empty());  // the dashed outline of the shape
  for (const TCall& call : calls) {
    EXPECT_NE(call.Kind, TCallKind::TextOut);
    EXPECT_NE(call.Kind, TCallKind::LineTo);
  }
}

}  // namespace
