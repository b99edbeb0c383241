#include "MMSystem.h"

#include <string>

#include "Platform/Sound.h"
#include "SysUtils.h"

namespace MMSystem {

namespace {

bool Has(DWORD flags, DWORD flag) { return (flags & flag) == flag; }

bool PlayConfigured(const std::string& name) {
  const Platform::TWave* wave = Platform::ConfiguredSound(name);
  if (wave == nullptr) return false;
  Platform::SoundService().PlayWave(name, *wave);
  return true;
}

bool PlayFile(const std::string& name) {
  if (SysUtils::FileExists(name))
    return Platform::SoundService().PlayFile(SysUtils::NativePath(name));
  SysUtils::ReportMissingFile(name);
  return false;
}

}  // namespace

BOOL PlaySoundA(const char* sound, HMODULE, DWORD flags) {
  Platform::TSoundService& service = Platform::SoundService();
  if (sound == nullptr) {
    service.Stop();
    return kTrue;
  }
  if (Has(flags, SND_RESOURCE) || Has(flags, SND_MEMORY) || Has(flags, SND_ALIAS_ID)) return kFalse;
  if (Has(flags, SND_PURGE)) {
    service.Stop();
    return kTrue;
  }
  const std::string name(sound);
  if (!Has(flags, SND_FILENAME) && PlayConfigured(name)) return kTrue;
  if (!Has(flags, SND_ALIAS) && PlayFile(name)) return kTrue;
  if (Has(flags, SND_NODEFAULT)) return kFalse;
  service.PlayWave(std::string(Platform::kDefaultSoundName), Platform::DefaultSound());
  return kTrue;
}

}  // namespace MMSystem
