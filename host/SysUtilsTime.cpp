// Formatting the time of day: the time part of the host's date-time formats.
#include <cctype>
#include <cstdio>

#include "SysUtils.h"

namespace SysUtils {

std::string LongTimeFormat = "hh:mm:ss";
char TimeSeparator = ':';

namespace {

std::string Digits(int value, int width) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
  return buffer;
}

// Length of the run of `c` (case-insensitive) starting at `i`.
std::size_t RunLength(const std::string& f, std::size_t i, char c) {
  std::size_t n = 0;
  while (i + n < f.size() && std::tolower(static_cast<unsigned char>(f[i + n])) == c) ++n;
  return n;
}

bool StartsWithNoCase(const std::string& f, std::size_t i, const char* word) {
  for (std::size_t k = 0; word[k]; ++k)
    if (i + k >= f.size() || std::tolower(static_cast<unsigned char>(f[i + k])) != word[k])
      return false;
  return true;
}

bool HasTwelveHourMarker(const std::string& f) {
  for (std::size_t i = 0; i < f.size(); ++i)
    if (StartsWithNoCase(f, i, "am/pm") || StartsWithNoCase(f, i, "a/p")) return true;
  return false;
}

}  // namespace

std::string FormatTime(const std::string& format, TDateTime time) {
  TTimeParts t = DecodeTime(time);
  const bool twelveHour = HasTwelveHourMarker(format);
  int hour = t.Hour;
  if (twelveHour) hour = hour % 12 == 0 ? 12 : hour % 12;
  std::string out;
  for (std::size_t i = 0; i < format.size();) {
    char c = static_cast<char>(std::tolower(static_cast<unsigned char>(format[i])));
    if (format[i] == '"' || format[i] == '\'') {
      std::size_t end = format.find(format[i], i + 1);
      if (end == std::string::npos) end = format.size();
      out.append(format, i + 1, end - i - 1);
      i = end + 1;
      continue;
    }
    if (StartsWithNoCase(format, i, "am/pm")) {
      out += t.Hour < 12 ? "am" : "pm";
      i += 5;
      continue;
    }
    if (StartsWithNoCase(format, i, "a/p")) {
      out += t.Hour < 12 ? 'a' : 'p';
      i += 3;
      continue;
    }
    std::size_t n = RunLength(format, i, c);
    switch (c) {
      case 'h':
        out += Digits(hour, n >= 2 ? 2 : 1);
        break;
      case 'n':
      case 'm':  // minutes; this formatter knows no months
        out += Digits(t.Min, n >= 2 ? 2 : 1);
        break;
      case 's':
        out += Digits(t.Sec, n >= 2 ? 2 : 1);
        break;
      case 'z':
        out += Digits(t.MSec, n >= 3 ? 3 : 1);
        break;
      case ':':
        out.append(n, TimeSeparator);
        break;
      default:
        out.append(format, i, n);
        break;
    }
    i += n;
  }
  return out;
}

std::string TimeToStr(TDateTime time) { return FormatTime(LongTimeFormat, time); }

}  // namespace SysUtils
