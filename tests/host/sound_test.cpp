// PlaySoundA over the sound service: stopping, the configured names, wave files
// by either separator, the default sound and the flags that change the look-up;
// and the SDL service, which must stay silent without an audio device.
#include "Platform/Sound.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "MMSystem.h"
#include "Platform/WaveFile.h"
#include "support/Sound.h"
#include "support/TempFolder.h"

namespace {

namespace fs = std::filesystem;
using namespace MMSystem;
using Platform::TSoundRequest;
using TKind = Platform::TSoundRequest::TKind;
using TRequests = std::vector<TSoundRequest>;

using TRecorded = TestSupport::TRecordedSound;

// A short, valid wave file: 16-bit mono PCM at 8000 Hz.
void WriteWave(const std::string& path, int samples = 800) {
  Platform::TWave wave;
  wave.Rate = 8000;
  for (int i = 0; i < samples; ++i)
    wave.Samples.push_back(static_cast<std::int16_t>(i * 40 % 4000));
  Platform::WriteWaveFile(wave, path);
}

TEST(PlaySound, ANullNameStopsTheProgramsSound) {
  TRecorded r;
  EXPECT_EQ(PlaySoundA(nullptr, nullptr, SND_ASYNC), kTrue);
  EXPECT_EQ(PlaySoundA("SystemStart", nullptr, SND_PURGE), kTrue);
  EXPECT_EQ(r.Service.Requests(), (TRequests{{TKind::Stop, {}}, {TKind::Stop, {}}}));
}

TEST(PlaySound, ANameIsAConfiguredSoundThenAFileThenTheDefault) {
  TRecorded r;
  TestSupport::TTempFolder dir;
  std::string file = (dir.Path() / "tol.wav").string();
  WriteWave(file);
  std::string written = dir.Path().string() + "\\tol.wav";  // the platform's separator
  EXPECT_EQ(PlaySoundA("systemasterisk", nullptr, SND_ASYNC), kTrue);
  EXPECT_EQ(PlaySoundA(written.c_str(), nullptr, SND_ASYNC), kTrue);
  EXPECT_EQ(PlaySoundA("geen.wav", nullptr, SND_ASYNC), kTrue);
  EXPECT_EQ(
      r.Service.Requests(),
      (TRequests{{TKind::Wave, "systemasterisk"}, {TKind::File, file}, {TKind::Wave, ".Default"}}));
}

TEST(PlaySound, FlagsNarrowTheLookUpAndCanForbidTheDefault) {
  TRecorded r;
  TestSupport::TTempFolder dir;
  std::string file = (dir.Path() / "SystemHand").string();
  WriteWave(file);
  std::string cwd = fs::current_path().string();
  fs::current_path(dir.Path());
  EXPECT_EQ(PlaySoundA("SystemHand", nullptr, SND_ASYNC | SND_FILENAME), kTrue);
  EXPECT_EQ(PlaySoundA("SystemHand", nullptr, SND_ASYNC), kTrue);  // the name wins
  fs::current_path(cwd);
  EXPECT_EQ(PlaySoundA(file.c_str(), nullptr, SND_ASYNC | SND_ALIAS | SND_NODEFAULT), kFalse);
  EXPECT_EQ(PlaySoundA("geen", nullptr, SND_ASYNC | SND_NODEFAULT), kFalse);
  EXPECT_EQ(PlaySoundA(dir.Path().string().c_str(), nullptr, SND_NODEFAULT), kFalse);  // a folder
  r.Service.FilesPlay = false;  // a file that is no wave: the default instead
  EXPECT_EQ(PlaySoundA(file.c_str(), nullptr, SND_ASYNC), kTrue);
  // Sounds from memory, resources or by number are not supported.
  EXPECT_EQ(PlaySoundA("x", nullptr, SND_MEMORY), kFalse);
  EXPECT_EQ(PlaySoundA("x", nullptr, SND_RESOURCE), kFalse);
  EXPECT_EQ(PlaySoundA("x", nullptr, SND_ALIAS_ID), kFalse);
  EXPECT_EQ(r.Service.Requests(), (TRequests{{TKind::File, "SystemHand"},
                                             {TKind::Wave, "SystemHand"},
                                             {TKind::File, file},
                                             {TKind::Wave, ".Default"}}));
}

TEST(PlaySound, TheHostsOwnSoundsAreShortAndAudible) {
  const Platform::TWave& beep = Platform::DefaultSound();
  EXPECT_GT(beep.Samples.size(), 1000U);
  EXPECT_LT(beep.Samples.size(), static_cast<std::size_t>(beep.Rate));  // under a second
  EXPECT_GT(*std::max_element(beep.Samples.begin(), beep.Samples.end()), 8000);
  ASSERT_NE(Platform::ConfiguredSound(".default"), nullptr);
  EXPECT_EQ(Platform::ConfiguredSound(".default")->Samples, beep.Samples);
  EXPECT_NE(Platform::ConfiguredSound("SystemExit"), nullptr);
  EXPECT_EQ(Platform::ConfiguredSound("SystemExit "), nullptr);
}

// The system service, on SDL's dummy driver (or none, where that is missing):
// files are read and judged, and nothing is heard or said.
TEST(SdlSound, PlaysWaveFilesSilentlyWithoutARealDevice) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  TestSupport::TTempFolder dir;
  std::string good = (dir.Path() / "good.wav").string();
  std::string bad = (dir.Path() / "bad.wav").string();
  WriteWave(good);
  std::ofstream(bad) << "RIFF....WAVEfmt nonsense";
  Platform::TSoundService& sdl = Platform::SoundService();
  testing::internal::CaptureStderr();
  EXPECT_TRUE(sdl.PlayFile(good));
  EXPECT_FALSE(sdl.PlayFile(bad));
  EXPECT_FALSE(sdl.PlayFile((dir.Path() / "none.wav").string()));
  sdl.PlayWave(".Default", Platform::DefaultSound());
  sdl.Stop();
  EXPECT_EQ(PlaySoundA(good.c_str(), nullptr, SND_ASYNC), kTrue);
  EXPECT_EQ(PlaySoundA(nullptr, nullptr, SND_ASYNC), kTrue);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

}  // namespace
