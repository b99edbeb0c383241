#include "FormCanvas.h"
#include "Palette.h"
#include "WindowHarness.h"

namespace DesignerTest {
namespace {

using CanvasTest = WindowTest;

TEST_F(CanvasTest, APaletteButtonThenAClickPlacesTheControlThere) {
  Click(Centre(window->Palette().ButtonRect("TVorm")));
  EXPECT_EQ(window->Palette().Picked(), "TVorm");
  Click(window->Canvas().WindowPoint({40, 30}));
  ASSERT_EQ(session->ComponentNames(), std::vector<std::string>{"Vorm1"});
  auto& vorm = dynamic_cast<Controls::TControl&>(session->Component("Vorm1"));
  EXPECT_EQ(vorm.Left(), 40);
  EXPECT_EQ(vorm.Top(), 30);
  EXPECT_EQ(session->Selection(), std::vector<std::string>{"Vorm1"});
  EXPECT_EQ(window->Palette().Picked(), "");
}

TEST_F(CanvasTest, APressAndReleaseBetweenTwoFramesStillClick) {
  const Types::TPoint button = Centre(window->Palette().ButtonRect("TFilm"));
  Push(Motion(button));
  Push(Press(button, true));
  Push(Press(button, false));
  Frames(3);
  EXPECT_EQ(window->Palette().Picked(), "TFilm");
  session->Add("TVorm", {20, 20});
  Frames();
  const Types::TPoint on = window->Canvas().WindowPoint({30, 30});
  Push(Motion(on));
  Push(Press(on, true, SDL_BUTTON_RIGHT));
  Push(Press(on, false, SDL_BUTTON_RIGHT));
  Frames(3);
  EXPECT_FALSE(window->Canvas().MenuItemRect("Delete").IsEmpty()) << "the context menu is open";
}

TEST_F(CanvasTest, DraggingMovesAndAGripResizesAsOneUndoStepEach) {
  session->Add("TVorm", {20, 20});
  session->Select({"Vorm1"});
  Frames();
  auto& vorm = dynamic_cast<Controls::TControl&>(session->Component("Vorm1"));
  const int width = vorm.Width(), height = vorm.Height();
  Drag(window->Canvas().WindowPoint({30, 30}), window->Canvas().WindowPoint({80, 50}));
  EXPECT_EQ(vorm.Left(), 70);
  EXPECT_EQ(vorm.Top(), 40);
  const Types::TPoint corner{70 + width, 40 + height};
  Drag(window->Canvas().WindowPoint(corner),
       window->Canvas().WindowPoint({corner.X + 10, corner.Y + 5}));
  auto& sized = dynamic_cast<Controls::TControl&>(session->Component("Vorm1"));
  EXPECT_EQ(sized.Width(), width + 10);
  EXPECT_EQ(sized.Height(), height + 5);
  ASSERT_TRUE(session->Undo());
  ASSERT_TRUE(session->Undo());
  auto& back = dynamic_cast<Controls::TControl&>(session->Component("Vorm1"));
  EXPECT_EQ(back.Left(), 20);
}

TEST_F(CanvasTest, ABandOverTheFormSelectsTheControlsItTouchesAndMovesTogether) {
  session->Add("TVorm", {20, 20});
  session->Add("TVorm", {120, 20});
  session->Add("TVorm", {20, 200});
  Frames();
  Drag(window->Canvas().WindowPoint({10, 10}), window->Canvas().WindowPoint({130, 40}));
  EXPECT_EQ(session->Selection(), (std::vector<std::string>{"Vorm1", "Vorm2"}));
  Drag(window->Canvas().WindowPoint({125, 25}), window->Canvas().WindowPoint({135, 30}));
  auto left = [&](const char* name) {
    return dynamic_cast<Controls::TControl&>(session->Component(name)).Left();
  };
  EXPECT_EQ(left("Vorm1"), 30);
  EXPECT_EQ(left("Vorm2"), 130);
  EXPECT_EQ(left("Vorm3"), 20);
}

TEST_F(CanvasTest, ArrowsNudgeShiftArrowsResizeDeleteDeletes) {
  session->Add("TVorm", {20, 20});
  session->Select({"Vorm1"});
  Click(window->Canvas().WindowPoint({25, 25}));  // gives the canvas the keyboard
  Key(SDL_SCANCODE_RIGHT);
  Key(SDL_SCANCODE_DOWN, KMOD_LSHIFT);
  auto& vorm = dynamic_cast<Controls::TControl&>(session->Component("Vorm1"));
  EXPECT_EQ(vorm.Left(), 21);
  EXPECT_EQ(vorm.Top(), 20);
  const int height = vorm.Height();
  Key(SDL_SCANCODE_DOWN, KMOD_LSHIFT);
  EXPECT_EQ(dynamic_cast<Controls::TControl&>(session->Component("Vorm1")).Height(), height + 1);
  Key(SDL_SCANCODE_DELETE);
  EXPECT_TRUE(session->ComponentNames().empty());
}

TEST_F(CanvasTest, OnlyWhatTheFormPaintedIsUploaded) {
  session->Add("TVorm", {20, 20});
  Frames();
  const std::int64_t before = window->Canvas().Texture().PixelsUploaded();
  auto& vorm = dynamic_cast<Controls::TControl&>(session->Component("Vorm1"));
  vorm.Invalidate();
  Frames();
  EXPECT_EQ(window->Canvas().Texture().PixelsUploaded() - before,
            static_cast<std::int64_t>(vorm.Width()) * vorm.Height());
}

TEST_F(CanvasTest, TheCanvasShowsTheFormsOwnPixels) {
  session->Add("TVorm", {20, 20});
  session->Select({});
  Frames();
  const Graphics::TSurface shot = window->Screenshot();
  const Graphics::TSurface& form = session->Form().Surface();
  const Types::TPoint origin = window->Canvas().WindowPoint({0, 0});
  for (int y = 0; y < form.Height(); y += 7)
    for (int x = 0; x < form.Width(); x += 5)
      ASSERT_EQ(shot.Pixel(origin.X + x, origin.Y + y), form.Pixel(x, y)) << x << "," << y;
}

}  // namespace
}  // namespace DesignerTest
