// libFuzzer target: the form reader must turn any text into a form or an
// EReadError, without crashing, leaking or reading out of bounds.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Classes/Streaming.h"
#include "Tollenspiegel.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool registered = (Tollenspiegel::RegisterClasses(), true);
  (void)registered;
  std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    auto root = Classes::ReadComponentText(text, "fuzz");
    (void)Classes::WriteComponentText(*root);
  } catch (const SysUtils::Exception&) {
    // A clear error is the expected answer to a bad file.
  }
  return 0;
}
