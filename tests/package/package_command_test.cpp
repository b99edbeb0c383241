// `tollenspiegel package`: what it prints and the pictures it writes.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "Graphics/PictureFiles.h"
#include "PackageCommand.h"
#include "PackageTesting.h"

namespace {

using namespace PackageTesting;

bool HasLine(const std::string& text, const std::string& line) {
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);)
    if (l == line) return true;
  return false;
}

TEST(PackageCommand, DescribesThePackage) {
  std::ostringstream out;
  Tools::DescribePackage(LinkedPackage(), out);
  const std::string text = out.str();
  EXPECT_TRUE(HasLine(text, "Description: Tollen spiegel")) << text;
  EXPECT_TRUE(HasLine(text,
                      "Flags: 0x4C000001 (never rebuilt, design and run time, producer 3, "
                      "package)"));
  EXPECT_TRUE(HasLine(text, "  vcl40  hash 0x03"));
  EXPECT_TRUE(HasLine(text, "  Tollenspiegel  flags 0x03  hash 0x37 (main unit, package unit)"));
  EXPECT_TRUE(HasLine(text, "  Film           flags 0x00  hash 0xBD"));
  EXPECT_TRUE(HasLine(text, "  @GetPackageInfoTable"));
  EXPECT_TRUE(HasLine(text, "  @Vormen.TVorm.Create"));
  EXPECT_TRUE(HasLine(text, "  BITMAP     TVORM           language 0x0413  392 bytes"));
  EXPECT_TRUE(HasLine(text, "  RCDATA     PACKAGEINFO     language 0x0000  100 bytes"));
  EXPECT_TRUE(HasLine(text, "Resources (10):"));
}

TEST(PackageCommand, SumsUpThePackageInAFewLines) {
  std::ostringstream out;
  Tools::SummarisePackage(LinkedPackage(), out);
  const std::string text = out.str();
  EXPECT_TRUE(HasLine(text, "Requires: vcl40")) << text;
  EXPECT_TRUE(HasLine(text,
                      "Units (7): Tollenspiegel VormKlok SysInit Vormen GolfTekst "
                      "LichtKrant Film"))
      << text;
  EXPECT_EQ(text.find("@Vormen.TVorm.Create"), std::string::npos);
  EXPECT_LT(std::count(text.begin(), text.end(), '\n'), 25);
}

TEST(PackageCommand, WritesTheFivePaletteBitmapsAndTheIcon) {
  TTempFolder folder;
  std::vector<std::string> files = Tools::WritePackagePictures(LinkedPackage(), folder.File("png"));
  ASSERT_EQ(files.size(), 6u);
  for (const char* name : {"TFILM", "TGOLFTEKST", "TLICHTKRANT", "TVORM", "TVORMKLOK"}) {
    Graphics::TSurface picture =
        Graphics::ReadPngFile(folder.File(std::string("png/") + name + ".png"));
    EXPECT_EQ(picture.Width(), 24) << name;
    EXPECT_EQ(picture.Height(), 24) << name;
  }
  std::vector<std::uint8_t> alpha;
  Graphics::TSurface icon = Graphics::ReadPngFile(folder.File("png/MAINICON.png"), &alpha);
  EXPECT_EQ(icon.Width(), 32);
  EXPECT_EQ(icon.Pixel(0, 0), 0xFFFFFFu) << "see-through shows white";
  EXPECT_EQ(alpha[0], 0) << "and is see-through";
  const auto opaque = std::count(alpha.begin(), alpha.end(), 0xFF);
  EXPECT_GT(opaque, 0);
  EXPECT_EQ(opaque + std::count(alpha.begin(), alpha.end(), 0), 32 * 32);
}

TEST(PackageCommand, Arguments) {
  EXPECT_EQ(Tools::ParsePackageOptions({}).File, "");
  Tools::TPackageOptions o = Tools::ParsePackageOptions({"x.bpl", "--png", "out"});
  EXPECT_EQ(o.File, "x.bpl");
  EXPECT_EQ(o.PngFolder, "out");
  EXPECT_FALSE(o.Exports);
  EXPECT_TRUE(Tools::ParsePackageOptions({"--exports"}).Exports);
  EXPECT_THROW(Tools::ParsePackageOptions({"--png"}), SysUtils::Exception);
  EXPECT_THROW(Tools::ParsePackageOptions({"a.bpl", "b.bpl"}), SysUtils::Exception);
  EXPECT_TRUE(std::filesystem::equivalent(Tools::DefaultPackagePath(), kPackageFile));
}

}  // namespace
