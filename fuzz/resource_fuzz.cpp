// libFuzzer target: the readers of a package's picture resources (a bitmap
// without its file header, an icon image with its mask) must turn any bytes
// into a picture or a clear error, and read nothing past them. The first byte
// chooses the reader.
#include <cstddef>
#include <cstdint>
#include <span>

#include "Graphics/Surface.h"
#include "PackageCommand.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool budget = (Graphics::SetPictureBudget(std::uint64_t{1} << 22), true);
  (void)budget;
  if (size == 0) return 0;
  const std::span<const std::uint8_t> resource(data + 1, size - 1);
  try {
    if (data[0] & 1)
      (void)Tools::DecodeIconImage(resource, "fuzz");
    else
      (void)Tools::DecodeDib(resource, "fuzz");
  } catch (const SysUtils::Exception&) {
    // A clear error is the expected answer to bad bytes.
  }
  return 0;
}
