// Bytes written at compile time, integers little-endian (LittleEndian.h): the resources are
// constants of the package, laid out here field by field.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "LittleEndian.h"

namespace Tollenspiegel::Resources {

template <std::size_t N>
class TByteWriter {
 public:
  constexpr void Byte(std::uint32_t value) {
    if (FPos >= N) throw "the resource is larger than declared";
    FBytes[FPos++] = static_cast<std::uint8_t>(value & 0xFF);
  }
  constexpr void Word(std::uint32_t value) {
    for (std::uint8_t b : LittleEndian::Bytes16(value)) Byte(b);
  }
  constexpr void DWord(std::uint32_t value) {
    for (std::uint8_t b : LittleEndian::Bytes32(value)) Byte(b);
  }
  // Single-byte characters followed by a zero byte.
  constexpr void Name(std::string_view text) {
    for (char c : text) Byte(static_cast<unsigned char>(c));
    Byte(0);
  }
  // A length byte, then the characters.
  constexpr void ShortString(std::string_view text) {
    Byte(static_cast<std::uint32_t>(text.size()));
    for (char c : text) Byte(static_cast<unsigned char>(c));
  }
  // UTF-16 little-endian, for text of ASCII characters, with a 16-bit zero.
  constexpr void WideName(std::string_view text) {
    for (char c : text) Word(static_cast<unsigned char>(c));
    Word(0);
  }
  constexpr void Bytes(std::initializer_list<std::uint8_t> bytes) {
    for (std::uint8_t b : bytes) Byte(b);
  }
  constexpr void PadTo(std::size_t multiple) {
    while (FPos % multiple != 0) Byte(0);
  }
  // The bytes, which must fill the declared size exactly.
  constexpr std::array<std::uint8_t, N> Done() const {
    if (FPos != N) throw "the resource is smaller than declared";
    return FBytes;
  }

 private:
  std::array<std::uint8_t, N> FBytes{};
  std::size_t FPos = 0;
};

}  // namespace Tollenspiegel::Resources
