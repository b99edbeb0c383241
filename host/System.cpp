#include "System.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace System {

bool TClassInfo::InheritsFrom(TClass other) const {
  for (TClass c = this; c != nullptr; c = c->Parent)
    if (c == other) return true;
  return false;
}

TClass TObject::StaticClass() {
  static const TClassInfo info{"TObject"};
  return &info;
}

namespace {
template <typename F>
std::int64_t RoundHalfEven(F value) {
  if (std::isnan(value)) return 0;
  constexpr auto lo = static_cast<F>(std::numeric_limits<std::int64_t>::min());
  constexpr auto hi = static_cast<F>(std::numeric_limits<std::int64_t>::max());
  if (value <= lo) return std::numeric_limits<std::int64_t>::min();
  if (value >= hi) return std::numeric_limits<std::int64_t>::max();
  // From this magnitude on every value is whole. Below it, adding it leaves no
  // fraction, and the addition itself rounds to nearest with halves to even (the
  // default rounding): one addition and one subtraction, no branches on the value.
  constexpr F kWhole = F(1) / std::numeric_limits<F>::epsilon();
  if (!(std::abs(value) < kWhole)) return static_cast<std::int64_t>(value);
  const F shift = std::copysign(kWhole, value);
  return static_cast<std::int64_t>((value + shift) - shift);
}
}  // namespace

std::int64_t Round(double value) { return RoundHalfEven(value); }
std::int64_t Round(long double value) { return RoundHalfEven(value); }

}  // namespace System
