// A first session with the designer, all through the window: open the demo form,
// move a clock, add a film with the bundled frames, test it, stop it, save, and
// read the saved form back as an application would.
#include <filesystem>

#include "Film.h"
#include "FormCanvas.h"
#include "FormRun.h"
#include "Palette.h"
#include "Tollenspiegel.h"
#include "WindowDialogs.h"
#include "WindowHarness.h"
#include "support/TempFolder.h"

namespace DesignerTest {
namespace {

namespace fs = std::filesystem;

class FirstSession : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    window->Dialogs().OnFrame = [this] { FeedModal(); };
    fs::copy_file(fs::path(TOLLEN_SOURCE_ROOT) / "examples/demo.form", folder / "demo.form");
    fs::copy(fs::path(TOLLEN_SOURCE_ROOT) / "examples/film", folder / "film");
  }
  Types::TRect Bounds(const std::string& name) {
    return dynamic_cast<Controls::TControl&>(session->Component(name)).BoundsRect();
  }
  Types::TPoint On(const std::string& name) {
    return window->Canvas().WindowPoint(Centre(Bounds(name)));
  }
  void ChooseFromMenu(const std::string& component, const std::string& item) {
    Click(On(component), SDL_BUTTON_RIGHT);
    const Types::TRect at = window->Canvas().MenuItemRect(item);
    ASSERT_FALSE(at.IsEmpty()) << item;
    Click(Centre(at));
  }
  TestSupport::TTempFolder folder{"first-session"};
};

TEST_F(FirstSession, OpenMoveAddAFilmTestItSaveAndReadItBack) {
  const std::string form = folder / "demo.form";
  QueueFileName(form);
  Key(SDL_SCANCODE_O, KMOD_LCTRL);
  Key(SDL_SCANCODE_LCTRL);  // let go of Ctrl
  ASSERT_EQ(session->FileName(), form);

  const Types::TRect clock = Bounds("Klok1");
  Drag(On("Klok1"), {On("Klok1").X + 20, On("Klok1").Y + 8});
  EXPECT_EQ(Bounds("Klok1"), clock.Offset(20, 8));

  Click(Centre(window->Palette().ButtonRect("TFilm")));
  Click(window->Canvas().WindowPoint({470, 300}));
  ASSERT_EQ(session->Selection(), std::vector<std::string>{"Film2"});

  std::string frames;
  for (const char* f : {"tol01.bmp", "tol02.bmp", "tol03.bmp"})
    frames += "\"" + folder / ("film/" + std::string(f)) + "\" ";
  QueueFileName(frames);
  DoubleClick(On("Film2"));  // the film editor's first verb: add pictures
  auto& film = dynamic_cast<Film::TFilm&>(session->Component("Film2"));
  ASSERT_EQ(film.Frames().Count(), 3);

  ChooseFromMenu("Film2", "Test film");
  EXPECT_TRUE(film.FilmLoopt());
  ChooseFromMenu("Film2", "Stop test");
  EXPECT_FALSE(film.FilmLoopt());

  EXPECT_EQ(window->Title(), "demo.form * - Tollenspiegel designer");
  Key(SDL_SCANCODE_S, KMOD_LCTRL);
  EXPECT_FALSE(session->IsModified());

  std::unique_ptr<Forms::TForm> saved = Tollenspiegel::LoadForm(form);
  auto* klok = dynamic_cast<Controls::TControl*>(saved->FindComponent("Klok1"));
  ASSERT_NE(klok, nullptr);
  EXPECT_EQ(klok->Left(), clock.Left + 20);
  auto* savedFilm = dynamic_cast<Film::TFilm*>(saved->FindComponent("Film2"));
  ASSERT_NE(savedFilm, nullptr);
  EXPECT_EQ(savedFilm->Frames().Count(), 3);
}

}  // namespace
}  // namespace DesignerTest
