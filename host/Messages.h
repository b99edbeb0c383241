// The user-interface thread's one message queue: timers by due time, and the
// windows waiting to be painted when the queue is idle.
//
// Nothing here sleeps: TApplication decides how to wait (really, or by moving a
// virtual clock to the next due timer). Timers keep their period without drift: a
// timer due at t fires and is next due at t + interval; one that fell behind (a
// slow paint under the real clock) skips the missed periods, as the platform's
// timers do, rather than firing in a burst. Timers can be held: a held timer
// neither fires nor counts as due until it is let go (TTimerHold).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace Messages {

using TTimerId = std::uint64_t;

// A window that collects invalidated areas and paints them when asked.
class TPaintTarget {
 public:
  virtual void PaintInvalid() = 0;

 protected:
  ~TPaintTarget() = default;
};

class TMessageQueue {
 public:
  // Starts a timer first due `intervalMs` from now; intervals below 1 count as 1.
  TTimerId SetTimer(int intervalMs, std::function<void()> onTimer);
  void KillTimer(TTimerId id);
  bool HasTimers() const { return !FTimers.empty(); }
  // The earliest due time of the timers not held.
  std::optional<std::int64_t> NextDue() const;

  // Fires every timer due at or before now, earliest first (ties in the order they
  // were set); each fires at most once per call. Returns whether any fired.
  bool DispatchDueTimers();

  // Remembers a window to paint when the queue is idle (once, however often asked).
  void PostPaint(TPaintTarget* target);
  void CancelPaint(TPaintTarget* target);
  bool PaintPending() const { return !FPaints.empty(); }
  void PaintAll();

 private:
  friend class TTimerHold;
  struct TTimer {
    TTimerId Id;
    int Interval;
    std::int64_t Due;
    std::function<void()> OnTimer;
    bool Held = false;
  };
  // Holds every timer not yet held and gives their ids; lets go of `ids`.
  std::vector<TTimerId> Hold();
  void LetGo(const std::vector<TTimerId>& ids);
  std::vector<TTimer> FTimers;
  std::vector<TPaintTarget*> FPaints;
  TTimerId FNextId = 1;
};

// The process's queue.
TMessageQueue& Queue();

// While it lives, the timers that were set when it was made are held (killing
// them still works); timers set meanwhile run as usual. Let go, a timer that
// fell due while held fires once, as one that fell behind does. A designer holds
// the timers of the form it designs while it runs a copy of it.
class TTimerHold {
 public:
  explicit TTimerHold(TMessageQueue& queue = Queue()) : FQueue(queue), FHeld(queue.Hold()) {}
  ~TTimerHold() { FQueue.LetGo(FHeld); }
  TTimerHold(const TTimerHold&) = delete;
  TTimerHold& operator=(const TTimerHold&) = delete;

 private:
  TMessageQueue& FQueue;
  std::vector<TTimerId> FHeld;
};

}  // namespace Messages
