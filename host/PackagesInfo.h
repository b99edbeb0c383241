// The package information resource (PACKAGEINFO, raw data): what a package
// needs and what it holds, read by the host before the package runs any code.
//
// Layout, little-endian, names in single-byte characters each ended by a zero:
//   4   package flags (below)
//   4   number of required packages, then for each: hash byte, name
//   4   number of contained units, then for each: flags byte, hash byte, name
//   zero padding to a multiple of 4
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "SysUtils.h"

namespace Packages {

// Package flags.
inline constexpr std::uint32_t pfNeverBuild = 0x1;  // never rebuilt implicitly
inline constexpr std::uint32_t pfDesignOnly = 0x2;
inline constexpr std::uint32_t pfRunOnly = 0x4;
inline constexpr unsigned kProducerShift = 26;    // 2 bits: the tools that built it
inline constexpr unsigned kModuleKindShift = 30;  // 2 bits: the kind of module
inline constexpr std::uint32_t kModuleKindPackage = 1;

// Unit flags.
inline constexpr std::uint8_t ufMainUnit = 0x01;
inline constexpr std::uint8_t ufPackageUnit = 0x02;

struct TRequiredPackage {
  std::uint8_t Hash = 0;
  std::string Name;
};

struct TContainedUnit {
  std::uint8_t Flags = 0;
  std::uint8_t Hash = 0;
  std::string Name;
};

struct TPackageInfo {
  std::uint32_t Flags = 0;
  std::vector<TRequiredPackage> Requires;
  std::vector<TContainedUnit> Contains;

  std::uint32_t ModuleKind() const { return Flags >> kModuleKindShift; }
  std::uint32_t Producer() const { return (Flags >> kProducerShift) & 3; }
};

// Reads the resource; raises SysUtils::EPackageError when it is cut short, a name
// runs past its end, or a count is larger than the bytes could hold.
TPackageInfo ParsePackageInfo(std::span<const std::uint8_t> bytes);

}  // namespace Packages
