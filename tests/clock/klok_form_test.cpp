// Clocks in stored forms.
#include <gtest/gtest.h>

#include "Classes/Streaming.h"
#include "Forms.h"
#include "Tollenspiegel.h"
#include "VormKlok.h"

namespace {

TEST(KlokForm, ASideOfSixtyTwoIsLeftOutAndReadsBackAsTheNewClocks) {
  Tollenspiegel::RegisterClasses();
  Forms::TForm form(nullptr);
  auto* k = new VormKlok::TVormKlok(&form);
  k->SetName("Klok1");
  k->SetParent(&form);
  k->SetBounds(0, 0, 62, 90);
  k->GetWijzer(0)->Lengte = 60;
  k->GetWijzer(2)->Dikte = 3;
  k->SetSeconde(true);
  std::string text = Classes::WriteComponentText(form);
  EXPECT_EQ(text.find("    Width = "), std::string::npos) << text;
  EXPECT_NE(text.find("    Height = 90\n"), std::string::npos);
  EXPECT_NE(text.find("    WijzerUur.Lengte = 60\n"), std::string::npos);
  EXPECT_NE(text.find("    WijzerSeconde.Kleur = clRed\n"), std::string::npos);
  EXPECT_NE(text.find("    Font.Height = -8\n"), std::string::npos);

  auto root = Classes::ReadComponentText(text);
  auto* back = dynamic_cast<VormKlok::TVormKlok*>(root->FindComponent("Klok1"));
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->Width(), 128);
  EXPECT_EQ(back->Height(), 90);
  EXPECT_EQ(back->GetWijzer(0)->Lengte, 60);
  EXPECT_EQ(back->GetWijzer(2)->Dikte, 3);
  EXPECT_EQ(back->GetWijzer(1)->Lengte, 90);
  EXPECT_TRUE(back->Seconde());
}

TEST(KlokForm, HandLengthsOutsideThePercentageAreRefused) {
  Tollenspiegel::RegisterClasses();
  EXPECT_THROW(Classes::ReadComponentText(
                   "object F: TForm\n object K: TVormKlok\n  WijzerUur.Lengte = 101\n end\nend"),
               Classes::EReadError);
}

}  // namespace
