// The clock that timers and `Now` read.
//
// Time is kept as milliseconds since the Unix epoch, in local time. The process has
// one current clock: the system clock unless a test, the renderer or the viewer
// installs another. A virtual clock only moves when told to, so animations are
// stepped frame by frame without sleeping.
#pragma once

#include <cstdint>

namespace Platform {

class TClock {
 public:
  virtual ~TClock() = default;
  virtual std::int64_t NowMs() const = 0;
  // Waits until the clock reads at least `ms` (or returns at once if it does).
  virtual void WaitUntil(std::int64_t ms) = 0;
};

class TSystemClock final : public TClock {
 public:
  std::int64_t NowMs() const override;
  void WaitUntil(std::int64_t ms) override;
};

class TVirtualClock final : public TClock {
 public:
  explicit TVirtualClock(std::int64_t startMs = 0) : FNow(startMs) {}
  std::int64_t NowMs() const override { return FNow; }
  // Jumps forward; a virtual clock never goes back by waiting.
  void WaitUntil(std::int64_t ms) override {
    if (ms > FNow) FNow = ms;
  }
  void Set(std::int64_t ms) { FNow = ms; }
  void Advance(std::int64_t ms) { FNow += ms; }

 private:
  std::int64_t FNow;
};

// The current clock of the process; never null.
TClock& Clock();
// Installs `clock` (not owned; it must outlive its use) or, given null, the system clock.
void UseClock(TClock* clock);

// Milliseconds since the epoch of a local date and time.
std::int64_t LocalMs(int year, int month, int day, int hour = 0, int min = 0, int sec = 0,
                     int msec = 0);

}  // namespace Platform
