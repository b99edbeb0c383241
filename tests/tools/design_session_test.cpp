// The design session without a window: building, editing, undoing and saving.
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "Classes/Streaming.h"
#include "DesignSession.h"
#include "Dialogs.h"
#include "Film.h"
#include "FilmEditors.h"
#include "FormText.h"
#include "Forms.h"
#include "Graphics/BmpFile.h"
#include "support/Sound.h"
#include "support/Time.h"

namespace {

namespace fs = std::filesystem;

// Answers file dialogs from a list, in turn, and records what they asked.
class TScriptedDialogs final : public Dialogs::TDialogService {
 public:
  TScriptedDialogs() { Dialogs::UseDialogService(this); }
  ~TScriptedDialogs() override { Dialogs::UseDialogService(nullptr); }
  Dialogs::TModalResult ShowMessage(const Dialogs::TMessageRequest&) override {
    return Dialogs::mrCancel;
  }
  std::optional<std::vector<std::string>> ChooseFiles(const Dialogs::TOpenRequest& r) override {
    Titles.push_back(r.Title);
    if (Answers.empty()) return std::nullopt;
    auto answer = Answers.front();
    Answers.pop_front();
    return answer;
  }
  std::deque<std::vector<std::string>> Answers;
  std::vector<std::string> Titles;
};

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// What the session below saves: the film holds the frames as the dialog gave them.
std::string ExpectedForm(const std::string& green, const std::string& blue) {
  return R"(object Form1: TForm
  Left = 0
  Top = 0
  Width = 640
  Height = 400
  Caption = 'Ontwerp'
  Color = clTeal
  Font.Charset = 1
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  object Vorm1: TVorm
    Left = 12
    Top = 28
    Achtergrond.Style = bsClear
    Brush.Color = clYellow
    Pen.Width = 3
    Vorm = Cirkel
  end
  object VormKlok1: TVormKlok
    Left = 152
    Top = 28
    Width = 128
    Height = 128
    Achtergrond.Style = bsClear
    Vorm = Rechthoek
    Font.Charset = 1
    Font.Color = clWindowText
    Font.Height = -8
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    Seconde = True
    WijzerUur.Lengte = 60
    WijzerUur.Kleur = clBlack
    WijzerMinuut.Lengte = 90
    WijzerMinuut.Kleur = clBlack
    WijzerSeconde.Lengte = 90
    WijzerSeconde.Kleur = clRed
  end
  object Film1: TFilm
    Left = 288
    Top = 8
    Width = 128
    Height = 128
    Achtergrond.Style = bsClear
    AlfabetischeLijst = False
    FilmType = LusHeenEnWeer
    Geluid = 'klik.wav'
    Weergave = WareGrootte
    Frames.Strings = (
)" + std::string("      '") +
         green + "'\n      '" + blue + "'\n" + R"(      )
    TijdPerFrame = 50
    Starten = Via_Programma
  end
  object LichtKrant1: TLichtKrant
    Left = 428
    Top = 8
    Width = 47
    Height = 13
    Caption = 'Nieuws'
    Font.Charset = 1
    Font.Color = clWindowText
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
    Richting = NaarLinks
  end
  object GolfTekst1: TGolfTekst
    Left = 8
    Top = 200
    Width = 24
    Height = 27
    Alignment = taLeftJustify
    Caption = 'Golf'
  end
end
)";
}

class DesignSession : public ::testing::Test {
 protected:
  void SetUp() override {
    DsgnIntf::ClearRegistrations();
    Tools::RegisterForDesign();
    folder = fs::temp_directory_path() / "tollen_design_session";
    fs::create_directories(folder);
  }
  // The sound dialog opens in the platform's folder only the first time a
  // package is loaded; each test starts as just loaded.
  void TearDown() override { Film::EersteKeer = true; }
  std::string Frame(int i, Graphics::TPixel colour) {
    std::string name = (folder / ("frame " + std::to_string(i) + ".bmp")).string();
    Graphics::WriteBmpFile(Graphics::TSurface(16, 16, colour), name);
    return name;
  }
  TestSupport::TVirtualTime time;
  TScriptedDialogs dialogs;
  fs::path folder;
};

// One of each control, a dozen properties through their editors, every film verb;
// every step undone and redone; the saved form reads back and paints the same.
TEST_F(DesignSession, BuildsUndoesRedoesAndSavesAFormOfEveryControl) {
  Tools::TDesignSession s;
  const std::string initial = Classes::WriteComponentText(s.Form());
  int steps = 0;
  for (const char* cls : {"TVorm", "TVormKlok", "TFilm", "TLichtKrant", "TGolfTekst"}) {
    s.Add(cls, {8 + 140 * steps, 8});
    ++steps;
  }
  const std::pair<const char*, const char*> edits[] = {{"Vorm1.Vorm", "Cirkel"},
                                                       {"Vorm1.Brush.Color", "clYellow"},
                                                       {"Vorm1.Pen.Width", "3"},
                                                       {"VormKlok1.Seconde", "True"},
                                                       {"VormKlok1.WijzerUur.Lengte", "60"},
                                                       {"Film1.TijdPerFrame", "50"},
                                                       {"Film1.FilmType", "LusHeenEnWeer"},
                                                       {"LichtKrant1.Caption", "Nieuws"},
                                                       {"LichtKrant1.Font.Style", "[fsBold]"},
                                                       {"GolfTekst1.Caption", "Golf"},
                                                       {"Form1.Caption", "Ontwerp"},
                                                       {"Form1.Color", "clTeal"}};
  for (auto [path, value] : edits) {
    EXPECT_EQ(s.SetProperty(path, value), value) << path;
    ++steps;
  }
  s.SetBounds("GolfTekst1", {8, 200, 208, 260});
  s.Select({"Vorm1", "VormKlok1"});
  s.MoveSelection(4, 20);
  steps += 2;

  const std::string red = Frame(0, 0xFF0000), green = Frame(1, 0x00FF00), blue = Frame(2, 0x0000FF);
  dialogs.Answers = {{red}, {green, blue}, {"klik.wav"}};
  s.ExecuteVerb("Film1", 0);  // pictures added
  s.ExecuteVerb("Film1", 1);  // all replaced
  EXPECT_EQ(s.EditProperty("Film1.Geluid"), "klik.wav");
  steps += 3;
  auto& film = dynamic_cast<Film::TFilm&>(s.Component("Film1"));
  s.ExecuteVerb("Film1", 2);
  EXPECT_TRUE(film.FilmLoopt());
  Forms::Application().RunFor(120);
  EXPECT_EQ(s.Verbs("Film1")[2], "Stop test");
  for (int verb : {2, 3, 4}) s.ExecuteVerb("Film1", verb);
  EXPECT_FALSE(film.FilmLoopt());
  EXPECT_EQ(dialogs.Titles.size(), 3u);

  const std::string built = Classes::WriteComponentText(s.Form());
  int undone = 0;
  while (s.Undo()) ++undone;
  EXPECT_EQ(undone, steps);  // the test and stepping verbs change nothing stored
  EXPECT_EQ(Classes::WriteComponentText(s.Form()), initial);
  EXPECT_FALSE(s.IsModified());
  while (s.Redo()) --undone;
  EXPECT_EQ(undone, 0);
  EXPECT_EQ(Classes::WriteComponentText(s.Form()), built);
  EXPECT_TRUE(s.IsModified());

  const std::string path = (folder / "every.form").string();
  s.SaveAs(path);
  EXPECT_FALSE(s.IsModified());
  EXPECT_EQ(ReadFile(path), ExpectedForm(green, blue));
  s.Form().PaintAll();
  Tools::TDesignSession reopened;
  reopened.Open(path);
  reopened.Form().PaintAll();
  EXPECT_TRUE(reopened.Form().Surface() == s.Form().Surface());
}

TEST_F(DesignSession, RowsCarryValueListsAndStringListsTakeTheirLinesThroughTheirEditor) {
  Tools::TDesignSession s;
  s.Add("TFilm", {8, 8});
  auto row = [&s](const std::string& path) {
    for (Tools::TPropertyRow& r : s.Properties("Film1"))
      if (r.Path == path) return r;
    ADD_FAILURE() << path;
    return Tools::TPropertyRow{};
  };
  EXPECT_EQ(row("FilmType").Values,
            (std::vector<std::string>{"LusFilm", "Normaal", "EenKeerHeenEnWeer", "LusHeenEnWeer"}));
  EXPECT_EQ(row("Pen.Color").Values.front(), "clBlack");
  EXPECT_EQ(row("Transparent").Values, (std::vector<std::string>{"False", "True"}));
  EXPECT_TRUE(row("TijdPerFrame").Values.empty());
  EXPECT_EQ(row("Frames").Value, "()");
  EXPECT_EQ(s.SetProperty("Film1.Frames", "('a.bmp' 'b c.bmp')"), "('a.bmp' 'b c.bmp')");
  EXPECT_EQ(dynamic_cast<Film::TFilm&>(s.Component("Film1")).Frames().Count(), 2);
  EXPECT_THROW(s.SetProperty("Film1.Frames", "a.bmp"), Classes::EReadError);
  ASSERT_TRUE(s.Undo());
  EXPECT_EQ(row("Frames").Value, "()");
}

TEST_F(DesignSession, NamesAreFreeIdentifiersEverywhereTheyAreGiven) {
  Tools::TDesignSession s;
  EXPECT_EQ(s.Add("TVorm", {0, 0}).Name(), "Vorm1");
  EXPECT_EQ(s.Add("TVorm", {0, 0}).Name(), "Vorm2");
  EXPECT_EQ(s.Add("TFilm", {0, 0}).Name(), "Film1");
  s.Rename("Vorm1", "Rond");
  EXPECT_EQ(s.Add("TVorm", {0, 0}).Name(), "Vorm1");  // the first free number again
  for (const char* bad : {"9x", "a b", "Vorm-1", "vorm2", "FORM1", "Film1"}) {
    EXPECT_THROW(s.Add("TVorm", {0, 0}, bad), SysUtils::Exception) << bad;
    EXPECT_THROW(s.Rename("Rond", bad), SysUtils::Exception) << bad;
    EXPECT_THROW(s.SetProperty("Rond.Name", bad), SysUtils::Exception) << bad;
  }
  EXPECT_EQ(s.ComponentNames(), (std::vector<std::string>{"Rond", "Vorm2", "Film1", "Vorm1"}));
  EXPECT_THROW(s.Add("TForm", {0, 0}), SysUtils::Exception);  // not on the palette
}

TEST_F(DesignSession, NewControlsLandInsideTheForm) {
  Tools::TDesignSession s;
  auto& far = dynamic_cast<Controls::TControl&>(s.Add("TVormKlok", {5000, -40}));
  EXPECT_EQ(far.Left(), 640 - far.Width());
  EXPECT_EQ(far.Top(), 0);
  EXPECT_EQ(far.Width(), 128);  // the constructor's size
}

TEST_F(DesignSession, CutCopyPasteAndRestackGoThroughTheFormText) {
  Tools::TDesignSession s;
  s.Add("TVorm", {10, 10});
  s.SetProperty("Vorm1.Vorm", "Ellips");
  s.Add("TFilm", {100, 10});
  s.Select({"Vorm1"});
  const std::string copied = s.CopySelection();
  s.Paste(copied);
  EXPECT_EQ(s.Selection(), std::vector<std::string>{"Vorm2"});
  EXPECT_EQ(s.PropertyEditor("Vorm2.Vorm")->GetValue(), "Ellips");
  s.Select({"Film1"});
  const std::string cut = s.CutSelection();
  EXPECT_EQ(s.ComponentNames(), (std::vector<std::string>{"Vorm1", "Vorm2"}));
  s.Paste(cut);  // its name is free again
  EXPECT_EQ(s.ComponentNames(), (std::vector<std::string>{"Vorm1", "Vorm2", "Film1"}));
  s.Select({"Film1"});
  s.SendToBack();
  EXPECT_EQ(s.ComponentNames(), (std::vector<std::string>{"Film1", "Vorm1", "Vorm2"}));
  EXPECT_EQ(s.Form().Controls(0), &s.Component("Film1"));  // painted first
  s.Select({"Vorm1"});
  s.BringToFront();
  EXPECT_EQ(s.ComponentNames(), (std::vector<std::string>{"Film1", "Vorm2", "Vorm1"}));
  s.Undo();
  EXPECT_EQ(s.ComponentNames(), (std::vector<std::string>{"Film1", "Vorm1", "Vorm2"}));
  EXPECT_THROW(s.Paste("Left = 3\n"), SysUtils::Exception);
  EXPECT_THROW(s.Paste("object X: TNiets\nend\n"), SysUtils::Exception);
}

TEST_F(DesignSession, AFailedChangeLeavesNoStepAndTheModifiedMarkFollowsSaving) {
  Tools::TDesignSession s;
  EXPECT_FALSE(s.IsModified());
  s.Add("TVorm", {0, 0});
  EXPECT_TRUE(s.IsModified());
  EXPECT_THROW(s.SetProperty("Vorm1.Vorm", "Cirkle"), Classes::EReadError);
  EXPECT_THROW(s.EditProperty("Vorm1.Vorm"), SysUtils::Exception);  // no dialog
  EXPECT_THROW(s.ExecuteVerb("Vorm1", 0), SysUtils::Exception);
  EXPECT_THROW(s.Save(), SysUtils::Exception);  // no file name yet
  s.SaveAs((folder / "one.form").string());
  EXPECT_FALSE(s.IsModified());
  EXPECT_TRUE(s.Undo());  // back before the add: unlike the file
  EXPECT_TRUE(s.IsModified());
  EXPECT_FALSE(s.Undo());
  EXPECT_TRUE(s.Redo());
  EXPECT_FALSE(s.IsModified());  // the saved text again
}

TEST_F(DesignSession, OpenNamesWhereAFormFileIsBrokenAndKeepsTheFormBefore) {
  const std::string bad = (folder / "bad.form").string();
  std::ofstream(bad) << "object F: TForm\n  Width = 'wide'\nend\n";
  Tools::TDesignSession s;
  s.Add("TVorm", {0, 0});
  try {
    s.Open(bad);
    FAIL() << "read a broken form";
  } catch (const Classes::EReadError& e) {
    EXPECT_NE(std::string(e.what()).find("bad.form:2:11:"), std::string::npos) << e.what();
  }
  EXPECT_EQ(s.ComponentNames(), std::vector<std::string>{"Vorm1"});
}

TEST(FormText, SplitsRenamesAndInsertsObjectBlocks) {
  auto blocks = Tools::SplitObjects("object A: TVorm\n  Left = 1\nend\nobject B: TFilm\nend\n");
  ASSERT_EQ(blocks.size(), 2u);
  EXPECT_EQ(blocks[1].ClassName, "TFilm");
  EXPECT_EQ(Tools::Renamed(blocks[0], "C").Text, "object C: TVorm\n  Left = 1\nend\n");
  const std::string form = "object F: TForm\n  Width = 9\n  object X: TVorm\n  end\nend\n";
  EXPECT_EQ(
      Tools::InsertObjects(form, {blocks[1]}, true),
      "object F: TForm\n  Width = 9\n  object B: TFilm\n  end\n  object X: TVorm\n  end\nend\n");
  EXPECT_EQ(
      Tools::InsertObjects(form, {blocks[1]}, false),
      "object F: TForm\n  Width = 9\n  object X: TVorm\n  end\n  object B: TFilm\n  end\nend\n");
  EXPECT_EQ(Tools::ObjectOf(form, "X").Text, "object X: TVorm\nend\n");
  EXPECT_THROW(Tools::ObjectOf(form, "Y"), SysUtils::Exception);
  for (const char* bad : {"Left = 1\n", "object 9: TVorm\nend\n", "object A TVorm\nend\n"})
    EXPECT_THROW(Tools::SplitObjects(bad), SysUtils::Exception) << bad;
}

TEST(UndoStack, ANewStepForgetsTheRedoAndTheOldestStepsGo) {
  Tools::TUndoStack undo;
  undo.Push("a");
  undo.Push("b");
  EXPECT_EQ(undo.Undo("c"), "b");
  EXPECT_TRUE(undo.CanRedo());
  undo.Push("b2");
  EXPECT_FALSE(undo.CanRedo());
  for (std::size_t i = 0; i < Tools::TUndoStack::kMaxSteps; ++i) undo.Push(std::to_string(i));
  int steps = 0;
  while (undo.Undo("x")) ++steps;
  EXPECT_EQ(steps, static_cast<int>(Tools::TUndoStack::kMaxSteps));
}

}  // namespace

TEST_F(DesignSession, AFilmThatStartsByItselfStaysStillWhenOpenedOrRestored) {
  TestSupport::TRecordedSound sound;
  const std::string path = (folder / "zelfstart.form").string();
  std::ofstream(path) << "object Form1: TForm\n  object Film1: TFilm\n    Geluid = 'klik.wav'\n"
                         "    Frames.Strings = (\n      '" +
                             Frame(0, 0xFF0000) + "')\n    Starten = StartMeteen\n  end\nend\n";
  Tools::TDesignSession s;
  s.Open(path);
  s.SetProperty("Film1.Left", "20");
  ASSERT_TRUE(s.Undo());  // the form is read again from its text
  s.Select({"Film1"});
  s.Paste(s.CopySelection());
  for (const std::string& name : s.ComponentNames())
    EXPECT_FALSE(dynamic_cast<Film::TFilm&>(s.Component(name)).FilmLoopt()) << name;
  EXPECT_TRUE(sound.Service.Requests().empty());
}
