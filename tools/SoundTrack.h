// The sound track of a span of virtual time: what the sound service would have
// played, as one wave that video tools can put beside the pictures.
//
// Each sound starts at its time and plays once; the next request (a new sound or
// a stop) cuts it, as the service does. Waves of another rate are resampled to
// the track's, nearest sample; a file that is no wave file stays silent.
#pragma once

#include <cstdint>
#include <vector>

#include "FormRun.h"
#include "Platform/Sound.h"

namespace Tools {

inline constexpr int kSoundTrackRate = 22050;

Platform::TWave SoundTrack(const std::vector<Forms::TTimedSound>& sounds, std::int64_t endMs,
                           int rate = kSoundTrackRate);

}  // namespace Tools
