// Message boxes and file dialogs through the dialog service: what Escape answers,
// the scripted service's answers and records, and what a confirmed open dialog
// makes of the names chosen.
#include "Dialogs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExtDlgs.h"

namespace {

using namespace Dialogs;

struct TScripted {
  TScriptedDialogs Dialogs;
  TScripted() { UseDialogService(&Dialogs); }
  ~TScripted() { UseDialogService(nullptr); }
  TScripted(const TScripted&) = delete;
  TScripted& operator=(const TScripted&) = delete;
};

TEST(Dialogs, EscapeAnswersCancelNoOrOkElseTheBoxIsClosed) {
  EXPECT_EQ(EscapeResult({mbYes, mbNo, mbCancel}), mrCancel);
  EXPECT_EQ(EscapeResult({mbYes, mbNo}), mrNo);
  EXPECT_EQ(EscapeResult({mbOK}), mrOk);
  EXPECT_EQ(EscapeResult({mbYes, mbAbort, mbIgnore}), mrCancel);
  // Without a front end, a question is written out and answered as Escape would.
  testing::internal::CaptureStderr();
  TModalResult r = MessageDlg("Verder?", mtConfirmation, {mbYes, mbNo}, 0);
  std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(r, mrNo);
  EXPECT_NE(said.find("Verder?"), std::string::npos);
  TOpenDialog open(nullptr);
  open.SetTitle("Kies");
  testing::internal::CaptureStderr();
  EXPECT_FALSE(open.Execute());
  EXPECT_NE(testing::internal::GetCapturedStderr().find("Kies"), std::string::npos);
}

TEST(Dialogs, AScriptedServiceAnswersInOrderAndKeepsEveryQuestion) {
  TScripted script;
  script.Dialogs.Answer(mrAbort);
  int shown = 0;
  script.Dialogs.WhileShown = [&] { ++shown; };
  EXPECT_EQ(MessageDlg("een", mtError, {mbYes, mbAbort, mbIgnore}, 7), mrAbort);
  EXPECT_EQ(MessageDlg("twee", mtWarning, {mbOK, mbCancel}, 0), mrCancel);  // script spent
  ASSERT_EQ(script.Dialogs.Messages().size(), 2U);
  EXPECT_EQ(script.Dialogs.Messages()[0].Message, "een");
  EXPECT_EQ(script.Dialogs.Messages()[0].Type, mtError);
  EXPECT_EQ(script.Dialogs.Messages()[0].HelpContext, 7);
  EXPECT_EQ(script.Dialogs.Messages()[1].Buttons, (TMsgDlgButtons{mbOK, mbCancel}));
  EXPECT_EQ(shown, 2);
}

TEST(Dialogs, TheOpenOptionsHaveTheHostsBitValues) {
  EXPECT_EQ((TOpenOptions{ofHideReadOnly}).Bits(), 4U);
  EXPECT_EQ((TOpenOptions{ofHideReadOnly, ofShowHelp, ofAllowMultiSelect, ofExtensionDifferent,
                          ofPathMustExist, ofFileMustExist, ofShareAware})
                .Bits(),
            0x0BD4U);
  EXPECT_EQ((TOpenOptions{ofEnableSizing}).Bits(), 1U << 19);
}

TEST(Dialogs, AConfirmedOpenDialogGivesItsFilesWithTheDefaultExtension) {
  TScripted script;
  TOpenDialog open(nullptr);
  open.SetTitle("Kies");
  open.SetInitialDir("c:\\Windows\\Media");
  open.SetFilter("Geluidsbestanden|*.wav");
  open.SetDefaultExt("wav");
  open.SetOptions({ofAllowMultiSelect});
  script.Dialogs.Choose({"C:\\a", "/b.WAV", "c.mid"});
  ASSERT_TRUE(open.Execute());
  EXPECT_EQ(open.Files().ToVector(), (std::vector<std::string>{"C:\\a.wav", "/b.WAV", "c.mid"}));
  EXPECT_EQ(open.FileName(), "C:\\a.wav");
  EXPECT_FALSE(open.Options().Contains(ofExtensionDifferent));
  const TOpenRequest& r = script.Dialogs.OpenRequests().at(0);
  EXPECT_EQ(r.Title, "Kies");
  EXPECT_EQ(r.InitialDir, "c:\\Windows\\Media");
  EXPECT_EQ(r.Filter, "Geluidsbestanden|*.wav");
  EXPECT_FALSE(r.Pictures);

  // One name only without multiple selection; a different extension is flagged.
  open.SetOptions({});
  script.Dialogs.Choose({"x.mid", "y.wav"});
  ASSERT_TRUE(open.Execute());
  EXPECT_EQ(open.Files().ToVector(), std::vector<std::string>{"x.mid"});
  EXPECT_TRUE(open.Options().Contains(ofExtensionDifferent));

  // A cancelled dialog, or one confirmed with nothing, changes nothing.
  script.Dialogs.CancelChoice();
  EXPECT_FALSE(open.Execute());
  script.Dialogs.Choose({});
  EXPECT_FALSE(open.Execute());
  EXPECT_EQ(open.FileName(), "x.mid");
}

TEST(Dialogs, APictureDialogSaysItChoosesPictures) {
  TScripted script;
  ExtDlgs::TOpenPictureDialog open(nullptr);
  EXPECT_FALSE(open.Filter().empty());
  EXPECT_FALSE(open.Execute());
  EXPECT_TRUE(script.Dialogs.OpenRequests().at(0).Pictures);
}

}  // namespace
