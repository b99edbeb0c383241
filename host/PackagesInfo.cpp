#include "PackagesInfo.h"

#include <cstring>

#include "LittleEndian.h"

namespace Packages {

namespace {

class TReader {
 public:
  explicit TReader(std::span<const std::uint8_t> bytes) : FBytes(bytes) {}

  std::uint8_t Byte() {
    Need(1, "a byte");
    return FBytes[FPos++];
  }

  std::uint32_t Word(const char* what) {
    Need(4, what);
    const std::uint32_t value = LittleEndian::Read32(FBytes, FPos);
    FPos += 4;
    return value;
  }

  // A count of items of at least `smallestItem` bytes each.
  std::uint32_t Count(std::size_t smallestItem) {
    std::uint32_t value = Word("a count");
    if (value > (FBytes.size() - FPos) / smallestItem)
      Fail("the count " + std::to_string(value) + " does not fit in the rest");
    return value;
  }

  std::string Name() {
    const auto* start = FBytes.data() + FPos;
    const void* end = std::memchr(start, 0, FBytes.size() - FPos);
    if (end == nullptr) Fail("a name without its ending zero");
    std::string name(reinterpret_cast<const char*>(start),
                     static_cast<std::size_t>(static_cast<const std::uint8_t*>(end) - start));
    FPos += name.size() + 1;
    return name;
  }

 private:
  void Need(std::size_t n, const char* what) const {
    if (FBytes.size() - FPos < n) Fail(std::string("cut short before ") + what);
  }
  [[noreturn]] void Fail(const std::string& what) const {
    throw SysUtils::EPackageError("package information at byte " + std::to_string(FPos) + ": " +
                                  what);
  }

  std::span<const std::uint8_t> FBytes;
  std::size_t FPos = 0;
};

}  // namespace

TPackageInfo ParsePackageInfo(std::span<const std::uint8_t> bytes) {
  TReader reader(bytes);
  TPackageInfo info;
  info.Flags = reader.Word("the flags");
  info.Requires.resize(reader.Count(2));
  for (TRequiredPackage& p : info.Requires) {
    p.Hash = reader.Byte();
    p.Name = reader.Name();
  }
  info.Contains.resize(reader.Count(3));
  for (TContainedUnit& u : info.Contains) {
    u.Flags = reader.Byte();
    u.Hash = reader.Byte();
    u.Name = reader.Name();
  }
  return info;
}

}  // namespace Packages
