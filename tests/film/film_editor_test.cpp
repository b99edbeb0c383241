// The film's design-time editors: the component editor's verbs and the sound dialog.
#include <gtest/gtest.h>

#include "Dialogs.h"
#include "DsgnIntf.h"
#include "FilmEditors.h"
#include "Forms.h"
#include "support/Time.h"

namespace {

using namespace Film;

struct TDesignedFilm {
  Dialogs::TScriptedDialogs Dialogs;
  Forms::TForm Form{nullptr};
  DsgnIntf::TDesigner Designer{Form};
  TFilm* F;
  TFilmEditor Editor;
  TDesignedFilm() : F(new TFilm(&Form)), Editor(*F, Designer) {
    Dialogs::UseDialogService(&Dialogs);
    Form.SetBounds(0, 0, 200, 200);
    F->SetParent(&Form);
    Form.SetDesigning(true);
  }
  ~TDesignedFilm() { Dialogs::UseDialogService(nullptr); }
  void AddFrames(int n) {
    std::vector<std::string> names;
    for (int i = 0; i < n; ++i) names.push_back("f" + std::to_string(i) + ".bmp");
    Dialogs.Choose(names);
    Editor.ExecuteVerb(0);
  }
};

TEST(FilmEditor, AnEmptyFilmOffersOneVerbAFilledOneFive) {
  TDesignedFilm d;
  EXPECT_EQ(d.Editor.GetVerbCount(), 1);
  EXPECT_EQ(d.Editor.GetVerb(0), "Voeg plaatjes toe...");
  d.AddFrames(3);
  EXPECT_EQ(d.F->Frames().Count(), 3);
  ASSERT_EQ(d.Editor.GetVerbCount(), 5);
  EXPECT_EQ(d.Editor.GetVerb(1), "Vervang alle plaatjes...");
  EXPECT_EQ(d.Editor.GetVerb(2), "Test &film");
  EXPECT_EQ(d.Editor.GetVerb(3), "Toon volgend frame");
  EXPECT_EQ(d.Editor.GetVerb(4), "Toon vorig frame");
  EXPECT_EQ(d.Editor.GetVerb(99), "Toon vorig frame");
  d.Dialogs.Choose({"only.bmp"});
  d.Editor.ExecuteVerb(1);  // replaces the whole list
  EXPECT_EQ(d.F->Frames().ToVector(), std::vector<std::string>{"only.bmp"});
  EXPECT_FALSE(d.Designer.IsModified());  // no verb tells the designer
}

TEST(FilmEditor, TheTestVerbStartsAndStopsTheFilm) {
  TestSupport::TVirtualTime time;
  TDesignedFilm d;
  d.AddFrames(2);
  d.Editor.ExecuteVerb(2);
  EXPECT_TRUE(d.F->FilmLoopt());
  EXPECT_EQ(d.Editor.GetVerb(2), "Stop test");
  d.Editor.ExecuteVerb(2);
  EXPECT_FALSE(d.F->FilmLoopt());
  EXPECT_EQ(d.Editor.GetVerb(2), "Test &film");
}

TEST(FilmEditor, SteppingWrapsAtBothEnds) {
  TDesignedFilm d;
  d.AddFrames(4);
  d.F->ToonFrame(3);
  d.Editor.ExecuteVerb(3);
  EXPECT_EQ(d.F->HuidigFrame(), 0);  // next after the last
  d.Editor.ExecuteVerb(4);
  EXPECT_EQ(d.F->HuidigFrame(), 3);  // previous before the first
  d.Editor.ExecuteVerb(4);
  EXPECT_EQ(d.F->HuidigFrame(), 2);
  d.F->ToonFrame(-1);
  d.Editor.ExecuteVerb(3);
  EXPECT_EQ(d.F->HuidigFrame(), 0);
  d.Editor.ExecuteVerb(7);  // no such verb: nothing
  EXPECT_EQ(d.F->HuidigFrame(), 0);
}

TEST(FilmEditor, FromMinusTwoTheNextFrameIsMinusOne) {
  TDesignedFilm d;
  d.Form.PaintAll();  // an empty film painted leaves -2
  ASSERT_EQ(d.F->HuidigFrame(), -2);
  d.Editor.ExecuteVerb(3);
  EXPECT_EQ(d.F->HuidigFrame(), -1);
}

TEST(GeluidProperty, HasOnlyTheDialogAttribute) {
  TDesignedFilm d;
  auto prop = *TypInfo::GetPropInfo(TFilm::StaticClass(), "Geluid");
  TGeluidProperty editor(d.Designer, *d.F, prop);
  EXPECT_EQ(editor.GetAttributes().Bits(), 4u);
}

TEST(GeluidProperty, OnlyTheFirstDialogOpensInTheSoundsFolder) {
  TDesignedFilm d;
  EersteKeer = true;  // as when the package is loaded
  auto prop = *TypInfo::GetPropInfo(TFilm::StaticClass(), "Geluid");
  TGeluidProperty editor(d.Designer, *d.F, prop);
  d.Dialogs.CancelChoice();
  editor.Edit();  // cancelled: the value stays, the first-time folder is spent
  EXPECT_EQ(d.F->Geluid(), "");
  d.Dialogs.Choose({"/sounds/tada.wav"});
  editor.Edit();
  EXPECT_EQ(d.F->Geluid(), "/sounds/tada.wav");
  ASSERT_EQ(d.Dialogs.OpenRequests().size(), 2u);
  const Dialogs::TOpenRequest& first = d.Dialogs.OpenRequests()[0];
  EXPECT_EQ(first.InitialDir, "c:\\Windows\\Media");
  EXPECT_EQ(first.Title, "Kies uit deze lijst een geluid bij de film");
  EXPECT_EQ(first.Filter, "Geluidsbestanden|*.wav");
  EXPECT_EQ(first.DefaultExt, "wav");
  EXPECT_EQ(first.Options.Bits(), 4u);
  EXPECT_EQ(d.Dialogs.OpenRequests()[1].InitialDir, "");
  EXPECT_EQ(Forms::Application().ComponentCount(), 0);  // the dialog was freed
}

TEST(FilmRegister, PutsTheFilmOnThePageWithItsEditors) {
  DsgnIntf::ClearRegistrations();
  Register();
  ASSERT_NE(DsgnIntf::FindPalettePage("Tollenspiegel"), nullptr);
  EXPECT_EQ(DsgnIntf::FindPalettePage("Tollenspiegel")->Classes,
            std::vector<System::TClass>{TFilm::StaticClass()});
  TDesignedFilm d;
  EXPECT_NE(dynamic_cast<TFilmEditor*>(DsgnIntf::GetComponentEditor(*d.F, d.Designer).get()),
            nullptr);
  auto geluid = *TypInfo::GetPropInfo(TFilm::StaticClass(), "Geluid");
  auto editor = DsgnIntf::GetPropertyEditor(d.Designer, *d.F, geluid);
  EXPECT_NE(dynamic_cast<TGeluidProperty*>(editor.get()), nullptr);
  auto name = *TypInfo::GetPropInfo(TFilm::StaticClass(), "DefaultPadNaam");
  EXPECT_EQ(
      dynamic_cast<TGeluidProperty*>(DsgnIntf::GetPropertyEditor(d.Designer, *d.F, name).get()),
      nullptr);
  DsgnIntf::ClearRegistrations();
}

}  // namespace
