#include "SysInit.h"

#include <cctype>
#include <cstdlib>
#include <filesystem>

namespace SysInit {

namespace {

// Plain pointers, constant-initialised: libraries register before any dynamic
// initialisation of the host has run, and unregister after it is undone.
TLibModule* gModuleList = nullptr;

void Attach(TLibModule& module, HINSTANCE ownInstance) {
  char path[kModuleFileNameSize] = {};
  Windows::GetModuleFileNameA(ownInstance, path, kModuleFileNameSize);
  HINSTANCE resources = LoadResourceModule(path);
  module.ResInstance = resources != nullptr ? resources : ownInstance;
  RegisterModule(&module);
}

void Detach(TLibModule& module, HINSTANCE ownInstance) {
  UnregisterModule(&module);
  if (module.ResInstance != ownInstance) Windows::FreeLibrary(module.ResInstance);
}

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string Upper(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

void RegisterModule(TLibModule* module) {
  Windows::TraceLoaderCall({"RegisterModule", module->Instance, {}, 0});
  for (TLibModule* m = gModuleList; m != nullptr; m = m->Next)
    if (m == module) return;
  module->Next = gModuleList;
  gModuleList = module;
}

void UnregisterModule(TLibModule* module) {
  Windows::TraceLoaderCall({"UnregisterModule", module->Instance, {}, 0});
  for (TLibModule** link = &gModuleList; *link != nullptr; link = &(*link)->Next) {
    if (*link == module) {
      *link = module->Next;
      module->Next = nullptr;
      return;
    }
  }
}

TLibModule* LibModuleList() { return gModuleList; }

TLibModule* FindModule(HINSTANCE instance) {
  for (TLibModule* m = gModuleList; m != nullptr; m = m->Next)
    if (m->Instance == instance) return m;
  return nullptr;
}

HINSTANCE FindResourceHInstance(HINSTANCE instance) {
  TLibModule* m = FindModule(instance);
  return m != nullptr ? m->ResInstance : instance;
}

BOOL LibraryEntry(TLibModule& module, HINSTANCE& ownInstance, HINSTANCE instance, DWORD reason,
                  void* /*reserved*/) {
  Windows::TraceLoaderCall({"LibraryEntry", instance, {}, static_cast<long>(reason)});
  module.Instance = instance;
  ownInstance = instance;
  module.CodeInstance = nullptr;
  module.DataInstance = nullptr;
  if (reason == Windows::DLL_PROCESS_ATTACH)
    Attach(module, ownInstance);
  else if (reason == Windows::DLL_PROCESS_DETACH)
    Detach(module, ownInstance);
  return kEntryTrue;
}

std::string UserLanguage() {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') continue;
    std::string_view language(value);
    if (language == "C" || language == "POSIX") return {};
    return std::string(language);
  }
  return {};
}

std::vector<std::string> ResourceModuleCandidates(std::string_view moduleName,
                                                  std::string_view language) {
  language = language.substr(0, language.find_first_of(".@"));
  std::string_view lang = language.substr(0, language.find('_'));
  if (lang.empty()) return {};
  std::filesystem::path base(moduleName);
  base.replace_extension();
  std::vector<std::string> out;
  if (std::size_t underscore = language.find('_');
      underscore != std::string_view::npos && underscore + 1 < language.size())
    out.push_back(base.string() + "." + Lower(lang) + "_" + Upper(language.substr(underscore + 1)));
  out.push_back(base.string() + "." + Lower(lang));
  return out;
}

HINSTANCE LoadResourceModule(const char* moduleName) {
  HINSTANCE found = nullptr;
  for (const std::string& candidate : ResourceModuleCandidates(moduleName, UserLanguage())) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(candidate, ec)) continue;
    found = Windows::LoadLibraryA(candidate.c_str());
    if (found != nullptr) break;
  }
  Windows::TraceLoaderCall({"LoadResourceModule", found, moduleName, 0});
  return found;
}

}  // namespace SysInit
