// The film's data model: what a new film is, the setters' rules (clamping, the
// shown before-frame, duplicates, sorting, the timer's interval, copied drawing
// tools, the list's capacity), loading from a form, and its life with its timer.
#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "Classes/Streaming.h"
#include "Film.h"
#include "Forms.h"
#include "Messages.h"
#include "Tollenspiegel.h"
#include "support/Time.h"

namespace {

using namespace Film;
using TNames = std::vector<std::string>;

void SetFrameNames(TFilm& f, const TNames& names) {
  Classes::TStringList list;
  for (const std::string& n : names) list.Add(n);
  f.SetNames(list);
}

TEST(FilmModel, ANewFilmStandsStillAtNoFrameWithAClearBackground) {
  TFilm f(nullptr);
  EXPECT_EQ(f.Width(), 128);
  EXPECT_EQ(f.Height(), 128);
  EXPECT_FALSE(f.FilmLoopt());
  EXPECT_EQ(f.Tikker().Interval(), 100);
  EXPECT_EQ(f.TijdPerFrame(), 100);
  EXPECT_EQ(f.HuidigFrame(), -1);
  EXPECT_EQ(f.StartFrame(), 0);
  EXPECT_EQ(f.StopFrame(), -1);
  EXPECT_EQ(f.VoorFrame(), -1);
  EXPECT_EQ(f.NaFrame(), -1);
  EXPECT_EQ(f.Achtergrond().Style(), Graphics::bsClear);
  EXPECT_EQ(f.Pen().Data(), Graphics::TPenData{});
  EXPECT_EQ(f.Weergave(), WareGrootte);
  EXPECT_EQ(f.FilmType(), LusFilm);
  EXPECT_EQ(f.FoutActie(), EvenGeenFilm);
  EXPECT_EQ(f.Starten(), Via_Programma);
  EXPECT_EQ(f.Frames().Count(), 0);
  EXPECT_FALSE(f.Bezig());
}

TEST(FilmModel, FrameIndicesAreClampedBelowTheListsLength) {
  TFilm f(nullptr);
  // An empty list: every value of 0 or more becomes -1, and a start frame 0.
  f.SetFrame(kStartFrame, 2);
  f.SetFrame(kStopFrame, 2);
  EXPECT_EQ(f.StartFrame(), 0);
  EXPECT_EQ(f.StopFrame(), -1);
  SetFrameNames(f, {"a", "b", "c", "d"});
  f.SetFrame(kStopFrame, 10);
  EXPECT_EQ(f.StopFrame(), 3);
  f.SetFrame(kStartFrame, INT_MAX);
  EXPECT_EQ(f.StartFrame(), 3);
  // Only the start frame has a lower bound.
  f.SetFrame(kStartFrame, -5);
  f.SetFrame(kStopFrame, -5);
  f.SetFrame(kNaFrame, -5);
  EXPECT_EQ(f.StartFrame(), 0);
  EXPECT_EQ(f.StopFrame(), -5);
  EXPECT_EQ(f.NaFrame(), -5);
  f.SetFrame(kNaFrame, 2);
  EXPECT_EQ(f.NaFrame(), 2);
  f.SetFrame(7, 1);  // any other index is the after-frame's
  EXPECT_EQ(f.NaFrame(), 1);
}

TEST(FilmModel, OnlyTheBeforeFrameBecomesTheShownFrameAndRepaints) {
  TestSupport::TVirtualTime time;
  Forms::TForm form(nullptr);
  form.SetBounds(0, 0, 200, 200);
  auto* f = new TFilm(&form);
  f->SetParent(&form);
  SetFrameNames(*f, {"a", "b", "c", "d"});
  form.Update();
  f->SetFrame(kStartFrame, 1);
  f->SetFrame(kStopFrame, 2);
  f->SetFrame(kNaFrame, 3);
  EXPECT_TRUE(form.InvalidArea().IsEmpty());
  EXPECT_EQ(f->HuidigFrame(), -1);
  f->SetFrame(kVoorFrame, 2);
  EXPECT_EQ(f->VoorFrame(), 2);
  EXPECT_EQ(f->HuidigFrame(), 2);
  EXPECT_FALSE(form.InvalidArea().IsEmpty());
  f->SetFrame(kVoorFrame, -5);
  EXPECT_EQ(f->HuidigFrame(), -5);
}

TEST(FilmModel, TheFrameListKeepsDuplicatesAndNoSpareCapacity) {
  TFilm f(nullptr);
  SetFrameNames(f, {"b.bmp", "a.bmp", "b.bmp"});
  EXPECT_EQ(f.Frames().ToVector(), (TNames{"b.bmp", "a.bmp", "b.bmp"}));
  EXPECT_EQ(f.Frames().Capacity(), 3);
  f.SetAlfa(true);  // sorts at once
  EXPECT_TRUE(f.Frames().Sorted());
  EXPECT_EQ(f.Frames().ToVector(), (TNames{"a.bmp", "b.bmp", "b.bmp"}));
  SetFrameNames(f, {"c", "a", "c", "b"});  // a sorted list too keeps both
  EXPECT_EQ(f.Frames().ToVector(), (TNames{"a", "b", "c", "c"}));
  f.Frames().Append("b");
  EXPECT_EQ(f.Frames().ToVector(), (TNames{"a", "b", "b", "c", "c"}));
  EXPECT_EQ(f.Frames().Capacity(), 5);
  f.SetAlfa(false);  // the order stays as sorted
  f.Frames().Append("a");
  EXPECT_EQ(f.Frames().ToVector(), (TNames{"a", "b", "b", "c", "c", "a"}));
  f.Frames().Delete(0);
  EXPECT_EQ(f.Frames().Capacity(), 5);
  f.Frames().Clear();
  EXPECT_EQ(f.Frames().Capacity(), 0);
}

TEST(FilmModel, TheStepTimeGoesToTheTimerAtOnce) {
  TestSupport::TVirtualTime time;
  TFilm f(nullptr);
  f.SetTijdPerFrame(250);
  EXPECT_EQ(f.Tikker().Interval(), 250);
  f.SetTijdPerFrame(0);  // no range check: the timer then does not run
  EXPECT_EQ(f.Tikker().Interval(), 0);
  f.SetTijdPerFrame(-40);
  EXPECT_EQ(f.TijdPerFrame(), -40);
  EXPECT_EQ(f.Tikker().Interval(), -40);
}

TEST(FilmModel, PenAndBackgroundAreCopiedAndTheirChangesRepaint) {
  TestSupport::TVirtualTime time;
  Forms::TForm form(nullptr);
  form.SetBounds(0, 0, 200, 200);
  auto* f = new TFilm(&form);
  f->SetParent(&form);
  form.Update();
  Graphics::TPen pen;
  pen.SetColor(Graphics::clRed);
  pen.SetWidth(3);
  f->SetPen(pen);
  EXPECT_NE(&f->Pen(), &pen);
  EXPECT_EQ(f->Pen().Data(), pen.Data());
  EXPECT_FALSE(form.InvalidArea().IsEmpty());
  form.Update();
  Graphics::TBrush brush;
  brush.SetColor(Graphics::clBlue);
  f->SetAchterBrush(brush);
  EXPECT_EQ(f->Achtergrond().Data(), brush.Data());
  EXPECT_FALSE(form.InvalidArea().IsEmpty());
  form.Update();
  f->Pen().SetWidth(5);  // the film's own pen tells the film
  EXPECT_FALSE(form.InvalidArea().IsEmpty());
}

// A form holding one film named Film1, written with `prepare` applied.
std::string FormWithFilm(void (*prepare)(TFilm&)) {
  Tollenspiegel::RegisterClasses();
  Forms::TForm form(nullptr);
  form.SetName("F");
  auto* f = new TFilm(&form);
  f->SetName("Film1");
  f->SetParent(&form);
  prepare(*f);
  return Classes::WriteComponentText(form);
}

TFilm& FilmOf(Classes::TComponent& root) {
  auto* f = dynamic_cast<TFilm*>(root.FindComponent("Film1"));
  if (f == nullptr) throw std::runtime_error("no film");
  return *f;
}

TEST(FilmModel, AStoredFilmReadsBackWithItsListSortedAndFramesClamped) {
  std::string text = FormWithFilm([](TFilm& f) {
    SetFrameNames(f, {"c.bmp", "a.bmp", "c.bmp", "b.bmp"});
    f.SetAlfa(true);
    f.SetFrame(kStartFrame, 1);
    f.SetFrame(kStopFrame, 3);
    f.SetFrame(kVoorFrame, 2);
    f.SetFrame(kNaFrame, 0);
    f.SetTijdPerFrame(40);
    f.SetFilmType(LusHeenEnWeer);
    f.SetGeluid("tol.wav");
    f.SetDefaultPadNaam("D:\\Films");
  });
  // The list comes before the frame indices that are clamped against it.
  EXPECT_LT(text.find("Frames.Strings"), text.find("StartFrame"));
  auto root = Classes::ReadComponentText(text);
  TFilm& f = FilmOf(*root);
  EXPECT_EQ(f.Frames().ToVector(), (TNames{"a.bmp", "b.bmp", "c.bmp", "c.bmp"}));
  EXPECT_TRUE(f.AlfabetischeLijst());
  EXPECT_EQ(f.StartFrame(), 1);
  EXPECT_EQ(f.StopFrame(), 3);
  EXPECT_EQ(f.VoorFrame(), 2);
  EXPECT_EQ(f.HuidigFrame(), 2);  // shows its before-frame until it starts
  EXPECT_EQ(f.NaFrame(), 0);
  EXPECT_EQ(f.Tikker().Interval(), 40);
  EXPECT_EQ(f.FilmType(), LusHeenEnWeer);
  EXPECT_EQ(f.Geluid(), "tol.wav");
  EXPECT_EQ(f.DefaultPadNaam(), "D:\\Films");
  EXPECT_FALSE(f.FilmLoopt());  // started by program only
  EXPECT_EQ(Classes::WriteComponentText(*root), text);
}

TEST(FilmModel, AFilmThatStartsAtOnceDoesSoAtRunTimeOnly) {
  TestSupport::TVirtualTime time;
  std::string text = FormWithFilm([](TFilm& f) {
    SetFrameNames(f, {"a.bmp", "b.bmp"});
    f.SetStarten(StartMeteen);
  });
  auto runTime = Classes::ReadComponentText(text);
  EXPECT_TRUE(FilmOf(*runTime).FilmLoopt());

  // In the designer the same film stays still.
  Forms::TForm designed(nullptr);
  designed.SetDesigning(true);
  auto* f = new TFilm(&designed);
  f->SetDesigning(true);
  f->SetStarten(StartMeteen);
  f->Loaded();
  EXPECT_FALSE(f->FilmLoopt());
}

TEST(FilmModel, APlayingFilmTakesItsTimerWithItWhenItGoes) {
  TestSupport::TVirtualTime time;
  auto form = std::make_unique<Forms::TForm>(nullptr);
  auto* f = new TFilm(form.get());
  SetFrameNames(*f, {"a.bmp"});
  f->StartFilm();
  ASSERT_TRUE(Messages::Queue().HasTimers());
  form.reset();
  EXPECT_FALSE(Messages::Queue().HasTimers());
}

}  // namespace
