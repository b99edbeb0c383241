#include "ExtCtrls.h"

#include "TypInfo.h"

namespace ExtCtrls {

namespace {
const TypInfo::TPropTable& TimerProps() {
  static const TypInfo::TPropTable table{{
      TypInfo::Prop<&TTimer::Enabled, &TTimer::SetEnabled>("Enabled", {.Default = true}),
      TypInfo::Prop<&TTimer::Interval, &TTimer::SetInterval>("Interval", {.Default = 1000}),
  }};
  return table;
}
Classes::TComponent* CreateTimer(Classes::TComponent* owner) { return new TTimer(owner); }
}  // namespace

System::TClass TTimer::StaticClass() {
  static const System::TClassInfo info{"TTimer", Classes::TComponent::StaticClass(), CreateTimer,
                                       &TimerProps()};
  return &info;
}

TTimer::TTimer(Classes::TComponent* owner) : TComponent(owner) {}

TTimer::~TTimer() {
  if (FId) Messages::Queue().KillTimer(FId);
}

void TTimer::SetEnabled(bool value) {
  if (value == FEnabled) return;
  FEnabled = value;
  UpdateTimer();
}

void TTimer::SetInterval(int value) {
  if (value == FInterval) return;
  FInterval = value;
  UpdateTimer();
}

void TTimer::SetOnTimer(Classes::TNotifyEvent handler) {
  FOnTimer = std::move(handler);
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  if (FId) Messages::Queue().KillTimer(FId);
  FId = 0;
  if (FEnabled && FInterval > 0 && FOnTimer)
    FId = Messages::Queue().SetTimer(FInterval, [this] { Timer(); });
}

void TTimer::Timer() { FOnTimer(this); }

}  // namespace ExtCtrls
