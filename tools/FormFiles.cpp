#include "FormFiles.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "Classes/Streaming.h"
#include "FileNames.h"
#include "Tollenspiegel.h"

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

void RequireReadable(const std::string& path) {
  if (!std::ifstream(path))
    throw SysUtils::Exception("Cannot open " + path + ": " + std::strerror(errno));
}

std::unique_ptr<Forms::TForm> LoadForm(const std::string& path) {
  RequireReadable(path);
  Tollenspiegel::RegisterClasses();
  std::unique_ptr<Classes::TComponent> root = Classes::ReadComponentFile(path);
  auto* form = dynamic_cast<Forms::TForm*>(root.get());
  if (form == nullptr)
    throw SysUtils::Exception("\"" + path + "\" holds a " + std::string(root->ClassName()) +
                              ", not a form");
  root.release();
  return std::unique_ptr<Forms::TForm>(form);
}

std::string FormFolder(const std::string& formPath) {
  return fs::absolute(formPath).parent_path().string();
}

TWorkingFolder::TWorkingFolder(const std::string& folder) : FPrevious(fs::current_path().string()) {
  std::error_code ec;
  fs::current_path(folder, ec);
  if (ec) throw SysUtils::Exception("Cannot enter " + folder + ": " + ec.message());
}

TWorkingFolder::~TWorkingFolder() {
  std::error_code ignored;
  fs::current_path(FPrevious, ignored);
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

std::string AbsolutePath(const std::string& path) { return fs::absolute(path).string(); }

void SettlePaints(Forms::TForm& form) {
  for (int i = 0; i < 8 && !form.InvalidArea().IsEmpty(); ++i) form.Update();
}

}  // namespace Tools
