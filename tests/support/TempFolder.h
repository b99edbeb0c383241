// A temporary folder of one's own: made fresh under the system's temporary folder
// with a unique name, and removed, with everything in it, when the object goes.
// Tests and benchmarks that write files write them here, never under fixed names
// in a folder others share.
#pragma once

#include <stdlib.h>  // mkdtemp

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace TestSupport {

class TTempFolder {
 public:
  explicit TTempFolder(std::string_view prefix = "tollen") {
    std::string pattern =
        (std::filesystem::temp_directory_path() / (std::string(prefix) + "-XXXXXX")).string();
    if (mkdtemp(pattern.data()) == nullptr)
      throw std::runtime_error("cannot make a temporary folder from " + pattern);
    FPath = pattern;
  }
  ~TTempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(FPath, ignored);
  }
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;

  const std::filesystem::path& Path() const { return FPath; }
  // Where `name` (which may hold folders) is in this folder; nothing is made.
  std::string File(const std::string& name) const { return (FPath / name).string(); }
  std::string operator/(const std::string& name) const { return File(name); }
  // Copies `file` in under `name` and returns the copy's path.
  std::string Copy(const std::string& file, const std::string& name) const {
    std::filesystem::copy_file(file, FPath / name);
    return File(name);
  }

 private:
  std::filesystem::path FPath;
};

}  // namespace TestSupport
