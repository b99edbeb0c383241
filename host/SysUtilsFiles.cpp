// File names: the disk's side of the host's names with either separator.
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <utility>

#include "SysUtils.h"

namespace SysUtils {

std::string NativePath(const std::string& path) {
#ifdef _WIN32
  constexpr char kForeign = '/', kNative = '\\';
#else
  constexpr char kForeign = '\\', kNative = '/';
#endif
  std::string native = path;
  std::replace(native.begin(), native.end(), kForeign, kNative);
  return native;
}

namespace {

// Where the file's own name starts in `name`.
std::size_t NameStart(const std::string& name) {
  std::size_t separator = name.find_last_of("\\/");
  if (separator != std::string::npos) return separator + 1;
  bool drive =
      name.size() >= 2 && name[1] == ':' && std::isalpha(static_cast<unsigned char>(name[0])) != 0;
  return drive ? 2 : 0;
}

}  // namespace

bool FileExists(const std::string& name) {
  if (name.empty() || name.find('\0') != std::string::npos) return false;
  std::error_code ec;
  return std::filesystem::is_regular_file(NativePath(name), ec);
}

std::string ExtractFileName(const std::string& name) { return name.substr(NameStart(name)); }

std::string ExtractFilePath(const std::string& name) { return name.substr(0, NameStart(name)); }

namespace {
TMissingFileHook& MissingFileHook() {
  static TMissingFileHook hook;
  return hook;
}
}  // namespace

void SetMissingFileHook(TMissingFileHook hook) { MissingFileHook() = std::move(hook); }

void ReportMissingFile(const std::string& name) {
  if (MissingFileHook()) MissingFileHook()(name);
}

}  // namespace SysUtils
