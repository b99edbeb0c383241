// Frames on disk: where a frame's file is looked for, how a frame is drawn (true
// size and centred, or stretched; the background; the design outline; the
// transparent colour), choosing frames in the picture dialog, and what a frame
// that cannot be loaded does in the designer and at run time. Frame files are
// real bitmaps in a temporary folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "Dialogs.h"
#include "Film.h"
#include "Forms.h"
#include "Graphics/BmpFile.h"
#include "Graphics/Recorder.h"
#include "host/bmp_builder.h"
#include "support/ShapeForm.h"
#include "support/TempFolder.h"
#include "support/Time.h"

namespace {

namespace fs = std::filesystem;
using namespace Film;
using Graphics::TCall;
using Graphics::TCallKind;
using TNames = std::vector<std::string>;

using TTempDir = TestSupport::TTempFolder;

// A bitmap file of one colour, its first stored pixel (bottom-left) `corner`.
void WriteFrame(const std::string& path, int width, int height, Graphics::TPixel fill = 0x00FF00,
                Graphics::TPixel corner = 0x00FF00) {
  fs::create_directories(fs::path(path).parent_path());
  Graphics::TSurface s(width, height, fill);
  s.SetPixel(0, height - 1, corner);
  Graphics::WriteBmpFile(s, path);
}

// The program's own file, set for one test.
struct TExeName {
  std::string Saved = Forms::Application().ExeName();
  explicit TExeName(const std::string& name) { Forms::Application().SetExeName(name); }
  ~TExeName() { Forms::Application().SetExeName(Saved); }
  TExeName(const TExeName&) = delete;
  TExeName& operator=(const TExeName&) = delete;
};

struct TScripted {
  Dialogs::TScriptedDialogs Dialogs;
  TScripted() { Dialogs::UseDialogService(&Dialogs); }
  ~TScripted() { Dialogs::UseDialogService(nullptr); }
  TScripted(const TScripted&) = delete;
  TScripted& operator=(const TScripted&) = delete;
};

// A film at (10, 10) on a form that records what is drawn.
struct TFilmForm {
  TestSupport::TVirtualTime Time;
  TTempDir Dir;
  TestSupport::TOneControlForm<TFilm> OnForm{128, 128};
  Forms::TForm& Form = OnForm.Form();
  TFilm* F = &OnForm.Control();

  explicit TFilmForm(bool designing = false) {
    Form.SetDesigning(designing);
    Form.Update();
    OnForm.Recorder().Clear();
  }

  // Frames 0..n-1 named in the temporary folder; those in `sizes` are written,
  // frame i (i + 1) pixels wide so a drawing tells which frame it is.
  void Frames(int count, const std::vector<int>& missing = {}) {
    Classes::TStringList names;
    for (int i = 0; i < count; ++i) {
      std::string name = Dir / ("f" + std::to_string(i) + ".bmp");
      if (std::find(missing.begin(), missing.end(), i) == missing.end()) WriteFrame(name, i + 1, 4);
      names.Add(name);
    }
    F->SetNames(names);
  }

  // The film's own drawing calls since the last look.
  std::vector<TCall> Calls() {
    std::vector<TCall> calls = OnForm.ControlCalls();
    OnForm.Recorder().Clear();
    return calls;
  }
  std::vector<TCall> Paint() {
    OnForm.Recorder().Clear();
    F->Repaint();
    return Calls();
  }
  // Which frame each Draw of the calls showed (by its width), in order.
  static std::vector<int> DrawnFrames(const std::vector<TCall>& calls) {
    std::vector<int> frames;
    for (const TCall& c : calls)
      if (c.Kind == TCallKind::Draw) frames.push_back(c.Rect.Width() - 1);
    return frames;
  }
};

std::vector<TCallKind> Kinds(const std::vector<TCall>& calls) {
  std::vector<TCallKind> kinds;
  for (const TCall& c : calls) kinds.push_back(c.Kind);
  return kinds;
}

// ---- finding a frame ----

TEST(FilmLookUp, AFrameIsLookedForAsNamedThenBesideTheProgramThenUnderTheDefaultFolder) {
  TTempDir dir;
  TExeName exe(dir / "bin/program");
  TFilm f(nullptr);
  f.SetDefaultPadNaam("D:\\Films");
  f.Frames().Append("C:\\Oud\\a.bmp");
  EXPECT_EQ(f.FrameCandidates(0),
            (TNames{"C:\\Oud\\a.bmp", dir / "bin/a.bmp", "D:\\Films\\a.bmp", "a.bmp"}));
  // A folder given with its separator gets a second one, as typed.
  f.SetDefaultPadNaam("D:\\Films\\");
  EXPECT_EQ(f.FrameCandidates(0)[2], "D:\\Films\\\\a.bmp");
  // No default folder: no look-up at the root of the file system.
  f.SetDefaultPadNaam("");
  EXPECT_EQ(f.FrameCandidates(0), (TNames{"C:\\Oud\\a.bmp", dir / "bin/a.bmp", "a.bmp"}));
  EXPECT_EQ(f.FrameFileName(0), "a.bmp");  // the last is taken untested

  WriteFrame(dir / "films/a.bmp", 2, 2);
  f.SetDefaultPadNaam(dir / "films\\");  // the doubled separator still reads one file
  EXPECT_EQ(f.FrameFileName(0), dir / "films\\\\a.bmp");
  WriteFrame(dir / "bin/a.bmp", 2, 2);
  EXPECT_EQ(f.FrameFileName(0), dir / "bin/a.bmp");
  std::string stored = dir / "stored\\a.bmp";  // either separator on the disk
  WriteFrame(dir / "stored/a.bmp", 2, 2);
  f.Frames().Delete(0);
  f.Frames().Append(stored);
  EXPECT_EQ(f.FrameFileName(0), stored);
}

TEST(FilmLookUp, AProgramFolderWrittenTheOtherWayGetsItsSeparator) {
  TExeName exe("C:\\Programma\\film.exe");
  TFilm f(nullptr);
  f.Frames().Append("a.bmp");
  EXPECT_EQ(f.FrameCandidates(0)[1], "C:\\Programma\\a.bmp");
  Forms::Application().SetExeName("");  // unknown: the bare name stays relative
  EXPECT_EQ(f.FrameCandidates(0)[1], "a.bmp");
}

// ---- drawing ----

TEST(FilmDisplay, ANewFilmDrawsOnlyItsOutlineAndRemembersThatItShowedNoFrame) {
  TFilmForm film;
  std::vector<TCall> calls = film.Paint();
  ASSERT_EQ(Kinds(calls), std::vector<TCallKind>{TCallKind::Rectangle});
  EXPECT_EQ(calls[0].Rect, (Types::TRect{0, 0, 128, 128}));
  EXPECT_EQ(calls[0].State.Pen, Graphics::TPenData{});
  EXPECT_EQ(calls[0].State.Brush.Style, Graphics::bsClear);
  EXPECT_EQ(film.F->HuidigFrame(), -2);
  // Frames added later are not shown until a current frame is chosen.
  film.Frames(3);
  EXPECT_EQ(Kinds(film.Paint()), std::vector<TCallKind>{TCallKind::Rectangle});
  EXPECT_EQ(film.F->HuidigFrame(), -2);
  film.F->ToonFrame(7);  // past the list: the background only
  EXPECT_EQ(film.F->HuidigFrame(), 7);
  EXPECT_EQ(Kinds(film.Calls()), std::vector<TCallKind>{TCallKind::Rectangle});
}

TEST(FilmDisplay, InTheDesignerADashedOutlineInTheParentsComplementComesFirst) {
  TFilmForm film(true);
  film.Form.SetColor(Graphics::clTeal);
  std::vector<TCall> calls = film.Paint();
  ASSERT_EQ(Kinds(calls), (std::vector<TCallKind>{TCallKind::Rectangle, TCallKind::Rectangle}));
  EXPECT_EQ(calls[0].Rect, calls[1].Rect);
  EXPECT_EQ(calls[0].State.Pen.Style, Graphics::psDash);
  EXPECT_EQ(calls[0].State.Pen.Color, 0x7F7FFF);  // clTeal 0x808000 inverted
  EXPECT_EQ(calls[0].State.Brush.Style, Graphics::bsClear);
  EXPECT_EQ(calls[1].State.Pen.Style, Graphics::psSolid);
  // A system colour is inverted as its number, as the host does.
  film.Form.SetColor(Graphics::clBtnFace);
  EXPECT_EQ(film.Paint()[0].State.Pen.Color, 0xFFFFF0);
}

TEST(FilmDisplay, AFrameAtTrueSizeIsCentredAndClippedEquallyWhenLarger) {
  TFilmForm film;
  WriteFrame(film.Dir / "small.bmp", 100, 60);
  WriteFrame(film.Dir / "large.bmp", 131, 131);
  Classes::TStringList names;
  names.Add(film.Dir / "small.bmp");
  names.Add(film.Dir / "large.bmp");
  film.F->SetNames(names);
  film.F->ToonFrame(0);
  std::vector<TCall> calls = film.Calls();
  ASSERT_EQ(Kinds(calls), (std::vector<TCallKind>{TCallKind::Rectangle, TCallKind::Draw}));
  EXPECT_EQ(calls[1].Rect, (Types::TRect{14, 34, 114, 94}));
  film.F->ToonFrame(1);
  EXPECT_EQ(film.Calls()[1].Rect, (Types::TRect{-1, -1, 130, 130}));
  EXPECT_EQ(film.F->Plaatje().Width(), 131);  // the one bitmap holds the last frame
}

TEST(FilmDisplay, ZoomStretchesEveryFrameOverTheControlAndDrawsNoBackground) {
  TFilmForm film;
  film.Frames(2);
  film.F->SetWeergave(Zoom);
  film.F->ToonFrame(1);
  std::vector<TCall> calls = film.Calls();
  ASSERT_EQ(Kinds(calls), std::vector<TCallKind>{TCallKind::StretchDraw});
  EXPECT_EQ(calls[0].Rect, (Types::TRect{0, 0, 128, 128}));
  film.F->ToonFrame(-1);
  EXPECT_TRUE(film.Calls().empty());
  TFilmForm designer(true);
  designer.F->SetWeergave(Zoom);
  std::vector<TCall> outline = designer.Paint();
  ASSERT_EQ(Kinds(outline), std::vector<TCallKind>{TCallKind::Rectangle});
  EXPECT_EQ(outline[0].State.Pen.Style, Graphics::psDash);
}

TEST(FilmDisplay, TheDisplayModeRepaintsAtOnceTransparencyAtTheNextDraw) {
  TFilmForm film;
  film.F->SetWeergave(WareGrootte);
  EXPECT_TRUE(film.Form.InvalidArea().IsEmpty());
  film.F->SetTransparent(true);
  EXPECT_TRUE(film.Form.InvalidArea().IsEmpty());
  film.F->SetWeergave(Zoom);
  EXPECT_FALSE(film.Form.InvalidArea().IsEmpty());
}

TEST(FilmDisplay, ATransparentFrameLeavesItsCornerColourOut) {
  TFilmForm film;
  constexpr Graphics::TPixel kKey = 0xFF00FF, kPicture = 0xFF0000;
  WriteFrame(film.Dir / "key.bmp", 20, 20, kKey, kKey);
  Graphics::TSurface s(20, 20, kKey);
  s.SetPixel(10, 10, kPicture);
  Graphics::WriteBmpFile(s, film.Dir / "key.bmp");
  film.F->Frames().Append(film.Dir / "key.bmp");
  Graphics::TBrush blue;
  blue.SetColor(Graphics::clBlue);
  film.F->SetAchterBrush(blue);
  film.F->SetFrame(kVoorFrame, 0);
  // The frame's top-left lands at (10 + 54, 10 + 54) on the form.
  film.Form.Update();
  EXPECT_EQ(film.Form.Surface().Pixel(64, 64), kKey);
  EXPECT_EQ(film.Form.Surface().Pixel(74, 74), kPicture);
  film.F->SetTransparent(true);
  film.Paint();
  EXPECT_EQ(film.Form.Surface().Pixel(64, 64), 0x0000FF);  // the background shows
  EXPECT_EQ(film.Form.Surface().Pixel(74, 74), kPicture);
  EXPECT_TRUE(film.F->Plaatje().Transparent());
}

TEST(FilmDisplay, APlayingFilmReadsEachFrameFromDiskEveryTimeItIsDrawn) {
  TFilmForm film;
  film.Frames(3);
  film.F->StartFilm();
  film.Form.Update();
  EXPECT_EQ(TFilmForm::DrawnFrames(film.Calls()), std::vector<int>{0});
  Forms::Application().RunFor(200);
  EXPECT_EQ(TFilmForm::DrawnFrames(film.Calls()), (std::vector<int>{1, 2}));
  WriteFrame(film.F->Frames()[0], 9, 4);  // frame 0 now as wide as a frame 8
  Forms::Application().RunFor(100);
  EXPECT_EQ(TFilmForm::DrawnFrames(film.Calls()), std::vector<int>{8});
}

// ---- choosing frames ----

TEST(FilmChoosing, ThePictureDialogAsksForSeveralExistingBitmaps) {
  TScripted script;
  TFilmForm film;
  film.Frames(2);
  film.F->SetFrame(kVoorFrame, 1);
  script.Dialogs.CancelChoice();
  film.Calls();
  film.F->LaadFrames(true);
  ASSERT_EQ(script.Dialogs.OpenRequests().size(), 1U);
  const Dialogs::TOpenRequest& r = script.Dialogs.OpenRequests()[0];
  EXPECT_EQ(r.Title, "Kies een serie beelden uit de lijst");
  EXPECT_EQ(r.Filter, "Windows Bitmaps|*.bmp");
  EXPECT_EQ(r.DefaultExt, "bmp");
  EXPECT_EQ(r.Options.Bits(), 0x0BD4U);
  EXPECT_TRUE(r.Pictures);
  // Cancelled: nothing changes and nothing is drawn.
  EXPECT_EQ(film.F->Frames().Count(), 2);
  EXPECT_EQ(film.F->VoorFrame(), 1);
  EXPECT_TRUE(film.Calls().empty());
}

TEST(FilmChoosing, AddedPicturesGoToTheEndOrTheirSortedPlace) {
  TScripted script;
  TFilmForm film;
  film.Frames(5);
  film.F->SetFrame(kStartFrame, 4);
  script.Dialogs.Choose({"/p/x.bmp", "/p/b.bmp", "/p/a"});
  film.F->LaadFrames(false);
  EXPECT_EQ(film.F->Frames().Count(), 8);
  EXPECT_EQ(film.F->Frames()[7], "/p/a.bmp");  // the default extension added
  EXPECT_EQ(film.F->StartFrame(), 4);
  EXPECT_EQ(film.F->Frames().Capacity(), 8);
  EXPECT_FALSE(film.Calls().empty());  // drawn at once, not later
  EXPECT_TRUE(film.Form.InvalidArea().IsEmpty());

  film.F->SetAlfa(true);
  script.Dialogs.Choose({film.Dir / "f1.bmp", "/a.bmp"});
  film.F->LaadFrames(false);
  TNames names = film.F->Frames().ToVector();
  EXPECT_TRUE(std::is_sorted(names.begin(), names.end(), [](const auto& a, const auto& b) {
    return Classes::CompareText(a, b) < 0;
  }));
  EXPECT_EQ(std::count(names.begin(), names.end(), film.Dir / "f1.bmp"), 2);
}

TEST(FilmChoosing, ReplacingTheListPullsTheStartAndBeforeFramesIntoIt) {
  TScripted script;
  TFilmForm film;
  film.Frames(8);
  film.F->SetFrame(kStartFrame, 6);
  film.F->SetFrame(kVoorFrame, 3);
  film.F->SetFrame(kNaFrame, 7);
  script.Dialogs.Choose({"/p/a.bmp", "/p/b.bmp"});
  film.F->LaadFrames(true);
  EXPECT_EQ(film.F->Frames().ToVector(), (TNames{"/p/a.bmp", "/p/b.bmp"}));
  EXPECT_EQ(film.F->StartFrame(), 1);
  EXPECT_EQ(film.F->VoorFrame(), 0);
  EXPECT_EQ(film.F->HuidigFrame(), 3);  // the shown frame is not changed
  EXPECT_EQ(film.F->NaFrame(), 7);
  for (int before : {-1, 0}) {
    film.F->SetFrame(kVoorFrame, before);
    script.Dialogs.Choose({"/p/c.bmp"});
    film.F->LaadFrames(true);
    EXPECT_EQ(film.F->VoorFrame(), before);
  }
}

// ---- frames that fail ----

TEST(FilmFailure, InTheDesignerAMissingFrameWritesItsNameInsteadOfAPicture) {
  TScripted script;
  TFilmForm film(true);
  film.Frames(3, {1});
  film.F->SetFrame(kVoorFrame, 1);
  std::vector<TCall> calls = film.Paint();
  ASSERT_EQ(Kinds(calls), (std::vector<TCallKind>{TCallKind::Rectangle, TCallKind::Rectangle,
                                                  TCallKind::TextOut, TCallKind::TextOut}));
  EXPECT_EQ(calls[2].Text, "Bestandsfout");
  EXPECT_EQ(calls[2].Points, (std::vector<Types::TPoint>{{10, 10}}));
  EXPECT_EQ(calls[3].Text, "f1.bmp");  // the last name tried
  EXPECT_EQ(calls[3].Points, (std::vector<Types::TPoint>{{10, 30}}));
  EXPECT_TRUE(script.Dialogs.Messages().empty());
  EXPECT_EQ(film.F->Frames().Count(), 3);
  EXPECT_FALSE(film.F->FilmLoopt());
  EXPECT_FALSE(film.F->Bezig());
}

// A design-time test run from 2 to 6 over frames 0..7, frame 3 missing, stopped
// at the question about frame 3 with `answer`.
struct TQuestioned {
  TScripted Script;
  TFilmForm Film{true};
  TQuestioned(Dialogs::TModalResult answer, bool reversed = false) {
    Film.Frames(8, {3});
    Film.F->SetFrame(kVoorFrame, 3);
    Film.F->SetFrame(kStartFrame, reversed ? 6 : 2);
    Film.F->SetFrame(kStopFrame, reversed ? 2 : 6);
    Film.F->StartFilm();
    Script.Dialogs.Answer(answer);
    Forms::Application().RunFor(reversed ? 300 : 100);
  }
};

TEST(FilmFailure, TheDesignerIsAskedWhetherToDropTheFrame) {
  TQuestioned q(Dialogs::mrYes);
  ASSERT_EQ(q.Script.Dialogs.Messages().size(), 1U);
  const Dialogs::TMessageRequest& m = q.Script.Dialogs.Messages()[0];
  EXPECT_EQ(m.Message,
            "Het bestand f3.bmp kan niet geladen worden.\r"
            "Moet de naam van dit bestand uit de lijst verwijderd worden?");
  EXPECT_EQ(m.Type, Dialogs::mtError);
  EXPECT_EQ(m.Buttons,
            (Dialogs::TMsgDlgButtons{Dialogs::mbYes, Dialogs::mbAbort, Dialogs::mbIgnore}));
  EXPECT_EQ(m.HelpContext, 0);
}

TEST(FilmFailure, YesDropsTheFrameAndShortensTheRunWhichGoesOn) {
  TQuestioned q(Dialogs::mrYes);
  EXPECT_EQ(q.Film.F->Frames().Count(), 7);
  EXPECT_EQ(q.Film.F->Frames()[3], q.Film.Dir / "f4.bmp");
  EXPECT_EQ(q.Film.F->VanFrame(), 2);
  EXPECT_EQ(q.Film.F->TotFrame(), 5);
  EXPECT_EQ(q.Film.F->StopFrame(), 6);  // not adjusted
  EXPECT_TRUE(q.Film.F->FilmLoopt());
  EXPECT_EQ(q.Film.F->HuidigFrame(), 3);
  q.Film.Calls();
  Forms::Application().RunFor(100);  // the frame that moved into place 3 is passed over
  EXPECT_EQ(TFilmForm::DrawnFrames(q.Film.Calls()), std::vector<int>{5});

  TQuestioned reversed(Dialogs::mrYes, true);
  EXPECT_EQ(reversed.Film.F->VanFrame(), 5);
  EXPECT_EQ(reversed.Film.F->TotFrame(), 2);
}

TEST(FilmFailure, YesOnTheLastFramePullsTheStartFrameBack) {
  TScripted script;
  TFilmForm film(true);
  film.Frames(1, {0});
  film.F->StartFilm();
  script.Dialogs.Answer(Dialogs::mrYes);
  film.Form.Update();
  EXPECT_EQ(film.F->Frames().Count(), 0);
  EXPECT_EQ(film.F->StartFrame(), -1);
  Forms::Application().RunFor(300);  // an empty film's ticks do nothing
  EXPECT_TRUE(film.F->FilmLoopt());
}

TEST(FilmFailure, AbortEndsTheTestWithoutTheStepsOfAStop) {
  TQuestioned q(Dialogs::mrAbort);
  EXPECT_FALSE(q.Film.F->FilmLoopt());
  EXPECT_EQ(q.Film.F->HuidigFrame(), -1);  // the before-frame was the failing one
  EXPECT_EQ(q.Film.F->Frames().Count(), 8);
  EXPECT_TRUE(q.Film.Form.InvalidArea().IsEmpty());

  TScripted script;
  TFilmForm film(true);
  film.Frames(3, {2});
  film.F->SetFrame(kVoorFrame, 1);
  film.F->SetFrame(kStartFrame, 2);
  film.F->SetFilmType(Normaal);
  film.F->StartFilm();
  script.Dialogs.Answer(Dialogs::mrIgnore);
  film.F->NieuwFrame(nullptr);  // reaches the end: the stop is pending
  ASSERT_TRUE(film.F->StopVolgende());
  script.Dialogs.Answer(Dialogs::mrAbort);
  film.F->Repaint();
  EXPECT_EQ(script.Dialogs.Messages().size(), 2U);
  EXPECT_FALSE(film.F->FilmLoopt());
  EXPECT_EQ(film.F->HuidigFrame(), 1);
  EXPECT_TRUE(film.F->StopVolgende());  // a stop's steps did not run
}

TEST(FilmFailure, IgnoreGoesOnAndAsksAgainWhenTheFrameComesRound) {
  TQuestioned q(Dialogs::mrIgnore);
  EXPECT_TRUE(q.Film.F->FilmLoopt());
  EXPECT_EQ(q.Film.F->Frames().Count(), 8);
  q.Script.Dialogs.Answer(Dialogs::mrIgnore);
  Forms::Application().RunFor(300);  // 4 5 6
  Forms::Application().RunFor(300);  // the run wraps: 0 1 2
  EXPECT_EQ(q.Script.Dialogs.Messages().size(), 1U);
  Forms::Application().RunFor(100);  // 3 again
  EXPECT_EQ(q.Script.Dialogs.Messages().size(), 2U);
  EXPECT_TRUE(q.Film.F->FilmLoopt());
}

TEST(FilmFailure, ABoxClosedWithoutAButtonEndsTheTest) {
  TQuestioned q(Dialogs::mrCancel);
  EXPECT_FALSE(q.Film.F->FilmLoopt());
  EXPECT_EQ(q.Film.F->HuidigFrame(), 3);
  EXPECT_EQ(q.Film.F->Frames().Count(), 8);
  EXPECT_FALSE(q.Film.F->Bezig());
}

TEST(FilmFailure, APaintDuringTheQuestionDrawsTheBackgroundOnly) {
  TScripted script;
  TFilmForm film(true);
  film.Frames(4, {1});
  film.F->SetFrame(kStartFrame, 1);
  film.F->StartFilm();
  std::vector<TCall> nested;
  bool busy = false, ticking = true;
  script.Dialogs.WhileShown = [&] {
    busy = film.F->Bezig();
    ticking = film.F->Tikker().Enabled();
    film.Calls();
    film.F->Repaint();
    nested = film.Calls();
    Forms::Application().RunFor(500);  // the modal loop goes on; no frame steps
  };
  script.Dialogs.Answer(Dialogs::mrIgnore);
  film.Form.Update();
  EXPECT_TRUE(busy);
  EXPECT_FALSE(ticking);
  EXPECT_EQ(Kinds(nested), (std::vector<TCallKind>{TCallKind::Rectangle, TCallKind::Rectangle}));
  EXPECT_EQ(script.Dialogs.Messages().size(), 1U);
  EXPECT_EQ(film.F->HuidigFrame(), 1);
  EXPECT_FALSE(film.F->Bezig());
}

TEST(FilmFailure, AtRunTimeAMissingFrameLeavesAGapInAFilmThatGoesOn) {
  TFilmForm film;
  film.Frames(3, {1});
  film.F->StartFilm();
  film.Form.Update();
  Forms::Application().RunFor(300);
  EXPECT_EQ(TFilmForm::DrawnFrames(film.Calls()), (std::vector<int>{0, 2, 0}));
  EXPECT_TRUE(film.F->FilmLoopt());
}

TEST(FilmFailure, AtRunTimeRaisingStopsTheFilmForGood) {
  TFilmForm film;
  film.Frames(3, {1});
  film.F->SetFoutActie(RaiseException);
  film.F->StartFilm();
  film.Form.Update();
  EXPECT_THROW(Forms::Application().RunFor(100), Graphics::EInvalidGraphic);
  EXPECT_FALSE(film.F->FilmLoopt());
  EXPECT_TRUE(film.F->Bezig());
  film.Calls();
  film.F->ToonFrame(0);  // a good frame: the background only, and no error
  EXPECT_EQ(Kinds(film.Calls()), std::vector<TCallKind>{TCallKind::Rectangle});
  EXPECT_NO_THROW(film.Paint());
}

TEST(FilmFailure, AFrameBeyondThePictureBudgetFailsLikeAnyUnreadableOne) {
  TFilmForm film;
  film.Frames(3);
  const std::string huge = film.Dir / "f1.bmp";  // replaced by 64 bytes claiming 16384 x 16384
  const BmpTest::TBytes bytes = BmpTest::HugeRle().Bytes();
  std::ofstream(huge, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  film.F->StartFilm();
  film.Form.Update();
  Forms::Application().RunFor(300);
  EXPECT_EQ(TFilmForm::DrawnFrames(film.Calls()), (std::vector<int>{0, 2, 0}));
  film.F->SetFoutActie(RaiseException);
  try {
    Forms::Application().RunFor(300);
    ADD_FAILURE() << "no error";
  } catch (const Graphics::EInvalidGraphic& e) {
    EXPECT_EQ(e.Message(),
              "Bitmap \"" + huge + "\": 16384 x 16384 pixels beyond the limit of 67108864");
  }
  EXPECT_FALSE(film.F->FilmLoopt());
}

}  // namespace
