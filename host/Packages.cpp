#include "Packages.h"

#include <dlfcn.h>

#include <exception>

#include "PackagesNames.h"
#include "SysInit.h"

namespace Packages {

namespace {

constexpr std::array<std::string_view, kHostUnitCount> kHostUnitNames = {
    "System",       "SysInit",    "Types",      "Windows",  "Clock",         "SysUtils",
    "Messages",     "FileNames",  "TypInfo",    "Classes",  "Strings",       "FormParser",
    "PropertyText", "FormReader", "FormWriter", "Colors",   "GraphicsTypes", "GraphicsObjects",
    "Surface",      "TextFaces",  "GlyphCache", "Text",     "Raster",        "BmpFile",
    "Graphics",     "Controls",   "StdCtrls",   "ExtCtrls", "Recorder",      "Forms",
    "Window",       "MMSystem",   "Dialogs",    "ExtDlgs",  "Packages",      "DsgnIntf"};

// Constant-initialised, so the host's own load hook may count before any dynamic
// initialisation has run.
constinit std::array<TUnitRecord, kHostUnitCount> gHostUnits = [] {
  std::array<TUnitRecord, kHostUnitCount> units{};
  for (std::size_t i = 0; i < kHostUnitCount; ++i) units[i].Name = kHostUnitNames[i];
  return units;
}();

void Run(void (*procedure)()) {
  if (procedure != nullptr) procedure();
}

// ---- the host as the package vcl40 ----

constexpr auto kHostEntries = HostUnitEntries();
constexpr PackageInfoTable kHostTable{static_cast<std::int32_t>(kHostEntries.size()),
                                      kHostEntries.data()};
constinit SysInit::TLibModule gHostModule;
constinit Windows::HINSTANCE gHostInstance = nullptr;

Windows::HINSTANCE HostHandle() {
  Dl_info info{};
  dladdr(reinterpret_cast<const void*>(&HostHandle), &info);
  return static_cast<Windows::HINSTANCE>(info.dli_fbase);
}

[[gnu::constructor]] void HostLoaded() {
  SysInit::LibraryEntry(gHostModule, gHostInstance, HostHandle(), Windows::DLL_PROCESS_ATTACH,
                        nullptr);
  PackageLoad(&kHostTable);
}

[[gnu::destructor]] void HostUnloaded() {
  PackageUnload(&kHostTable);
  SysInit::LibraryEntry(gHostModule, gHostInstance, gHostInstance, Windows::DLL_PROCESS_DETACH,
                        nullptr);
}

}  // namespace

void PackageLoad(PackageInfo table) {
  Windows::TraceLoaderCall({"PackageLoad", table, {}, table->UnitCount});
  for (std::int32_t i = 0; i < table->UnitCount; ++i) {
    try {
      Run(table->UnitInfo[i].Init);
    } catch (...) {
      for (std::int32_t j = i; j-- > 0;) {
        try {
          Run(table->UnitInfo[j].FInit);
        } catch (...) {  // the first error is the one to report
        }
      }
      throw;
    }
  }
}

void PackageUnload(PackageInfo table) {
  Windows::TraceLoaderCall({"PackageUnload", table, {}, table->UnitCount});
  std::exception_ptr first;
  for (std::int32_t i = table->UnitCount; i-- > 0;) {
    try {
      Run(table->UnitInfo[i].FInit);
    } catch (...) {
      if (!first) first = std::current_exception();
    }
  }
  if (first) std::rethrow_exception(first);
}

void InitializeUnit(TUnitRecord& unit) {
  ++unit.Count;
  Windows::TraceLoaderCall({"Initialization", nullptr, std::string(unit.Name), unit.Count});
}

void FinalizeUnit(TUnitRecord& unit) {
  if (unit.Count > 0) --unit.Count;
  Windows::TraceLoaderCall({"Finalization", nullptr, std::string(unit.Name), unit.Count});
}

std::string_view HostUnitName(THostUnit unit) {
  return kHostUnitNames[static_cast<std::size_t>(unit)];
}

TUnitRecord& HostUnitRecord(THostUnit unit) { return gHostUnits[static_cast<std::size_t>(unit)]; }

std::string DecoratedName(std::string_view unit, std::string_view cls, std::string_view member) {
  std::string name(DecoratedNameLength(unit, cls, member), '\0');
  WriteDecoratedName(name.data(), unit, cls, member);
  return name;
}

bool IsClassReference(std::string_view name) {
  return name.starts_with('@') && name.ends_with(std::string(".") + std::string(kClassMember));
}

}  // namespace Packages
