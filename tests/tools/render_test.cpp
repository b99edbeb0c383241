// The render tool: options, determinism, and timing of animations.
#include "Render.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "FormFiles.h"
#include "GifReader.h"
#include "Tollenspiegel.h"
#include "support/TempFolder.h"

namespace {

std::string Bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(RenderOptions, ParsesFlagsAndRefusesNonsense) {
  auto o = Tools::ParseRenderOptions(
      {"my.form", "-o", "x.gif", "--at", "10:09:30", "--seconds", "2.5", "--fps", "10", "--start"});
  EXPECT_EQ(o.FormPath, "my.form");
  EXPECT_EQ(o.Output, "x.gif");
  EXPECT_EQ(o.AtMsOfDay, (10 * 3600 + 9 * 60 + 30) * 1000);
  EXPECT_DOUBLE_EQ(o.Seconds, 2.5);
  EXPECT_EQ(o.Fps, 10);
  EXPECT_TRUE(o.Start);
  EXPECT_EQ(Tools::ParseTimeOfDay("7:05"), (7 * 3600 + 5 * 60) * 1000);
  for (auto bad : std::vector<std::vector<std::string>>{{"--at", "25:00"},
                                                        {"--at", "noon"},
                                                        {"--fps", "0"},
                                                        {"--seconds", "-1"},
                                                        {"--fps"},
                                                        {"--fps", "100.5"},
                                                        {"--seconds", "0.01", "--fps", "1"},
                                                        {"-o", "x.jpg"},
                                                        {"--wobble"},
                                                        {"a.form", "b.form"}})
    EXPECT_THROW(Tools::ParseRenderOptions(bad), SysUtils::Exception) << bad[0];
}

TEST(Render, TheDemoGivesTheSameBytesAtTheSameTime) {
  const TestSupport::TTempFolder temp;
  std::string a = temp.File("tollen_render_a.png"), b = temp.File("tollen_render_b.png");
  Tools::TRenderOptions o;
  o.FormPath = Tools::DemoFormPath();
  o.AtMsOfDay = Tools::ParseTimeOfDay("10:09:30");
  o.Output = a;
  ASSERT_EQ(Tools::Render(o), 0);
  o.Output = b;
  ASSERT_EQ(Tools::Render(o), 0);
  EXPECT_EQ(Bytes(a), Bytes(b));
  EXPECT_GT(Bytes(a).size(), 1000u);
  o.AtMsOfDay = Tools::ParseTimeOfDay("10:10:00");
  Tools::Render(o);
  EXPECT_NE(Bytes(a), Bytes(b));
}

// A clock with seconds changes once a second: 25 frames a second for two seconds
// are stored as the frames where the picture changed, their delays adding up.
TEST(Render, AnAnimationKeepsRealTime) {
  const TestSupport::TTempFolder temp;
  std::string form = temp.File("tollen_clock.form");
  std::ofstream(form) << "object F: TForm\n Width = 80\n Height = 80\n"
                         " object K: TVormKlok\n  Width = 80\n  Height = 80\n  Seconde = True\n"
                         " end\nend\n";
  Tools::TRenderOptions o;
  o.FormPath = form;
  o.Output = temp.File("tollen_clock.gif");
  o.AtMsOfDay = Tools::ParseTimeOfDay("10:09:30") + 500;
  o.Seconds = 2;
  o.Fps = 25;
  ASSERT_EQ(Tools::Render(o), 0);
  auto frames = TestSupport::ReadGif(o.Output);
  ASSERT_EQ(frames.size(), 2u);  // the start, and the tick at 1 s (the one at 2 s is after)
  int total = 0;
  for (const auto& f : frames) total += f.DelayCs;
  EXPECT_EQ(total, 200);
  EXPECT_EQ(frames[0].DelayCs, 100);  // the first tick comes a second after loading
}

// At 12.5 frames a second a frame lasts 80 ms: the clock's tick at 1 s shows in
// the frame at 1.04 s, and the delays still add up to the time rendered.
TEST(Render, AFractionalRateKeepsTheTotalTime) {
  const TestSupport::TTempFolder temp;
  std::string form = temp.File("tollen_rate.form");
  std::ofstream(form) << "object F: TForm\n Width = 40\n Height = 40\n"
                         " object K: TVormKlok\n  Width = 40\n  Height = 40\n  Seconde = True\n"
                         " end\nend\n";
  auto o = Tools::ParseRenderOptions({form, "-o", temp.File("tollen_rate.gif"), "--at", "10:00",
                                      "--seconds", "2.5", "--fps", "12.5"});
  ASSERT_EQ(Tools::Render(o), 0);
  auto frames = TestSupport::ReadGif(o.Output);
  ASSERT_FALSE(frames.empty());
  EXPECT_EQ(frames[0].DelayCs, 104);
  int total = 0;
  for (const auto& f : frames) total += f.DelayCs;
  EXPECT_EQ(total, 250);
}

TEST(Render, AFormFileThatIsNotAFormIsRefused) {
  const TestSupport::TTempFolder temp;
  std::string path = temp.File("tollen_not_form.form");
  std::ofstream(path) << "object T: TTimer\nend\n";
  EXPECT_THROW(Tollenspiegel::LoadForm(path), SysUtils::Exception);
}

}  // namespace
