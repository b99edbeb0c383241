// Helpers of the package tests.
//
// The test program links Tollenspiegel.bpl, so that copy is loaded (its entry
// point has run, its module is registered) before any test starts. Tests of the
// entry point and of LoadPackage load a copy of the file from a fresh folder: the
// loader maps it as a second library, which binds its own functions to itself, so
// the copy has its own module record, unit counts, classes and resources, and
// both share the one host. Each test unloads what it loads.
#pragma once

#include <dlfcn.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Packages.h"
#include "SysInit.h"
#include "Tollenspiegel.h"
#include "Windows.h"
#include "support/TempFolder.h"

namespace PackageTesting {

inline const std::string kPackageFile = TOLLEN_TEST_PACKAGE;
inline const std::string kResourceModuleFile = TOLLEN_TEST_RESOURCE_MODULE;
inline const std::string kProefFile = TOLLEN_TEST_PROEF;
inline const std::string kWeesFile = TOLLEN_TEST_WEES;

// The copy of the package the test program is linked with.
inline Windows::HMODULE LinkedPackage() {
  Dl_info info{};
  dladdr(reinterpret_cast<const void*>(&Tollenspiegel::RegisterClasses), &info);
  return static_cast<Windows::HMODULE>(info.dli_fbase);
}

inline std::string_view Text(const Windows::HRSRC resource) {
  return {reinterpret_cast<const char*>(resource->Data.data()), resource->Data.size()};
}

// Every loader call made while it lives.
class TTraceRecorder {
 public:
  TTraceRecorder() {
    FPrevious =
        Windows::SetLoaderTrace([this](const Windows::TLoaderCall& c) { FCalls.push_back(c); });
  }
  ~TTraceRecorder() { Windows::SetLoaderTrace(std::move(FPrevious)); }
  TTraceRecorder(const TTraceRecorder&) = delete;
  TTraceRecorder& operator=(const TTraceRecorder&) = delete;

  const std::vector<Windows::TLoaderCall>& Calls() const { return FCalls; }
  // The calls of the given kinds, in order.
  std::vector<Windows::TLoaderCall> Only(std::initializer_list<std::string_view> kinds) const {
    std::vector<Windows::TLoaderCall> out;
    for (const auto& c : FCalls)
      for (std::string_view k : kinds)
        if (c.Call == k) out.push_back(c);
    return out;
  }
  void Clear() { FCalls.clear(); }

 private:
  std::vector<Windows::TLoaderCall> FCalls;
  Windows::TLoaderTrace FPrevious;
};

using TestSupport::TTempFolder;

// The user's language settings, as given, for its life (none: unset).
class TLanguage {
 public:
  TLanguage(std::optional<std::string> all, std::optional<std::string> messages = {},
            std::optional<std::string> lang = {}) {
    Set("LC_ALL", all);
    Set("LC_MESSAGES", messages);
    Set("LANG", lang);
  }
  ~TLanguage() {
    for (const auto& [name, value] : FSaved) Put(name, value);
  }
  TLanguage(const TLanguage&) = delete;
  TLanguage& operator=(const TLanguage&) = delete;

 private:
  void Set(const char* name, const std::optional<std::string>& value) {
    const char* old = std::getenv(name);
    FSaved.emplace_back(name, old != nullptr ? std::optional<std::string>(old) : std::nullopt);
    Put(name, value);
  }
  static void Put(const std::string& name, const std::optional<std::string>& value) {
    if (value)
      setenv(name.c_str(), value->c_str(), 1);
    else
      unsetenv(name.c_str());
  }
  std::vector<std::pair<std::string, std::optional<std::string>>> FSaved;
};

// The units of the package's table, written from the table's description: the
// host's units from System to Controls, Vormen at 27, the host's units to
// DsgnIntf, then Film, LichtKrant, GolfTekst and VormKlok at 38 to 41.
inline std::vector<std::string> ExpectedUnitOrder() {
  std::vector<std::string> host;
  for (std::size_t i = 0; i < Packages::kHostUnitCount; ++i)
    host.emplace_back(Packages::HostUnitName(static_cast<Packages::THostUnit>(i)));
  auto controls = std::find(host.begin(), host.end(), "Controls");
  std::vector<std::string> order(host.begin(), controls + 1);
  order.push_back("Vormen");
  order.insert(order.end(), controls + 1, host.end());
  for (const char* unit : {"Film", "LichtKrant", "GolfTekst", "VormKlok"}) order.push_back(unit);
  return order;
}
inline constexpr int kOwnUnitPositions[] = {27, 38, 39, 40, 41};

}  // namespace PackageTesting
