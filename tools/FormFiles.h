// Finding and loading the forms the tools show, and reporting the names a form
// holds that cannot be found.
#pragma once

#include <memory>
#include <set>
#include <string>

#include "Forms.h"

namespace Tools {

// The bundled demo form: beside an installed tool, else in the source tree.
std::string DemoFormPath();

// Reads a form file whose root is a TForm; the package's controls are known. A
// file that cannot be opened is reported with the system's reason.
std::unique_ptr<Forms::TForm> LoadForm(const std::string& path);

// Raises an error with the system's reason when `path` cannot be read.
void RequireReadable(const std::string& path);

// The folder of a form file, made absolute against the working folder now.
std::string FormFolder(const std::string& formPath);

// While it lives, the working folder is `folder`, as for an application started
// beside its form: relative names in the form (frames, sounds) resolve there. The
// folder in force before comes back at the end.
class TWorkingFolder {
 public:
  explicit TWorkingFolder(const std::string& folder);
  ~TWorkingFolder();
  TWorkingFolder(const TWorkingFolder&) = delete;
  TWorkingFolder& operator=(const TWorkingFolder&) = delete;

 private:
  std::string FPrevious;
};

// While it lives, every name the run-time library finds missing is reported on
// stderr once, as "FORM: cannot find NAME".
class TMissingNames {
 public:
  explicit TMissingNames(std::string formPath);
  ~TMissingNames();
  TMissingNames(const TMissingNames&) = delete;
  TMissingNames& operator=(const TMissingNames&) = delete;

  const std::set<std::string>& Names() const { return FNames; }
  // Raises an error naming the first missing name, when there is one.
  void Refuse() const;

 private:
  std::string FFormPath;
  std::set<std::string> FNames;
};

// `path` made absolute against the working folder now in force.
std::string AbsolutePath(const std::string& path);

// Paints until nothing is left to paint (a control may resize itself once).
void SettlePaints(Forms::TForm& form);

}  // namespace Tools
