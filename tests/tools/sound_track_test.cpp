// The sound track render writes: sounds at their virtual times, each cut by the next.
#include <gtest/gtest.h>

#include <filesystem>

#include "Platform/WaveFile.h"
#include "Render.h"
#include "SoundTrack.h"
#include "support/TempFolder.h"

namespace {

namespace fs = std::filesystem;
using Kind = Platform::TSoundRequest::TKind;

// At 1000 samples a second a millisecond is one sample.
constexpr int kRate = 1000;

TEST(SoundTrack, EachSoundStartsAtItsTimeAndTheNextCutsIt) {
  const Platform::TWave& beep = Platform::DefaultSound();  // 150 ms at 22050
  const std::vector<Forms::TTimedSound> sounds{
      {10, {Kind::Wave, ".Default"}},
      {100, {Kind::Wave, ".Default"}},  // starts again from its beginning
      {130, {Kind::Stop, {}}},
      {300, {Kind::Wave, ".Default"}},  // runs past the end of the span
      {400, {Kind::File, "/no/such.wav"}},
  };
  const Platform::TWave track = Tools::SoundTrack(sounds, 320, kRate);
  ASSERT_EQ(track.Samples.size(), 320u);
  auto beepAt = [&](int ms) {
    return beep.Samples[static_cast<std::size_t>(ms * beep.Rate / kRate)];
  };
  const std::vector<std::pair<int, std::int16_t>> expected{
      {0, 0},           {9, 0},           {10, beepAt(0)},   {50, beepAt(40)},
      {99, beepAt(89)}, {100, beepAt(0)}, {129, beepAt(29)}, {130, 0},
      {299, 0},         {300, beepAt(0)}, {319, beepAt(19)},
  };
  for (const auto& [at, sample] : expected)
    EXPECT_EQ(track.Samples[static_cast<std::size_t>(at)], sample) << at << " ms";
}

TEST(SoundTrack, AWaveFileReadsBackAsWritten) {
  const TestSupport::TTempFolder temp;
  const fs::path file = temp.Path() / "sound_track_round.wav";
  const Platform::TWave wave{8000, {0, 1, -1, 32767, -32768, 1234}};
  Platform::WriteWaveFile(wave, file.string());
  const std::optional<Platform::TWave> back = Platform::ReadWaveFile(file.string());
  ASSERT_TRUE(back);
  EXPECT_EQ(back->Rate, 8000);
  EXPECT_EQ(back->Samples, wave.Samples);
  EXPECT_FALSE(Platform::ReadWaveFile(temp.File("none.wav")));
}

// The bundled demo's film starts its sound when the application starts it: the
// track holds the film's wave from that moment, and silence after it.
TEST(SoundTrack, RenderWritesTheFilmsSoundAtItsStart) {
  const TestSupport::TTempFolder temp;
  const fs::path& dir = temp.Path();
  const std::string demo = std::string(TOLLEN_SOURCE_ROOT) + "/examples/demo.form";
  Tools::Render(Tools::ParseRenderOptions({demo, "--start", "--at", "10:00", "--seconds", "2", "-o",
                                           (dir / "sound_track.gif").string(), "--sound",
                                           (dir / "sound_track.wav").string()}));
  const std::optional<Platform::TWave> track =
      Platform::ReadWaveFile((dir / "sound_track.wav").string());
  const std::optional<Platform::TWave> film =
      Platform::ReadWaveFile(std::string(TOLLEN_SOURCE_ROOT) + "/examples/film/tol.wav");
  ASSERT_TRUE(track && film);
  ASSERT_EQ(track->Rate, film->Rate);
  ASSERT_EQ(track->Samples.size(), static_cast<std::size_t>(2 * track->Rate));
  ASSERT_LT(film->Samples.size(), track->Samples.size());
  EXPECT_TRUE(std::equal(film->Samples.begin(), film->Samples.end(), track->Samples.begin()));
  EXPECT_TRUE(
      std::all_of(track->Samples.begin() + static_cast<std::ptrdiff_t>(film->Samples.size()),
                  track->Samples.end(), [](std::int16_t s) { return s == 0; }));
}

}  // namespace
