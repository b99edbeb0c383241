// A file dialog's choices without a window: filters, listing, picking and Open.
#include <gtest/gtest.h>

#include <fstream>

#include "FileChoice.h"
#include "support/TempFolder.h"

namespace {

using Tools::TChoiceAnswer;
using Tools::TFileChoice;
using Tools::TPickMode;
using TKind = TChoiceAnswer::TKind;
using Names = std::vector<std::string>;

TEST(FileChoiceTest, FiltersSplitIntoDescriptionsAndPatterns) {
  const struct {
    std::string Filter;
    std::vector<Tools::TFilterEntry> Entries;
  } cases[] = {
      {"Windows Bitmaps|*.bmp", {{"Windows Bitmaps", {"*.bmp"}}}},
      {"Pictures|*.bmp; *.dib|All|*", {{"Pictures", {"*.bmp", "*.dib"}}, {"All", {"*"}}}},
      {"Forms|*.form|*.txt", {{"Forms", {"*.form"}}, {"*.txt", {"*.txt"}}}},
      {"", {{"All files", {"*"}}}},
      {"Nothing|", {{"All files", {"*"}}}},
  };
  for (const auto& c : cases) {
    const std::vector<Tools::TFilterEntry> entries = Tools::SplitFilter(c.Filter);
    ASSERT_EQ(entries.size(), c.Entries.size()) << c.Filter;
    for (std::size_t i = 0; i < entries.size(); ++i) {
      EXPECT_EQ(entries[i].Description, c.Entries[i].Description) << c.Filter;
      EXPECT_EQ(entries[i].Patterns, c.Entries[i].Patterns) << c.Filter;
    }
  }
}

TEST(FileChoiceTest, PatternsMatchWildcardsIgnoringCase) {
  const struct {
    const char* Name;
    const char* Pattern;
    bool Matches;
  } cases[] = {
      {"A.BMP", "*.bmp", true},
      {"a.bmpx", "*.bmp", false},
      {"abc", "a?c", true},
      {"ac", "a?c", false},
      {"README", "*.*", true},
      {"x.tar.gz", "*.gz", true},
      {"frame10.bmp", "frame*0.*", true},
      {"", "*", true},
      {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaab", "*a*a*a*a*a*a*a*a*c", false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Tools::MatchesPattern(c.Name, c.Pattern), c.Matches) << c.Name << " " << c.Pattern;
}

TEST(FileChoiceTest, TheNameFieldHoldsOneNameAsTypedOrSeveralQuoted) {
  const struct {
    std::string Text;
    Names Split;
  } cases[] = {
      {"my film.bmp", {"my film.bmp"}},
      {"  a.bmp ", {"a.bmp"}},
      {"\"a.bmp\" \"b c.bmp\"", {"a.bmp", "b c.bmp"}},
      {"\"a.bmp\"\"b.bmp\" c.bmp", {"a.bmp", "b.bmp", "c.bmp"}},
      {"   ", {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Tools::SplitNames(c.Text), c.Split) << c.Text;
    if (!c.Split.empty()) {
      EXPECT_EQ(Tools::SplitNames(Tools::JoinNames(c.Split)), c.Split);
    }
  }
  EXPECT_THROW(Tools::SplitNames("\"a.bmp\" \"b.bmp"), SysUtils::Exception);
}

class FileChoiceFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"b.bmp", "A.BMP", "c.bmp", "notes.txt", ".hidden.bmp", "plain"})
      std::ofstream(temp / name) << "x";
    std::filesystem::create_directory(temp / "sub");
    std::filesystem::create_directory(temp / ".cache");
  }
  Dialogs::TOpenRequest Request(Dialogs::TOpenOptions options = {}) const {
    Dialogs::TOpenRequest r;
    r.InitialDir = temp.Path().string();
    r.Filter = "Windows Bitmaps|*.bmp|All files|*";
    r.DefaultExt = "bmp";
    r.Options = options;
    return r;
  }
  TChoiceAnswer Typed(TFileChoice& choice, const std::string& text) const {
    choice.Text() = text;
    return choice.Open();
  }
  const TestSupport::TTempFolder temp{"file-choice"};
};

TEST_F(FileChoiceFolderTest, ListsVisibleFoldersAndTheFilesTheFilterEntryMatches) {
  TFileChoice choice(Request());
  EXPECT_EQ(choice.Folder(), temp.Path());
  EXPECT_EQ(choice.Entries().Folders, Names{"sub"});
  EXPECT_EQ(choice.Entries().Files, (Names{"A.BMP", "b.bmp", "c.bmp"}));
  choice.SetFilterIndex(1);
  EXPECT_EQ(choice.Entries().Files, (Names{"A.BMP", "b.bmp", "c.bmp", "notes.txt", "plain"}));
  ASSERT_TRUE(choice.Enter("sub"));
  EXPECT_TRUE(choice.Entries().Files.empty());
  choice.Up();
  EXPECT_EQ(choice.Folder(), temp.Path());
  EXPECT_FALSE(choice.Enter("nowhere"));
  EXPECT_THROW(Tools::ListFolder(temp / "nowhere", {"All", {"*"}}), SysUtils::Exception);
}

TEST_F(FileChoiceFolderTest, StartsInTheGivenNamesFolderElseInitialDirElseTheWorkingFolder) {
  Dialogs::TOpenRequest r = Request();
  r.FileName = temp / "sub/film.form";
  TFileChoice named(r);
  EXPECT_EQ(named.Folder(), temp.Path() / "sub");
  EXPECT_EQ(named.Text(), "film.form");
  r.FileName.clear();
  r.InitialDir = "c:\\Windows\\Media";
  EXPECT_EQ(TFileChoice(r).Folder(), std::filesystem::current_path().lexically_normal());
}

TEST_F(FileChoiceFolderTest, ControlAndShiftPicksNeedMultiSelect) {
  TFileChoice multi(Request({Dialogs::ofAllowMultiSelect}));
  multi.Pick("c.bmp", TPickMode::Only);
  multi.Pick("A.BMP", TPickMode::Toggle);
  EXPECT_EQ(multi.Picked(), (Names{"A.BMP", "c.bmp"}));
  EXPECT_EQ(multi.Text(), "\"A.BMP\" \"c.bmp\"");
  multi.Pick("c.bmp", TPickMode::Range);  // from A.BMP, the last picked alone or toggled
  EXPECT_EQ(multi.Picked(), (Names{"A.BMP", "b.bmp", "c.bmp"}));
  multi.Pick("b.bmp", TPickMode::Toggle);
  EXPECT_EQ(multi.Picked(), (Names{"A.BMP", "c.bmp"}));

  TFileChoice single(Request());
  single.Pick("c.bmp", TPickMode::Only);
  single.Pick("A.BMP", TPickMode::Toggle);
  EXPECT_EQ(single.Picked(), Names{"A.BMP"});
  EXPECT_EQ(single.Text(), "A.BMP");
  single.SetFilterIndex(1);
  EXPECT_EQ(single.Picked(), Names{"A.BMP"});  // still listed, still picked
}

TEST_F(FileChoiceFolderTest, OpenAnswersFullPathsWithTheDefaultExtension) {
  TFileChoice choice(Request({Dialogs::ofAllowMultiSelect}));
  const struct {
    std::string Text;
    Names Files;
  } cases[] = {
      {"b", {temp / "b.bmp"}},
      {"plain", {temp / "plain"}},  // the file exists as named
      {"new.form", {temp / "new.form"}},
      {"\"b.bmp\" \"sub/x\"", {temp / "b.bmp", temp / "sub/x.bmp"}},
      {temp / "c.bmp", {temp / "c.bmp"}},
  };
  for (const auto& c : cases) {
    const TChoiceAnswer answer = Typed(choice, c.Text);
    EXPECT_EQ(answer.Kind, TKind::Chosen) << c.Text;
    EXPECT_EQ(answer.Files, c.Files) << c.Text;
  }
}

TEST_F(FileChoiceFolderTest, OpenRefusesWhatMustExistAndDoesNot) {
  using enum Dialogs::TOpenOption;
  const struct {
    Dialogs::TOpenOptions Options;
    std::string Text;
    TKind Kind;
    std::string Message;
  } cases[] = {
      {{ofFileMustExist}, "missing.bmp", TKind::Refused, "Cannot find missing.bmp"},
      {{ofFileMustExist}, "missing", TKind::Refused, "Cannot find missing"},
      {{ofFileMustExist}, "c", TKind::Chosen, ""},
      {{ofPathMustExist}, "nowhere/a.bmp", TKind::Refused, "does not exist"},
      {{ofPathMustExist}, "sub/new.bmp", TKind::Chosen, ""},
      {{}, "\"a.bmp\" \"b.bmp\"", TKind::Refused, "one file"},
      {{}, "\"a.bmp", TKind::Refused, "not closed"},
      {{ofOverwritePrompt}, "c.bmp", TKind::Confirm, "c.bmp already exists"},
      {{ofOverwritePrompt}, "d.bmp", TKind::Chosen, ""},
      {{ofFileMustExist}, "  ", TKind::Nothing, ""},
  };
  for (const auto& c : cases) {
    TFileChoice choice(Request(c.Options));
    const TChoiceAnswer answer = Typed(choice, c.Text);
    EXPECT_EQ(answer.Kind, c.Kind) << c.Text;
    EXPECT_NE(answer.Message.find(c.Message), std::string::npos) << answer.Message;
  }
}

TEST_F(FileChoiceFolderTest, AFolderNameOpensTheFolderAndAPatternListsItsFiles) {
  TFileChoice choice(Request({Dialogs::ofFileMustExist}));
  EXPECT_EQ(Typed(choice, "sub").Kind, TKind::Entered);
  EXPECT_EQ(choice.Folder(), temp.Path() / "sub");
  EXPECT_EQ(choice.Text(), "");
  EXPECT_EQ(Typed(choice, "..").Kind, TKind::Entered);
  EXPECT_EQ(choice.Folder(), temp.Path());
  EXPECT_EQ(Typed(choice, "*.TXT").Kind, TKind::Entered);
  EXPECT_EQ(choice.Entries().Files, Names{"notes.txt"});
  choice.SetFilterIndex(0);
  EXPECT_EQ(choice.Entries().Files, (Names{"A.BMP", "b.bmp", "c.bmp"}));
}

}  // namespace
