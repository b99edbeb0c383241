// Packages: the package information table, unit initialisation with counts, and
// loading packages at run time.
//
// A package's table lists a pair of procedures (initialisation, finalisation) for
// every unit it depends on, in dependency order, the host's units included.
// PackageLoad runs the initialisations first to last, PackageUnload the
// finalisations last to first. Each unit keeps a count (TUnitRecord): its work is
// done when the count goes from 0 to 1 and undone when it returns to 0, so a unit
// shared by several packages is set up once and torn down with the last. The
// host counts as the package vcl40: it runs its own table when it is loaded, so
// its units stand at 1 while the process runs.
//
// LoadPackage(path) opens a package file, reads its PACKAGEINFO, refuses it when a
// package it requires is not loaded (vcl40 always is, and so is every package
// loaded before, by LoadPackage or as a library the program was linked with),
// calls its Initialize and registers the component classes it exports
// (decorated #Class entries whose class can be created) so stored forms can name
// them. It never calls a Register procedure: that is the designer's business.
// UnloadPackage puts back the class registrations it replaced (a name that was
// free before is left to a class nothing can create, so a form naming it fails
// cleanly), calls Finalize and closes the file.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "PackagesInfo.h"
#include "Windows.h"

namespace Packages {

struct PackageUnitEntry {
  void (*Init)() = nullptr;   // may be null: nothing to do
  void (*FInit)() = nullptr;  // may be null
};

struct PackageInfoTable {
  std::int32_t UnitCount = 0;
  const PackageUnitEntry* UnitInfo = nullptr;
};
using PackageInfo = const PackageInfoTable*;

// Runs the initialisations first to last. When one raises, the units already
// initialised are finalised, last to first, and the error goes on.
void PackageLoad(PackageInfo table);
// Runs the finalisations last to first; all run, and the first error raised by one
// goes on afterwards.
void PackageUnload(PackageInfo table);

// The count of one unit.
struct TUnitRecord {
  std::string_view Name;
  int Count = 0;
};
// Raise and lower the count; a unit's work belongs at 0 -> 1 and 1 -> 0. The
// loader trace sees each call with the count after it.
void InitializeUnit(TUnitRecord& unit);
void FinalizeUnit(TUnitRecord& unit);

// The host's units, in dependency order.
enum class THostUnit : std::uint8_t {
  System,
  SysInit,
  Types,
  Windows,
  Clock,
  SysUtils,
  Messages,
  FileNames,
  TypInfo,
  Classes,
  Strings,
  FormParser,
  PropertyText,
  FormReader,
  FormWriter,
  Colors,
  GraphicsTypes,
  GraphicsObjects,
  Surface,
  TextFaces,
  GlyphCache,
  Text,
  Raster,
  BmpFile,
  Graphics,
  Controls,
  StdCtrls,
  ExtCtrls,
  Recorder,
  Forms,
  Window,
  MMSystem,
  Dialogs,
  ExtDlgs,
  Packages,
  DsgnIntf
};
inline constexpr std::size_t kHostUnitCount = static_cast<std::size_t>(THostUnit::DsgnIntf) + 1;

std::string_view HostUnitName(THostUnit unit);
TUnitRecord& HostUnitRecord(THostUnit unit);

template <THostUnit Unit>
void HostUnitInitialization() {
  InitializeUnit(HostUnitRecord(Unit));
}
template <THostUnit Unit>
void HostUnitFinalization() {
  FinalizeUnit(HostUnitRecord(Unit));
}

namespace Detail {
template <std::size_t... I>
constexpr std::array<PackageUnitEntry, sizeof...(I)> HostUnitEntries(std::index_sequence<I...>) {
  return {{{&HostUnitInitialization<static_cast<THostUnit>(I)>,
            &HostUnitFinalization<static_cast<THostUnit>(I)>}...}};
}
}  // namespace Detail

// The entries of the host's units, in THostUnit order, for a package's table.
constexpr std::array<PackageUnitEntry, kHostUnitCount> HostUnitEntries() {
  return Detail::HostUnitEntries(std::make_index_sequence<kHostUnitCount>{});
}

// Whether a package of that name is loaded (case does not matter).
bool IsPackageLoaded(std::string_view name);
// The package information of `module`; raises EPackageError naming `what` when it
// has none or it is damaged.
TPackageInfo ReadPackageInfo(Windows::HMODULE module, const std::string& what);

}  // namespace Packages
