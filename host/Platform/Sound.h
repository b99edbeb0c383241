// The sound service: plays one sound at a time in the background, for PlaySoundA.
//
// A new sound replaces the one the program started before; Stop ends it. The
// system service plays through SDL2 audio on a device opened on first use; where
// there is no audio device it plays nothing and says nothing. Tests install a
// recording service instead, which keeps each request and plays nothing.
//
// The host's own sounds (its configured event sounds and the default beep) are
// synthesized in memory as 16-bit mono waves.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace Platform {

struct TWave {
  int Rate = 22050;
  std::vector<std::int16_t> Samples;  // mono
};

// The name the default sound goes by among the configured sounds.
inline constexpr std::string_view kDefaultSoundName = ".Default";

// The configured sound named `name` (case-insensitive), or null.
const TWave* ConfiguredSound(std::string_view name);
// The host's default sound: a short beep.
const TWave& DefaultSound();

// Wave files larger than this are not played.
inline constexpr std::uintmax_t kMaxWaveFileSize = std::uintmax_t{64} << 20;

class TSoundService {
 public:
  virtual ~TSoundService() = default;
  // Ends the sound the program started, if one still plays.
  virtual void Stop() = 0;
  // Plays a wave file (a native path) once; false when it is no wave file the
  // service can play.
  virtual bool PlayFile(const std::string& path) = 0;
  // Plays one of the host's own sounds, known by `name`.
  virtual void PlayWave(const std::string& name, const TWave& wave) = 0;
};

// The service in use; never null.
TSoundService& SoundService();
// Installs `service` (not owned; it must outlive its use) or, given null, the system's.
void UseSoundService(TSoundService* service);

struct TSoundRequest {
  enum class TKind { Stop, File, Wave };
  TKind Kind = TKind::Stop;
  std::string Name;  // the file's path, or the host sound's name
  friend bool operator==(const TSoundRequest&, const TSoundRequest&) = default;
};

class TRecordingSoundService final : public TSoundService {
 public:
  void Stop() override { FRequests.push_back({TSoundRequest::TKind::Stop, {}}); }
  // Records the request; the answer is FilesPlay.
  bool PlayFile(const std::string& path) override;
  void PlayWave(const std::string& name, const TWave&) override {
    FRequests.push_back({TSoundRequest::TKind::Wave, name});
  }

  const std::vector<TSoundRequest>& Requests() const { return FRequests; }
  void Clear() { FRequests.clear(); }
  // Whether PlayFile reports success, as if every file were a wave file.
  bool FilesPlay = true;

 private:
  std::vector<TSoundRequest> FRequests;
};

}  // namespace Platform
