// The scrolling label: rotation both ways, start and stop with restoring, the step
// time's sign rule, loading order, and steps over virtual time.
#include "LichtKrant.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "Classes/Streaming.h"
#include "Forms.h"
#include "Messages.h"
#include "support/Time.h"

namespace {

using namespace LichtKrant;
using TTexts = std::vector<std::string>;

TTexts Steps(TLichtKrant& l, int count) {
  TTexts out;
  for (int i = 0; i < count; ++i) {
    l.Roteer(nullptr);
    out.push_back(l.Caption());
  }
  return out;
}

TEST(LichtKrant, EachStepMovesOneCharacterEitherWay) {
  TLichtKrant l(nullptr);
  EXPECT_EQ(l.Richting(), NaarLinks);
  EXPECT_FALSE(l.StapTimer().Enabled());
  EXPECT_EQ(Steps(l, 1), TTexts{""});  // an empty caption is left alone
  l.SetCaption("abcd");
  EXPECT_EQ(Steps(l, 4), (TTexts{"bcda", "cdab", "dabc", "abcd"}));
  l.SetRichting(NaarRechts);
  EXPECT_EQ(Steps(l, 4), (TTexts{"dabc", "cdab", "bcda", "abcd"}));
  // A direction outside the enumeration, as a damaged form could give, moves left.
  l.SetRichting(static_cast<TRichting>(7));
  EXPECT_EQ(Steps(l, 1), TTexts{"bcda"});
}

TEST(LichtKrant, StopWithRestoreGoesBackToTheTextOfTheLastStart) {
  TLichtKrant l(nullptr);
  l.SetCaption("abcd");
  l.Stop(true);  // never started: the empty copy comes back
  EXPECT_EQ(l.Caption(), "");
  l.SetCaption("abcd");
  l.Start();
  EXPECT_TRUE(l.StapTimer().Enabled());
  Steps(l, 3);
  l.Stop(false);
  EXPECT_FALSE(l.StapTimer().Enabled());
  EXPECT_EQ(l.Caption(), "dabc");
  l.Stop(true);
  EXPECT_EQ(l.Caption(), "abcd");
  l.Start();
  Steps(l, 2);
  l.Start();  // running already: only takes a new copy
  Steps(l, 1);
  l.Stop(true);
  EXPECT_EQ(l.Caption(), "cdab");
}

TEST(LichtKrant, EveryNegativeStepTimeReversesTheDirection) {
  TLichtKrant l(nullptr);
  EXPECT_EQ(l.TijdPerStap(), 100);
  EXPECT_EQ(l.StapTimer().Interval(), 100);
  l.SetTijdPerStap(-250);
  EXPECT_EQ(l.TijdPerStap(), -250);
  EXPECT_EQ(l.StapTimer().Interval(), 250);
  EXPECT_EQ(l.Richting(), NaarRechts);
  l.SetTijdPerStap(-250);  // no comparison with the old value
  EXPECT_EQ(l.Richting(), NaarLinks);
  l.SetTijdPerStap(250);
  EXPECT_EQ(l.Richting(), NaarLinks);
  l.SetTijdPerStap(INT_MIN);  // has no positive twin
  EXPECT_EQ(l.StapTimer().Interval(), INT_MAX);
}

TEST(LichtKrant, AFormsStoredDirectionWinsOverItsNegativeStepTime) {
  Classes::RegisterClass(TLichtKrant::StaticClass());
  Forms::TForm form(nullptr);
  form.SetName("F");
  auto* l = new TLichtKrant(&form);
  l->SetName("Krant");
  l->SetParent(&form);
  l->SetCaption("abcd");
  for (TRichting stored : {NaarLinks, NaarRechts}) {
    l->SetTijdPerStap(-250);
    l->SetRichting(stored);
    std::string text = Classes::WriteComponentText(form);
    std::string tail = std::string("    TijdPerStap = -250\n    Richting = ") +
                       (stored == NaarLinks ? "NaarLinks" : "NaarRechts") + "\n  end\n";
    EXPECT_NE(text.find(tail), std::string::npos) << text;  // after the label's own
    // Reading sets the step time first, which reverses the new label's direction.
    auto root = Classes::ReadComponentText(text);
    auto* read = dynamic_cast<TLichtKrant*>(root->FindComponent("Krant"));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Richting(), stored);
    EXPECT_EQ(read->StapTimer().Interval(), 250);
    EXPECT_FALSE(read->StapTimer().Enabled());  // loading starts nothing
  }
}

struct TOnForm {
  Forms::TForm Form{nullptr};
  TLichtKrant* L = new TLichtKrant(&Form);
  TOnForm() {
    Form.SetBounds(0, 0, 200, 40);
    L->SetParent(&Form);
    L->SetCaption("abcd");
  }
};

TEST(LichtKrant, OverVirtualTimeOneStepComesPerStepTime) {
  TestSupport::TVirtualTime time;
  TOnForm f;
  Forms::Application().RunFor(1000);
  EXPECT_EQ(f.L->Caption(), "abcd");  // not started: stands still
  f.L->Start();
  Forms::Application().RunFor(350);
  EXPECT_EQ(f.L->Caption(), "dabc");  // steps at 100, 200 and 300
  f.L->SetTijdPerStap(-50);           // now to the right, twice as often
  Forms::Application().RunFor(100);
  EXPECT_EQ(f.L->Caption(), "bcda");
  f.L->Stop(true);
  Forms::Application().RunFor(1000);
  EXPECT_EQ(f.L->Caption(), "abcd");
}

TEST(LichtKrant, ARunningLabelTakesItsTimerWithItWhenItGoes) {
  TestSupport::TVirtualTime time;
  auto f = std::make_unique<TOnForm>();
  f->L->Start();
  ASSERT_TRUE(Messages::Queue().HasTimers());
  f.reset();  // the form frees the label, the label its timer
  EXPECT_FALSE(Messages::Queue().HasTimers());
}

}  // namespace
