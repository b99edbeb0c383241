#include "support/Sha1.h"

#include <array>
#include <bit>
#include <cstdio>
#include <vector>

namespace TestSupport {

namespace {

using TState = std::array<std::uint32_t, 5>;

void Compress(TState& h, const std::uint8_t* block) {
  std::array<std::uint32_t, 80> w{};
  for (int i = 0; i < 16; ++i)
    w[i] = std::uint32_t{block[4 * i]} << 24 | std::uint32_t{block[4 * i + 1]} << 16 |
           std::uint32_t{block[4 * i + 2]} << 8 | block[4 * i + 3];
  for (int i = 16; i < 80; ++i) w[i] = std::rotl(w[i - 3] ^ w[i - 8] ^ w[i - 14] ^ w[i - 16], 1);
  std::uint32_t a = h[0], b = h[1], c = h[2], d = h[3], e = h[4];
  for (int i = 0; i < 80; ++i) {
    std::uint32_t f = 0, k = 0;
    if (i < 20) {
      f = (b & c) | (~b & d), k = 0x5A827999;
    } else if (i < 40) {
      f = b ^ c ^ d, k = 0x6ED9EBA1;
    } else if (i < 60) {
      f = (b & c) | (b & d) | (c & d), k = 0x8F1BBCDC;
    } else {
      f = b ^ c ^ d, k = 0xCA62C1D6;
    }
    const std::uint32_t t = std::rotl(a, 5) + f + e + k + w[i];
    e = d, d = c, c = std::rotl(b, 30), b = a, a = t;
  }
  h[0] += a, h[1] += b, h[2] += c, h[3] += d, h[4] += e;
}

}  // namespace

std::string Sha1Hex(std::span<const std::uint8_t> bytes) {
  TState h{0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0xC3D2E1F0};
  const std::size_t whole = bytes.size() / 64 * 64;
  for (std::size_t i = 0; i < whole; i += 64) Compress(h, bytes.data() + i);
  // The rest, a 1 bit, zeros, and the length in bits: one or two more blocks.
  std::vector<std::uint8_t> tail(bytes.begin() + static_cast<std::ptrdiff_t>(whole), bytes.end());
  tail.push_back(0x80);
  while (tail.size() % 64 != 56) tail.push_back(0);
  const std::uint64_t bits = std::uint64_t{bytes.size()} * 8;
  for (int shift = 56; shift >= 0; shift -= 8)
    tail.push_back(static_cast<std::uint8_t>(bits >> shift));
  for (std::size_t i = 0; i < tail.size(); i += 64) Compress(h, tail.data() + i);
  std::string hex;
  for (std::uint32_t word : h) {
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08x", word);
    hex += digits;
  }
  return hex;
}

}  // namespace TestSupport
