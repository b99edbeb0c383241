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
  F floor = std::floor(value);
  F diff = value - floor;
  auto whole = static_cast<std::int64_t>(floor);
  if (diff > F(0.5)) return whole + 1;
  if (diff < F(0.5)) return whole;
  return (whole % 2 == 0) ? whole : whole + 1;
}
}  // namespace

std::int64_t Round(double value) { return RoundHalfEven(value); }
std::int64_t Round(long double value) { return RoundHalfEven(value); }

}  // namespace System
