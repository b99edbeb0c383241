// The run-time library's file names: the name and folder parts of names written
// with either separator, kept as written, and FileExists on the real disk.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "SysUtils.h"
#include "support/TempFolder.h"

namespace {

namespace fs = std::filesystem;
using SysUtils::ExtractFileName;
using SysUtils::ExtractFilePath;
using SysUtils::FileExists;

TEST(FileNames, TheNameAndFolderPartsSplitAtTheLastSeparatorOfEitherKind) {
  EXPECT_EQ(ExtractFileName("C:\\Oud\\a.bmp"), "a.bmp");
  EXPECT_EQ(ExtractFilePath("C:\\Oud\\a.bmp"), "C:\\Oud\\");
  EXPECT_EQ(ExtractFileName("/usr/share/x/b.bmp"), "b.bmp");
  EXPECT_EQ(ExtractFilePath("/usr/share/x/b.bmp"), "/usr/share/x/");
  EXPECT_EQ(ExtractFilePath("films\\2026/c.bmp"), "films\\2026/");
  EXPECT_EQ(ExtractFileName("D:\\Films\\\\a.bmp"), "a.bmp");
  EXPECT_EQ(ExtractFilePath("D:\\Films\\\\a.bmp"), "D:\\Films\\\\");  // as written
  EXPECT_EQ(ExtractFileName("C:a.bmp"), "a.bmp");                     // a drive without a folder
  EXPECT_EQ(ExtractFilePath("C:a.bmp"), "C:");
  EXPECT_EQ(ExtractFileName("a:b"), "b");
  EXPECT_EQ(ExtractFileName("ab:c"), "ab:c");  // only a drive letter ends at its colon
  EXPECT_EQ(ExtractFileName("a.bmp"), "a.bmp");
  EXPECT_EQ(ExtractFilePath("a.bmp"), "");
  EXPECT_EQ(ExtractFileName("map\\"), "");
  EXPECT_EQ(ExtractFileName(""), "");
  EXPECT_EQ(ExtractFilePath(""), "");
}

TEST(FileNames, FileExistsFindsFilesByEitherSeparatorButNoFolders) {
  const TestSupport::TTempFolder folder;
  const fs::path& dir = folder.Path();
  fs::create_directories(dir / "sub");
  std::ofstream(dir / "sub" / "a.bmp") << "x";
  const std::string base = dir.string();
  EXPECT_TRUE(FileExists(base + "/sub/a.bmp"));
  EXPECT_TRUE(FileExists(base + "\\sub\\a.bmp"));
  EXPECT_TRUE(FileExists(base + "\\sub\\\\a.bmp"));  // a doubled separator reads as one
  EXPECT_FALSE(FileExists(base + "/sub"));
  EXPECT_FALSE(FileExists(base + "/sub/b.bmp"));
  EXPECT_FALSE(FileExists(""));
  EXPECT_FALSE(FileExists(base + "/sub/a.bmp" + std::string(1, '\0') + "x"));
}

}  // namespace
