// The library entry point, called from the platform loader's load and unload
// hooks, with the package's module record.
#include <dlfcn.h>

#include "PackageInfo.h"
#include "SysInit.h"

namespace Tollenspiegel {

namespace {

constinit SysInit::TLibModule gModule;
constinit Windows::HINSTANCE gHInstance = nullptr;  // the package's own instance

Windows::HINSTANCE OwnHandle() {
  Dl_info info{};
  dladdr(reinterpret_cast<const void*>(&OwnHandle), &info);
  return static_cast<Windows::HINSTANCE>(info.dli_fbase);
}

[[gnu::constructor]] void Loaded() {
  DllEntryPoint(OwnHandle(), Windows::DLL_PROCESS_ATTACH, nullptr);
}

[[gnu::destructor]] void Unloaded() {
  DllEntryPoint(gHInstance, Windows::DLL_PROCESS_DETACH, nullptr);
}

}  // namespace

Windows::BOOL DllEntryPoint(Windows::HINSTANCE instance, Windows::DWORD reason,
                            Windows::LPVOID reserved) {
  return SysInit::LibraryEntry(gModule, gHInstance, instance, reason, reserved);
}

}  // namespace Tollenspiegel
