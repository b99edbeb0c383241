#include "FormFiles.h"

#include <filesystem>

#include "Classes/Streaming.h"
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

std::unique_ptr<Forms::TForm> LoadForm(const std::string& path) {
  Tollenspiegel::RegisterClasses();
  std::unique_ptr<Classes::TComponent> root = Classes::ReadComponentFile(path);
  auto* form = dynamic_cast<Forms::TForm*>(root.get());
  if (form == nullptr)
    throw SysUtils::Exception("\"" + path + "\" holds a " + std::string(root->ClassName()) +
                              ", not a form");
  root.release();
  return std::unique_ptr<Forms::TForm>(form);
}

TFormFolder::TFormFolder(const std::string& formPath) : FPrevious(fs::current_path().string()) {
  fs::path folder = fs::absolute(formPath).parent_path();
  std::error_code ec;
  fs::current_path(folder, ec);
  if (ec) throw SysUtils::Exception("Cannot enter the form's folder \"" + folder.string() + "\"");
}

TFormFolder::~TFormFolder() {
  std::error_code ignored;
  fs::current_path(FPrevious, ignored);
}

std::string AbsolutePath(const std::string& path) { return fs::absolute(path).string(); }

void SettlePaints(Forms::TForm& form) {
  for (int i = 0; i < 8 && !form.InvalidArea().IsEmpty(); ++i) form.Update();
}

}  // namespace Tools
