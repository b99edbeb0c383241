// A scripted session of the terminal designer.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "Classes/Streaming.h"
#include "DesignShell.h"
#include "Vormen.h"

namespace {

std::string Session(const std::string& script) {
  std::istringstream in(script);
  std::ostringstream out;
  DsgnIntf::ClearRegistrations();
  Tools::RegisterForDesign();
  Tools::TDesignShell shell(in, out);
  shell.Run();
  return out.str();
}

TEST(DesignShell, BuildsAFormFromNothingAndSavesIt) {
  std::string path = (std::filesystem::temp_directory_path() / "tollen_designed.form").string();
  std::string out = Session(
      "palette\n"
      "new TVorm\n"
      "set Vorm1.Vorm Cirkel\n"
      "set Vorm1.Brush.Color clYellow\n"
      "set Vorm1.Pen.Width 3\n"
      "new TVormKlok Klok\n"
      "set Klok.WijzerUur.Lengte 60\n"
      "set Form1.Caption Made by hand\n"
      "save " + path + "\n"
      "quit\n"
      "new TVorm\n");  // after quit: not read
  EXPECT_NE(out.find("Tollenspiegel: TVorm TVormKlok TLichtKrant TGolfTekst\n"), std::string::npos) << out;
  EXPECT_NE(out.find("Vorm1: TVorm\n"), std::string::npos);
  EXPECT_NE(out.find("Vorm1.Brush.Color = clYellow\n"), std::string::npos);
  EXPECT_NE(out.find("Form1.Caption = Made by hand\n"), std::string::npos);
  EXPECT_EQ(out.find("Vorm2"), std::string::npos);
  auto root = Classes::ReadComponentFile(path);
  auto* v = dynamic_cast<Vormen::TVorm*>(root->FindComponent("Vorm1"));
  ASSERT_NE(v, nullptr);
  EXPECT_EQ(v->Vorm(), Vormen::Cirkel);
  EXPECT_EQ(v->Pen().Width(), 3);
  EXPECT_EQ(dynamic_cast<Controls::TControl&>(*root).Caption(), "Made by hand");
  EXPECT_FALSE(v->ComponentState().Contains(Classes::csDesigning));
}

TEST(DesignShell, BadCommandsAndValuesAreOneLineAndTheShellGoesOn) {
  std::string out = Session(
      "frobnicate\n"
      "new TNothing\n"
      "new TVorm V\n"
      "new TVorm V\n"
      "set V.Vorm Cirkle\n"
      "set V.Colour clRed\n"
      "set V\n"
      "edit V.Vorm\n"
      "verb V 3\n"
      "props Nobody\n"
      "props V\n");
  std::istringstream lines(out);
  std::vector<std::string> errors;
  for (std::string l; std::getline(lines, l);)
    if (l.rfind("error: ", 0) == 0) errors.push_back(l);
  EXPECT_EQ(errors, (std::vector<std::string>{
                        "error: unknown command \"frobnicate\"; \"help\" lists the commands",
                        "error: unknown class \"TNothing\"",
                        "error: a component named V already exists",
                        "error: Vorm:1:1: \"Cirkle\" is not a value of TVormen",
                        "error: TVorm has no property \"Colour\"",
                        "error: usage: set NAME.PROPERTY VALUE",
                        "error: V.Vorm has no dialog; use set",
                        "error: V has no verb 3",
                        "error: no component named Nobody"}));
  EXPECT_NE(out.find("Vorm = Rechthoek\n"), std::string::npos);
  EXPECT_NE(out.find("Pen.Width = 1\n"), std::string::npos);
}

}  // namespace
