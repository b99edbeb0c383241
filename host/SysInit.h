// SysInit: the module list and the work of a library's entry point.
//
// Every library of this host (the host itself, each package) keeps one static
// TLibModule and hands it to LibraryEntry from the platform loader's load and
// unload hooks (constructor and destructor functions):
//
//   attach  GetModuleFileNameA(own handle) into 261 characters, LoadResourceModule
//           with that path, the found handle (or the library's own) as ResInstance,
//           RegisterModule;
//   detach  UnregisterModule, then FreeLibrary of ResInstance when a resource
//           module was found (it differs from the library's own handle);
//   thread attach and detach do nothing. The result is always true, all bits set.
//
// The code lives in vcl40, but each library passes its own record and its own
// instance variable, so the work is done as if each had its own copy of the unit.
//
// Each step reports to the loader trace (Windows::SetLoaderTrace).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Windows.h"

namespace SysInit {

using Windows::BOOL;
using Windows::DWORD;
using Windows::HINSTANCE;

// One per loaded library, a static of the library, in the host's list for the
// library's whole life.
struct TLibModule {
  TLibModule* Next = nullptr;        // kept by the host
  HINSTANCE Instance = nullptr;      // the library's own module handle
  HINSTANCE CodeInstance = nullptr;  // 0
  HINSTANCE DataInstance = nullptr;  // 0
  HINSTANCE ResInstance = nullptr;   // the resource module found at load, else Instance
  std::intptr_t Reserved = 0;        // 0
};

// Puts `module` at the head of the list; a record already listed stays where it is.
void RegisterModule(TLibModule* module);
// Takes `module` out of the list; one that is not listed is left alone.
void UnregisterModule(TLibModule* module);
TLibModule* LibModuleList();
// The registered record of `instance`, or null.
TLibModule* FindModule(HINSTANCE instance);
// Where the resources of `instance` are looked up: its record's ResInstance, or
// `instance` itself when it has no record.
HINSTANCE FindResourceHInstance(HINSTANCE instance);

// The entry point's result: true with all bits set.
inline constexpr BOOL kEntryTrue = -1;
inline constexpr DWORD kModuleFileNameSize = Windows::MAX_PATH + 1;

// The work of a library's entry point, as described above. `ownInstance` is the
// library's own instance variable (its HInstance).
BOOL LibraryEntry(TLibModule& module, HINSTANCE& ownInstance, HINSTANCE instance, DWORD reason,
                  void* reserved);

// Looks for a resource library that belongs to the library file `moduleName`, in
// the user's language, and loads it (LoadLibraryA); 0 when there is none.
//
// The language is the first of LC_ALL, LC_MESSAGES and LANG that is set and not
// empty, written ll[_CC][.codeset][@modifier]; "C" and "POSIX" name none. The
// candidates are the file's path without its extension followed by "." and
// ll_CC, then by "." and ll (language in small letters, country in capitals):
// for "/opt/Tollenspiegel.bpl" and LANG=nl_NL.UTF-8, "/opt/Tollenspiegel.nl_NL"
// and then "/opt/Tollenspiegel.nl". The first that loads is taken.
HINSTANCE LoadResourceModule(const char* moduleName);
std::vector<std::string> ResourceModuleCandidates(std::string_view moduleName,
                                                  std::string_view language);
std::string UserLanguage();  // the setting LoadResourceModule reads, "" for none

}  // namespace SysInit
