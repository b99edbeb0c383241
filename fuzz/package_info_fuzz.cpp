// libFuzzer target: the package information reader must turn any bytes into the
// package's description or an EPackageError, and read nothing past them.
#include <cstddef>
#include <cstdint>

#include "PackagesInfo.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    const Packages::TPackageInfo info = Packages::ParsePackageInfo({data, size});
    // Each entry stands for at least two bytes of the input (its bytes and a zero).
    if ((info.Requires.size() + info.Contains.size()) * 2 > size) __builtin_trap();
  } catch (const SysUtils::EPackageError&) {
    // A clear error is the expected answer to bad bytes.
  }
  return 0;
}
