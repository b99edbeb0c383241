// The host's dialogs as modal boxes in the designer's window, answered by pushed
// clicks and keys.
#include <fstream>

#include "Graphics/BmpFile.h"
#include "WindowDialogs.h"
#include "WindowHarness.h"
#include "support/TempFolder.h"

namespace DesignerTest {
namespace {

using Names = std::vector<std::string>;

class DialogsTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    dialogs = std::make_unique<Designer::TWindowDialogs>(*window);
    dialogs->OnFrame = [this] { FeedModal(); };
    Dialogs::UseDialogService(dialogs.get());
  }
  void TearDown() override {
    Dialogs::UseDialogService(nullptr);
    dialogs.reset();
    WindowTest::TearDown();
  }
  // The middle of the item `label` the box drew last.
  TWhere Item(const std::string& label) {
    return [this, label] {
      std::optional<Types::TRect> rect = dialogs->ItemRect(label);
      if (!rect) throw std::runtime_error("the box shows no " + label);
      return Centre(*rect);
    };
  }
  // Notes what the box shows once the steps before have run.
  void QueueLook(Names& labels) {
    QueueStep([this, &labels] {
      labels = dialogs->ItemLabels();
      Push(SDL_Event{.type = SDL_USEREVENT});
    });
  }
  static bool Has(const Names& labels, const std::string& label) {
    return std::find(labels.begin(), labels.end(), label) != labels.end();
  }

  std::unique_ptr<Designer::TWindowDialogs> dialogs;
};

TEST_F(DialogsTest, AMessageShowsExactlyTheButtonsAskedAndAnswersTheOneClicked) {
  using namespace Dialogs;
  const struct {
    TMsgDlgButtons Buttons;
    const char* Click;  // nothing: Escape
    Names Shown;
    TModalResult Answer;
  } cases[] = {
      {{mbYes, mbAbort, mbIgnore}, "Abort", {"Abort", "Ignore", "Yes"}, mrAbort},
      {{mbYes, mbAbort, mbIgnore}, "Yes", {"Abort", "Ignore", "Yes"}, mrYes},
      {{mbYes, mbNo, mbCancel}, nullptr, {"Cancel", "No", "Yes"}, mrCancel},
      {{mbOK, mbHelp}, nullptr, {"Help", "OK"}, mrOk},
  };
  for (const auto& c : cases) {
    Names shown;
    QueueFrames(1);
    QueueLook(shown);
    if (c.Click)
      QueueClick(Item(c.Click));
    else
      QueueKey(SDL_SCANCODE_ESCAPE);
    const TModalResult answer = MessageDlg(
        "Het bestand x.bmp kan niet geladen worden.\rVerwijderen?", mtError, c.Buttons, 0);
    EXPECT_EQ(answer, c.Answer) << (c.Click ? c.Click : "Escape");
    EXPECT_EQ(shown, c.Shown);
  }
}

class FileBrowserTest : public DialogsTest {
 protected:
  void SetUp() override {
    DialogsTest::SetUp();
    for (const char* name : {"a.bmp", "b.bmp", "c.bmp", "notes.txt"})
      std::ofstream(temp / name) << "x";
    std::filesystem::create_directory(temp / "sub");
  }
  Dialogs::TOpenRequest Request(Dialogs::TOpenOptions options) const {
    Dialogs::TOpenRequest r;
    r.Title = "Kies beelden";
    r.InitialDir = temp.Path().string();
    r.Filter = "Windows Bitmaps|*.bmp";
    r.DefaultExt = "bmp";
    r.Options = options;
    return r;
  }
  void QueueTyped(const std::string& text) {
    QueueClick(Item("File name"));
    QueueType(text);
    QueueKey(SDL_SCANCODE_RETURN);
    QueueFrames(1);
  }
  const TestSupport::TTempFolder temp{"file-browser"};
};

TEST_F(FileBrowserTest, ListsTheFolderByTheFilterAndCtrlClickChoosesTwo) {
  Names shown;
  QueueFrames(1);
  QueueLook(shown);
  QueueClick(Item("a.bmp"));
  QueueClick(Item("c.bmp"), SDL_SCANCODE_LCTRL);
  QueueClick(Item("Open"));
  const auto chosen =
      dialogs->ChooseFiles(Request({Dialogs::ofAllowMultiSelect, Dialogs::ofFileMustExist}));
  ASSERT_TRUE(chosen);
  EXPECT_EQ(*chosen, (Names{temp / "a.bmp", temp / "c.bmp"}));
  EXPECT_TRUE(Has(shown, "sub/"));
  EXPECT_TRUE(Has(shown, "b.bmp"));
  EXPECT_FALSE(Has(shown, "notes.txt"));
}

TEST_F(FileBrowserTest, AMissingNameIsRefusedInTheBoxWhichStaysUp) {
  Names shown;
  QueueFrames(1);
  QueueTyped("missing");
  QueueLook(shown);
  QueueKey(SDL_SCANCODE_ESCAPE);
  EXPECT_FALSE(dialogs->ChooseFiles(Request({Dialogs::ofFileMustExist})));
  EXPECT_TRUE(Has(shown, "Cannot find missing. Check the name and try again."));
  EXPECT_TRUE(Has(shown, "Open"));
}

TEST_F(FileBrowserTest, ADoubleClickedFolderOpensAndATypedNameGetsTheDefaultExtension) {
  QueueFrames(1);
  QueueClick(Item("sub/"));
  QueueClick(Item("sub/"), SDL_SCANCODE_UNKNOWN, 2);
  QueueTyped("nieuw");
  const auto chosen = dialogs->ChooseFiles(Request({Dialogs::ofPathMustExist}));
  ASSERT_TRUE(chosen);
  EXPECT_EQ(*chosen, Names{temp / "sub/nieuw.bmp"});
}

TEST_F(FileBrowserTest, OverwritingAFileIsAskedAboutFirst) {
  for (const char* answer : {"No", "Yes"}) {
    QueueFrames(1);
    QueueTyped("b");
    QueueClick(Item(answer));
    if (answer == std::string("No")) QueueClick(Item("Cancel"));
    const auto chosen = dialogs->ChooseFiles(Request({Dialogs::ofOverwritePrompt}));
    if (answer == std::string("No"))
      EXPECT_FALSE(chosen);
    else
      EXPECT_EQ(chosen, Names{temp / "b.bmp"});
  }
}

TEST_F(FileBrowserTest, ThePictureDialogPreviewsThePickedBitmap) {
  Graphics::WriteBmpFile(Graphics::TSurface(40, 20, 0x336699), temp / "a.bmp");
  Names shown;
  QueueFrames(1);
  QueueClick(Item("a.bmp"));
  QueueFrames(1);
  QueueLook(shown);
  std::optional<Types::TRect> preview;
  QueueStep([&] { preview = dialogs->ItemRect("Preview"); });
  QueueKey(SDL_SCANCODE_ESCAPE);
  Dialogs::TOpenRequest r = Request({});
  r.Pictures = true;
  EXPECT_FALSE(dialogs->ChooseFiles(r));
  ASSERT_TRUE(preview);
  EXPECT_EQ(preview->Width(), 160);
  EXPECT_EQ(preview->Height(), 80);
}

TEST(PicturePreviewTest, FitsTheBitmapIntoTheSquareOrSaysWhyItCannot) {
  const TestSupport::TTempFolder temp("preview");
  Graphics::TSurface wide(40, 20, 0x336699), tall(300, 600, 0x102030);
  wide.SetPixel(39, 19, 0xFF0000);
  Graphics::WriteBmpFile(wide, temp / "wide.bmp");
  Graphics::WriteBmpFile(tall, temp / "tall.bmp");
  std::ofstream(temp / "broken.bmp") << "BM not really";
  const struct {
    std::string Name;
    Types::TPoint Size, Fitted;
    std::string Problem;
  } cases[] = {
      {"wide.bmp", {40, 20}, {160, 80}, ""},
      {"tall.bmp", {300, 600}, {80, 160}, ""},
      {"broken.bmp", {}, {}, "broken.bmp"},
      {"missing.bmp", {}, {}, "missing.bmp"},
  };
  for (const auto& c : cases) {
    const Designer::TPicturePreview p = Designer::PreviewPicture(temp / c.Name, 160);
    EXPECT_EQ(p.Size, c.Size) << c.Name;
    EXPECT_EQ(p.Picture.Width(), c.Fitted.X) << c.Name;
    EXPECT_EQ(p.Picture.Height(), c.Fitted.Y) << c.Name;
    if (c.Problem.empty())
      EXPECT_EQ(p.Problem, "") << c.Name;
    else
      EXPECT_NE(p.Problem.find(c.Problem), std::string::npos) << p.Problem;
  }
  const Designer::TPicturePreview wider = Designer::PreviewPicture(temp / "wide.bmp", 160);
  EXPECT_EQ(wider.Picture.Pixel(0, 0), 0x336699u);
  EXPECT_EQ(wider.Picture.Pixel(159, 79), 0xFF0000u);
}

}  // namespace
}  // namespace DesignerTest
