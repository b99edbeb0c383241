// ExtDlgs: TOpenPictureDialog, the file-open dialog for pictures.
//
// It is a TOpenDialog whose filter starts as the pictures the host can load and
// whose request tells the dialog service that pictures are chosen, so a front end
// may show a preview of the one under the cursor.
#pragma once

#include "Dialogs.h"

namespace ExtDlgs {

class TOpenPictureDialog : public Dialogs::TOpenDialog {
  TOLLEN_CLASS(TOpenPictureDialog)
 public:
  explicit TOpenPictureDialog(Classes::TComponent* owner);

 protected:
  Dialogs::TOpenRequest Request() const override;
};

}  // namespace ExtDlgs
