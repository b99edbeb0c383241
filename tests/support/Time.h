// A virtual clock installed for the life of a test.
#pragma once

#include "Platform/Clock.h"

namespace TestSupport {

class TVirtualTime {
 public:
  explicit TVirtualTime(std::int64_t startMs = Platform::LocalMs(2026, 12, 8, 10, 9, 30))
      : FClock(startMs) {
    Platform::UseClock(&FClock);
  }
  ~TVirtualTime() { Platform::UseClock(nullptr); }
  TVirtualTime(const TVirtualTime&) = delete;
  TVirtualTime& operator=(const TVirtualTime&) = delete;

  Platform::TVirtualClock& Clock() { return FClock; }
  std::int64_t Now() const { return FClock.NowMs(); }

 private:
  Platform::TVirtualClock FClock;
};

}  // namespace TestSupport
