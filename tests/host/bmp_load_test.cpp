// TBitmap::LoadFromFile on real files: paths with either separator, missing and
// malformed files, a round trip with the writer; and the fuzzer's seed files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "Graphics/Bitmap.h"
#include "Graphics/BmpFile.h"
#include "SysUtils.h"
#include "host/bmp_builder.h"
#include "support/TempFolder.h"

namespace {

namespace fs = std::filesystem;
using namespace BmpTest;
using Graphics::EInvalidGraphic;
using Graphics::TBitmap;

void WriteFile(const fs::path& path, const TBytes& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

TBytes ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Backslashed(std::string path) {
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

// 3 x 2 at 8 bits: indices 0 1 2 over 2 1 0; the bottom-left pixel is colour 2.
TBmpFile Small(bool topDown = false) {
  TBmpFile file;
  file.Width = 3;
  file.Height = topDown ? -2 : 2;
  file.BitCount = 8;
  file.ColoursUsed = 3;
  file.Palette = Colours(3);
  file.Pixels = StoreRows({{0, 1, 2}, {2, 1, 0}}, 8, topDown);
  return file;
}

// The error a call raises, or "" for none.
template <typename Call>
std::string ErrorOf(Call&& call) {
  try {
    call();
  } catch (const EInvalidGraphic& e) {
    return e.Message();
  }
  return "";
}

class BmpLoad : public ::testing::Test {
 protected:
  BmpLoad() { fs::create_directories(Folder / "frames"); }
  std::string Write(const std::string& name, const TBmpFile& file) {
    WriteFile(Folder / name, file.Bytes());
    return (Folder / name).string();
  }

  const TestSupport::TTempFolder Temp{"tollen-bmp"};
  const fs::path& Folder = Temp.Path();
};

TEST_F(BmpLoad, ReadsTheFileAndTakesItsFirstStoredPixelAsTransparent) {
  TBitmap bitmap;
  bitmap.LoadFromFile(Write("a.bmp", Small()));
  EXPECT_EQ(bitmap.Width(), 3);
  EXPECT_EQ(bitmap.Height(), 2);
  const auto palette = Colours(3);
  EXPECT_EQ(Indices(bitmap.Surface(), palette), "012\n210\n");
  EXPECT_EQ(bitmap.TransparentColor(), Graphics::PixelToColor(palette[2]));

  bitmap.LoadFromFile(Write("b.bmp", Small(true)));
  EXPECT_EQ(Indices(bitmap.Surface(), palette), "012\n210\n");
  EXPECT_EQ(bitmap.TransparentColor(), Graphics::PixelToColor(palette[0]));
}

TEST_F(BmpLoad, BackslashesSeparateFoldersToo) {
  const std::string path = Write("frames/a.bmp", Small());
  TBitmap bitmap;
  bitmap.LoadFromFile(Backslashed(path));
  EXPECT_EQ(bitmap.Width(), 3);
  const std::string mixed = Folder.string() + "\\frames/a.bmp";
  bitmap.SetSize(1, 1);
  bitmap.LoadFromFile(mixed);
  EXPECT_EQ(bitmap.Width(), 3);
}

TEST_F(BmpLoad, AMissingFileOrAFolderCannotBeOpened) {
  TBitmap bitmap;
  const std::string missing = (Folder / "missing.bmp").string();
  EXPECT_EQ(ErrorOf([&] { bitmap.LoadFromFile(missing); }),
            "Cannot open file \"" + missing + "\": No such file or directory");
  const std::string folder = Backslashed((Folder / "frames").string());
  EXPECT_EQ(ErrorOf([&] {
              bitmap.LoadFromFile(folder);
            }).rfind("Cannot open file \"" + folder + "\": ", 0),
            0u);
}

TEST_F(BmpLoad, AFileTooLargeForAnyPictureIsNotRead) {
  const fs::path huge = Folder / "huge.bmp";
  WriteFile(huge, Small().Bytes());
  fs::resize_file(huge, Graphics::MaxBmpFileBytes() + 1);  // sparse: nothing is written
  TBitmap bitmap;
  EXPECT_EQ(ErrorOf([&] { bitmap.LoadFromFile(huge.string()); }),
            "Bitmap \"" + huge.string() + "\": file of " +
                std::to_string(Graphics::MaxBmpFileBytes() + 1) + " bytes too large for a bitmap");
}

TEST_F(BmpLoad, ANameHoldingANulOpensNothing) {
  const std::string path = Write("a.bmp", Small());
  TBitmap bitmap;
  EXPECT_EQ(ErrorOf([&] {
              bitmap.LoadFromFile(path + std::string(1, '\0') + "x");
            }).rfind("Cannot open file", 0),
            0u);
  EXPECT_TRUE(bitmap.Empty());
}

TEST_F(BmpLoad, AFailedLoadNamesTheFileAsWrittenAndKeepsThePicture) {
  TBitmap bitmap;
  bitmap.LoadFromFile(Write("good.bmp", Small(true)));
  bitmap.SetTransparent(true);
  const Graphics::TSurface before = bitmap.Surface();
  const Graphics::TColor transparent = bitmap.TransparentColor();

  TBmpFile bad = Small();
  bad.Pixels[1] = 9;
  const std::string badPath = Backslashed(Write("frames/bad.bmp", bad));
  EXPECT_EQ(ErrorOf([&] { bitmap.LoadFromFile(badPath); }),
            "Bitmap \"" + badPath + "\": palette index 9 out of range (3 colours)");
  EXPECT_EQ(ErrorOf([&] {
              bitmap.LoadFromFile((Folder / "none.bmp").string());
            }).rfind("Cannot open file", 0),
            0u);
  EXPECT_EQ(bitmap.Surface(), before);
  EXPECT_EQ(bitmap.TransparentColor(), transparent);  // still the top-down file's top-left
  EXPECT_TRUE(bitmap.Transparent());
}

TEST_F(BmpLoad, WhatTheWriterWritesReadsBackTheSame) {
  Graphics::TSurface picture(7, 5);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 7; ++x)
      picture.SetPixel(x, y,
                       static_cast<Graphics::TPixel>((x * 0x2B1907 + y * 0x0731A5) & 0xFFFFFF));
  TBitmap saved;
  saved.SetSurface(picture);
  const std::string path = Backslashed((Folder / "frames" / "round.bmp").string());
  saved.SaveToFile(path);
  ASSERT_TRUE(fs::exists(Folder / "frames" / "round.bmp"));
  TBitmap loaded;
  loaded.LoadFromFile(path);
  EXPECT_EQ(loaded.Surface(), picture);
  EXPECT_EQ(loaded.TransparentColor(), Graphics::PixelToColor(picture.Pixel(0, 4)));
}

TEST(FileNames, NativePathTurnsEitherSeparatorIntoTheDisksOwn) {
  EXPECT_EQ(SysUtils::NativePath("frames\\a.bmp"), "frames/a.bmp");
  EXPECT_EQ(SysUtils::NativePath("C:\\films\\\\a.bmp"), "C:/films//a.bmp");  // doubled stays
  EXPECT_EQ(SysUtils::NativePath("a/b"), "a/b");
}

// ---- The fuzzer's seeds: fuzz/corpus/bmp holds exactly these files. With
// TOLLEN_WRITE_BMP_SEEDS set to a folder, the test writes them there first.

TBmpFile Seed(std::uint32_t header, std::int32_t width, std::int32_t height, int bits,
              std::uint32_t compression, int colours, TBytes pixels) {
  TBmpFile file;
  file.HeaderSize = header;
  file.Width = width;
  file.Height = height;
  file.BitCount = static_cast<std::uint16_t>(bits);
  file.Compression = compression;
  file.Palette = Colours(colours);
  file.Pixels = std::move(pixels);
  return file;
}

std::vector<std::pair<std::string, TBmpFile>> Seeds() {
  using TRows = std::vector<std::vector<std::uint32_t>>;
  const TRows indices = {{0, 1, 2, 3, 4}, {5, 6, 7, 0, 1}, {1, 1, 0, 0, 1}};
  const TRows colours = {{0x0000FF, 0x00FF00, 0xFF0000}, {0x123456, 0xFFFFFF, 0x000000}};
  const TRows mixed = {{0xF800, 0x07E0, 0x001F}, {0x8410, 0xFFFF, 0x0000}};
  auto fields = Seed(40, 3, 2, 16, 3, 0, StoreRows(mixed, 16));
  fields.Masks = {0xF800, 0x07E0, 0x001F};
  auto v5 = Seed(124, 3, -2, 32, 3, 0, StoreRows(colours, 32, true));
  v5.Masks = {0xFF0000, 0x00FF00, 0x0000FF};
  return {
      {"core8.bmp", Seed(12, 5, 3, 8, 0, 256, StoreRows(indices, 8))},
      {"info1.bmp",
       Seed(40, 5, 3, 1, 0, 2, StoreRows({{0, 1, 0, 1, 1}, {1, 1, 0, 0, 1}, {1, 0, 0, 0, 0}}, 1))},
      {"info4.bmp", Seed(40, 5, 3, 4, 0, 8, StoreRows(indices, 4))},
      {"rle8.bmp", Seed(40, 6, 3, 8, 1, 4,
                        {0x03, 0x01, 0x00, 0x03, 0x02, 0x03, 0x00, 0x00, 0x00, 0x00, 0x00, 0x02,
                         0x02, 0x01, 0x04, 0x01, 0x00, 0x01})},
      {"rle4.bmp",
       Seed(40, 7, 2, 4, 2, 16, {0x03, 0x12, 0x00, 0x02, 0x01, 0x00, 0x03, 0x45, 0x00, 0x00,
                                 0x00, 0x05, 0x78, 0x9A, 0xB0, 0x00, 0x02, 0xCD, 0x00, 0x01})},
      {"fields16.bmp", fields},
      {"topdown24.bmp", Seed(40, 3, -2, 24, 0, 0, StoreRows(colours, 24, true))},
      {"v5fields32.bmp", v5},
  };
}

TEST(BmpSeeds, TheCorpusHoldsTheBuildersSmallFilesAndEachDecodes) {
  const char* target = std::getenv("TOLLEN_WRITE_BMP_SEEDS");
  const fs::path folder =
      target ? fs::path(target) : fs::path(TOLLEN_SOURCE_ROOT) / "fuzz/corpus/bmp";
  for (const auto& [name, file] : Seeds()) {
    const TBytes bytes = file.Bytes();
    if (target) WriteFile(folder / name, bytes);
    EXPECT_LT(bytes.size(), 2048u) << name;
    EXPECT_NO_THROW((void)Graphics::ReadBmp(bytes, name)) << name;
    EXPECT_EQ(ReadFile(folder / name), bytes) << name;
  }
}

}  // namespace
