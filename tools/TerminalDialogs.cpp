#include "TerminalDialogs.h"

#include <iostream>
#include <sstream>

#include "ShellWords.h"
#include "SysUtils.h"

namespace Tools {

namespace {

using Dialogs::TMsgDlgBtn;

// The word typed for a button: its caption without blanks ("NoToAll").
std::string ButtonName(TMsgDlgBtn b) {
  std::string name = Dialogs::ButtonCaption(b);
  std::erase(name, ' ');
  return name;
}

}  // namespace

Dialogs::TModalResult TTerminalDialogs::ShowMessage(const Dialogs::TMessageRequest& request) {
  FOut << "message: " << request.Message << "\n";
  std::vector<TMsgDlgBtn> buttons;
  for (int i = 0; i < Dialogs::kMsgDlgBtnCount; ++i)
    if (request.Buttons.Contains(static_cast<TMsgDlgBtn>(i)))
      buttons.push_back(static_cast<TMsgDlgBtn>(i));
  FOut << "answer with one of:";
  for (TMsgDlgBtn b : buttons) FOut << " " << ButtonName(b);
  FOut << "\n";
  for (std::string line; std::getline(FIn, line);) {
    std::istringstream words(line);
    std::string word;
    if (!(words >> word)) break;
    for (TMsgDlgBtn b : buttons)
      if (SysUtils::SameText(word, ButtonName(b))) return Dialogs::ModalResultOf(b);
    FOut << "\"" << word << "\" is not one of the buttons\n";
  }
  return Dialogs::EscapeResult(request.Buttons);
}

std::optional<std::vector<std::string>> TTerminalDialogs::ChooseFiles(
    const Dialogs::TOpenRequest& request) {
  FOut << "dialog: " << request.Title << "\n";
  if (!request.Filter.empty()) FOut << "filter: " << request.Filter << "\n";
  if (!request.InitialDir.empty()) FOut << "folder: " << request.InitialDir << "\n";
  FOut << "file names (quoted where they hold spaces), or an empty line to cancel:\n";
  for (std::string line; std::getline(FIn, line);) {
    std::optional<std::vector<std::string>> files = Accepted(line, request);
    if (!files) continue;
    if (files->empty()) return std::nullopt;
    return files;
  }
  return std::nullopt;
}

// The names on the line, or nothing (after saying why) when the dialog would
// refuse them.
std::optional<std::vector<std::string>> TTerminalDialogs::Accepted(
    const std::string& line, const Dialogs::TOpenRequest& request) {
  std::vector<std::string> files;
  try {
    files = ShellWords(line);
  } catch (const SysUtils::Exception& e) {
    FOut << e.what() << "; give the names again\n";
    return std::nullopt;
  }
  const bool mustExist = request.Options.Contains(Dialogs::TOpenOption::ofFileMustExist);
  for (const std::string& f : files) {
    if (mustExist && !SysUtils::FileExists(f)) {
      FOut << "cannot find " << f << "; give the names again\n";
      return std::nullopt;
    }
  }
  return files;
}

}  // namespace Tools
