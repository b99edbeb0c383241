// Wave files as the host's 16-bit mono waves: read through SDL2 (any format it
// knows, channels mixed down, the file's own rate kept) and written as PCM.
#pragma once

#include <optional>
#include <string>

#include "Platform/Sound.h"

namespace Platform {

// None when the file is missing, larger than kMaxWaveFileSize, or no wave file.
std::optional<TWave> ReadWaveFile(const std::string& path);

// Writes a 16-bit mono PCM wave file; raises SysUtils::Exception with the
// system's reason ("Cannot create out/x.wav: No such file or directory").
void WriteWaveFile(const TWave& wave, const std::string& path);

}  // namespace Platform
