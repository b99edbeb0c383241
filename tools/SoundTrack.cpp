#include "SoundTrack.h"

#include <algorithm>
#include <optional>

#include "Platform/WaveFile.h"

namespace Tools {

namespace {

using Platform::TSoundRequest;

// The wave a request plays; none for a stop or a file that is no wave file.
std::optional<Platform::TWave> WaveOf(const TSoundRequest& request) {
  switch (request.Kind) {
    case TSoundRequest::TKind::File:
      return Platform::ReadWaveFile(request.Name);
    case TSoundRequest::TKind::Wave: {
      const Platform::TWave* configured = Platform::ConfiguredSound(request.Name);
      return configured ? *configured : Platform::DefaultSound();
    }
    case TSoundRequest::TKind::Stop:
      break;
  }
  return std::nullopt;
}

std::size_t SampleAt(std::int64_t ms, int rate) {
  return static_cast<std::size_t>(std::max<std::int64_t>(ms, 0) * rate / 1000);
}

}  // namespace

Platform::TWave SoundTrack(const std::vector<Forms::TTimedSound>& sounds, std::int64_t endMs,
                           int rate) {
  Platform::TWave track{rate, std::vector<std::int16_t>(SampleAt(endMs, rate), 0)};
  for (std::size_t i = 0; i < sounds.size(); ++i) {
    const std::optional<Platform::TWave> wave = WaveOf(sounds[i].Request);
    if (!wave || wave->Samples.empty()) continue;
    const std::size_t from = std::min(SampleAt(sounds[i].AtMs, rate), track.Samples.size());
    const std::size_t cut =
        i + 1 < sounds.size() ? SampleAt(sounds[i + 1].AtMs, rate) : track.Samples.size();
    const std::size_t to = std::min(cut, track.Samples.size());
    for (std::size_t k = from; k < to; ++k) {
      const auto source = static_cast<std::size_t>(static_cast<std::uint64_t>(k - from) *
                                                   static_cast<std::uint64_t>(wave->Rate) /
                                                   static_cast<std::uint64_t>(rate));
      if (source >= wave->Samples.size()) break;
      track.Samples[k] = wave->Samples[source];
    }
  }
  return track;
}

}  // namespace Tools
