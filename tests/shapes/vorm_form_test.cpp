// Shapes in stored forms.
#include <gtest/gtest.h>

#include "Classes/Streaming.h"
#include "Forms.h"
#include "Tollenspiegel.h"
#include "Vormen.h"

namespace {

TEST(VormForm, DefaultsAreLeftOutButTheFigureIsAlwaysWritten) {
  Tollenspiegel::RegisterClasses();
  Forms::TForm form(nullptr);
  form.SetName("F");
  auto* v = new Vormen::TVorm(&form);
  v->SetName("Vorm1");
  v->SetParent(&form);
  std::string text = Classes::WriteComponentText(form);
  EXPECT_NE(text.find("  object Vorm1: TVorm\n"
                      "    Left = 0\n"
                      "    Top = 0\n"
                      "    Achtergrond.Style = bsClear\n"
                      "    Vorm = Rechthoek\n"
                      "  end\n"),
            std::string::npos)
      << text;
}

TEST(VormForm, ReadsBackWhatWasWritten) {
  Tollenspiegel::RegisterClasses();
  auto root = Classes::ReadComponentText(R"(object DemoForm: TForm
  Width = 640
  Caption = 'Tollenspiegel'
  object Vorm1: TVorm
    Left = 8
    Vorm = Cirkel
    Brush.Color = clYellow
    Pen.Width = 3
    Achtergrond.Color = clTeal
  end
end)");
  auto* v = dynamic_cast<Vormen::TVorm*>(root->FindComponent("Vorm1"));
  ASSERT_NE(v, nullptr);
  EXPECT_EQ(v->Vorm(), Vormen::Cirkel);
  EXPECT_EQ(v->Brush().Color(), Graphics::clYellow);
  EXPECT_EQ(v->Pen().Width(), 3);
  EXPECT_EQ(v->Achtergrond().Style(), Graphics::bsSolid);
  EXPECT_EQ(v->Width(), 62);
  std::string text = Classes::WriteComponentText(*root);
  EXPECT_EQ(Classes::WriteComponentText(*Classes::ReadComponentText(text)), text);
  EXPECT_THROW(
      Classes::ReadComponentText("object F: TForm\n object V: TVorm\n  Vorm = Cirkle\n end\nend"),
      Classes::EReadError);
}

}  // namespace

namespace {

// A background coloured with the brush's default colour turns solid, the brush's
// default style: both must still be written, or the text reads back clear.
TEST(VormForm, ABackgroundInTheBrushsDefaultsReadsBackAsItWas) {
  Tollenspiegel::RegisterClasses();
  auto root = Classes::ReadComponentText(
      "object F: TForm\n  object V: TVorm\n    Achtergrond.Color = clWhite\n  end\nend");
  auto* v = dynamic_cast<Vormen::TVorm*>(root->FindComponent("V"));
  ASSERT_EQ(v->Achtergrond().Style(), Graphics::bsSolid);
  const std::string text = Classes::WriteComponentText(*root);
  EXPECT_NE(text.find("    Achtergrond.Style = bsSolid\n"), std::string::npos) << text;
  auto back = Classes::ReadComponentText(text);
  auto* w = dynamic_cast<Vormen::TVorm*>(back->FindComponent("V"));
  EXPECT_EQ(w->Achtergrond().Style(), Graphics::bsSolid);
  EXPECT_EQ(w->Achtergrond().Color(), Graphics::clWhite);
}

}  // namespace
