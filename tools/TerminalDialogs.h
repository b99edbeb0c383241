// Dialogs on a terminal, for the designer shell: a message shows its text and its
// buttons and reads the button's name from the next line; a file dialog shows its
// title, filter and folder and reads the chosen names (separated by blanks, quoted
// where they hold blanks) from the next line, asking again for names that must
// exist and do not. An empty line or the end of the input answers as Escape would.
#pragma once

#include <iosfwd>

#include "Dialogs.h"

namespace Tools {

class TTerminalDialogs final : public Dialogs::TDialogService {
 public:
  TTerminalDialogs(std::istream& in, std::ostream& out) : FIn(in), FOut(out) {}

  Dialogs::TModalResult ShowMessage(const Dialogs::TMessageRequest& request) override;
  std::optional<std::vector<std::string>> ChooseFiles(
      const Dialogs::TOpenRequest& request) override;

 private:
  std::optional<std::vector<std::string>> Accepted(const std::string& line,
                                                   const Dialogs::TOpenRequest& request);

  std::istream& FIn;
  std::ostream& FOut;
};

}  // namespace Tools
