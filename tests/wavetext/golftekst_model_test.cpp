// The wave text as a component: defaults, the wave length's automatic mode, which
// writes and reads repaint, the animation's states, the colour set's ownership,
// the phase step, and the published properties in form files.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "Classes/Streaming.h"
#include "GolfTekst.h"
#include "TypInfo.h"
#include "support/ShapeForm.h"
#include "support/Time.h"

namespace {

using namespace GolfTekst;

struct TWave : TestSupport::TOneControlForm<TGolfTekst> {
  TWave() : TOneControlForm(17, 80) {
    G().SetCaption("golf");
    Settle();
  }
  TGolfTekst& G() { return Control(); }
  // Paints until nothing is pending: an AutoSize paint resizes, which asks for one more.
  void Settle() {
    for (int i = 0; i < 4 && PaintPending(); ++i) SettlePaints();
  }
  bool Repaints(const std::function<void(TGolfTekst&)>& action) {
    Settle();
    action(G());
    return PaintPending();
  }
};

TEST(GolfTekst, ANewControlHasItsDefaults) {
  TGolfTekst g(nullptr);
  EXPECT_EQ(g.GetGolfLengte(), 0);
  EXPECT_TRUE(g.AutoGolfLengte());
  EXPECT_EQ(g.TijdPerStap(), 100);
  EXPECT_EQ(g.StapTimer().Interval(), 100);
  EXPECT_EQ(g.AmplitudePercentage(), 50);
  EXPECT_TRUE(g.AutoSize());
  EXPECT_EQ(g.Fijnheid(), 1);
  EXPECT_TRUE(g.GetTransparent());
  EXPECT_EQ(g.SetAantalKleuren(), 0);
  EXPECT_EQ(g.RuimteTussenLetters(), 0);
  EXPECT_FALSE(g.Actief());
  EXPECT_EQ(g.Width(), 17);
  EXPECT_EQ(g.Height(), 80);
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(g.SetKleuren()->GetKleur(i), 0);
}

TEST(GolfTekst, TheWaveLengthFollowsTheCaptionOnlyWhenSetToZero) {
  TWave w;
  TGolfTekst& g = w.G();
  g.SetGolfLengte(7);
  g.SetCaption("abc");
  EXPECT_EQ(g.GetGolfLengte(), 7);
  g.SetCaption("abcde");
  g.SetGolfLengte(0);
  EXPECT_EQ(g.GetGolfLengte(), 0);
  EXPECT_EQ(g.OpgeslagenGolfLengte(), 5);
  g.SetCaption("twelve chars");
  EXPECT_EQ(g.OpgeslagenGolfLengte(), 12);
  // Writing the stored length compares with it, not with the 0 that reads back.
  EXPECT_FALSE(w.Repaints([](TGolfTekst& t) { t.SetGolfLengte(12); }));
  EXPECT_TRUE(g.AutoGolfLengte());
  g.SetCaption("abcdefg");
  EXPECT_EQ(g.OpgeslagenGolfLengte(), 7);
  EXPECT_TRUE(w.Repaints([](TGolfTekst& t) { t.SetGolfLengte(9); }));
  EXPECT_FALSE(w.Repaints([](TGolfTekst& t) { t.SetGolfLengte(9); }));
}

struct TRepaintCase {
  const char* What;
  std::function<void(TGolfTekst&)> Action;
  bool Repaints;
};

TEST(GolfTekst, EachWriteAndReadRepaintsOrNotByItsOwnRule) {
  const std::vector<TRepaintCase> cases{
      {"write AantalKleuren", [](TGolfTekst& g) { g.StoreAantalKleuren(3); }, false},
      {"read AantalKleuren", [](TGolfTekst& g) { g.SetAantalKleuren(); }, true},
      {"read Kleuren, no colours in use", [](TGolfTekst& g) { g.SetKleuren(); }, false},
      {"read Kleuren, colours in use",
       [](TGolfTekst& g) {
         g.StoreAantalKleuren(1);
         g.SetKleuren();
       },
       true},
      {"write Kleur1", [](TGolfTekst& g) { g.SetKleuren()->SetKleur(1, 255); }, false},
      {"write Kleuren", [](TGolfTekst& g) { g.AdoptKleuren(new TKleuren); }, false},
      {"same Alignment", [](TGolfTekst& g) { g.SetAlignment(StdCtrls::taLeftJustify); }, true},
      {"AutoSize off", [](TGolfTekst& g) { g.SetAutosize(false); }, false},
      {"AutoSize unchanged", [](TGolfTekst& g) { g.SetAutosize(true); }, false},
      {"same Transparent", [](TGolfTekst& g) { g.SetTransparent(true); }, false},
      {"Transparent off", [](TGolfTekst& g) { g.SetTransparent(false); }, true},
      {"same spacing", [](TGolfTekst& g) { g.SetRuimte(0); }, false},
      {"new spacing", [](TGolfTekst& g) { g.SetRuimte(-3); }, true},
      {"same amplitude", [](TGolfTekst& g) { g.SetAmplitude(50); }, false},
      {"new amplitude", [](TGolfTekst& g) { g.SetAmplitude(65535); }, true},
      {"TijdPerStap", [](TGolfTekst& g) { g.SetTijdPerStap(40); }, false},
      {"Fijnheid", [](TGolfTekst& g) { g.SetFijnheid(4); }, false},
      {"same caption", [](TGolfTekst& g) { g.SetCaption(g.Caption()); }, true},
  };
  for (const TRepaintCase& c : cases) {
    TWave w;
    EXPECT_EQ(w.Repaints(c.Action), c.Repaints) << c.What;
  }
  TWave w;
  EXPECT_TRUE(w.Repaints([](TGolfTekst& g) { g.SetAantalKleuren(); })) << "every read";
  w.G().SetAutosize(false);
  EXPECT_TRUE(w.Repaints([](TGolfTekst& g) { g.SetAutosize(true); })) << "AutoSize on";
}

TEST(GolfTekst, TheAnimationRunsExactlyWhileItsTimerIsOn) {
  TWave w;
  w.G().Show(false);
  EXPECT_TRUE(w.G().Visible());
  EXPECT_FALSE(w.G().Actief());
  w.G().Show(true);
  EXPECT_TRUE(w.G().Actief());
  w.G().Hide();
  EXPECT_FALSE(w.G().Actief());
  EXPECT_FALSE(w.G().Visible());
  w.G().Start();
  EXPECT_TRUE(w.G().Actief());
  w.G().Stop();
  EXPECT_FALSE(w.G().Actief());
}

TEST(GolfTekst, TheColourSetIsTakenOverAndFreedOnce) {
  TGolfTekst g(nullptr);
  auto* kleuren = new TKleuren;
  kleuren->SetKleur(3, 0x123456);
  kleuren->SetKleur(6, 1);  // indices outside 1..5 are ignored
  EXPECT_EQ(kleuren->GetKleur(0), 0);
  g.AdoptKleuren(kleuren);  // the first set is freed here
  g.AdoptKleuren(kleuren);  // the same object: kept
  g.AdoptKleuren(nullptr);  // no set is no change
  EXPECT_EQ(g.SetKleuren(), kleuren);
  EXPECT_EQ(g.SetKleuren()->GetKleur(3), 0x123456);
}  // the sanitizer build proves nothing leaks and nothing is freed twice

std::vector<double> Phases(TGolfTekst& g, int ticks) {
  std::vector<double> out;
  for (int i = 0; i < ticks; ++i) {
    g.Tik(nullptr);
    out.push_back(g.Fase());
  }
  return out;
}

TEST(GolfTekst, ThePhaseStartsAgainAtZeroPastAFullTurn) {
  TGolfTekst g(nullptr);
  EXPECT_EQ(Phases(g, 8), (std::vector<double>{1, 2, 3, 4, 5, 6, 0, 1}));
  const int ticksPerCycle[] = {7, 13, 19, 26, 32, 38, 44, 51, 57, 63};
  for (int f = 1; f <= 10; ++f) {
    TGolfTekst h(nullptr);
    h.SetFijnheid(static_cast<TFijnheid>(f));
    int ticks = 0;
    do {
      h.Tik(nullptr);
      ++ticks;
    } while (h.Fase() != 0 && ticks < 1000);
    EXPECT_EQ(ticks, ticksPerCycle[f - 1]) << "Fijnheid " << f;
    // The last phase before the reset is the last multiple of 1/f not above 2π.
    std::vector<double> cycle = Phases(h, ticks);
    EXPECT_NEAR(cycle[static_cast<std::size_t>(ticks - 2)],
                std::floor(2 * std::numbers::pi * f) / f, 1e-9);
  }
  g.SetFijnheid(0);  // outside the subrange, from code: the wave stands still
  EXPECT_EQ(Phases(g, 3), (std::vector<double>{0, 0, 0}));
}

TEST(GolfTekst, OverVirtualTimeAStopKeepsThePhaseForTheRestart) {
  TestSupport::TVirtualTime time;
  TWave w;
  Forms::Application().RunFor(1000);
  EXPECT_EQ(w.G().Fase(), 0.0);  // not started: stands still
  w.G().Start();
  Forms::Application().RunFor(250);
  EXPECT_EQ(w.G().Fase(), 2.0);
  w.G().Stop();
  Forms::Application().RunFor(1000);
  w.G().SetTijdPerStap(50);
  w.G().Start();
  Forms::Application().RunFor(100);
  EXPECT_EQ(w.G().Fase(), 4.0);
  w.G().SetTijdPerStap(0);  // the host's timer does not run without an interval
  Forms::Application().RunFor(1000);
  EXPECT_EQ(w.G().Fase(), 4.0);
}

TEST(GolfTekst, PublishesItsOwnPropertiesInOrderAfterTheBases) {
  auto list = TypInfo::GetPropList(TGolfTekst::StaticClass());
  auto base = TypInfo::GetPropList(Controls::TGraphicControl::StaticClass());
  std::vector<std::string_view> own;
  for (std::size_t i = base.size(); i < list.size(); ++i) own.push_back(list[i].Name);
  EXPECT_EQ(own, (std::vector<std::string_view>{
                     "Alignment", "Fijnheid", "GolfLengte", "RuimteTussenLetters", "TijdPerStap",
                     "Transparent", "AmplitudePercentage", "Font", "AutoSize", "Caption", "Color",
                     "AantalKleuren", "Kleuren", "OnClick", "OnDblClick"}));
}

TEST(GolfTekst, AFormReadsTheWaveLengthBeforeTheCaption) {
  Classes::RegisterClass(TGolfTekst::StaticClass());
  auto stored = [](const std::string& body) {
    auto root = Classes::ReadComponentText("object F: TForm\n  object Golf: TGolfTekst\n" + body +
                                           "  end\nend\n");
    auto* g = dynamic_cast<TGolfTekst*>(root->FindComponent("Golf"));
    EXPECT_FALSE(g->Actief());  // loading starts nothing
    return std::pair{g->GetGolfLengte(), g->OpgeslagenGolfLengte()};
  };
  EXPECT_EQ(stored("    GolfLengte = 7\n    Caption = 'abc'\n"), std::pair(7, 7));
  EXPECT_EQ(stored("    Caption = 'abc'\n"), std::pair(0, 3));
}

TEST(GolfTekst, AFormStoresWhatDiffersAndTheColoursInsideKleuren) {
  Classes::RegisterClass(TGolfTekst::StaticClass());
  Forms::TForm form(nullptr);
  form.SetName("F");
  auto* g = new TGolfTekst(&form);
  g->SetName("Golf");
  g->SetParent(&form);
  g->SetBounds(1, 2, 3, 4);
  g->StoreAantalKleuren(2);
  g->SetKleuren()->SetKleur(2, Graphics::clRed);
  std::string text = Classes::WriteComponentText(form);
  // Alignment and Kleuren have no default; the rest is left out at its default.
  EXPECT_NE(text.find("  object Golf: TGolfTekst\n    Left = 1\n    Top = 2\n    Width = 3\n"
                      "    Height = 4\n    Alignment = taLeftJustify\n    AantalKleuren = 2\n"
                      "    Kleuren.Kleur2 = clRed\n  end\n"),
            std::string::npos)
      << text;
  auto root = Classes::ReadComponentText(text);
  EXPECT_EQ(Classes::WriteComponentText(*root), text);
}

}  // namespace
