// Choosing files as the host's open and save dialogs do, without a window: the
// state of a file dialog (the folder shown, the filter entry in use, the files
// picked in its list, the text of its file-name field) and what pressing Open
// makes of it. A window draws this state; tests drive it directly.
//
// Filters are "Description|pattern;pattern|Description|pattern"; patterns use
// "*" and "?", compare letters case-insensitively, and "*.*" matches every name.
// Names starting with a dot are hidden, as the platform hides hidden files.
//
// The file-name field holds one name as typed (blanks and all) or, when several
// files may be chosen, several names in double quotes. Pressing Open answers
// full paths: the folder shown joined with each name (an absolute name stays as
// it is), DefaultExt added to a name without an extension unless that very file
// exists. A single name that is a folder opens that folder instead, and one
// holding "*" or "?" lists the files it matches until another filter entry is
// chosen. The
// must-exist options refuse names with a message for the user; a file about to be
// overwritten under ofOverwritePrompt is asked about first.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Dialogs.h"

namespace Tools {

struct TFilterEntry {
  std::string Description;
  std::vector<std::string> Patterns;
};

// The entries of a filter, in order; a filter without any gives one entry that
// shows every file. A description without a pattern after it is its own pattern.
std::vector<TFilterEntry> SplitFilter(const std::string& filter);

// Whether `name` matches the wildcard `pattern`.
bool MatchesPattern(std::string_view name, std::string_view pattern);

struct TFolderEntries {
  std::vector<std::string> Folders;  // every visible sub-folder, sorted
  std::vector<std::string> Files;    // the visible files the filter entry matches, sorted
};

// Lists `folder`; raises SysUtils::Exception naming it when it cannot be read.
TFolderEntries ListFolder(const std::filesystem::path& folder, const TFilterEntry& entry);

// The names in a file-name field; raises SysUtils::Exception when a quote is
// not closed. JoinNames writes them back: one name bare, several quoted.
std::vector<std::string> SplitNames(const std::string& text);
std::string JoinNames(const std::vector<std::string>& names);

// `path` with "." and `extension` (a leading dot allowed) added when it has no
// extension of its own and names no existing file.
std::string WithDefaultExt(const std::string& path, const std::string& extension);

// What pressing Open did.
struct TChoiceAnswer {
  enum class TKind {
    Nothing,  // no name given: the dialog stays as it is
    Refused,  // Message says why; the dialog stays
    Entered,  // the name was a folder, now shown, or a pattern, now listed
    Confirm,  // Message asks whether Files may be overwritten
    Chosen    // Files are the answer
  };
  TKind Kind = TKind::Nothing;
  std::vector<std::string> Files;
  std::string Message;
};

enum class TPickMode { Only, Toggle, Range };

class TFileChoice {
 public:
  explicit TFileChoice(const Dialogs::TOpenRequest& request);

  const Dialogs::TOpenRequest& Request() const { return FRequest; }
  bool MultiSelect() const;

  // ---- the folder shown ----
  const std::filesystem::path& Folder() const { return FFolder; }
  // Shows `folder` (relative to the one shown); false, changing nothing, when it
  // is not a folder.
  bool Enter(const std::string& folder);
  void Up();
  const TFolderEntries& Entries() const { return FEntries; }
  // Why the folder could not be listed; empty when it could.
  const std::string& ListProblem() const { return FListProblem; }
  // Lists the folder again, as it is on the disk now.
  void Refresh();

  // ---- the filter ----
  const std::vector<TFilterEntry>& Filters() const { return FFilters; }
  std::size_t FilterIndex() const { return FFilterIndex; }
  void SetFilterIndex(std::size_t index);

  // ---- the files picked in the list, in the list's order ----
  // Only picks `file` alone; Toggle adds or removes it, Range picks the files
  // from the last one picked alone up to it (both need MultiSelect, else they
  // act as Only). The file-name field then names the files picked.
  void Pick(const std::string& file, TPickMode mode);
  const std::vector<std::string>& Picked() const { return FPicked; }
  bool IsPicked(const std::string& file) const;

  // ---- the file-name field and Open ----
  std::string& Text() { return FText; }
  const std::string& Text() const { return FText; }
  // Where `name`, as given in the field, is: the folder shown joined with it.
  std::string FullName(const std::string& name) const;
  TChoiceAnswer Open();

 private:
  void Show(std::filesystem::path folder);
  std::vector<std::string> Resolved(const std::vector<std::string>& names) const;
  std::string Refusal(const std::vector<std::string>& names,
                      const std::vector<std::string>& files) const;

  Dialogs::TOpenRequest FRequest;
  std::vector<TFilterEntry> FFilters;
  std::size_t FFilterIndex = 0;
  std::optional<TFilterEntry> FTypedPattern;  // lists instead of the filter entry
  std::filesystem::path FFolder;
  TFolderEntries FEntries;
  std::string FListProblem;
  std::vector<std::string> FPicked;
  std::string FAnchor;
  std::string FText;
};

}  // namespace Tools
