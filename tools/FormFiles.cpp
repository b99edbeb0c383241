#include "FormFiles.h"

#include <filesystem>
#include <iostream>

#include "SysUtils.h"

namespace Tools {

namespace fs = std::filesystem;

std::string DemoFormPath() {
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    fs::path installed = exe.parent_path() / "../share/tollenspiegel/examples/demo.form";
    if (fs::exists(installed, ec)) return fs::weakly_canonical(installed, ec).string();
  }
  return std::string(TOLLEN_SOURCE_EXAMPLES) + "/demo.form";
}

TMissingNames::TMissingNames(std::string formPath) : FFormPath(std::move(formPath)) {
  SysUtils::SetMissingFileHook([this](const std::string& name) {
    if (FNames.insert(name).second)
      std::cerr << "tollenspiegel: " << FFormPath << ": cannot find " << name << "\n";
  });
}

TMissingNames::~TMissingNames() { SysUtils::SetMissingFileHook(nullptr); }

void TMissingNames::Refuse() const {
  if (!FNames.empty())
    throw SysUtils::Exception(FFormPath + " names " + std::to_string(FNames.size()) +
                              " file(s) that cannot be found, the first " + *FNames.begin());
}

}  // namespace Tools
