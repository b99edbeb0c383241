// A scripted session of the terminal designer.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "Classes/PropertyText.h"
#include "Classes/Streaming.h"
#include "DesignShell.h"
#include "ShellWords.h"
#include "Vormen.h"
#include "support/TempFolder.h"

namespace {

struct TShellRun {
  std::string Out;
  std::string Err;
  int Status = 0;
};

TShellRun RunShell(const std::string& script, bool prompt = false) {
  std::istringstream in(script);
  std::ostringstream out, err;
  DsgnIntf::ClearRegistrations();
  Tools::RegisterForDesign();
  Tools::TDesignShell shell(in, out, err, prompt);
  int status = shell.Run();
  return {out.str(), err.str(), status};
}

std::string Session(const std::string& script) { return RunShell(script).Out; }

std::vector<std::string> Lines(const std::string& text) {
  std::istringstream lines(text);
  std::vector<std::string> out;
  for (std::string l; std::getline(lines, l);) out.push_back(l);
  return out;
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

TEST(ShellWords, QuotesKeepBlanksInsideOneWord) {
  EXPECT_EQ(Tools::ShellWords(" a\t\"b  c\" 'it''s' x\"y z\"w ''"),
            (std::vector<std::string>{"a", "b  c", "it's", "xy zw", ""}));
  EXPECT_THROW(Tools::ShellWords("open 'my form"), SysUtils::Exception);
}

TEST(DesignShell, BadCommandsAndValuesAreOneLineOnStderrAndTheRunFails) {
  TShellRun run = RunShell(
      "frobnicate\n"
      "new TNothing\n"
      "new TVorm V\n"
      "new TVorm V\n"
      "new TVorm 9x\n"
      "set V.Vorm Cirkle\n"
      "set V.Colour clRed\n"
      "set V\n"
      "edit V.Vorm\n"
      "verb V 3\n"
      "move V left 3\n"
      "props Nobody\n"
      "props V\n");
  EXPECT_EQ(run.Status, 1);
  EXPECT_EQ(
      Lines(run.Err),
      (std::vector<std::string>{
          "error: unknown command \"frobnicate\"; \"help\" lists the commands",
          "error: \"TNothing\" is not on the palette", "error: a component named V already exists",
          "error: \"9x\" cannot name a component: use a letter or _, then letters, digits "
          "or _",
          "error: Vorm:1:1: \"Cirkle\" is not a value of TVormen (Rechthoek, Vierkant, "
          "RondeRechthoek, RondVierkant, Ellips, Cirkel, Honing, HoningRaat, "
          "DriehoekOmhoog, DriehoekLinks, DriehoekRechts, DriehoekOmlaag)",
          "error: TVorm has no property \"Colour\"", "error: usage: set NAME.PROP VALUE",
          "error: V.Vorm has no dialog", "error: V has no verb 3",
          "error: LEFT is a whole number, not \"left\"", "error: no component named Nobody"}));
  EXPECT_EQ(run.Out.find("error"), std::string::npos);
  EXPECT_NE(run.Out.find("Vorm = Rechthoek\n"), std::string::npos);
  EXPECT_NE(run.Out.find("Pen.Width = 1\n"), std::string::npos);
  EXPECT_EQ(RunShell("new TVorm\n").Status, 0);
}

TEST(DesignShell, QuotedTextIsAStringAndOnlyATerminalGetsAPrompt) {
  TShellRun run = RunShell(
      "new TGolfTekst Golf\n"
      "set Golf.Caption 'it''s here'\n"
      "set Golf.Hint as it stands\n"
      "set Form1.Caption 'a'#9'b'\n");
  EXPECT_EQ(run.Status, 0) << run.Err;
  EXPECT_NE(run.Out.find("Golf.Caption = it's here\n"), std::string::npos) << run.Out;
  EXPECT_NE(run.Out.find("Golf.Hint = as it stands\n"), std::string::npos);
  EXPECT_NE(run.Out.find("Form1.Caption = a\tb\n"), std::string::npos);
  EXPECT_EQ(run.Out.find("design>"), std::string::npos);
  EXPECT_NE(RunShell("list\n", true).Out.find("design> "), std::string::npos);
}

TEST(DesignShell, OpensListsSelectsMovesDeletesUndoesAndRedoes) {
  const std::string path =
      (std::filesystem::temp_directory_path() / "tollen_shell_edit.form").string();
  RunShell("new TVorm\nnew TFilm\nsave " + path + "\n");
  TShellRun run = RunShell("open " + path +
                           "\n"
                           "move Vorm1 20 30\n"
                           "select Film1\n"
                           "delete\n"
                           "list\n"
                           "undo\n"
                           "undo\n"
                           "list\n"
                           "redo\n"
                           "save\n");
  EXPECT_EQ(run.Status, 0) << run.Err;
  EXPECT_NE(run.Out.find("opened " + path + " (2 components)\n"), std::string::npos) << run.Out;
  EXPECT_NE(run.Out.find("deleted Film1\nVorm1: TVorm at 20,30 size 62x62\nundone\n"),
            std::string::npos);
  EXPECT_NE(run.Out.find("Vorm1: TVorm at 8,8 size 62x62\nFilm1: TFilm at 112,8"),
            std::string::npos);
  auto root = Classes::ReadComponentFile(path);
  auto* vorm = dynamic_cast<Controls::TControl*>(root->FindComponent("Vorm1"));
  ASSERT_NE(vorm, nullptr);
  EXPECT_EQ(vorm->Left(), 20);
  EXPECT_NE(root->FindComponent("Film1"), nullptr);
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
  EXPECT_NE(out.find("Film1.Geluid = /sounds/klik.wav\n"), std::string::npos) << out;
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

TEST(DesignShell, ThePictureDialogAsksAgainForMissingNamesAndTakesQuotedOnes) {
  auto folder = std::filesystem::temp_directory_path() / "tollen_design_quoted";
  std::filesystem::create_directories(folder);
  const std::string spaced = (folder / "first frame.bmp").string();
  Graphics::WriteBmpFile(Graphics::TSurface(8, 8, 0xFF0000), spaced);
  TShellRun run = RunShell(
      "new TFilm\n"
      "verb Film1 0\n" +
      (folder / "nothing.bmp").string() + "\n'" + spaced +
      "'\n"
      "props Film1\n");
  EXPECT_EQ(run.Status, 0) << run.Err;
  EXPECT_NE(
      run.Out.find("cannot find " + (folder / "nothing.bmp").string() + "; give the names again\n"),
      std::string::npos)
      << run.Out;
  EXPECT_NE(run.Out.find("Frames = (" + Classes::QuotedString(spaced) + ")\n"), std::string::npos);
  TShellRun saved = RunShell("new TFilm\nverb Film1 0\n\"" + spaced + "\"\nsave " +
                             (folder / "f.form").string() + "\n");
  EXPECT_NE(Classes::WriteComponentText(*Classes::ReadComponentFile((folder / "f.form").string()))
                .find("'" + spaced + "'"),
            std::string::npos);
}

}  // namespace
