// LoadPackage and UnloadPackage, and what the host remembers of a loaded package.
#include <algorithm>
#include <deque>
#include <exception>
#include <filesystem>
#include <memory>

#include "Classes.h"
#include "Packages.h"
#include "PackagesNames.h"
#include "SysInit.h"

namespace Packages {

namespace {

using Windows::HMODULE;

struct TClassRegistration {
  System::TClass Ours;
  System::TClass Previous;  // null: the name was free
};

struct TLoadedPackage {
  HMODULE Module = nullptr;
  std::string Name;  // the file name without its extension
  std::vector<TClassRegistration> Classes;
  // A record for a library that did not register one itself.
  std::unique_ptr<SysInit::TLibModule> OwnRecord;
};

std::vector<TLoadedPackage>& LoadedPackages() {
  static auto* packages = new std::vector<TLoadedPackage>;  // outlives every unload
  return *packages;
}

std::string FileStem(const std::string& path) {
  return std::filesystem::path(path).stem().string();
}

std::string ModulePath(HMODULE module) {
  char path[SysInit::kModuleFileNameSize] = {};
  Windows::GetModuleFileNameA(module, path, SysInit::kModuleFileNameSize);
  return path;
}

[[noreturn]] void Refuse(const std::string& path, const std::string& why) {
  throw SysUtils::EPackageError("Cannot load package \"" + FileStem(path) + "\": " + why);
}

void CheckRequired(const TPackageInfo& info, const std::string& path) {
  std::vector<std::string> missing;
  for (const TRequiredPackage& p : info.Requires)
    if (!IsPackageLoaded(p.Name)) missing.push_back(p.Name);
  if (missing.empty()) return;
  std::string names = missing.front();
  for (std::size_t i = 1; i < missing.size(); ++i)
    names += (i + 1 == missing.size() ? " and " : ", ") + missing[i];
  Refuse(path, "it requires " + names + (missing.size() == 1 ? ", which is" : ", which are") +
                   " not loaded");
}

// A class nothing can create, left under a name a package's class held.
System::TClass Placeholder(std::string_view name) {
  static auto* names = new std::deque<std::string>;
  static auto* classes = new std::deque<System::TClassInfo>;
  const std::string& kept = names->emplace_back(name);
  return &classes->emplace_back(System::TClassInfo{kept});
}

std::vector<TClassRegistration> RegisterClasses(HMODULE module) {
  std::vector<TClassRegistration> registered;
  for (const Windows::TExportEntry& entry : Windows::ModuleExports(module)) {
    if (!IsClassReference(entry.Name)) continue;
    auto cls = reinterpret_cast<System::TClass>(entry.Address());
    if (cls == nullptr || cls->Create == nullptr) continue;
    registered.push_back({cls, Classes::GetClass(cls->Name)});
    Classes::RegisterClass(cls);
  }
  return registered;
}

void RestoreClasses(const std::vector<TClassRegistration>& registered) {
  for (auto it = registered.rbegin(); it != registered.rend(); ++it) {
    if (Classes::GetClass(it->Ours->Name) != it->Ours) continue;
    Classes::RegisterClass(it->Previous != nullptr ? it->Previous : Placeholder(it->Ours->Name));
  }
}

void CallExport(HMODULE module, const char* name, const std::string& path) {
  Windows::FARPROC procedure = Windows::GetProcAddress(module, name);
  if (procedure == nullptr)
    throw SysUtils::EPackageError("Package \"" + FileStem(path) + "\" has no " + name);
  procedure();
}

TLoadedPackage Start(HMODULE module, const std::string& path) {
  TPackageInfo info = ReadPackageInfo(module, path);
  if (info.ModuleKind() != kModuleKindPackage) Refuse(path, "it is no package");
  CheckRequired(info, path);
  TLoadedPackage package{module, FileStem(path), {}, nullptr};
  if (SysInit::FindModule(module) == nullptr) {
    package.OwnRecord = std::make_unique<SysInit::TLibModule>();
    package.OwnRecord->Instance = package.OwnRecord->ResInstance = module;
    SysInit::RegisterModule(package.OwnRecord.get());
  }
  try {
    CallExport(module, "Initialize", path);
  } catch (...) {
    if (package.OwnRecord) SysInit::UnregisterModule(package.OwnRecord.get());
    throw;
  }
  package.Classes = RegisterClasses(module);
  return package;
}

}  // namespace

bool IsPackageLoaded(std::string_view name) {
  if (SysUtils::SameText(name, "vcl40")) return true;
  for (const TLoadedPackage& p : LoadedPackages())
    if (SysUtils::SameText(p.Name, name)) return true;
  for (SysInit::TLibModule* m = SysInit::LibModuleList(); m != nullptr; m = m->Next)
    if (SysUtils::SameText(FileStem(ModulePath(m->Instance)), name) &&
        Windows::FindResourceA(m->Instance, "PACKAGEINFO", Windows::RT_RCDATA) != nullptr)
      return true;
  return false;
}

TPackageInfo ReadPackageInfo(HMODULE module, const std::string& what) {
  Windows::HRSRC resource = Windows::FindResourceA(module, "PACKAGEINFO", Windows::RT_RCDATA);
  if (resource == nullptr) Refuse(what, "it has no package information");
  try {
    return ParsePackageInfo(resource->Data);
  } catch (const SysUtils::EPackageError& e) {
    Refuse(what, e.Message());
  }
}

}  // namespace Packages

namespace SysUtils {

Windows::HMODULE LoadPackage(const std::string& path) {
  Windows::HMODULE module = Windows::LoadLibraryA(path.c_str());
  if (module == nullptr) Packages::Refuse(path, Windows::LastLoadError());
  try {
    Packages::LoadedPackages().push_back(Packages::Start(module, path));
  } catch (...) {
    Windows::FreeLibrary(module);
    throw;
  }
  return module;
}

void UnloadPackage(Windows::HMODULE module) {
  auto& packages = Packages::LoadedPackages();
  auto it = std::find_if(packages.rbegin(), packages.rend(),
                         [module](const auto& p) { return p.Module == module; });
  if (it == packages.rend()) throw EPackageError("UnloadPackage: the module is no loaded package");
  Packages::TLoadedPackage package = std::move(*it);
  packages.erase(std::next(it).base());
  Packages::RestoreClasses(package.Classes);
  std::exception_ptr failure;
  try {
    Packages::CallExport(module, "Finalize", package.Name);
  } catch (...) {
    failure = std::current_exception();
  }
  if (package.OwnRecord) SysInit::UnregisterModule(package.OwnRecord.get());
  Windows::FreeLibrary(module);
  if (failure) std::rethrow_exception(failure);
}

}  // namespace SysUtils
