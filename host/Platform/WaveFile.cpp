#include "Platform/WaveFile.h"

#include <SDL.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "LittleEndian.h"
#include "SysUtils.h"

namespace Platform {

namespace {

// The 44-byte header of a PCM wave file: RIFF, "fmt " and the data chunk's head.
std::vector<std::uint8_t> PcmHeader(int rate, std::uint32_t dataBytes) {
  std::vector<std::uint8_t> header;
  auto put = [&](std::uint32_t value, int bytes) {
    bytes == 2 ? LittleEndian::Write16(header, value) : LittleEndian::Write32(header, value);
  };
  auto tag = [&](const char* fourCc) { header.insert(header.end(), fourCc, fourCc + 4); };
  const auto byteRate = static_cast<std::uint32_t>(rate) * 2;
  tag("RIFF");
  put(36 + dataBytes, 4);
  tag("WAVE");
  tag("fmt ");
  put(16, 4);  // the format chunk's size
  put(1, 2);   // PCM
  put(1, 2);   // mono
  put(static_cast<std::uint32_t>(rate), 4);
  put(byteRate, 4);
  put(2, 2);   // bytes a sample
  put(16, 2);  // bits a sample
  tag("data");
  put(dataBytes, 4);
  return header;
}

}  // namespace

std::optional<TWave> ReadWaveFile(const std::string& path) {
  std::error_code error;
  if (std::filesystem::file_size(path, error) > kMaxWaveFileSize || error) return std::nullopt;
  SDL_AudioSpec spec{};
  Uint8* data = nullptr;
  Uint32 length = 0;
  if (SDL_LoadWAV(path.c_str(), &spec, &data, &length) == nullptr) return std::nullopt;
  SDL_AudioStream* stream =
      SDL_NewAudioStream(spec.format, spec.channels, spec.freq, AUDIO_S16SYS, 1, spec.freq);
  std::optional<TWave> wave;
  if (stream != nullptr && SDL_AudioStreamPut(stream, data, static_cast<int>(length)) == 0 &&
      SDL_AudioStreamFlush(stream) == 0) {
    wave = TWave{spec.freq, {}};
    wave->Samples.resize(static_cast<std::size_t>(SDL_AudioStreamAvailable(stream)) / 2);
    const int got = SDL_AudioStreamGet(stream, wave->Samples.data(),
                                       static_cast<int>(wave->Samples.size() * 2));
    wave->Samples.resize(static_cast<std::size_t>(std::max(0, got)) / 2);
  }
  if (stream != nullptr) SDL_FreeAudioStream(stream);
  SDL_FreeWAV(data);
  return wave;
}

void WriteWaveFile(const TWave& wave, const std::string& path) {
  std::ofstream out(path, std::ios::binary);
  if (!out) throw SysUtils::Exception("Cannot create " + path + ": " + std::strerror(errno));
  const auto dataBytes = static_cast<std::uint32_t>(wave.Samples.size() * 2);
  std::vector<std::uint8_t> bytes = PcmHeader(wave.Rate, dataBytes);
  bytes.reserve(bytes.size() + dataBytes);
  for (std::int16_t sample : wave.Samples)
    LittleEndian::Write16(bytes, static_cast<std::uint16_t>(sample));
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw SysUtils::Exception("Cannot write " + path + ": " + std::strerror(errno));
}

}  // namespace Platform
