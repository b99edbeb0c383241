#include "Windows.h"

#include <dlfcn.h>
#include <link.h>
#include <strings.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <iterator>

// ---- libraries ----

namespace Windows {

namespace {

namespace fs = std::filesystem;

struct TLoadedLibrary {
  HMODULE Module;
  void* Handle;  // from dlopen, one per LoadLibraryA
};

TLoaderTrace& Trace() {
  // Never destroyed: libraries still report while the process ends.
  static auto* trace = new TLoaderTrace;
  return *trace;
}

std::vector<TLoadedLibrary>& LoadedLibraries() {
  // Never destroyed: a library's unload hook may free its resource module while
  // the process ends, after the host's statics are gone.
  static auto* libraries = new std::vector<TLoadedLibrary>;
  return *libraries;
}

thread_local std::string gLastLoadError;

HMODULE AsModule(void* address) { return static_cast<HMODULE>(address); }

// True when `module` is the base of a loaded object; `info` then describes it.
bool DescribeModule(HMODULE module, Dl_info& info) {
  return module != nullptr && dladdr(module, &info) != 0 && info.dli_fbase == module;
}

std::string ProgramPath() {
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : exe.string();
}

std::string ModulePath(HMODULE module) {
  if (module == nullptr) return ProgramPath();
  Dl_info info{};
  if (!DescribeModule(module, info)) return {};
  std::string_view name = info.dli_fname != nullptr ? info.dli_fname : "";
  // The loader names the program as it was started, libraries by their path.
  if (name.find('/') == std::string_view::npos) return ProgramPath();
  std::error_code ec;
  fs::path full = fs::absolute(fs::path(name), ec);
  return ec ? std::string(name) : full.lexically_normal().string();
}

HMODULE ModuleOfHandle(void* handle) {
  link_map* map = nullptr;
  Dl_info info{};
  if (dlinfo(handle, RTLD_DI_LINKMAP, &map) != 0 || map == nullptr) return nullptr;
  if (dladdr(map->l_ld, &info) == 0) return nullptr;
  return AsModule(info.dli_fbase);
}

// A symbol defined by `module` itself, not by a library it depends on.
void* OwnSymbol(HMODULE module, const char* name) {
  std::string path = ModulePath(module);
  if (module == nullptr || path.empty()) return nullptr;
  void* handle = dlopen(path.c_str(), RTLD_LAZY | RTLD_NOLOAD);
  if (handle == nullptr) return nullptr;
  void* symbol = dlsym(handle, name);
  dlclose(handle);
  Dl_info info{};
  if (symbol == nullptr || dladdr(symbol, &info) == 0 || info.dli_fbase != module) return nullptr;
  return symbol;
}

bool SameId(const TResourceId& a, const TResourceId& b) {
  if (a.Id != 0 || b.Id != 0) return a.Id == b.Id;
  if (a.Text == nullptr || b.Text == nullptr) return false;
  return strcasecmp(a.Text, b.Text) == 0;  // as the platform compares resource names
}

HRSRC Find(HMODULE module, const TResourceId& type, const TResourceId& name, const WORD* language) {
  const TModuleDirectory* directory = ModuleDirectory(module);
  if (directory == nullptr) return nullptr;
  for (const TResourceEntry& entry : directory->Resources)
    if (SameId(entry.Type, type) && SameId(entry.Name, name) &&
        (language == nullptr || entry.Language == *language))
      return &entry;
  return nullptr;
}

}  // namespace

std::string TResourceId::ToString() const {
  return Id != 0 ? "#" + std::to_string(Id) : std::string(Text != nullptr ? Text : "");
}

DWORD GetModuleFileNameA(HMODULE module, LPSTR buffer, DWORD size) {
  std::string path = ModulePath(module);
  DWORD result = 0;
  if (!path.empty() && size > 0) {
    std::size_t length = std::min<std::size_t>(path.size(), size - 1);
    path.copy(buffer, length);
    buffer[length] = '\0';
    result = length < path.size() ? size : static_cast<DWORD>(length);
  }
  TraceLoaderCall({"GetModuleFileNameA", module, path, static_cast<long>(size)});
  return result;
}

HMODULE LoadLibraryA(LPCSTR fileName) {
  std::string path = fileName;
  std::error_code ec;
  if (path.find('/') != std::string::npos)
    path = fs::absolute(path, ec).lexically_normal().string();
  TraceLoaderCall({"LoadLibraryA", nullptr, path, 0});
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  HMODULE module = nullptr;
  if (handle == nullptr) {
    const char* error = dlerror();
    gLastLoadError = error != nullptr ? error : "cannot be loaded";
  } else if ((module = ModuleOfHandle(handle)) == nullptr) {
    gLastLoadError = "the loader does not say where it mapped the library";
    dlclose(handle);
  } else {
    LoadedLibraries().push_back({module, handle});
  }
  return module;
}

BOOL FreeLibrary(HMODULE module) {
  TraceLoaderCall({"FreeLibrary", module, {}, 0});
  auto& libraries = LoadedLibraries();
  for (auto it = libraries.rbegin(); it != libraries.rend(); ++it) {
    if (it->Module != module) continue;
    void* handle = it->Handle;
    libraries.erase(std::next(it).base());
    dlclose(handle);  // may run the library's unload hook, which may free more
    return 1;
  }
  return 0;
}

std::string LastLoadError() { return gLastLoadError; }

FARPROC GetProcAddress(HMODULE module, LPCSTR name) {
  TraceLoaderCall({"GetProcAddress", module, name, 0});
  if (const TModuleDirectory* directory = ModuleDirectory(module))
    for (const TExportTable* table : directory->Exports)
      for (const TExportEntry& entry : *table)
        if (std::strcmp(entry.Name, name) == 0) return entry.Address();
  return reinterpret_cast<FARPROC>(OwnSymbol(module, name));
}

const TModuleDirectory* ModuleDirectory(HMODULE module) {
  const auto* directory =
      static_cast<const TModuleDirectory*>(OwnSymbol(module, kModuleDirectorySymbol));
  return directory != nullptr && directory->Signature == kModuleDirectorySignature ? directory
                                                                                   : nullptr;
}

std::vector<TExportEntry> ModuleExports(HMODULE module) {
  std::vector<TExportEntry> exports;
  if (const TModuleDirectory* directory = ModuleDirectory(module))
    for (const TExportTable* table : directory->Exports)
      exports.insert(exports.end(), table->begin(), table->end());
  return exports;
}

HRSRC FindResourceA(HMODULE module, TResourceId name, TResourceId type) {
  return Find(module, type, name, nullptr);
}

HRSRC FindResourceExA(HMODULE module, TResourceId type, TResourceId name, WORD language) {
  return Find(module, type, name, &language);
}

DWORD SizeofResource(HMODULE, HRSRC resource) {
  return resource != nullptr ? static_cast<DWORD>(resource->Data.size()) : 0;
}

HGLOBAL LoadResource(HMODULE, HRSRC resource) {
  return resource != nullptr ? resource->Data.data() : nullptr;
}

const void* LockResource(HGLOBAL data) { return data; }

TLoaderTrace SetLoaderTrace(TLoaderTrace trace) {
  TLoaderTrace previous = std::move(Trace());
  Trace() = std::move(trace);
  return previous;
}

void TraceLoaderCall(TLoaderCall call) {
  if (Trace()) Trace()(call);
}

}  // namespace Windows
