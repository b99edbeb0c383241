#include "Platform/Clock.h"

#include <chrono>
#include <ctime>
#include <thread>

namespace Platform {

std::int64_t TSystemClock::NowMs() const {
  using namespace std::chrono;
  auto utcMs = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
  std::time_t seconds = static_cast<std::time_t>(utcMs / 1000);
  std::tm local{};
  localtime_r(&seconds, &local);
  return utcMs + static_cast<std::int64_t>(local.tm_gmtoff) * 1000;
}

void TSystemClock::WaitUntil(std::int64_t ms) {
  std::int64_t now = NowMs();
  if (ms > now) std::this_thread::sleep_for(std::chrono::milliseconds(ms - now));
}

namespace {
TSystemClock& SystemClock() {
  static TSystemClock clock;
  return clock;
}
TClock* current = nullptr;
}  // namespace

TClock& Clock() { return current ? *current : SystemClock(); }
void UseClock(TClock* clock) { current = clock; }

std::int64_t LocalMs(int year, int month, int day, int hour, int min, int sec, int msec) {
  using namespace std::chrono;
  auto days = sys_days{std::chrono::year{year} / month / day}.time_since_epoch();
  return duration_cast<milliseconds>(days).count() + ((hour * 60LL + min) * 60LL + sec) * 1000LL +
         msec;
}

}  // namespace Platform
