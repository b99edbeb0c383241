#include <fstream>

#include "Film.h"
#include "FormCanvas.h"
#include "Palette.h"
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
