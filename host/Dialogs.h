// Dialogs: the message box MessageDlg and the file-open dialog TOpenDialog.
//
// Neither draws anything itself: each hands its question to the process's dialog
// service, which a window or terminal front end implements and tests script. The
// service is modal: it returns once the user has answered, and may let the
// application paint meanwhile, as the platform's modal loop does.
//
// With no service installed the default one, TEscapeDialogs, answers as a user who
// presses Escape at once: a message box gives its Cancel, No or OK button,
// whichever it offers first, or else closes without a button (mrCancel); a file
// dialog is cancelled. It writes each question to stderr, so a program run without
// a front end still shows what it asked.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Classes.h"
#include "Classes/Strings.h"
#include "System.h"

namespace Dialogs {

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum class TMsgDlgBtn {
  mbYes,
  mbNo,
  mbOK,
  mbCancel,
  mbAbort,
  mbRetry,
  mbIgnore,
  mbAll,
  mbNoToAll,
  mbYesToAll,
  mbHelp
};
using TMsgDlgButtons = System::TSet<TMsgDlgBtn>;
inline constexpr int kMsgDlgBtnCount = static_cast<int>(TMsgDlgBtn::mbHelp) + 1;
using enum TMsgDlgType;
using enum TMsgDlgBtn;

// The result of a modal dialog: the button that closed it.
using TModalResult = int;
inline constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4,
                              mrIgnore = 5, mrYes = 6, mrNo = 7, mrAll = 8, mrNoToAll = 9,
                              mrYesToAll = 10;

// The caption of a message box of `type` ("Confirm"...), and a button's text.
const char* MessageCaption(TMsgDlgType type);
const char* ButtonCaption(TMsgDlgBtn button);

// The modal result a button gives (mrNone for Help, which closes nothing).
TModalResult ModalResultOf(TMsgDlgBtn button);

// The options of the file dialogs, in the host's order: each option's bit is its
// ordinal, so a set's Bits() is the host's option value.
enum class TOpenOption {
  ofReadOnly,
  ofOverwritePrompt,
  ofHideReadOnly,
  ofNoChangeDir,
  ofShowHelp,
  ofNoValidate,
  ofAllowMultiSelect,
  ofExtensionDifferent,
  ofPathMustExist,
  ofFileMustExist,
  ofCreatePrompt,
  ofShareAware,
  ofNoReadOnlyReturn,
  ofNoTestFileCreate,
  ofNoNetworkButton,
  ofNoLongNames,
  ofOldStyleDialog,
  ofNoDereferenceLinks,
  ofEnableIncludeNotify,
  ofEnableSizing
};
using TOpenOptions = System::TSet<TOpenOption>;
using enum TOpenOption;

struct TMessageRequest {
  std::string Message;
  TMsgDlgType Type = mtInformation;
  TMsgDlgButtons Buttons;
  int HelpContext = 0;
};

struct TOpenRequest {
  std::string Title;
  std::string InitialDir;
  std::string DefaultExt;
  std::string Filter;  // "Description|pattern|Description|pattern..."
  std::string FileName;
  TOpenOptions Options;
  bool Pictures = false;  // a picture dialog: a front end may show a preview
};

class TDialogService {
 public:
  virtual ~TDialogService() = default;
  // The modal result of the button chosen; a box closed without a button gives
  // mrCancel.
  virtual TModalResult ShowMessage(const TMessageRequest& request) = 0;
  // The files chosen, in order, or nothing when the user cancels. Honouring the
  // must-exist options is the service's, as it is the platform dialog's.
  virtual std::optional<std::vector<std::string>> ChooseFiles(const TOpenRequest& request) = 0;
};

// The service in use; never null.
TDialogService& DialogService();
// Installs `service` (not owned; it must outlive its use) or, given null, the default.
void UseDialogService(TDialogService* service);

// What pressing Escape answers to a box offering `buttons`.
TModalResult EscapeResult(TMsgDlgButtons buttons);

class TEscapeDialogs final : public TDialogService {
 public:
  TModalResult ShowMessage(const TMessageRequest& request) override;
  std::optional<std::vector<std::string>> ChooseFiles(const TOpenRequest& request) override;
};

// Answers laid down beforehand, in order, keeping every request it was given. Once
// its answers run out it answers as Escape would. WhileShown runs while a dialog is
// up, before the answer: what the platform's modal loop would do meanwhile.
class TScriptedDialogs final : public TDialogService {
 public:
  void Answer(TModalResult result) { FAnswers.push_back(result); }
  void Choose(std::vector<std::string> files) { FChoices.push_back({true, std::move(files)}); }
  void CancelChoice() { FChoices.push_back({false, {}}); }

  const std::vector<TMessageRequest>& Messages() const { return FMessages; }
  const std::vector<TOpenRequest>& OpenRequests() const { return FOpenRequests; }

  std::function<void()> WhileShown;

  TModalResult ShowMessage(const TMessageRequest& request) override;
  std::optional<std::vector<std::string>> ChooseFiles(const TOpenRequest& request) override;

 private:
  std::deque<TModalResult> FAnswers;
  struct TChoice {
    bool Confirmed = false;
    std::vector<std::string> Files;
  };
  std::deque<TChoice> FChoices;
  std::vector<TMessageRequest> FMessages;
  std::vector<TOpenRequest> FOpenRequests;
};

// Shows a modal message box and returns the modal result of the button chosen.
TModalResult MessageDlg(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons,
                        int helpContext);

class TCommonDialog : public Classes::TComponent {
  TOLLEN_CLASS(TCommonDialog)
 public:
  explicit TCommonDialog(Classes::TComponent* owner) : TComponent(owner) {}
  virtual bool Execute() = 0;
};

// Chooses one file, or several with ofAllowMultiSelect. After a confirmed Execute,
// Files holds the chosen names in order and FileName the first; a name typed
// without an extension gets DefaultExt, and ofExtensionDifferent tells whether the
// first name's extension differs from DefaultExt. A cancelled Execute changes
// nothing.
class TOpenDialog : public TCommonDialog {
  TOLLEN_CLASS(TOpenDialog)
 public:
  explicit TOpenDialog(Classes::TComponent* owner);
  ~TOpenDialog() override;

  const std::string& InitialDir() const { return FInitialDir; }
  void SetInitialDir(const std::string& value) { FInitialDir = value; }
  const std::string& DefaultExt() const { return FDefaultExt; }
  void SetDefaultExt(const std::string& value) { FDefaultExt = value; }
  const std::string& Filter() const { return FFilter; }
  void SetFilter(const std::string& value) { FFilter = value; }
  const std::string& Title() const { return FTitle; }
  void SetTitle(const std::string& value) { FTitle = value; }
  TOpenOptions Options() const { return FOptions; }
  void SetOptions(TOpenOptions value) { FOptions = value; }
  const std::string& FileName() const { return FFileName; }
  void SetFileName(const std::string& value) { FFileName = value; }
  const Classes::TStrings& Files() const { return *FFiles; }

  bool Execute() override;

 protected:
  virtual TOpenRequest Request() const;

 private:
  void Accept(std::vector<std::string> files);

  std::string FInitialDir;
  std::string FDefaultExt;
  std::string FFilter;
  std::string FTitle;
  TOpenOptions FOptions{ofHideReadOnly};
  std::string FFileName;
  std::unique_ptr<Classes::TStringList> FFiles;
};

}  // namespace Dialogs
