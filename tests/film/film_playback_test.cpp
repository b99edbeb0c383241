// Playing a film over virtual time: the frames shown per tick in every play mode
// and direction, the bounds, the frames before and after a run, restarts, clicks,
// the pace, and the sound asked for at each start.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Film.h"
#include "Forms.h"
#include "support/Sound.h"
#include "support/Time.h"

namespace {

using namespace Film;
using TShown = std::vector<int>;
using Platform::TSoundRequest;

// A film of `count` frames, at run time or in the designer. It has no parent, so
// it never paints: these tests are about the steps alone.
struct TStepFilm {
  TestSupport::TVirtualTime Time;
  std::unique_ptr<TFilm> Owned = std::make_unique<TFilm>(nullptr);
  TFilm* F = Owned.get();
  explicit TStepFilm(int count, bool designing = false) {
    F->SetDesigning(designing);
    Classes::TStringList names;
    for (int i = 0; i < count; ++i) names.Add("frame" + std::to_string(i) + ".bmp");
    F->SetNames(names);
  }

  void Run(TFilmType type, int start, int stop) {
    F->SetFilmType(type);
    F->SetFrame(kStartFrame, start);
    F->SetFrame(kStopFrame, stop);
    F->StartFilm();
  }

  // The frame shown at the start, then after each of `ticks` ticks.
  TShown Shown(int ticks) {
    TShown shown{F->HuidigFrame()};
    for (int i = 0; i < ticks; ++i) {
      Forms::Application().RunFor(F->TijdPerFrame());
      shown.push_back(F->HuidigFrame());
    }
    return shown;
  }
};

struct TTableRow {
  TFilmType Type;
  int Start, Stop;
  TShown Shown;  // -1 once the film has stopped (NaFrame)
  bool Stopped;  // after those ticks
};

class FilmTable : public testing::TestWithParam<TTableRow> {};

TEST_P(FilmTable, ShowsTheFramesOfItsModeAndDirection) {
  const TTableRow& row = GetParam();
  TStepFilm film(8);
  film.Run(row.Type, row.Start, row.Stop);
  EXPECT_EQ(film.Shown(static_cast<int>(row.Shown.size()) - 1), row.Shown);
  EXPECT_EQ(film.F->FilmLoopt(), !row.Stopped);
}

INSTANTIATE_TEST_SUITE_P(
    EightFrames, FilmTable,
    testing::Values(TTableRow{LusFilm, 2, 5, {2, 3, 4, 5, 0, 1, 2, 3, 4, 5, 0, 1}, false},
                    TTableRow{LusFilm, 5, 2, {5, 4, 3, 2, 1, 0, -1, -1}, true},
                    TTableRow{Normaal, 2, 5, {2, 3, 4, 5, -1, -1}, true},
                    TTableRow{Normaal, 5, 2, {5, 4, 3, 2, -1}, true},
                    TTableRow{EenKeerHeenEnWeer, 2, 5, {2, 3, 4, 5, 4, 3, 2, -1}, true},
                    TTableRow{EenKeerHeenEnWeer, 5, 2, {5, 4, 3, 2, 3, 4, 5, -1}, true},
                    TTableRow{LusHeenEnWeer, 2, 5, {2, 3, 4, 5, 4, 3, 2, 3, 4, 5, 4}, false},
                    TTableRow{LusHeenEnWeer, 5, 2, {5, 4, 3, 2, 3, 4, 5, 4, 3}, false},
                    // Equal bounds.
                    TTableRow{LusFilm, 3, 3, {3, 3, 3, 3, 3}, false},
                    TTableRow{LusHeenEnWeer, 3, 3, {3, 3, 3, 3, 3}, false},
                    TTableRow{Normaal, 3, 3, {3, 3, -1}, true},
                    TTableRow{EenKeerHeenEnWeer, 3, 3, {3, 3, 3, -1}, true},
                    // No stop frame, or one past the list: the last frame is the end bound.
                    TTableRow{Normaal, 5, -1, {5, 6, 7, -1}, true},
                    TTableRow{LusFilm, 6, 99, {6, 7, 0, 1}, false}));

TEST(FilmPlayback, AStoppedRunShowsTheAfterFrameAtRunTimeOnly) {
  TStepFilm runTime(8);
  runTime.F->SetFrame(kNaFrame, 5);
  runTime.Run(Normaal, 0, 1);
  EXPECT_EQ(runTime.Shown(3), (TShown{0, 1, 5, 5}));

  TStepFilm designer(8, true);
  designer.F->SetFrame(kVoorFrame, 6);
  designer.F->SetFrame(kNaFrame, 5);
  designer.Run(Normaal, 0, 1);
  EXPECT_EQ(designer.Shown(3), (TShown{0, 1, 6, 6}));
  designer.F->StartFilm();
  designer.F->StopFilm();  // stopping a test run always shows the before-frame
  EXPECT_EQ(designer.F->HuidigFrame(), 6);
}

TEST(FilmPlayback, StoppingAtNoFrameKeepsShowingNoFrame) {
  TStepFilm film(8);
  film.F->SetFrame(kNaFrame, 5);
  film.F->StartFilm();
  film.F->ToonFrame(-1);
  film.F->StopFilm();
  EXPECT_EQ(film.F->HuidigFrame(), -1);
  EXPECT_FALSE(film.F->FilmLoopt());
}

TEST(FilmPlayback, APendingStopSurvivesARestart) {
  TStepFilm film(8);
  film.Run(Normaal, 2, 4);
  film.Shown(2);  // 3, 4: the stop is pending
  ASSERT_TRUE(film.F->StopVolgende());
  film.F->StartFilm();
  EXPECT_EQ(film.F->HuidigFrame(), 2);
  EXPECT_EQ(film.Shown(1), (TShown{2, -1}));
  EXPECT_FALSE(film.F->FilmLoopt());
  EXPECT_FALSE(film.F->StopVolgende());
}

TEST(FilmPlayback, ThePendingStopIsTakenOnlyFromTheFilmsOwnTimer) {
  TStepFilm film(8);
  film.Run(Normaal, 2, 3);
  film.Shown(1);
  ASSERT_TRUE(film.F->StopVolgende());
  film.F->NieuwFrame(nullptr);  // not the timer: steps on (standing at the bound)
  EXPECT_TRUE(film.F->FilmLoopt());
  EXPECT_EQ(film.F->HuidigFrame(), 0);  // past the bound a forward run wraps
}

TEST(FilmPlayback, ChangesOfModeAndBoundsWaitForTheNextStartButThePaceDoesNot) {
  TStepFilm film(8);
  film.Run(LusFilm, 0, 3);
  film.F->SetFilmType(Normaal);
  film.F->SetFrame(kStopFrame, 1);
  EXPECT_EQ(film.Shown(5), (TShown{0, 1, 2, 3, 0, 1}));
  film.F->SetTijdPerFrame(40);
  Forms::Application().RunFor(120);
  EXPECT_EQ(film.F->HuidigFrame(), 0);  // three steps in 120 ms: 2, 3, 0
  film.F->StartFilm();
  EXPECT_EQ(film.Shown(3), (TShown{0, 1, -1, -1}));
}

TEST(FilmPlayback, AnEmptyFilmPlaysButItsTicksDoNothing) {
  TStepFilm film(0);
  film.F->StartFilm();
  EXPECT_TRUE(film.F->FilmLoopt());
  EXPECT_EQ(film.F->TotFrame(), -1);
  EXPECT_EQ(film.Shown(3), (TShown{0, 0, 0, 0}));
  EXPECT_TRUE(film.F->FilmLoopt());
}

TEST(FilmPlayback, StepTimesOfZeroOrLessHoldTheFilmWithoutHanging) {
  for (int interval : {0, -100}) {
    TStepFilm film(4);
    film.F->SetTijdPerFrame(interval);
    film.F->StartFilm();
    EXPECT_TRUE(film.F->FilmLoopt());
    Forms::Application().RunFor(1000);
    EXPECT_EQ(film.F->HuidigFrame(), 0);
    film.F->SetTijdPerFrame(100);  // a real pace sets it going
    Forms::Application().RunFor(100);
    EXPECT_EQ(film.F->HuidigFrame(), 1);
  }
}

TEST(FilmPlayback, FramesOutsideTheRunAreSteppedWithoutGoingOutOfRange) {
  TStepFilm film(4);
  film.F->SetFilmType(LusFilm);
  film.F->StartFilm();
  film.F->ToonFrame(INT32_MAX);  // a program may show any index
  EXPECT_EQ(film.Shown(2), (TShown{INT32_MAX, 0, 1}));
  film.F->ToonFrame(-7);
  EXPECT_EQ(film.Shown(1), (TShown{-7, -6}));
}

TEST(FilmPlayback, AClickStartsAndStopsAfterOnClickOnlyInClickMode) {
  TestSupport::TVirtualTime time;
  Forms::TForm form(nullptr);
  form.SetBounds(0, 0, 200, 200);
  auto* f = new TFilm(&form);
  f->SetParent(&form);
  std::vector<bool> playingAtClick;
  f->OnClick = [&](System::TObject*) { playingAtClick.push_back(f->FilmLoopt()); };
  form.ClickAt(20, 20);  // started by program: a click only fires OnClick
  EXPECT_FALSE(f->FilmLoopt());
  f->SetStarten(MuisKlik);
  form.ClickAt(20, 20);
  EXPECT_TRUE(f->FilmLoopt());
  form.ClickAt(20, 20);
  EXPECT_FALSE(f->FilmLoopt());
  f->SetDesigning(true);  // the designer state does not matter
  f->Click();
  EXPECT_TRUE(f->FilmLoopt());
  EXPECT_EQ(playingAtClick, (std::vector<bool>{false, false, true, false}));
}

using TestSupport::TRecordedSound;

TEST(FilmPlayback, EachStartStopsTheProgramsSoundAndPlaysItsOwnOnce) {
  TRecordedSound sound;
  TStepFilm film(4);
  film.F->StartFilm();  // no sound named: nothing asked
  EXPECT_TRUE(sound.Service.Requests().empty());
  film.F->SetGeluid("SystemStart");
  film.F->StartFilm();
  film.Shown(2);
  film.F->StartFilm();  // a restart plays it again from its beginning
  film.F->StopFilm();   // a stop leaves it playing
  const std::vector<TSoundRequest> start{{TSoundRequest::TKind::Stop, {}},
                                         {TSoundRequest::TKind::Wave, "SystemStart"}};
  std::vector<TSoundRequest> twice = start;
  twice.insert(twice.end(), start.begin(), start.end());
  EXPECT_EQ(sound.Service.Requests(), twice);
}

TEST(FilmPlayback, AnEmptyFilmStillPlaysItsSound) {
  TRecordedSound sound;
  TStepFilm film(0);
  film.F->SetGeluid("no such sound");
  film.F->StartFilm();
  EXPECT_EQ(sound.Service.Requests(),
            (std::vector<TSoundRequest>{{TSoundRequest::TKind::Stop, {}},
                                        {TSoundRequest::TKind::Wave, ".Default"}}));
}

}  // namespace
