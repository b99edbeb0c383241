// The application's calls: a form read from its file, run under a virtual clock,
// its picture saved; the same picture the render command writes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "Classes/FormParser.h"
#include "FormRun.h"
#include "Graphics/BmpFile.h"
#include "Graphics/PictureFiles.h"
#include "Render.h"
#include "Tollenspiegel.h"
#include "support/TempFolder.h"

namespace {

namespace fs = std::filesystem;

// `dir` as a name relative to the working folder, as a user would type it.
std::string Relative(const fs::path& dir) { return fs::relative(dir, fs::current_path()).string(); }

// forms/film.form playing film\tol01.bmp and film\tol02.bmp with film\tol.wav,
// all beside the form.
fs::path FilmForm(const fs::path& dir) {
  fs::create_directories(dir / "forms/film");
  for (const char* file : {"tol01.bmp", "tol02.bmp", "tol.wav"})
    fs::copy_file(fs::path(TOLLEN_SOURCE_ROOT) / "examples/film" / file, dir / "forms/film" / file);
  std::ofstream(dir / "forms/film.form")
      << "object F: TForm\n Width = 100\n Height = 100\n Color = clBlack\n"
         " object Film1: TFilm\n  Width = 100\n  Height = 100\n  Geluid = 'film\\tol.wav'\n"
         "  Starten = StartMeteen\n  Frames.Strings = (\n   'film\\tol01.bmp'\n"
         "   'film\\tol02.bmp')\n end\nend\n";
  return dir / "forms/film.form";
}

TEST(FormRun, NamesInAFormResolveFromItsFolderWhereverTheProgramRuns) {
  const TestSupport::TTempFolder scratch("form-run-names");
  const fs::path& dir = scratch.Path();
  FilmForm(dir);
  const fs::path before = fs::current_path();
  Forms::TVirtualRun run(Forms::TimeOfDay(10, 0));
  std::unique_ptr<Forms::TForm> form = Tollenspiegel::LoadForm(Relative(dir) + "/forms/film.form");
  EXPECT_EQ(fs::current_path(), before);
  EXPECT_EQ(fs::path(form->FileFolder()), dir / "forms");
  run.RunFor(*form, 500);
  EXPECT_EQ(fs::current_path(), before);
  const Graphics::TSurface& picture = run.Picture(*form);
  EXPECT_NE(picture.Pixel(50, 50), 0u) << "a frame is shown, not the black form";
  ASSERT_FALSE(run.Sounds().empty());
  const Forms::TTimedSound& last = run.Sounds().back();
  EXPECT_EQ(last.AtMs, 0);
  EXPECT_EQ(last.Request.Kind, Platform::TSoundRequest::TKind::File);
  EXPECT_EQ(fs::path(last.Request.Name), dir / "forms/film/tol.wav");
  EXPECT_EQ(run.ElapsedMs(), 500);
}

TEST(FormRun, FormTextReadsAsItsFileFromTheFolderGiven) {
  const TestSupport::TTempFolder scratch("form-run-text");
  const fs::path file = FilmForm(scratch.Path());
  std::ostringstream text;
  text << std::ifstream(file).rdbuf();
  Forms::TVirtualRun run(Forms::TimeOfDay(10, 0));
  std::unique_ptr<Forms::TForm> fromFile = Tollenspiegel::LoadForm(file.string());
  std::unique_ptr<Forms::TForm> fromText =
      Forms::ReadFormText(text.str(), "copy.form", (scratch.Path() / "forms").string());
  EXPECT_EQ(fs::path(fromText->FileFolder()), scratch.Path() / "forms");
  run.RunFor(*fromText, 100);
  const Graphics::TSurface picture = run.Picture(*fromText);
  EXPECT_NE(picture.Pixel(50, 50), 0u) << "a frame is shown, not the black form";
  EXPECT_EQ(picture.Pixel(50, 50), run.Picture(*fromFile).Pixel(50, 50));
  try {
    Forms::ReadFormText("object F: TForm\n  Width = 'tall'\nend\n", "copy.form", "");
    ADD_FAILURE();
  } catch (const Classes::EReadError& e) {
    EXPECT_NE(std::string(e.what()).find("copy.form:2:"), std::string::npos) << e.what();
  }
}

// A window that takes its events; it has waited for them when it returns.
class TCountingEvents final : public Forms::TEventSource {
 public:
  bool Pump(std::optional<std::int64_t> untilMs) override {
    ++Pumps;
    if (untilMs) Platform::Clock().WaitUntil(*untilMs);
    return true;
  }
  int Pumps = 0;
};

TEST(FormRun, AVirtualRunAsksTheWindowForNoEvents) {
  TCountingEvents window;
  Forms::Application().SetEventSource(&window);
  {
    Forms::TVirtualRun run(Forms::TimeOfDay(10, 0));
    Forms::TForm form(nullptr);
    form.SetBounds(0, 0, 20, 20);
    run.RunFor(form, 5000);
  }
  EXPECT_EQ(window.Pumps, 0);
  EXPECT_EQ(Forms::Application().EventSource(), &window);
  Forms::Application().SetEventSource(nullptr);
}

TEST(FormRun, ReadingFaultsNameTheFile) {
  const TestSupport::TTempFolder scratch("form-run-faults");
  const fs::path& dir = scratch.Path();
  const std::string rel = Relative(dir);
  std::ofstream(dir / "bad.form") << "object F: TForm\n  Width = 'tall'\nend\n";
  std::ofstream(dir / "timer.form") << "object T: TTimer\nend\n";
  const std::vector<std::pair<std::string, std::string>> cases{
      {rel + "/none.form", "Cannot open " + rel + "/none.form: No such file"},
      {rel + "/bad.form", "bad.form:2:"},
      {rel + "/timer.form", "timer.form:1:1: holds a TTimer, not a TForm"},
  };
  for (const auto& [path, message] : cases) {
    try {
      Tollenspiegel::LoadForm(path);
      ADD_FAILURE() << path;
    } catch (const SysUtils::Exception& e) {
      EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
    }
  }
}

TEST(PictureFiles, SavedPicturesReadBackAndOtherNamesAreRefused) {
  const TestSupport::TTempFolder scratch("form-run-pictures");
  const fs::path& dir = scratch.Path();
  Graphics::TSurface picture(3, 2);
  picture.SetPixel(0, 0, 0x123456);
  picture.SetPixel(2, 1, 0xFEDCBA);
  Graphics::SavePicture(picture, (dir / "p.png").string());
  Graphics::SavePicture(picture, (dir / "p.BMP").string());
  for (const Graphics::TSurface& back : {Graphics::ReadPngFile((dir / "p.png").string()),
                                         Graphics::ReadBmpFile((dir / "p.BMP").string()).Pixels}) {
    ASSERT_EQ(back.Width(), 3);
    EXPECT_EQ(back.Pixel(0, 0), 0x123456u);
    EXPECT_EQ(back.Pixel(2, 1), 0xFEDCBAu);
  }
  EXPECT_THROW(Graphics::SavePicture(picture, (dir / "p.jpg").string()), SysUtils::Exception);
  try {
    Graphics::SavePicture(picture, (dir / "no/p.png").string());
    ADD_FAILURE();
  } catch (const SysUtils::Exception& e) {
    EXPECT_NE(std::string(e.what()).find(": No such file or directory"), std::string::npos);
  }
}

// What an application gets after two seconds is the render command's frame at 2 s.
TEST(FormRun, TwoSecondsRunAreRendersFrameAtTwoSeconds) {
  const TestSupport::TTempFolder scratch("form-run-same");
  const fs::path& dir = scratch.Path();
  const std::string demo = std::string(TOLLEN_SOURCE_ROOT) + "/examples/demo.form";
  Graphics::TSurface own;
  {
    Forms::TVirtualRun run(Forms::TimeOfDay(10, 9, 28));
    std::unique_ptr<Forms::TForm> form = Tollenspiegel::LoadForm(demo);
    Tollenspiegel::StartAnimations(*form);
    run.RunFor(*form, 2000);
    own = run.Picture(*form);
  }
  Tools::Render(Tools::ParseRenderOptions({demo, "--start", "--at", "10:09:28", "--seconds", "4",
                                           "--fps", "0.5", "-o", (dir / "f%d.png").string()}));
  const Graphics::TSurface rendered = Graphics::ReadPngFile((dir / "f1.png").string());
  ASSERT_EQ(rendered.Width(), own.Width());
  int differing = 0;
  for (int y = 0; y < own.Height(); ++y)
    for (int x = 0; x < own.Width(); ++x) differing += rendered.Pixel(x, y) != own.Pixel(x, y);
  EXPECT_EQ(differing, 0);
}

}  // namespace
