#include <gtest/gtest.h>

#include <vector>

#include "ExtCtrls.h"
#include "Forms.h"
#include "SysUtils.h"
#include "support/Time.h"

namespace {

using TestSupport::TVirtualTime;

// A control that counts its paints and records the clip of each.
class TProbe : public Controls::TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
  void Paint() override {
    ++Paints;
    Canvas().Brush().SetColor(Fill);
    Canvas().FillRect(GetClientRect());
  }
  int Paints = 0;
  Graphics::TColor Fill = Graphics::clRed;
};

struct TFormWithProbe {
  Forms::TForm Form{nullptr};
  TProbe* Probe;
  TFormWithProbe() {
    Form.SetBounds(0, 0, 40, 30);
    Probe = new TProbe(&Form);
    Probe->SetBounds(10, 5, 8, 6);
    Probe->SetParent(&Form);
    Forms::Application().ProcessMessages();
    Probe->Paints = 0;
  }
};

TEST(Timer, StartsEnabledAtOneSecondAndTicksOnTime) {
  TVirtualTime time;
  ExtCtrls::TTimer timer(nullptr);
  EXPECT_TRUE(timer.Enabled());
  EXPECT_EQ(timer.Interval(), 1000);
  std::vector<std::int64_t> ticks;
  const std::int64_t start = time.Now();
  timer.SetOnTimer([&](System::TObject* sender) {
    EXPECT_EQ(sender, &timer);
    ticks.push_back(time.Now() - start);
  });
  Forms::Application().RunFor(3500);
  EXPECT_EQ(ticks, (std::vector<std::int64_t>{1000, 2000, 3000}));
  EXPECT_EQ(time.Now() - start, 3500);
}

TEST(Timer, ANewIntervalRestartsTheCount) {
  TVirtualTime time;
  ExtCtrls::TTimer timer(nullptr);
  std::vector<std::int64_t> ticks;
  const std::int64_t start = time.Now();
  timer.SetInterval(100);
  timer.SetOnTimer([&](System::TObject*) { ticks.push_back(time.Now() - start); });
  Forms::Application().RunFor(250);
  timer.SetInterval(300);
  Forms::Application().RunFor(700);
  EXPECT_EQ(ticks, (std::vector<std::int64_t>{100, 200, 550, 850}));
}

TEST(Timer, DisabledOrWithoutHandlerItNeverTicks) {
  TVirtualTime time;
  int ticks = 0;
  ExtCtrls::TTimer timer(nullptr);
  EXPECT_FALSE(timer.Running());  // no handler yet
  timer.SetOnTimer([&](System::TObject*) { ++ticks; });
  EXPECT_TRUE(timer.Running());
  timer.SetEnabled(false);
  Forms::Application().RunFor(5000);
  EXPECT_EQ(ticks, 0);
  timer.SetInterval(0);
  timer.SetEnabled(true);
  Forms::Application().RunFor(5000);
  EXPECT_EQ(ticks, 0);
}

TEST(Timer, TimersDueTogetherFireInTheOrderTheyStarted) {
  TVirtualTime time;
  std::vector<int> order;
  ExtCtrls::TTimer a(nullptr), b(nullptr);
  a.SetInterval(50);
  b.SetInterval(100);
  a.SetOnTimer([&](System::TObject*) { order.push_back(1); });
  b.SetOnTimer([&](System::TObject*) { order.push_back(2); });
  Forms::Application().RunFor(200);
  EXPECT_EQ(order, (std::vector<int>{1, 1, 2, 1, 1, 2}));
}

TEST(Timer, AHandlerMayDestroyItsOwnTimer) {
  TVirtualTime time;
  auto timer = std::make_unique<ExtCtrls::TTimer>(nullptr);
  int ticks = 0;
  timer->SetOnTimer([&](System::TObject*) {
    ++ticks;
    timer.reset();
  });
  Forms::Application().RunFor(5000);
  EXPECT_EQ(ticks, 1);
}

TEST(Timer, RunWithOnlyHeldTimersEndsAsWithNone) {
  TVirtualTime time;
  ExtCtrls::TTimer held(nullptr);
  held.SetOnTimer([&](System::TObject*) { ADD_FAILURE() << "a held timer fired"; });
  Messages::TTimerHold hold;
  Forms::Application().Run();  // nothing can let it go: Run returns
  EXPECT_EQ(Messages::Queue().NextDue(), std::nullopt);
}

TEST(Timer, HeldTimersWaitWhileOthersRunThenFireOnceAndGoOn) {
  TVirtualTime time;
  const std::int64_t start = time.Now();
  std::vector<std::int64_t> held, fresh;
  ExtCtrls::TTimer kept(nullptr), killed(nullptr);
  kept.SetInterval(100);
  kept.SetOnTimer([&](System::TObject*) { held.push_back(time.Now() - start); });
  killed.SetOnTimer([&](System::TObject*) { ADD_FAILURE() << "a timer killed while held"; });
  {
    Messages::TTimerHold hold;
    ExtCtrls::TTimer meanwhile(nullptr);
    meanwhile.SetInterval(300);
    meanwhile.SetOnTimer([&](System::TObject*) { fresh.push_back(time.Now() - start); });
    killed.SetEnabled(false);
    Forms::Application().RunFor(1000);
    EXPECT_EQ(Messages::Queue().NextDue(), start + 1200) << "held timers are not due";
  }
  Forms::Application().RunFor(250);
  EXPECT_EQ(fresh, (std::vector<std::int64_t>{300, 600, 900}));
  EXPECT_EQ(held, (std::vector<std::int64_t>{1000, 1100, 1200}));
}

TEST(Now, ReadsTheApplicationsClock) {
  TVirtualTime time(Platform::LocalMs(2026, 12, 8, 10, 9, 30, 250));
  SysUtils::TTimeParts t = SysUtils::DecodeTime(SysUtils::Now());
  EXPECT_EQ(t.Hour, 10);
  EXPECT_EQ(t.Min, 9);
  EXPECT_EQ(t.Sec, 30);
  EXPECT_EQ(t.MSec, 250);
  time.Clock().Advance(30'000);
  EXPECT_EQ(SysUtils::DecodeTime(SysUtils::Now()).Min, 10);
}

TEST(Invalidate, IsCoalescedAndPaintedWhenTheQueueIsIdle) {
  TVirtualTime time;
  TFormWithProbe f;
  f.Probe->Invalidate();
  f.Probe->Invalidate();
  f.Probe->SetColor(Graphics::clBlue);
  EXPECT_EQ(f.Probe->Paints, 0);  // nothing until the loop runs
  Forms::Application().ProcessMessages();
  EXPECT_EQ(f.Probe->Paints, 1);
  Forms::Application().ProcessMessages();
  EXPECT_EQ(f.Probe->Paints, 1);
}

TEST(Repaint, PaintsAtOnce) {
  TVirtualTime time;
  TFormWithProbe f;
  f.Probe->Repaint();
  EXPECT_EQ(f.Probe->Paints, 1);
  EXPECT_EQ(f.Form.Surface().Pixel(10, 5), 0xFF0000u);
}

TEST(Bounds, AnUnchangedValueCausesNoRepaint) {
  TVirtualTime time;
  TFormWithProbe f;
  f.Probe->SetWidth(8);
  f.Probe->SetLeft(10);
  Forms::Application().ProcessMessages();
  EXPECT_EQ(f.Probe->Paints, 0);
  f.Probe->SetWidth(12);
  EXPECT_EQ(f.Probe->Width(), 12);  // at once, before any paint
  Forms::Application().ProcessMessages();
  EXPECT_EQ(f.Probe->Paints, 1);
}

TEST(Input, AClickReachesTheControlUnderThePoint) {
  TVirtualTime time;
  TFormWithProbe f;
  std::vector<std::pair<int, int>> downs;
  int clicks = 0;
  f.Probe->OnClick = [&](System::TObject*) { ++clicks; };
  f.Probe->OnMouseDown = [&](System::TObject*, Controls::TMouseButton, Controls::TShiftState, int x,
                             int y) { downs.emplace_back(x, y); };
  f.Form.ClickAt(12, 7);
  f.Form.ClickAt(30, 20);  // no control there
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(downs, (std::vector<std::pair<int, int>>{{2, 2}}));
  // Released outside the control: no click.
  f.Form.MouseDown(Controls::mbLeft, {}, 12, 7);
  f.Form.MouseUp(Controls::mbLeft, {}, 35, 25);
  EXPECT_EQ(clicks, 1);
}

TEST(Input, AnAutomaticDragDropsOnAnAcceptingControl) {
  TVirtualTime time;
  TFormWithProbe f;
  auto* target = new TProbe(&f.Form);
  target->SetBounds(25, 5, 10, 10);
  target->SetParent(&f.Form);
  f.Probe->SetDragMode(Controls::dmAutomatic);
  System::TObject* dropped = nullptr;
  System::TObject* ended = nullptr;
  target->OnDragOver = [&](System::TObject*, System::TObject* source, int, int,
                           Controls::TDragState, bool& accept) { accept = source == f.Probe; };
  target->OnDragDrop = [&](System::TObject*, System::TObject* source, int, int) {
    dropped = source;
  };
  f.Probe->OnEndDrag = [&](System::TObject*, System::TObject* t, int, int) { ended = t; };
  f.Form.MouseDown(Controls::mbLeft, {}, 12, 7);
  f.Form.MouseMove({}, 28, 8);
  f.Form.MouseUp(Controls::mbLeft, {}, 28, 8);
  EXPECT_EQ(dropped, f.Probe);
  EXPECT_EQ(ended, target);
}

}  // namespace

namespace {

TEST(ParentFont, AControlFollowsItsParentUntilGivenAFontOfItsOwn) {
  Forms::TForm form(nullptr);
  form.Font().SetSize(14);
  form.SetColor(Graphics::clNavy);
  auto* probe = new TProbe(&form);
  probe->SetParent(&form);
  EXPECT_EQ(probe->Font().Size(), 14);
  EXPECT_EQ(probe->Color(), Graphics::clNavy);
  EXPECT_TRUE(probe->ParentFont());
  form.Font().SetColor(Graphics::clRed);
  form.SetColor(Graphics::clTeal);
  EXPECT_EQ(probe->Font().Color(), Graphics::clRed);
  EXPECT_EQ(probe->Color(), Graphics::clTeal);
  probe->Font().SetSize(6);
  probe->SetColor(Graphics::clLime);
  EXPECT_FALSE(probe->ParentFont());
  EXPECT_FALSE(probe->ParentColor());
  form.Font().SetSize(20);
  EXPECT_EQ(probe->Font().Size(), 6);
  probe->SetParentFont(true);  // follows again at once
  EXPECT_EQ(probe->Font().Size(), 20);
  auto font = *TypInfo::GetPropInfo(Forms::TForm::StaticClass(), "Font");
  EXPECT_TRUE(font.IsStored(form));
}

}  // namespace
