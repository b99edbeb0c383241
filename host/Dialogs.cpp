#include "Dialogs.h"

#include <cstdio>

namespace Dialogs {

namespace {

TDialogService* installed = nullptr;

}  // namespace

const char* MessageCaption(TMsgDlgType type) {
  switch (type) {
    case mtWarning:
      return "Warning";
    case mtError:
      return "Error";
    case mtInformation:
      return "Information";
    case mtConfirmation:
      return "Confirm";
    case mtCustom:
      break;
  }
  return "Message";
}

const char* ButtonCaption(TMsgDlgBtn button) {
  static constexpr const char* captions[] = {"Yes",       "No",         "OK",     "Cancel",
                                             "Abort",     "Retry",      "Ignore", "All",
                                             "No to All", "Yes to All", "Help"};
  return captions[static_cast<int>(button)];
}

namespace {

// The extension of a name, without its dot ("" when it has none).
std::string ExtensionOf(const std::string& name) {
  std::size_t slash = name.find_last_of("\\/:");
  std::size_t dot = name.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  return name.substr(dot + 1);
}

}  // namespace

TModalResult ModalResultOf(TMsgDlgBtn button) {
  switch (button) {
    case mbYes:
      return mrYes;
    case mbNo:
      return mrNo;
    case mbOK:
      return mrOk;
    case mbCancel:
      return mrCancel;
    case mbAbort:
      return mrAbort;
    case mbRetry:
      return mrRetry;
    case mbIgnore:
      return mrIgnore;
    case mbAll:
      return mrAll;
    case mbNoToAll:
      return mrNoToAll;
    case mbYesToAll:
      return mrYesToAll;
    case mbHelp:
      break;
  }
  return mrNone;
}

TModalResult EscapeResult(TMsgDlgButtons buttons) {
  for (TMsgDlgBtn b : {mbCancel, mbNo, mbOK})
    if (buttons.Contains(b)) return ModalResultOf(b);
  return mrCancel;  // no button answers Escape: the box is closed
}

TDialogService& DialogService() {
  static TEscapeDialogs fallback;
  return installed ? *installed : fallback;
}

void UseDialogService(TDialogService* service) { installed = service; }

TModalResult MessageDlg(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons,
                        int helpContext) {
  return DialogService().ShowMessage({message, type, buttons, helpContext});
}

// ---- TEscapeDialogs ----

TModalResult TEscapeDialogs::ShowMessage(const TMessageRequest& request) {
  std::fprintf(stderr, "%s: %s\n", MessageCaption(request.Type), request.Message.c_str());
  return EscapeResult(request.Buttons);
}

std::optional<std::vector<std::string>> TEscapeDialogs::ChooseFiles(const TOpenRequest& request) {
  std::fprintf(stderr, "%s: no file chosen (no dialog front end)\n", request.Title.c_str());
  return std::nullopt;
}

// ---- TScriptedDialogs ----

TModalResult TScriptedDialogs::ShowMessage(const TMessageRequest& request) {
  FMessages.push_back(request);
  if (WhileShown) WhileShown();
  if (FAnswers.empty()) return EscapeResult(request.Buttons);
  TModalResult answer = FAnswers.front();
  FAnswers.pop_front();
  return answer;
}

std::optional<std::vector<std::string>> TScriptedDialogs::ChooseFiles(const TOpenRequest& request) {
  FOpenRequests.push_back(request);
  if (WhileShown) WhileShown();
  if (FChoices.empty()) return std::nullopt;
  TChoice choice = std::move(FChoices.front());
  FChoices.pop_front();
  if (!choice.Confirmed) return std::nullopt;
  return std::optional<std::vector<std::string>>(std::move(choice.Files));
}

// ---- TCommonDialog, TOpenDialog ----

System::TClass TCommonDialog::StaticClass() {
  static const System::TClassInfo info{"TCommonDialog", Classes::TComponent::StaticClass()};
  return &info;
}

System::TClass TOpenDialog::StaticClass() {
  static const System::TClassInfo info{"TOpenDialog", TCommonDialog::StaticClass()};
  return &info;
}

TOpenDialog::TOpenDialog(Classes::TComponent* owner)
    : TCommonDialog(owner), FFiles(std::make_unique<Classes::TStringList>()) {}

TOpenDialog::~TOpenDialog() = default;

TOpenRequest TOpenDialog::Request() const {
  return {FTitle, FInitialDir, FDefaultExt, FFilter, FFileName, FOptions, false};
}

bool TOpenDialog::Execute() {
  std::optional<std::vector<std::string>> chosen = DialogService().ChooseFiles(Request());
  if (!chosen || chosen->empty()) return false;
  // One name only, unless several may be chosen.
  if (!FOptions.Contains(ofAllowMultiSelect)) chosen->resize(1);
  Accept(std::move(*chosen));
  return true;
}

void TOpenDialog::Accept(std::vector<std::string> files) {
  if (!FDefaultExt.empty())
    for (std::string& name : files)
      if (ExtensionOf(name).empty()) name += "." + FDefaultExt;
  bool different =
      !FDefaultExt.empty() && Classes::CompareText(ExtensionOf(files.front()), FDefaultExt) != 0;
  if (different)
    FOptions.Include(ofExtensionDifferent);
  else
    FOptions.Exclude(ofExtensionDifferent);
  FFiles->Clear();
  for (const std::string& name : files) FFiles->Add(name);
  FFileName = files.front();
}

}  // namespace Dialogs
