#include <fstream>

#include "Film.h"
#include "FormCanvas.h"
#include "Inspector.h"
#include "Palette.h"
#include "Platform/Clock.h"
#include "WindowDialogs.h"
#include "WindowHarness.h"
#include "support/TempFolder.h"

namespace DesignerTest {
namespace {

using DesignerWindowTest = WindowTest;

TEST_F(DesignerWindowTest, PaletteButtonsShowThePackagesBitmapsPixelForPixel) {
  const Graphics::TSurface shot = window->Screenshot();
  for (const char* name : {"TVorm", "TVormKlok", "TFilm", "TLichtKrant", "TGolfTekst"}) {
    const Graphics::TSurface bitmap = Designer::PaletteBitmap(name);
    ASSERT_EQ(bitmap.Width(), 24) << name;
    const Types::TRect button = window->Palette().ButtonRect(name);
    ASSERT_FALSE(button.IsEmpty()) << name;
    const int left = button.Left + (button.Width() - 24) / 2;
    const int top = button.Top + (button.Height() - 24) / 2;
    for (int y = 0; y < 24; ++y)
      for (int x = 0; x < 24; ++x)
        ASSERT_EQ(shot.Pixel(left + x, top + y), bitmap.Pixel(x, y))
            << name << " " << x << "," << y;
  }
}

TEST_F(DesignerWindowTest, TheFilmsContextMenuTestsTheFilmAndStopsIt) {
  const std::string frames = std::string(TOLLEN_SOURCE_ROOT) + "/examples/film/tol01.bmp";
  session->Add("TFilm", {10, 10});
  auto& film = dynamic_cast<Film::TFilm&>(session->Component("Film1"));
  film.Frames().Add(frames);
  Frames();
  const Types::TPoint on = window->Canvas().WindowPoint({20, 20});
  Click(on, SDL_BUTTON_RIGHT);
  Key(SDL_SCANCODE_F);  // the accelerator of "Test &film"
  EXPECT_TRUE(film.FilmLoopt());
  Click(on, SDL_BUTTON_RIGHT);
  Key(SDL_SCANCODE_ESCAPE);
  EXPECT_TRUE(film.FilmLoopt()) << "Escape closes the menu and runs nothing";
  session->ExecuteVerb("Film1", 2);  // "Stop test"
  EXPECT_FALSE(film.FilmLoopt());
}

TEST_F(DesignerWindowTest, TheTitleNamesTheFileAndMarksUnsavedWork) {
  TestSupport::TTempFolder folder;
  const std::string path = folder / "shapes.form";
  session->Add("TVorm", {10, 10});
  Frames();
  EXPECT_EQ(window->Title(), "Untitled * - Tollenspiegel designer");
  session->SaveAs(path);
  Frames();
  EXPECT_EQ(window->Title(), "shapes.form - Tollenspiegel designer");
}

}  // namespace
}  // namespace DesignerTest

namespace DesignerTest {
namespace {

// Everything by pushed events: a figure from the palette, its Vorm from the
// inspector, a film tested from its context menu, the form saved under a name
// typed into the save box. The saved text and the canvas's pixels are checked.
TEST_F(DesignerWindowTest, BuildsTestsAndSavesAFormThroughTheWindowAlone) {
  window->Dialogs().OnFrame = [this] { FeedModal(); };
  TestSupport::TTempFolder folder;
  Click(Centre(window->Palette().ButtonRect("TVorm")));
  Click(window->Canvas().WindowPoint({16, 16}));
  ASSERT_FALSE(window->Inspector().RowRect("Vorm").IsEmpty());
  Click(Centre(window->Inspector().RowRect("Vorm")));
  const Types::TRect honing = window->Inspector().ItemRect("Vorm", "Honing");
  ASSERT_FALSE(honing.IsEmpty());
  Click(Centre(honing));

  Click(Centre(window->Palette().ButtonRect("TFilm")));
  Click(window->Canvas().WindowPoint({200, 16}));
  auto& film = dynamic_cast<Film::TFilm&>(session->Component("Film1"));
  film.Frames().Add(std::string(TOLLEN_SOURCE_ROOT) + "/examples/film/tol01.bmp");
  Click(window->Canvas().WindowPoint({220, 40}), SDL_BUTTON_RIGHT);
  const Types::TRect test = window->Canvas().MenuItemRect("Test film");
  ASSERT_FALSE(test.IsEmpty());
  Click(Centre(test));
  EXPECT_TRUE(film.FilmLoopt());
  session->ExecuteVerb("Film1", 2);  // stopped, so the picture holds still

  const std::string saved = folder / "gebouwd.form";
  QueueFileName(saved);
  Key(SDL_SCANCODE_S, KMOD_LCTRL | KMOD_LSHIFT);
  Key(SDL_SCANCODE_LCTRL);
  ASSERT_EQ(session->FileName(), saved);
  EXPECT_FALSE(session->IsModified());

  std::ifstream in(saved);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  for (const char* line : {"object Vorm1: TVorm\n    Left = 16\n    Top = 16\n",
                           "    Vorm = Honing\n", "object Film1: TFilm\n    Left = 200\n"})
    EXPECT_NE(text.find(line), std::string::npos) << line << "\nin\n" << text;

  session->Select({});
  Frames();
  const Graphics::TSurface shot = window->Screenshot();
  const Graphics::TSurface& form = session->Form().Surface();
  const Types::TPoint origin = window->Canvas().WindowPoint({0, 0});
  for (const std::string& name : session->ComponentNames()) {
    auto& c = dynamic_cast<Controls::TControl&>(session->Component(name));
    for (int y = c.Top(); y < c.Top() + c.Height(); ++y)
      for (int x = c.Left(); x < c.Left() + c.Width(); ++x)
        ASSERT_EQ(shot.Pixel(origin.X + x, origin.Y + y), form.Pixel(x, y))
            << name << " " << x << "," << y;
  }
}

}  // namespace
}  // namespace DesignerTest

namespace DesignerTest {
namespace {

TEST_F(DesignerWindowTest, AQuitFromOutsideEndsTheLoopWhenNothingIsUnsaved) {
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  Push(quit);
  EXPECT_FALSE(window->Pump(Platform::Clock().NowMs())) << "an unmodified form closes at once";
}

}  // namespace
}  // namespace DesignerTest
