// The host's dialogs inside the designer's window, each a modal box over it: a
// message shows exactly the buttons asked for (Escape answers as the host says it
// does); a file dialog is a file browser (FileBrowser.h) honouring the request's
// title, filter, folder, default extension, multi-select and must-exist options,
// asking through this same service before a file is overwritten.
#pragma once

#include <functional>

#include "DesignerUi.h"
#include "Dialogs.h"
#include "FileBrowser.h"

namespace Designer {

class TWindowDialogs final : public Dialogs::TDialogService {
 public:
  explicit TWindowDialogs(TDesignerUi& ui) : FUi(ui) {}

  Dialogs::TModalResult ShowMessage(const Dialogs::TMessageRequest& request) override;
  std::optional<std::vector<std::string>> ChooseFiles(
      const Dialogs::TOpenRequest& request) override;

  // Where the box up now (or the last one) drew the item `label` (a button's
  // caption, a file's name, a folder's name and "/", "File name"...).
  std::optional<Types::TRect> ItemRect(const std::string& label) const {
    return FRects.Find(label);
  }
  // The labels of the box's items, sorted: its buttons, its list.
  std::vector<std::string> ItemLabels() const { return FRects.Labels(); }

  // Runs at the end of each frame a box draws: a test's stand-in for the person
  // in front of it, pushing the events of the next frame (the box draws frames of
  // its own until it is answered, so nobody else can).
  std::function<void()> OnFrame;

 private:
  // Shows `draw` (one frame of a box, false once it closed) as a modal box.
  void Modal(const std::function<bool()>& draw);

  TDesignerUi& FUi;
  TItemRects FRects;
};

}  // namespace Designer
