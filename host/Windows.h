// The platform's library calls over the dynamic loader, with their contracts, and
// the loader trace. (The drawing calls made by name are in WinGdi.h.)
//
// Libraries: a module handle (HMODULE, HINSTANCE) is the address the library is
// mapped at, as on the platform, so a library finds its own handle from any of
// its addresses (dladdr) while it is still being loaded. Besides its real dynamic
// symbols a library may publish one data symbol, TollenModuleDirectory (a
// TModuleDirectory), holding an export directory and a resource directory:
// exports under names the dynamic linker cannot carry ("@" marks a symbol version
// there) and resources looked up by type, name and language.
//
// Observing the loader: SetLoaderTrace installs a handler that sees every call of
// the loader interface (the library calls here, and above them the entry point,
// the module list and unit initialisation) in the order they happen. Tests read
// it; nothing else depends on it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace Windows {

using BOOL = int;
using LONG = std::int32_t;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using LPSTR = char*;
using LPCSTR = const char*;
using LPVOID = void*;

// ---- libraries ----

struct HINSTANCE__;
using HINSTANCE = HINSTANCE__*;
using HMODULE = HINSTANCE;
using FARPROC = void (*)();  // code and data exports alike; cast to what the name holds

inline constexpr DWORD MAX_PATH = 260;

// The reasons a library entry point is called with.
inline constexpr DWORD DLL_PROCESS_DETACH = 0, DLL_PROCESS_ATTACH = 1, DLL_THREAD_ATTACH = 2,
                       DLL_THREAD_DETACH = 3;

// Languages: primary language in the low 10 bits, sublanguage above.
constexpr WORD MAKELANGID(WORD primary, WORD sub) {
  return static_cast<WORD>((sub << 10) | primary);
}
inline constexpr WORD LANG_NEUTRAL = 0x00, LANG_DUTCH = 0x13;
inline constexpr WORD SUBLANG_NEUTRAL = 0x00, SUBLANG_DUTCH = 0x01;

// A resource type or name: a number, or a text compared without regard to case.
struct TResourceId {
  WORD Id = 0;                 // non-zero: a numbered resource
  const char* Text = nullptr;  // otherwise its name

  // Implicit, as the platform's MAKEINTRESOURCE and resource names are.
  constexpr TResourceId(WORD id) : Id(id) {}               // NOLINT
  constexpr TResourceId(const char* text) : Text(text) {}  // NOLINT

  // The name, or "#" and the number.
  std::string ToString() const;
};
inline constexpr TResourceId RT_BITMAP{WORD{2}}, RT_ICON{WORD{3}}, RT_RCDATA{WORD{10}},
    RT_GROUP_ICON{WORD{14}};

// One resource of a module's resource directory.
struct TResourceEntry {
  TResourceId Type;
  TResourceId Name;
  WORD Language = 0;
  std::span<const BYTE> Data;
};
using HRSRC = const TResourceEntry*;
using HGLOBAL = const void*;

// One export: its exact name and how to reach its address (class references and
// type information exist only once built, so every address is asked for).
struct TExportEntry {
  const char* Name;
  FARPROC (*Address)();
};
using TExportTable = std::span<const TExportEntry>;

// What a library publishes under kModuleDirectorySymbol. Exports come in tables,
// one per unit, so that each unit contributes its own list.
struct TModuleDirectory {
  DWORD Signature = 0;  // kModuleDirectorySignature
  std::span<const TExportTable* const> Exports;
  std::span<const TResourceEntry> Resources;
};
inline constexpr char kModuleDirectorySymbol[] = "TollenModuleDirectory";
inline constexpr DWORD kModuleDirectorySignature = 0x4D44'4C54;  // "TLDM"

// The full path of `module` (the program's when null) into `buffer` of `size`
// characters, always ended by a zero: the length written, or `size` when the path
// was cut to size - 1 characters; 0 for a handle that is no loaded module.
DWORD GetModuleFileNameA(HMODULE module, LPSTR buffer, DWORD size);
// Maps a library (a relative path is taken from the current folder, a bare name
// is searched for as the dynamic loader does); null when it cannot be loaded,
// LastLoadError() then says why. Each call must be matched by a FreeLibrary.
HMODULE LoadLibraryA(LPCSTR fileName);
// Undoes one LoadLibraryA of `module`; the library goes when the last one is
// undone. 0 for a module this process did not load with LoadLibraryA.
BOOL FreeLibrary(HMODULE module);
std::string LastLoadError();

// The export `name` of `module`: its export directory first, then its own dynamic
// symbols (never one of a library it depends on); null when it has none.
FARPROC GetProcAddress(HMODULE module, LPCSTR name);

// The directory `module` publishes, or null.
const TModuleDirectory* ModuleDirectory(HMODULE module);
// Every export of the directory, in the order of its tables.
std::vector<TExportEntry> ModuleExports(HMODULE module);

// Resource look-up in the directory of `module`: FindResourceA takes the first
// entry of that name and type in any language, FindResourceExA only the given
// language. Null when there is none.
HRSRC FindResourceA(HMODULE module, TResourceId name, TResourceId type);
HRSRC FindResourceExA(HMODULE module, TResourceId type, TResourceId name, WORD language);
DWORD SizeofResource(HMODULE module, HRSRC resource);
HGLOBAL LoadResource(HMODULE module, HRSRC resource);
const void* LockResource(HGLOBAL data);

// ---- the loader trace ----

struct TLoaderCall {
  std::string Call;              // "LibraryEntry", "RegisterModule", "FreeLibrary", ...
  const void* Handle = nullptr;  // the module (or, for units, nothing)
  std::string Text;              // a path, an export or unit name, a reason
  long Value = 0;                // a reason, or a unit's count after the call
};
using TLoaderTrace = std::function<void(const TLoaderCall&)>;

// Installs `trace` (empty: none) and returns the one it replaces.
TLoaderTrace SetLoaderTrace(TLoaderTrace trace);
void TraceLoaderCall(TLoaderCall call);

}  // namespace Windows
