// The run-time library: exceptions, names compared as the host compares them, time
// of day, file names and loading packages.
//
// Time is read from the application's clock (Platform::TClock), so tests and the
// renderer decide what `Now` returns.
//
// File names are kept as the user wrote them, with "\" or "/" as separators, so
// films and forms made on the platform keep their names. Only where a name touches
// the disk is it turned into the native form, by NativePath.
//
// LoadPackage and UnloadPackage are declared here, where programs look for them,
// and carried out by the package loader (Packages.h), a layer above.
#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "Windows.h"

namespace SysUtils {

// The text with every control character (below 32, and 127) written as \xNN, so
// that a message quoting hostile input prints whole on one line.
std::string PrintableText(std::string_view text);

// The host's base exception: bad input from outside raises one of these with a
// message a user can act on; control characters in it are escaped (PrintableText),
// as a NUL would otherwise end the message where it stands.
class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(PrintableText(message)) {}
  std::string Message() const { return what(); }
};

class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

// A package that cannot be loaded or unloaded; the message names the package.
class EPackageError : public Exception {
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

// ---- file names ----

// `path` with every "\" and "/" made the native separator. Nothing else changes:
// a doubled separator stays doubled (the disk reads it as one), and a name that
// meant a backslash as a character gives that up, as the platform itself would.
std::string NativePath(const std::string& path);

// Whether `name` names a regular file that exists (a folder does not count); "\"
// and "/" both separate folders. An empty name, or one holding a NUL, names none.
bool FileExists(const std::string& name);

// The file's own name: what follows the last "\" or "/" (or the drive of a name
// like "C:a.bmp"), as written.
std::string ExtractFileName(const std::string& name);
// The folder part, up to and including that last separator; "" when there is none.
std::string ExtractFilePath(const std::string& name);

// The run-time library passes every name it was asked to open and found missing
// (a picture file, a sound file) to the missing-file hook, when one is set, so a
// program can report what its forms name but lacks. The library itself goes on as
// it always does (an exception, the default sound).
using TMissingFileHook = std::function<void(const std::string& name)>;
// Sets the hook; an empty one removes it.
void SetMissingFileHook(TMissingFileHook hook);
void ReportMissingFile(const std::string& name);

// ---- packages ----

// Loads the package file `path` and starts it, or unloads it; both raise
// EPackageError with a message that names the package.
Windows::HMODULE LoadPackage(const std::string& path);
void UnloadPackage(Windows::HMODULE module);

}  // namespace SysUtils
