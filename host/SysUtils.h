// Exceptions, time of day and file-name helpers of the run-time library.
//
// Time is read from the application's clock (Platform::TClock), so tests and the
// renderer decide what `Now` returns.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace SysUtils {

// The host's base exception: bad input from outside raises one of these with a
// message a user can act on.
class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }
};

class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

// Whether two texts are equal ignoring the case of ASCII letters, as the host
// compares names (of classes, properties, components, colours).
bool SameText(std::string_view a, std::string_view b);

// Days since 1899-12-30, the fraction being the time of day.
using TDateTime = double;

TDateTime Now();

struct TTimeParts {
  std::uint16_t Hour = 0, Min = 0, Sec = 0, MSec = 0;
};
TTimeParts DecodeTime(TDateTime time);
void DecodeTime(TDateTime time, std::uint16_t& hour, std::uint16_t& min, std::uint16_t& sec,
                std::uint16_t& msec);

// The process-wide time format of TimeToStr, and the character that ":" in a
// format stands for.
extern std::string LongTimeFormat;
extern char TimeSeparator;

// Formats the time of day of `time` by `format`: h/hh hours (00-23), n/nn minutes
// (also m/mm: this formatter knows no dates), s/ss seconds, z/zzz milliseconds, ":" the time
// separator, "am/pm" and "a/p" a 12-hour clock, text in quotes as it stands, any
// other character as it stands.
std::string FormatTime(const std::string& format, TDateTime time);
// The time of day in LongTimeFormat.
std::string TimeToStr(TDateTime time);

// Milliseconds since the Unix epoch in local time, as the clock keeps it.
TDateTime MillisecondsToDateTime(std::int64_t ms);
std::int64_t DateTimeToMilliseconds(TDateTime time);

}  // namespace SysUtils
