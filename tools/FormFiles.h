// Finding and loading the forms the tools show.
#pragma once

#include <memory>
#include <string>

#include "Forms.h"

namespace Tools {

// The bundled demo form: beside an installed tool, else in the source tree.
std::string DemoFormPath();

// Reads a form file whose root is a TForm; the package's controls are known.
std::unique_ptr<Forms::TForm> LoadForm(const std::string& path);

// While it lives, the working folder is the form file's own, as an application
// started beside its form would find it: relative names in the form (frames,
// sounds) resolve there. The folder in force before comes back at the end.
class TFormFolder {
 public:
  explicit TFormFolder(const std::string& formPath);
  ~TFormFolder();
  TFormFolder(const TFormFolder&) = delete;
  TFormFolder& operator=(const TFormFolder&) = delete;

 private:
  std::string FPrevious;
};

// `path` made absolute against the working folder now in force.
std::string AbsolutePath(const std::string& path);

// Paints until nothing is left to paint (a control may resize itself once).
void SettlePaints(Forms::TForm& form);

}  // namespace Tools
