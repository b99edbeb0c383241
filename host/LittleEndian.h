// Little-endian integers in bytes: the order of every file and resource format the
// host reads and writes (bitmaps, waves, package information, pictures).
//
// Readers look at bytes the caller has already checked are there; on a
// little-endian machine a read is one load. Writers append to anything with a
// push_back of one byte (a vector, a compile-time buffer); Store32 overwrites bytes
// already written (a size known only at the end); Bytes16 and Bytes32 give the
// stored bytes for any other sink (a stream).
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <type_traits>

namespace LittleEndian {

constexpr std::uint16_t Read16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

constexpr std::uint32_t Read32(const std::uint8_t* p) {
  if (!std::is_constant_evaluated() && std::endian::native == std::endian::little) {
    std::uint32_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
  }
  return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
         std::uint32_t{p[3]} << 24;
}

constexpr std::uint16_t Read16(std::span<const std::uint8_t> bytes, std::size_t at) {
  return Read16(bytes.data() + at);
}

constexpr std::uint32_t Read32(std::span<const std::uint8_t> bytes, std::size_t at) {
  return Read32(bytes.data() + at);
}

// The low 16 bits of `value`, and all 32, as stored.
constexpr std::array<std::uint8_t, 2> Bytes16(std::uint32_t value) {
  return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)};
}

constexpr std::array<std::uint8_t, 4> Bytes32(std::uint32_t value) {
  return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
          static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
}

template <class TOut>
constexpr void Write16(TOut& out, std::uint32_t value) {
  for (std::uint8_t b : Bytes16(value)) out.push_back(b);
}

template <class TOut>
constexpr void Write32(TOut& out, std::uint32_t value) {
  for (std::uint8_t b : Bytes32(value)) out.push_back(b);
}

constexpr void Store32(std::span<std::uint8_t> bytes, std::size_t at, std::uint32_t value) {
  for (std::uint8_t b : Bytes32(value)) bytes[at++] = b;
}

}  // namespace LittleEndian
