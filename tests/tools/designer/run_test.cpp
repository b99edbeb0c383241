// Run in the designer window: the designed form as at run time on a virtual
// clock, compared with what the render command draws and writes.
#include <filesystem>
#include <fstream>

#include "Classes/Streaming.h"
#include "FormRun.h"
#include "Graphics/PictureFiles.h"
#include "Render.h"
#include "RunView.h"
#include "Tollenspiegel.h"
#include "WindowHarness.h"
#include "support/TempFolder.h"
#include "tools/GifReader.h"

namespace DesignerTest {
namespace {

namespace fs = std::filesystem;

constexpr std::int64_t kAt = Forms::TimeOfDay(10, 9, 30);

// A clock, a film started by program and a ticker, with the film's frames beside
// the form in `dir`.
std::string RunForm(const fs::path& dir) {
  fs::copy(fs::path(TOLLEN_SOURCE_ROOT) / "examples/film", dir / "film");
  std::ofstream(dir / "run.form")
      << "object RunForm: TForm\n Width = 320\n Height = 200\n Color = clTeal\n"
         " object Klok1: TVormKlok\n  Left = 8\n  Top = 8\n  Width = 160\n  Height = 160\n"
         "  Seconde = True\n end\n"
         " object Film1: TFilm\n  Left = 180\n  Top = 8\n  Width = 96\n  Height = 96\n"
         "  FilmType = LusFilm\n  Weergave = WareGrootte\n  TijdPerFrame = 40\n"
         "  Starten = Via_Programma\n  Frames.Strings = (\n   'film\\tol01.bmp'\n"
         "   'film\\tol02.bmp'\n   'film\\tol03.bmp')\n end\n"
         " object Krant1: TLichtKrant\n  Left = 8\n  Top = 172\n  Width = 300\n  Height = 20\n"
         "  AutoSize = False\n  Caption = 'a ticker on the form'\n  TijdPerStap = 100\n end\n"
         "end\n";
  return (dir / "run.form").string();
}

// The form started at 10:09:30 as an application would, `elapsedMs` later.
Graphics::TSurface Rendered(const std::string& path, std::int64_t elapsedMs) {
  Forms::TVirtualRun run(kAt);
  std::unique_ptr<Forms::TForm> form = Tollenspiegel::LoadForm(path);
  Tollenspiegel::StartAnimations(*form);
  run.RunUntil(*form, elapsedMs);
  return run.Picture(*form);
}

int Differing(const Graphics::TSurface& a, const Graphics::TSurface& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return -1;
  int differing = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) differing += a.Pixel(x, y) != b.Pixel(x, y);
  return differing;
}

class RunTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    form = RunForm(scratch.Path());
  }
  Designer::TRunView& View() { return window->RunView(); }
  Tools::TRunSession& Run() { return View().Run(); }
  // Runs the session's form paused at `msOfDay`.
  void RunAt(std::int64_t msOfDay) {
    View().Start(msOfDay);
    View().SetPlaying(false);
    Frames();
  }
  // What the window shows where the run's picture is.
  Graphics::TSurface Shown(int width, int height) {
    const Graphics::TSurface shot = window->Screenshot();
    const Types::TPoint origin = View().WindowPoint({0, 0});
    Graphics::TSurface shown(width, height);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) shown.SetPixel(x, y, shot.Pixel(origin.X + x, origin.Y + y));
    return shown;
  }

  const TestSupport::TTempFolder scratch{"designer-run"};
  std::string form;
};

TEST_F(RunTest, TheWindowShowsTheRunAsTheRendererDrawsIt) {
  const Graphics::TSurface atStart = Rendered(form, 0), later = Rendered(form, 1500);
  ASSERT_GT(Differing(atStart, later), 0) << "the form moves in 1.5 s";
  session->Open(form);
  RunAt(kAt);
  EXPECT_EQ(Differing(Shown(atStart.Width(), atStart.Height()), atStart), 0);
  Run().SeekTo(1500);
  Frames();
  EXPECT_EQ(Differing(Shown(later.Width(), later.Height()), later), 0);
}

TEST_F(RunTest, F9RunsEscapeStopsAndTheDesignedFormIsAsBefore) {
  session->Open(form);
  Frames();
  const std::string text = Classes::WriteComponentText(session->Form());
  Key(SDL_SCANCODE_F9);
  ASSERT_TRUE(View().Running());
  EXPECT_TRUE(View().Playing());
  // Late in the day the designed clock's timers would be due on the run's clock.
  const Graphics::TSurface designed = session->Form().Surface();
  Run().Restart(Forms::TimeOfDay(23, 59, 0));
  Run().RunFor(5000);
  Frames();
  EXPECT_EQ(Differing(session->Form().Surface(), designed), 0) << "the designed clock is held";
  Key(SDL_SCANCODE_ESCAPE);
  EXPECT_FALSE(View().Running());
  EXPECT_EQ(Classes::WriteComponentText(session->Form()), text);
  EXPECT_FALSE(session->IsModified());
  const std::int64_t now = Platform::TSystemClock().NowMs();
  EXPECT_NEAR(static_cast<double>(Platform::Clock().NowMs()), static_cast<double>(now), 1000);
  // The designed clock's timer is due again, within its second of real time.
  ASSERT_TRUE(Messages::Queue().NextDue());
  EXPECT_LE(*Messages::Queue().NextDue(), now + 1000);
}

TEST_F(RunTest, TheTimeBarsButtonsTickPlayPauseAndStop) {
  session->Open(form);
  RunAt(kAt);
  const std::int64_t due = *Messages::Queue().NextDue() - Platform::Clock().NowMs();
  Click(Centre(View().ControlRect("Tick")));
  EXPECT_EQ(Run().ElapsedMs(), due);
  EXPECT_FALSE(View().Playing());
  Click(Centre(View().ControlRect("Play")));
  EXPECT_TRUE(View().Playing());
  Click(Centre(View().ControlRect("Play")));
  EXPECT_FALSE(View().Playing());
  const std::int64_t paused = Run().ElapsedMs();
  const int drawn = window->FramesDrawn();
  Frames(3);
  EXPECT_EQ(Run().ElapsedMs(), paused) << "time stands still while paused";
  EXPECT_EQ(window->FramesDrawn(), drawn + 3);
  Click(Centre(View().ControlRect("Stop")));
  EXPECT_FALSE(View().Running());
}

TEST_F(RunTest, TypedStartTimesAndTheSliderMoveTheRun) {
  session->Open(form);
  RunAt(kAt);
  SelectAllIn(Centre(View().ControlRect("Start at")));
  Type("23:59:58");
  Key(SDL_SCANCODE_RETURN);
  EXPECT_EQ(Run().StartMsOfDay(), Forms::TimeOfDay(23, 59, 58));
  EXPECT_EQ(Run().ElapsedMs(), 0);
  // The slider reaches 10 s before anything has run: its middle is about 5 s.
  const Types::TRect slider = View().ControlRect("Elapsed");
  Click(Centre(slider));
  EXPECT_NEAR(static_cast<double>(Run().ElapsedMs()), 5000, 500);
  EXPECT_FALSE(View().Playing());
  // Back from 8 s to about 2 s: a fresh run, once the slider is let go.
  Run().SeekTo(8000);
  const Types::TPoint back{slider.Left + slider.Width() / 5, Centre(slider).Y};
  Drag(Centre(slider), back);
  EXPECT_NEAR(static_cast<double>(Run().ElapsedMs()), 2000, 500);
  EXPECT_EQ(Run().StartMsOfDay(), Forms::TimeOfDay(23, 59, 58));
}

TEST_F(RunTest, TheExportButtonWritesTheNameTyped) {
  session->Open(form);
  RunAt(kAt);
  Run().SeekTo(400);
  SelectAllIn(Centre(View().ControlRect("Export to")));
  const std::string output = scratch / "typed.gif";
  for (std::size_t at = 0; at < output.size(); at += 16) Type(output.substr(at, 16));
  Click(Centre(View().ControlRect("Export")));
  EXPECT_TRUE(fs::exists(output));
  EXPECT_NE(View().Status().find("10 frames"), std::string::npos) << View().Status();
}

TEST_F(RunTest, TickGoesToTheNextTimerDueOrAMomentWhenNoneRuns) {
  session->Open(form);
  RunAt(kAt);
  const std::int64_t due = *Messages::Queue().NextDue() - Platform::Clock().NowMs();
  Run().Tick();
  EXPECT_EQ(Run().ElapsedMs(), due);
  View().Stop();
  session->New();
  RunAt(kAt);
  Run().Tick();
  EXPECT_EQ(Run().ElapsedMs(), Tools::TRunSession::kIdleTickMs);
}

TEST_F(RunTest, ScrubbingBackGivesThePixelsShownBefore) {
  session->Open(form);
  RunAt(kAt);
  Run().SeekTo(2000);
  const Graphics::TSurface atTwo = Run().Picture();
  Run().SeekTo(3200);
  ASSERT_GT(Differing(Run().Picture(), atTwo), 0);
  Run().SeekTo(2000);
  EXPECT_EQ(Run().ElapsedMs(), 2000);
  EXPECT_EQ(Differing(Run().Picture(), atTwo), 0);
  Run().Restart(Forms::TimeOfDay(23, 59, 59));
  Run().RunFor(1500);
  EXPECT_EQ(Run().TimeOfDayMs(), Forms::TimeOfDay(24, 0, 0) + 500);
}

TEST_F(RunTest, ExportWritesTheSpanShownAsTheRendererWritesIt) {
  Tools::Render(Tools::ParseRenderOptions({form, "--start", "--at", "10:09:30", "--seconds", "1.2",
                                           "--fps", "10", "-o", scratch / "render.gif"}));
  session->Open(form);
  RunAt(kAt);
  Run().SeekTo(1200);
  EXPECT_NE(Run().Export(scratch / "run.gif", 0, 10).find("12 frames"), std::string::npos);
  EXPECT_EQ(Run().ElapsedMs(), 1200) << "the run is back where it was";
  const auto rendered = TestSupport::ReadGif(scratch / "render.gif");
  const auto exported = TestSupport::ReadGif(scratch / "run.gif");
  ASSERT_EQ(exported.size(), rendered.size());
  for (std::size_t i = 0; i < exported.size(); ++i) {
    EXPECT_EQ(exported[i].DelayCs, rendered[i].DelayCs) << i;
    EXPECT_EQ(Differing(exported[i].Picture, rendered[i].Picture), 0) << i;
  }
  Run().Export(scratch / "now.png", 0, 10);
  EXPECT_EQ(Differing(Graphics::ReadPngFile(scratch / "now.png"), Rendered(form, 1200)), 0);
}

TEST_F(RunTest, AnExportWithNothingToWriteIsRefusedAndTheRunStays) {
  session->Open(form);
  RunAt(kAt);
  struct TCase {
    std::string Output;
    std::int64_t LengthMs;
    double Fps;
  };
  const TCase cases[] = {{"span.gif", 0, 25},      // nothing run yet
                         {"run.txt", 1000, 25},    // no such kind
                         {"slow.gif", 1000, 0},    // no frame rate
                         {"fast.gif", 1000, 1e6},  // beyond the renderer's rate
                         {"long.gif", 7'200'000, 25}};
  for (const TCase& c : cases) {
    EXPECT_ANY_THROW(Run().Export(scratch / c.Output, c.LengthMs, c.Fps)) << c.Output;
    EXPECT_FALSE(std::filesystem::exists(scratch / c.Output)) << c.Output;
    EXPECT_EQ(Run().ElapsedMs(), 0);
  }
}

}  // namespace
}  // namespace DesignerTest
