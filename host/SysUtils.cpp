#include "SysUtils.h"

#include <cctype>
#include <cmath>

#include "Platform/Clock.h"

namespace SysUtils {

namespace {
constexpr double kMsPerDay = 86'400'000.0;
constexpr double kUnixEpochDays = 25569.0;  // 1970-01-01 as a TDateTime
}  // namespace

std::string PrintableText(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size());
  for (char ch : text) {
    const auto byte = static_cast<unsigned char>(ch);
    if (byte >= 32 && byte != 127) {
      out += ch;
      continue;
    }
    out += "\\x";
    out += kHex[byte >> 4];
    out += kHex[byte & 15];
  }
  return out;
}

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

TDateTime MillisecondsToDateTime(std::int64_t ms) {
  return kUnixEpochDays + static_cast<double>(ms) / kMsPerDay;
}

std::int64_t DateTimeToMilliseconds(TDateTime time) {
  return std::llround((time - kUnixEpochDays) * kMsPerDay);
}

TDateTime Now() { return MillisecondsToDateTime(Platform::Clock().NowMs()); }

TTimeParts DecodeTime(TDateTime time) {
  // Whole milliseconds of the day, rounded so that 10:09:30 does not read 10:09:29.999.
  double fraction = std::abs(time - std::trunc(time));
  auto ms = static_cast<std::int64_t>(std::llround(fraction * kMsPerDay));
  if (ms >= static_cast<std::int64_t>(kMsPerDay)) ms = static_cast<std::int64_t>(kMsPerDay) - 1;
  TTimeParts p;
  p.MSec = static_cast<std::uint16_t>(ms % 1000);
  ms /= 1000;
  p.Sec = static_cast<std::uint16_t>(ms % 60);
  ms /= 60;
  p.Min = static_cast<std::uint16_t>(ms % 60);
  p.Hour = static_cast<std::uint16_t>(ms / 60);
  return p;
}

void DecodeTime(TDateTime time, std::uint16_t& hour, std::uint16_t& min, std::uint16_t& sec,
                std::uint16_t& msec) {
  TTimeParts p = DecodeTime(time);
  hour = p.Hour;
  min = p.Min;
  sec = p.Sec;
  msec = p.MSec;
}

}  // namespace SysUtils
