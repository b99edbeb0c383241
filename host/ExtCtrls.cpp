#include "ExtCtrls.h"

#include "TypInfo.h"

namespace ExtCtrls {

namespace {
const TypInfo::TPropTable& TimerProps() {
  static const TypInfo::TPropTable table{{
      TypInfo::OrdProp<TTimer>(
          "Enabled", TypInfo::BooleanType(), [](const TTimer& t) { return t.Enabled() ? 1 : 0; },
          [](TTimer& t, std::int64_t v) { t.SetEnabled(v != 0); }, 1),
      TypInfo::OrdProp<TTimer>(
          "Interval", TypInfo::IntegerType(), [](const TTimer& t) { return t.Interval(); },
          [](TTimer& t, std::int64_t v) { t.SetInterval(static_cast<int>(v)); }, 1000),
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
