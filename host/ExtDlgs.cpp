#include "ExtDlgs.h"

namespace ExtDlgs {

System::TClass TOpenPictureDialog::StaticClass() {
  static const System::TClassInfo info{"TOpenPictureDialog", Dialogs::TOpenDialog::StaticClass()};
  return &info;
}

TOpenPictureDialog::TOpenPictureDialog(Classes::TComponent* owner) : TOpenDialog(owner) {
  SetFilter("Bitmaps (*.bmp)|*.bmp");
}

Dialogs::TOpenRequest TOpenPictureDialog::Request() const {
  Dialogs::TOpenRequest request = TOpenDialog::Request();
  request.Pictures = true;
  return request;
}

}  // namespace ExtDlgs
