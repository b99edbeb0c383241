// Little-endian bytes: the lowest byte first, read back as written, at run time
// (one load on this machine) and at compile time alike.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "LittleEndian.h"

namespace {

constexpr std::array<std::uint8_t, 4> kStored = {0x78, 0x56, 0x34, 0x12};
static_assert(LittleEndian::Read32(kStored.data()) == 0x12345678);
static_assert(LittleEndian::Bytes32(0x12345678) == kStored);

TEST(LittleEndian, ReadsAndWritesTheLowestByteFirst) {
  const std::vector<std::uint8_t> bytes = {0xFF, 0x78, 0x56, 0x34, 0x12};
  EXPECT_EQ(LittleEndian::Read32(bytes, 1), 0x12345678u);
  EXPECT_EQ(LittleEndian::Read16(bytes, 1), 0x5678u);
  std::vector<std::uint8_t> out;
  LittleEndian::Write16(out, 0xABCD1234);  // the low 16 bits only
  LittleEndian::Write32(out, 0x12345678);
  EXPECT_EQ(out, (std::vector<std::uint8_t>{0x34, 0x12, 0x78, 0x56, 0x34, 0x12}));
  LittleEndian::Store32(out, 2, 0xCAFEF00D);
  EXPECT_EQ(LittleEndian::Read32(out, 2), 0xCAFEF00Du);
  EXPECT_EQ(out[0], 0x34);
}

}  // namespace
