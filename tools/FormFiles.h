// The forms the tools show: the bundled demo, and the names a form holds that
// cannot be found.
#pragma once

#include <set>
#include <string>

namespace Tools {

// The bundled demo form: beside an installed tool, else in the source tree.
std::string DemoFormPath();

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

}  // namespace Tools
