// The host's dialogs inside the designer's window: a message is a modal box with
// exactly the buttons asked for (Escape answers as the host says it does); a file
// dialog is a modal box asking for the names, honouring the request's title,
// folder and must-exist options.
#pragma once

#include "DesignerUi.h"
#include "Dialogs.h"

namespace Designer {

class TWindowDialogs final : public Dialogs::TDialogService {
 public:
  explicit TWindowDialogs(TDesignerUi& ui) : FUi(ui) {}

  Dialogs::TModalResult ShowMessage(const Dialogs::TMessageRequest& request) override;
  std::optional<std::vector<std::string>> ChooseFiles(
      const Dialogs::TOpenRequest& request) override;

 private:
  TDesignerUi& FUi;
};

}  // namespace Designer
