#include "Platform/Sound.h"

#include <SDL.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <filesystem>
#include <numbers>

#include "SysUtils.h"

namespace Platform {

namespace {

constexpr int kRate = 22050;

// Notes of `ms` each, one after the other, in a sine that fades in and out so it
// does not click.
TWave Tones(std::initializer_list<double> frequencies, int ms) {
  TWave wave;
  wave.Rate = kRate;
  const int perNote = kRate * ms / 1000;
  const int fade = std::max(1, perNote / 10);
  for (double f : frequencies) {
    for (int i = 0; i < perNote; ++i) {
      double envelope =
          std::min({1.0, static_cast<double>(i) / fade, static_cast<double>(perNote - i) / fade});
      double v = 0.4 * envelope * std::sin(2 * std::numbers::pi * f * i / kRate);
      wave.Samples.push_back(static_cast<std::int16_t>(std::lround(v * INT16_MAX)));
    }
  }
  return wave;
}

struct TConfigured {
  std::string_view Name;
  TWave Wave;
};

// The platform's event names, each with a sound of its own.
const std::vector<TConfigured>& ConfiguredSounds() {
  static const std::vector<TConfigured> sounds{
      {kDefaultSoundName, DefaultSound()},
      {"SystemDefault", DefaultSound()},
      {"SystemAsterisk", Tones({1046.5, 1318.5}, 90)},
      {"SystemExclamation", Tones({659.3, 659.3}, 110)},
      {"SystemHand", Tones({220.0, 207.7}, 160)},
      {"SystemQuestion", Tones({523.3, 784.0}, 110)},
      {"SystemStart", Tones({523.3, 659.3, 784.0, 1046.5}, 120)},
      {"SystemExit", Tones({1046.5, 784.0, 659.3, 523.3}, 120)},
  };
  return sounds;
}

// Plays through SDL2 audio: one device, opened on first use; a sound goes to it
// converted to the device's format, replacing whatever was still queued.
class TSdlSoundService final : public TSoundService {
 public:
  TSdlSoundService() = default;
  TSdlSoundService(const TSdlSoundService&) = delete;
  TSdlSoundService& operator=(const TSdlSoundService&) = delete;
  ~TSdlSoundService() override {
    if (FDevice != 0) SDL_CloseAudioDevice(FDevice);
    if (FInitialised) SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }

  void Stop() override {
    if (FDevice != 0) SDL_ClearQueuedAudio(FDevice);
  }

  bool PlayFile(const std::string& path) override {
    std::error_code ec;
    std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec || size > kMaxWaveFileSize) return false;
    SDL_AudioSpec spec{};
    Uint8* data = nullptr;
    Uint32 length = 0;
    if (SDL_LoadWAV(path.c_str(), &spec, &data, &length) == nullptr) return false;
    Play(spec, data, length);
    SDL_FreeWAV(data);
    return true;
  }

  void PlayWave(const std::string&, const TWave& wave) override {
    SDL_AudioSpec spec{};
    spec.freq = wave.Rate;
    spec.format = AUDIO_S16SYS;
    spec.channels = 1;
    Play(spec, reinterpret_cast<const Uint8*>(wave.Samples.data()),
         static_cast<Uint32>(wave.Samples.size() * sizeof(std::int16_t)));
  }

 private:
  // Whether a device is there to play on; tried once.
  bool Open() {
    if (FTried) return FDevice != 0;
    FTried = true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    FInitialised = true;
    // No device listed: opening one anyway only makes the drivers complain.
    if (SDL_GetNumAudioDevices(0) == 0) return false;
    SDL_AudioSpec wanted{};
    wanted.freq = 44100;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 2;
    wanted.samples = 2048;
    FDevice = SDL_OpenAudioDevice(nullptr, 0, &wanted, &FSpec, SDL_AUDIO_ALLOW_ANY_CHANGE);
    return FDevice != 0;
  }

  void Play(const SDL_AudioSpec& from, const Uint8* data, Uint32 length) {
    if (!Open() || length > static_cast<Uint32>(INT_MAX)) return;
    SDL_AudioStream* stream = SDL_NewAudioStream(from.format, from.channels, from.freq,
                                                 FSpec.format, FSpec.channels, FSpec.freq);
    if (stream == nullptr) return;
    std::vector<Uint8> converted;
    if (SDL_AudioStreamPut(stream, data, static_cast<int>(length)) == 0 &&
        SDL_AudioStreamFlush(stream) == 0) {
      converted.resize(static_cast<std::size_t>(std::max(0, SDL_AudioStreamAvailable(stream))));
      int got = SDL_AudioStreamGet(stream, converted.data(), static_cast<int>(converted.size()));
      converted.resize(static_cast<std::size_t>(std::max(0, got)));
    }
    SDL_FreeAudioStream(stream);
    SDL_ClearQueuedAudio(FDevice);
    if (converted.empty()) return;
    SDL_QueueAudio(FDevice, converted.data(), static_cast<Uint32>(converted.size()));
    SDL_PauseAudioDevice(FDevice, 0);
  }

  bool FTried = false;
  bool FInitialised = false;
  SDL_AudioDeviceID FDevice = 0;
  SDL_AudioSpec FSpec{};
};

TSoundService* installed = nullptr;

}  // namespace

const TWave& DefaultSound() {
  static const TWave beep = Tones({880.0}, 150);
  return beep;
}

const TWave* ConfiguredSound(std::string_view name) {
  for (const TConfigured& s : ConfiguredSounds())
    if (SysUtils::SameText(s.Name, name)) return &s.Wave;
  return nullptr;
}

TSoundService& SoundService() {
  static TSdlSoundService system;
  return installed ? *installed : system;
}

void UseSoundService(TSoundService* service) { installed = service; }

bool TRecordingSoundService::PlayFile(const std::string& path) {
  FRequests.push_back({TSoundRequest::TKind::File, path});
  return FilesPlay;
}

}  // namespace Platform
