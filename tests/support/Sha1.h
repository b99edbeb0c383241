// SHA-1 of a block of bytes, for comparing whole pictures with digests recorded
// elsewhere. Not for anything that needs collision resistance.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace TestSupport {

// The 160-bit digest of `bytes` as 40 lowercase hex digits.
std::string Sha1Hex(std::span<const std::uint8_t> bytes);

}  // namespace TestSupport
