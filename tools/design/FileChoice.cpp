#include "FileChoice.h"

#include <algorithm>
#include <system_error>

#include "Classes/Strings.h"
#include "SysUtils.h"

namespace Tools {

namespace fs = std::filesystem;

namespace {

char Fold(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::vector<std::string> SplitAt(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end - start));
    if (end == std::string::npos) return parts;
    start = end + 1;
  }
}

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool Matches(const std::string& name, const TFilterEntry& entry) {
  return std::any_of(entry.Patterns.begin(), entry.Patterns.end(),
                     [&](const std::string& p) { return MatchesPattern(name, p); });
}

void SortNames(std::vector<std::string>& names) {
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const int order = Classes::CompareText(a, b);
    return order != 0 ? order < 0 : a < b;
  });
}

bool IsFolder(const fs::path& path) {
  std::error_code ignored;
  return fs::is_directory(path, ignored);
}

// An absolute, tidy form of `path`, relative names taken from the working folder.
fs::path Absolute(const fs::path& path) {
  std::error_code ignored;
  fs::path full = fs::absolute(path, ignored);
  full = (full.empty() ? path : full).lexically_normal();
  // "a/b/" and "a/b/.." name folders too; shown without the last separator.
  return full.has_filename() || !full.has_relative_path() ? full : full.parent_path();
}

// Where a dialog opens: the folder of the name it was given, else InitialDir,
// else the working folder; a folder that does not exist is passed over.
fs::path StartFolder(const Dialogs::TOpenRequest& request) {
  const std::string named = SysUtils::ExtractFilePath(request.FileName);
  for (const std::string& folder : {named, request.InitialDir})
    if (!folder.empty() && IsFolder(SysUtils::NativePath(folder)))
      return Absolute(SysUtils::NativePath(folder));
  std::error_code gone;  // the working folder may have been removed
  const fs::path working = fs::current_path(gone);
  return gone ? fs::path("/") : Absolute(working);
}

}  // namespace

std::vector<TFilterEntry> SplitFilter(const std::string& filter) {
  std::vector<TFilterEntry> entries;
  const std::vector<std::string> parts = SplitAt(filter, '|');
  for (std::size_t i = 0; i < parts.size(); i += 2) {
    const std::string& patterns = i + 1 < parts.size() ? parts[i + 1] : parts[i];
    TFilterEntry entry{parts[i], {}};
    for (const std::string& p : SplitAt(patterns, ';'))
      if (!Trimmed(p).empty()) entry.Patterns.push_back(Trimmed(p));
    if (!entry.Patterns.empty()) entries.push_back(std::move(entry));
  }
  if (entries.empty()) entries.push_back({"All files", {"*"}});
  return entries;
}

// Greedy matching that goes back only to the last "*": time bounded by the
// product of the two lengths, however many stars there are.
bool MatchesPattern(std::string_view name, std::string_view pattern) {
  if (pattern == "*.*") pattern = "*";
  std::size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || Fold(pattern[p]) == Fold(name[n]))) {
      ++n;
      ++p;
    } else if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
    } else if (starP != std::string_view::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

TFolderEntries ListFolder(const fs::path& folder, const TFilterEntry& entry) {
  TFolderEntries entries;
  std::error_code error;
  fs::directory_iterator it(folder, error);
  for (; !error && it != fs::directory_iterator(); it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (name.empty() || name[0] == '.') continue;
    std::error_code ignored;
    if (it->is_directory(ignored))
      entries.Folders.push_back(name);
    else if (Matches(name, entry))
      entries.Files.push_back(name);
  }
  if (error)
    throw SysUtils::Exception("Cannot read the folder " + folder.string() + ": " + error.message());
  SortNames(entries.Folders);
  SortNames(entries.Files);
  return entries;
}

std::vector<std::string> SplitNames(const std::string& text) {
  if (text.find('"') == std::string::npos) {
    std::string name = Trimmed(text);
    return name.empty() ? std::vector<std::string>{} : std::vector<std::string>{name};
  }
  std::vector<std::string> names;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] == ' ' || text[i] == '\t') {
      ++i;
    } else if (text[i] == '"') {
      const std::size_t close = text.find('"', i + 1);
      if (close == std::string::npos)
        throw SysUtils::Exception("The quote at column " + std::to_string(i + 1) +
                                  " is not closed.");
      if (close > i + 1) names.push_back(text.substr(i + 1, close - i - 1));
      i = close + 1;
    } else {
      const std::size_t end = text.find_first_of(" \t\"", i);
      names.push_back(text.substr(i, end - i));
      i = end == std::string::npos ? text.size() : end;
    }
  }
  return names;
}

std::string JoinNames(const std::vector<std::string>& names) {
  if (names.size() == 1) return names.front();
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "\"" : " \"") + name + "\"";
  return text;
}

std::string WithDefaultExt(const std::string& path, const std::string& extension) {
  const std::string ext = extension.starts_with('.') ? extension.substr(1) : extension;
  if (ext.empty() || fs::path(path).has_extension() || SysUtils::FileExists(path)) return path;
  return path + "." + ext;
}

// ---- TFileChoice ----

TFileChoice::TFileChoice(const Dialogs::TOpenRequest& request)
    : FRequest(request), FFilters(SplitFilter(request.Filter)) {
  Show(StartFolder(request));
  FText = SysUtils::ExtractFileName(request.FileName);
}

bool TFileChoice::MultiSelect() const {
  return FRequest.Options.Contains(Dialogs::TOpenOption::ofAllowMultiSelect);
}

void TFileChoice::Show(fs::path folder) {
  FFolder = std::move(folder);
  FPicked.clear();
  FAnchor.clear();
  Refresh();
}

void TFileChoice::Refresh() {
  FListProblem.clear();
  try {
    FEntries = ListFolder(FFolder, FTypedPattern ? *FTypedPattern : FFilters[FFilterIndex]);
  } catch (const std::exception& e) {
    FEntries = {};
    FListProblem = e.what();
  }
  std::erase_if(FPicked, [&](const std::string& f) {
    return std::find(FEntries.Files.begin(), FEntries.Files.end(), f) == FEntries.Files.end();
  });
}

bool TFileChoice::Enter(const std::string& folder) {
  const fs::path target = Absolute(FFolder / SysUtils::NativePath(folder));
  if (!IsFolder(target)) return false;
  Show(target);
  return true;
}

void TFileChoice::Up() {
  if (FFolder.has_parent_path() && FFolder.parent_path() != FFolder) Show(FFolder.parent_path());
}

void TFileChoice::SetFilterIndex(std::size_t index) {
  if (index >= FFilters.size() || (index == FFilterIndex && !FTypedPattern)) return;
  FFilterIndex = index;
  FTypedPattern.reset();
  Refresh();
}

void TFileChoice::Pick(const std::string& file, TPickMode mode) {
  const std::vector<std::string>& files = FEntries.Files;
  const auto at = std::find(files.begin(), files.end(), file);
  if (at == files.end()) return;
  if (!MultiSelect()) mode = TPickMode::Only;
  const auto anchor = std::find(files.begin(), files.end(), FAnchor);
  if (mode == TPickMode::Range && anchor != files.end()) {
    FPicked.assign(std::min(anchor, at), std::max(anchor, at) + 1);
  } else if (mode == TPickMode::Toggle) {
    if (IsPicked(file))
      std::erase(FPicked, file);
    else
      FPicked.push_back(file);
    FAnchor = file;
  } else {
    FPicked = {file};
    FAnchor = file;
  }
  // Kept in the list's order, as the field shows them.
  std::vector<std::string> ordered;
  for (const std::string& f : files)
    if (IsPicked(f)) ordered.push_back(f);
  FPicked = std::move(ordered);
  FText = JoinNames(FPicked);
}

bool TFileChoice::IsPicked(const std::string& file) const {
  return std::find(FPicked.begin(), FPicked.end(), file) != FPicked.end();
}

std::string TFileChoice::FullName(const std::string& name) const {
  return (FFolder / SysUtils::NativePath(name)).lexically_normal().string();
}

std::vector<std::string> TFileChoice::Resolved(const std::vector<std::string>& names) const {
  std::vector<std::string> files;
  for (const std::string& name : names)
    files.push_back(WithDefaultExt(FullName(name), FRequest.DefaultExt));
  return files;
}

// Why the names may not be chosen; empty when they may.
std::string TFileChoice::Refusal(const std::vector<std::string>& names,
                                 const std::vector<std::string>& files) const {
  using enum Dialogs::TOpenOption;
  if (names.size() > 1 && !MultiSelect()) return "Choose one file only.";
  const bool fileMustExist = FRequest.Options.Contains(ofFileMustExist);
  const bool pathMustExist = fileMustExist || FRequest.Options.Contains(ofPathMustExist);
  for (std::size_t i = 0; i < files.size(); ++i) {
    const fs::path folder = fs::path(files[i]).parent_path();
    if (pathMustExist && !IsFolder(folder))
      return "The folder " + folder.string() + " does not exist.";
    if (fileMustExist && !SysUtils::FileExists(files[i]))
      return "Cannot find " + names[i] + ". Check the name and try again.";
  }
  return {};
}

TChoiceAnswer TFileChoice::Open() {
  using TKind = TChoiceAnswer::TKind;
  std::vector<std::string> names;
  try {
    names = SplitNames(FText);
  } catch (const std::exception& e) {
    return {TKind::Refused, {}, e.what()};
  }
  if (names.empty()) return {};
  if (names.size() == 1 && Enter(names.front())) {
    FText.clear();
    return {TKind::Entered, {}, {}};
  }
  if (names.size() == 1 && names.front().find_first_of("*?") != std::string::npos) {
    FTypedPattern = TFilterEntry{names.front(), {names.front()}};
    Refresh();
    return {TKind::Entered, {}, {}};
  }
  std::vector<std::string> files = Resolved(names);
  if (std::string why = Refusal(names, files); !why.empty()) return {TKind::Refused, {}, why};
  if (FRequest.Options.Contains(Dialogs::TOpenOption::ofOverwritePrompt))
    for (const std::string& file : files)
      if (SysUtils::FileExists(file))
        return {TKind::Confirm, files,
                SysUtils::ExtractFileName(file) + " already exists.\rDo you want to replace it?"};
  return {TKind::Chosen, std::move(files), {}};
}

}  // namespace Tools
