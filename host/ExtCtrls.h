// TTimer: calls OnTimer every Interval milliseconds on the user-interface thread.
//
// A new timer is enabled with an interval of 1000 ms; it runs while it is enabled,
// has a non-zero interval and has an OnTimer handler. Changing Interval (or Enabled,
// or OnTimer) restarts the count from now. Ticks come from the application's
// message queue, so under a virtual clock they arrive exactly on time.
#pragma once

#include "Classes.h"
#include "Messages.h"

namespace ExtCtrls {

class TTimer : public Classes::TComponent {
  TOLLEN_CLASS(TTimer)
 public:
  explicit TTimer(Classes::TComponent* owner);
  ~TTimer() override;

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);
  int Interval() const { return FInterval; }
  void SetInterval(int value);
  const Classes::TNotifyEvent& OnTimer() const { return FOnTimer; }
  void SetOnTimer(Classes::TNotifyEvent handler);
  // Whether ticks are coming: enabled, an interval, a handler.
  bool Running() const { return FId != 0; }

 protected:
  virtual void Timer();

 private:
  void UpdateTimer();

  bool FEnabled = true;
  int FInterval = 1000;
  Classes::TNotifyEvent FOnTimer;
  Messages::TTimerId FId = 0;
};

}  // namespace ExtCtrls
