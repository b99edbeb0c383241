#include "Messages.h"

#include <algorithm>

#include "Platform/Clock.h"

namespace Messages {

TTimerId TMessageQueue::SetTimer(int intervalMs, std::function<void()> onTimer) {
  int interval = std::max(1, intervalMs);
  TTimerId id = FNextId++;
  FTimers.push_back(
      {id, interval, Platform::Clock().NowMs() + interval, std::move(onTimer), false});
  return id;
}

void TMessageQueue::KillTimer(TTimerId id) {
  std::erase_if(FTimers, [id](const TTimer& t) { return t.Id == id; });
}

std::optional<std::int64_t> TMessageQueue::NextDue() const {
  std::optional<std::int64_t> next;
  for (const TTimer& t : FTimers)
    if (!t.Held && (!next || t.Due < *next)) next = t.Due;
  return next;
}

std::vector<TTimerId> TMessageQueue::Hold() {
  std::vector<TTimerId> held;
  for (TTimer& t : FTimers)
    if (!t.Held) {
      t.Held = true;
      held.push_back(t.Id);
    }
  return held;
}

void TMessageQueue::LetGo(const std::vector<TTimerId>& ids) {
  for (TTimer& t : FTimers)
    if (std::find(ids.begin(), ids.end(), t.Id) != ids.end()) t.Held = false;
}

bool TMessageQueue::DispatchDueTimers() {
  std::int64_t now = Platform::Clock().NowMs();
  // Collect first: a handler may set or kill timers, its own included.
  std::vector<std::pair<std::int64_t, TTimerId>> due;
  for (const TTimer& t : FTimers)
    if (!t.Held && t.Due <= now) due.emplace_back(t.Due, t.Id);
  std::stable_sort(due.begin(), due.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (const auto& entry : due) {
    const TTimerId id = entry.second;
    auto it =
        std::find_if(FTimers.begin(), FTimers.end(), [id](const TTimer& t) { return t.Id == id; });
    if (it == FTimers.end()) continue;  // killed by an earlier handler
    it->Due += it->Interval;
    if (it->Due <= now) it->Due = now + it->Interval;
    std::function<void()> handler = it->OnTimer;  // the timer may die while it runs
    handler();
  }
  return !due.empty();
}

void TMessageQueue::PostPaint(TPaintTarget* target) {
  if (std::find(FPaints.begin(), FPaints.end(), target) == FPaints.end()) FPaints.push_back(target);
}

void TMessageQueue::CancelPaint(TPaintTarget* target) { std::erase(FPaints, target); }

void TMessageQueue::PaintAll() {
  std::vector<TPaintTarget*> targets;
  targets.swap(FPaints);
  for (TPaintTarget* t : targets) t->PaintInvalid();
}

TMessageQueue& Queue() {
  static TMessageQueue queue;
  return queue;
}

}  // namespace Messages
