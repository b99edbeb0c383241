// MMSystem: the platform's PlaySoundA, over the host's sound service.
//
// PlaySoundA(name, 0, flags) plays one sound in the background and returns at once;
// a new sound replaces the one the program started before, and a null name stops
// it. Without SND_FILENAME a name is first looked up among the configured sounds
// (the platform's event names, "SystemAsterisk" and the like); without SND_ALIAS it
// is then taken as a wave file, "\" and "/" both separating folders. A sound found
// nowhere plays the default sound, unless SND_NODEFAULT. Every sound plays
// asynchronously, SND_SYNC included, and once: SND_LOOP and SND_NOSTOP are not
// honoured. Sounds in memory, in resources or by alias number are not supported and
// give FALSE.
#pragma once

#include <cstdint>

#include "Windows.h"

namespace MMSystem {

using Windows::BOOL;
using DWORD = std::uint32_t;
using HMODULE = void*;

inline constexpr BOOL kFalse = 0, kTrue = 1;

inline constexpr DWORD SND_SYNC = 0x0000;
inline constexpr DWORD SND_ASYNC = 0x0001;
inline constexpr DWORD SND_NODEFAULT = 0x0002;
inline constexpr DWORD SND_MEMORY = 0x0004;
inline constexpr DWORD SND_LOOP = 0x0008;
inline constexpr DWORD SND_NOSTOP = 0x0010;
inline constexpr DWORD SND_PURGE = 0x0040;
inline constexpr DWORD SND_APPLICATION = 0x0080;
inline constexpr DWORD SND_NOWAIT = 0x00002000;
inline constexpr DWORD SND_ALIAS = 0x00010000;
inline constexpr DWORD SND_ALIAS_ID = 0x00110000;
inline constexpr DWORD SND_FILENAME = 0x00020000;
inline constexpr DWORD SND_RESOURCE = 0x00040004;

// TRUE when the sound (or the default sound in its place) was started, or a stop
// was asked for.
BOOL PlaySoundA(const char* sound, HMODULE module, DWORD flags);

}  // namespace MMSystem
