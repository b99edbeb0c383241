// Exceptions, time of day and file-name helpers of the run-time library.
//
// Time is read from the application's clock (Platform::TClock), so tests and the
// renderer decide what `Now` returns.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

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

// Days since 1899-12-30, the fraction being the time of day.
using TDateTime = double;

TDateTime Now();

struct TTimeParts {
  std::uint16_t Hour = 0, Min = 0, Sec = 0, MSec = 0;
};
TTimeParts DecodeTime(TDateTime time);
void DecodeTime(TDateTime time, std::uint16_t& hour, std::uint16_t& min, std::uint16_t& sec,
                std::uint16_t& msec);

// Milliseconds since the Unix epoch in local time, as the clock keeps it.
TDateTime MillisecondsToDateTime(std::int64_t ms);
std::int64_t DateTimeToMilliseconds(TDateTime time);

}  // namespace SysUtils
