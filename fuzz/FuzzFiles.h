// Scratch files for fuzz targets whose entry points read or write the file system:
// one folder per process, removed at exit.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>

namespace FuzzFiles {

inline const std::filesystem::path& Folder() {
  static const std::filesystem::path folder = [] {
    auto path = std::filesystem::temp_directory_path() / ("fuzz-" + std::to_string(getpid()));
    std::filesystem::create_directories(path);
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(Folder(), ignored);
    });
    return path;
  }();
  return folder;
}

inline std::string Path(const std::string& name) { return (Folder() / name).string(); }

// Writes `bytes` to the scratch file `name`; returns its path.
inline std::string Write(const std::string& name, std::span<const std::uint8_t> bytes) {
  const std::string path = Path(name);
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  return path;
}

}  // namespace FuzzFiles
