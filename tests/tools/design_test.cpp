// A scripted session of the terminal designer.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "Classes/Streaming.h"
#include "DesignShell.h"
#include "Vormen.h"
#include "support/TempFolder.h"

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
  const TestSupport::TTempFolder temp;
  std::string path = temp.File("designed.form");
  std::string out = Session(
      "palette\n"
      "new TVorm\n"
      "set Vorm1.Vorm Cirkel\n"
      "set Vorm1.Brush.Color clYellow\n"
      "set Vorm1.Pen.Width 3\n"
      "new TVormKlok Klok\n"
      "set Klok.WijzerUur.Lengte 60\n"
      "set Form1.Caption Made by hand\n"
      "save " +
      path +
      "\n"
      "quit\n"
      "new TVorm\n");  // after quit: not read
  EXPECT_NE(out.find("Tollenspiegel: TVorm TFilm TLichtKrant TGolfTekst TVormKlok\n"),
            std::string::npos)
      << out;
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
  EXPECT_EQ(errors,
            (std::vector<std::string>{
                "error: unknown command \"frobnicate\"; \"help\" lists the commands",
                "error: unknown class \"TNothing\"", "error: a component named V already exists",
                "error: Vorm:1:1: \"Cirkle\" is not a value of TVormen (Rechthoek, Vierkant, "
                "RondeRechthoek, RondVierkant, Ellips, Cirkel, Honing, HoningRaat, "
                "DriehoekOmhoog, DriehoekLinks, DriehoekRechts, DriehoekOmlaag)",
                "error: TVorm has no property \"Colour\"", "error: usage: set NAME.PROPERTY VALUE",
                "error: V.Vorm has no dialog; use set", "error: V has no verb 3",
                "error: no component named Nobody"}));
  EXPECT_NE(out.find("Vorm = Rechthoek\n"), std::string::npos);
  EXPECT_NE(out.find("Pen.Width = 1\n"), std::string::npos);
}

}  // namespace

#include "Film.h"
#include "GifReader.h"
#include "Graphics/BmpFile.h"
#include "Render.h"

namespace {

// Three frames of different colours in a fresh folder.
std::vector<std::string> MakeFrames(const std::filesystem::path& folder) {
  std::filesystem::create_directories(folder);
  std::vector<std::string> names;
  const Graphics::TPixel colours[] = {0xFF0000, 0x00FF00, 0x0000FF};
  for (int i = 0; i < 3; ++i) {
    names.push_back((folder / ("frame" + std::to_string(i) + ".bmp")).string());
    Graphics::WriteBmpFile(Graphics::TSurface(16, 16, colours[i]), names.back());
  }
  return names;
}

TEST(DesignShell, BuildsAFilmWithItsEditorsAndTheFormRendersIt) {
  const TestSupport::TTempFolder temp;
  const std::filesystem::path& folder = temp.Path();
  std::vector<std::string> frames = MakeFrames(folder);
  std::string form = (folder / "film.form").string();
  std::string out = Session(
      "new TFilm\n"
      "verbs Film1\n"
      "verb Film1 0\n" +
      frames[0] + " " + frames[1] + " " + frames[2] +
      "\n"
      "verbs Film1\n"
      "set Film1.TijdPerFrame 100\n"
      "set Film1.Starten StartMeteen\n"
      "edit Film1.Geluid\n"
      "/sounds/klik.wav\n"
      "verb Film1 2\n"
      "wait 250\n"
      "verbs Film1\n"
      "verb Film1 2\n"
      "save " +
      form + "\n");
  EXPECT_NE(out.find("0: Voeg plaatjes toe...\n"), std::string::npos) << out;
  EXPECT_NE(out.find("dialog: "), std::string::npos);
  EXPECT_NE(out.find("4: Toon vorig frame\n"), std::string::npos);
  EXPECT_NE(out.find("folder: c:\\Windows\\Media\n"), std::string::npos);
  EXPECT_NE(out.find("Film1.Geluid = /sounds/klik.wav\n"), std::string::npos);
  EXPECT_NE(out.find("2: Stop test\n"), std::string::npos);
  EXPECT_EQ(out.find("error:"), std::string::npos) << out;

  // The saved film starts by itself after loading: at 25 frames a second each
  // 100 ms frame of the film stays for 2.5 frames on average (3, then 2), without
  // drift, the three colours in turn.
  Tools::TRenderOptions o;
  o.FormPath = form;
  o.Output = (folder / "film.gif").string();
  o.AtMsOfDay = 0;
  o.Seconds = 1;
  o.Fps = 25;
  ASSERT_EQ(Tools::Render(o), 0);
  auto gif = TestSupport::ReadGif(o.Output);
  ASSERT_EQ(gif.size(), 10u);  // a change every 100 ms
  int total = 0;
  for (std::size_t i = 0; i < gif.size(); ++i) {
    EXPECT_EQ(gif[i].DelayCs, i % 2 == 0 ? 12 : 8) << "frame " << i;
    total += gif[i].DelayCs;
    if (i > 0) {
      EXPECT_NE(gif[i].Picture, gif[i - 1].Picture);
    }
  }
  EXPECT_EQ(total, 100);
}

}  // namespace
