// The clock as a component: construction, setters, ownership of hands, and the
// timer's decision to repaint over virtual time.
#include <gtest/gtest.h>

#include "TypInfo.h"
#include "VormKlok.h"
#include "support/ShapeForm.h"
#include "support/Time.h"

namespace {

using namespace VormKlok;

struct TClock : TestSupport::TOneControlForm<TVormKlok> {
  TClock() : TOneControlForm(128, 128) { SettlePaints(); }
  TVormKlok& K() { return Control(); }

  // Runs the loop for `ms` and counts the paints that the clock's ticks caused.
  int PaintsDuring(std::int64_t ms) {
    int paints = 0;
    Form().OnPresent = [&](const Types::TRect&) { ++paints; };
    Forms::Application().RunFor(ms);
    Form().OnPresent = nullptr;
    return paints;
  }
};

TEST(Klok, ANewClockHasItsDefaults) {
  TVormKlok k(nullptr);
  EXPECT_EQ(k.Width(), 128);
  EXPECT_EQ(k.Height(), 128);
  EXPECT_EQ(k.Vorm(), Vormen::Rechthoek);
  EXPECT_EQ(k.GetGetallen(), Alle);
  EXPECT_EQ(k.CijferSet(), 0x1FFE);
  EXPECT_EQ(k.GetCijferRing(), 100);
  EXPECT_FALSE(k.Digital());
  EXPECT_FALSE(k.Seconde());
  EXPECT_EQ(k.Font().Size(), 6);
  EXPECT_EQ(k.VorigeMinuut(), -1);
  const int lengths[] = {75, 90, 90};
  const Graphics::TColor colours[] = {0, 0, 255};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(k.GetWijzer(i)->Lengte, lengths[i]);
    EXPECT_EQ(k.GetWijzer(i)->Dikte, 1);
    EXPECT_EQ(k.GetWijzer(i)->Kleur, colours[i]);
  }
  EXPECT_TRUE(k.KlokTimer().Enabled());
  EXPECT_EQ(k.KlokTimer().Interval(), 1000);
  EXPECT_EQ(k.KlokTimer().Owner(), nullptr);
  EXPECT_EQ(k.GetWijzer(3), nullptr);
}

TEST(Klok, CijfersRepaintsEvenUnchangedTheRingOnlyOnChange) {
  TClock c;
  c.K().SetGetallen(Alle);
  EXPECT_TRUE(c.PaintPending());
  c.SettlePaints();
  c.K().SetCijferRing(100);
  EXPECT_FALSE(c.PaintPending());
  c.K().SetCijferRing(80);
  EXPECT_TRUE(c.PaintPending());
  c.SettlePaints();
  c.K().SetGetallen(DrieZesNegenTwaalf);
  EXPECT_EQ(c.K().CijferSet(), (1 << 3) | (1 << 6) | (1 << 9) | (1 << 12));
  c.K().SetGetallen(Geen);
  EXPECT_EQ(c.K().CijferSet(), 0);
}

TEST(Klok, PlainFieldsShowOnlyAtTheNextPaint) {
  TClock c;
  c.K().SetDigital(true);
  c.K().SetSeconde(true);
  c.K().GetWijzer(0)->Lengte = 10;
  EXPECT_FALSE(c.PaintPending());
}

TEST(Klok, SetWijzerTakesOverTheHandAndFreesTheReplacedOne) {
  TClock c;
  auto* hand = new TWijzer;  // the clock takes it over
  hand->Lengte = 40;
  c.K().SetWijzer(0, hand);
  EXPECT_EQ(c.K().GetWijzer(0), hand);
  EXPECT_TRUE(c.PaintPending());
  c.K().SetWijzer(0, hand);  // the same object again: kept, not freed
  EXPECT_EQ(c.K().GetWijzer(0)->Lengte, 40);
  c.K().SetWijzer(1, hand);  // one object for two hands is freed once
  c.K().SetWijzer(0, new TWijzer);
  EXPECT_EQ(c.K().GetWijzer(1)->Lengte, 40);
  c.K().SetWijzer(2, nullptr);  // no hand is no change
  EXPECT_NE(c.K().GetWijzer(2), nullptr);
}  // the sanitizer build proves nothing leaks and nothing is freed twice

TEST(Klok, WithoutSecondsTicksRepaintOncePerMinuteChange) {
  TestSupport::TVirtualTime time(Platform::LocalMs(2026, 12, 8, 10, 9, 30));
  TClock c;
  EXPECT_EQ(c.PaintsDuring(10 * 60'000), 10);
  EXPECT_EQ(c.K().VorigeMinuut(), 19);
}

TEST(Klok, WithSecondsEveryTickRepaints) {
  TestSupport::TVirtualTime time;
  TClock c;
  c.K().SetSeconde(true);
  EXPECT_EQ(c.PaintsDuring(10'000), 10);
}

TEST(Klok, TurningSecondeOnMakesTheNextTickRepaint) {
  TestSupport::TVirtualTime time(Platform::LocalMs(2026, 12, 8, 10, 9, 0));
  TClock c;
  EXPECT_EQ(c.PaintsDuring(5'000), 0);  // same minute as the last paint
  c.K().SetSeconde(true);
  EXPECT_EQ(c.PaintsDuring(1'000), 1);
}

TEST(Klok, AnInvisibleClockNeverRepaintsFromItsTimer) {
  TestSupport::TVirtualTime time;
  TClock c;
  c.K().SetSeconde(true);
  c.K().SetVisible(false);
  c.SettlePaints();
  EXPECT_EQ(c.PaintsDuring(5 * 60'000), 0);
}

TEST(Klok, TheTickNeverDrawsNorMovesTheLastMinute) {
  TestSupport::TVirtualTime time;
  TClock c;
  int minute = c.K().VorigeMinuut();
  time.Clock().Advance(120'000);
  c.K().NieuweStand(&c.K().KlokTimer());
  EXPECT_EQ(c.K().VorigeMinuut(), minute);
  EXPECT_TRUE(c.PaintPending());
}

TEST(Klok, PublishesTheShapesPropertiesThenItsOwn) {
  auto list = TypInfo::GetPropList(TVormKlok::StaticClass());
  ASSERT_EQ(list.size(), 31u);
  std::vector<std::string_view> own;
  for (std::size_t i = 23; i < list.size(); ++i) own.push_back(list[i].Name);
  EXPECT_EQ(own, (std::vector<std::string_view>{"Cijfers", "Font", "StraalCijfer_Ring", "Digital",
                                                "Seconde", "WijzerUur", "WijzerMinuut",
                                                "WijzerSeconde"}));
  TVormKlok k(nullptr);
  auto width = *TypInfo::GetPropInfo(TVormKlok::StaticClass(), "Width");
  EXPECT_EQ(width.Default, 62);  // still the shape's declared default
  EXPECT_TRUE(width.IsStored(k));
  k.SetWidth(62);
  EXPECT_FALSE(width.IsStored(k));  // so a 62-wide clock reads back 128 wide
  auto hour = *TypInfo::GetPropInfo(TVormKlok::StaticClass(), "WijzerUur");
  EXPECT_EQ(hour.GetObject(k), k.GetWijzer(0));
  auto dikte = *TypInfo::GetPropInfo(TWijzer::StaticClass(), "Dikte");
  EXPECT_FALSE(dikte.IsStored(*k.GetWijzer(0)));
  EXPECT_TRUE(TypInfo::GetPropInfo(TWijzer::StaticClass(), "Lengte")->IsStored(*k.GetWijzer(0)));
}

}  // namespace
