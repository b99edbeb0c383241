// The package's resources, byte for byte, against tables written from their
// description: package information, description, build options, the palette
// bitmaps and the icon, with their languages.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "Graphics/BmpFile.h"
#include "LittleEndian.h"
#include "PackageTesting.h"
#include "PackagesInfo.h"
#include "PackagesNames.h"

namespace {

using namespace PackageTesting;
using Bytes = std::vector<std::uint8_t>;

constexpr std::uint8_t kOwnHash = 0x37;  // "TOLLENSPIEGEL" by the name hash rule

Bytes ResourceBytes(Windows::TResourceId type, Windows::TResourceId name, Windows::WORD language) {
  Windows::HRSRC r = Windows::FindResourceExA(LinkedPackage(), type, name, language);
  if (r == nullptr) return {};
  const auto* data = static_cast<const std::uint8_t*>(
      Windows::LockResource(Windows::LoadResource(LinkedPackage(), r)));
  return Bytes(data, data + Windows::SizeofResource(LinkedPackage(), r));
}

std::uint32_t At32(const Bytes& b, std::size_t at) {
  b.at(at + 3);  // throws when the field is not all there
  return LittleEndian::Read32(b, at);
}
std::uint16_t At16(const Bytes& b, std::size_t at) {
  b.at(at + 1);
  return LittleEndian::Read16(b, at);
}

Bytes Append(Bytes a, const std::string& text) {
  a.insert(a.end(), text.begin(), text.end());
  return a;
}

TEST(Resources, TheDirectoryHoldsTheTenResources) {
  struct TRow {
    Windows::WORD Type;
    std::string Name;
    Windows::WORD Language;
    std::size_t Size;
  };
  const std::vector<TRow> expected = {
      {2, "TFILM", 0x0413, 392},   {2, "TGOLFTEKST", 0x0413, 392}, {2, "TLICHTKRANT", 0x0413, 392},
      {2, "TVORM", 0x0413, 392},   {2, "TVORMKLOK", 0x0413, 392},  {3, "#1", 0x0413, 744},
      {10, "DESCRIPTION", 0, 32},  {10, "PACKAGEINFO", 0, 100},    {10, "PACKAGEOPTIONS", 0, 132},
      {14, "MAINICON", 0x0413, 20}};
  const Windows::TModuleDirectory* directory = Windows::ModuleDirectory(LinkedPackage());
  ASSERT_NE(directory, nullptr);
  ASSERT_EQ(directory->Resources.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const Windows::TResourceEntry& r = directory->Resources[i];
    EXPECT_EQ(r.Type.Id, expected[i].Type) << i;
    EXPECT_EQ(r.Name.ToString(), expected[i].Name) << i;
    EXPECT_EQ(r.Language, expected[i].Language) << i;
    EXPECT_EQ(r.Data.size(), expected[i].Size) << i;
  }
}

TEST(Resources, LookUpGoesByTypeNameAndLanguage) {
  Windows::HMODULE m = LinkedPackage();
  EXPECT_NE(Windows::FindResourceA(m, "packageinfo", Windows::RT_RCDATA), nullptr);
  EXPECT_EQ(Windows::FindResourceA(m, "PACKAGEINFO", Windows::RT_BITMAP), nullptr);
  EXPECT_NE(Windows::FindResourceExA(m, Windows::RT_BITMAP, "TVORM", 0x0413), nullptr);
  EXPECT_EQ(Windows::FindResourceExA(m, Windows::RT_BITMAP, "TVORM", 0), nullptr);
  EXPECT_EQ(Windows::FindResourceExA(m, Windows::RT_RCDATA, "PACKAGEINFO", 0x0413), nullptr);
  EXPECT_NE(Windows::FindResourceExA(m, Windows::RT_ICON, Windows::WORD{1}, 0x0413), nullptr);
  EXPECT_EQ(Windows::FindResourceA(m, "NONE", Windows::RT_RCDATA), nullptr);
  EXPECT_EQ(Windows::SizeofResource(m, nullptr), 0u);
}

TEST(Resources, PackageInformationByteForByte) {
  Bytes expected = {0x01, 0x00, 0x00, 0x4C, 0x01, 0x00, 0x00, 0x00, 0x03};
  expected = Append(expected, std::string("vcl40") + '\0');
  expected.insert(expected.end(), {0x07, 0x00, 0x00, 0x00, 0x03, kOwnHash});
  const std::vector<std::pair<std::uint8_t, std::string>> units = {
      {0x5B, "VormKlok"},  {0x81, "SysInit"},    {0x9E, "Vormen"},
      {0x81, "GolfTekst"}, {0x87, "LichtKrant"}, {0xBD, "Film"}};
  expected = Append(expected, std::string("Tollenspiegel") + '\0');
  for (const auto& [hash, name] : units) {
    expected.push_back(0x00);
    expected.push_back(hash);
    expected = Append(expected, name + '\0');
  }
  ASSERT_EQ(expected.size(), 97u);
  expected.insert(expected.end(), 3, 0x00);
  EXPECT_EQ(ResourceBytes(Windows::RT_RCDATA, "PACKAGEINFO", 0), expected);
  EXPECT_EQ(kOwnHash, Packages::PackageNameHash("Tollenspiegel"));
}

TEST(Resources, PackageInformationReadsAsOneRequirementAndSevenUnits) {
  Packages::TPackageInfo info = Packages::ReadPackageInfo(LinkedPackage(), "Tollenspiegel");
  EXPECT_EQ(info.Flags & Packages::pfNeverBuild, 1u);
  EXPECT_EQ(info.Flags & (Packages::pfDesignOnly | Packages::pfRunOnly), 0u);
  ASSERT_EQ(info.Requires.size(), 1u);
  EXPECT_EQ(info.Requires[0].Name, "vcl40");
  const std::vector<std::string> order = {"Tollenspiegel", "VormKlok",   "SysInit", "Vormen",
                                          "GolfTekst",     "LichtKrant", "Film"};
  ASSERT_EQ(info.Contains.size(), order.size());
  for (std::size_t i = 0; i < order.size(); ++i) EXPECT_EQ(info.Contains[i].Name, order[i]);
  EXPECT_EQ(info.Contains[0].Flags, Packages::ufMainUnit | Packages::ufPackageUnit);
}

TEST(Resources, DescriptionByteForByte) {
  Bytes expected;
  for (char c : std::string("Tollen spiegel")) {
    expected.push_back(static_cast<std::uint8_t>(c));
    expected.push_back(0);
  }
  expected.insert(expected.end(), 4, 0x00);
  EXPECT_EQ(ResourceBytes(Windows::RT_RCDATA, "DESCRIPTION", 0), expected);
}

TEST(Resources, PackageOptionsByteForByte) {
  Bytes expected = {0x30, 0x01, 0x00, 0x01, 0x01, 0x00, 0x00, 0x01, 0x01, 0x01, 0x01,
                    0x00, 0x01, 0x00, 0x01, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00,
                    0x01, 0x00, 0x01, 0x02, 0x01, 0x00, 0x00, 0x40, 0x00, 0x00, 0x00,
                    0x00, 0x10, 0x00, 0x00, 0x00, 0x40, 0x00, 0x00, 72};
  expected =
      Append(expected, "WinTypes=Windows;WinProcs=Windows;DbiTypes=BDE;DbiProcs=BDE;DbiErrs=BDE;");
  ASSERT_EQ(expected.size(), 114u);
  expected.push_back(14);
  expected = Append(expected, "Tollen spiegel");
  expected.insert(expected.end(), 3, 0x00);
  EXPECT_EQ(ResourceBytes(Windows::RT_RCDATA, "PACKAGEOPTIONS", 0), expected);
}

// The standard 16 colours as a colour table: blue, green, red, 0.
const Bytes kColourTable = {
    0x00, 0x00, 0x00, 0, 0x00, 0x00, 0x80, 0, 0x00, 0x80, 0x00, 0, 0x00, 0x80, 0x80, 0,
    0x80, 0x00, 0x00, 0, 0x80, 0x00, 0x80, 0, 0x80, 0x80, 0x00, 0, 0xC0, 0xC0, 0xC0, 0,
    0x80, 0x80, 0x80, 0, 0x00, 0x00, 0xFF, 0, 0x00, 0xFF, 0x00, 0, 0x00, 0xFF, 0xFF, 0,
    0xFF, 0x00, 0x00, 0, 0xFF, 0x00, 0xFF, 0, 0xFF, 0xFF, 0x00, 0, 0xFF, 0xFF, 0xFF, 0};

void ExpectInfoHeader(const Bytes& dib, std::uint32_t width, std::uint32_t height) {
  EXPECT_EQ(At32(dib, 0), 40u);
  EXPECT_EQ(At32(dib, 4), width);
  EXPECT_EQ(At32(dib, 8), height);
  EXPECT_EQ(At16(dib, 12), 1);
  EXPECT_EQ(At16(dib, 14), 4);
  EXPECT_EQ(At32(dib, 16), 0u);
  EXPECT_EQ(Bytes(dib.begin() + 40, dib.begin() + 104), kColourTable);
}

// The first `height` rows of the picture, through our own bitmap reader.
Graphics::TSurface Decode(const Bytes& dib, std::uint32_t height) {
  return Graphics::ReadDib(dib, "resource", static_cast<std::int32_t>(height)).Pixels;
}

bool Has(const Graphics::TSurface& s, Graphics::TPixel colour) {
  for (int y = 0; y < s.Height(); ++y)
    for (int x = 0; x < s.Width(); ++x)
      if (s.Pixel(x, y) == colour) return true;
  return false;
}

constexpr Graphics::TPixel kBlack = 0x000000, kRed = 0xFF0000, kLime = 0x00FF00, kGreen = 0x008000,
                           kYellow = 0xFFFF00, kBlue = 0x0000FF, kPurple = 0x800080,
                           kSilver = 0xC0C0C0, kWhite = 0xFFFFFF;

struct TPalettePicture {
  const char* Name;
  Graphics::TPixel Background;
  std::vector<Graphics::TPixel> Colours;
};

TEST(Resources, PaletteBitmapsAre24By24At4BitsOfTheDescribedPictures) {
  const std::vector<TPalettePicture> pictures = {
      {"TVORM", kWhite, {kYellow, kBlack, kRed, kLime, kBlue, kPurple}},
      {"TVORMKLOK", kSilver, {kBlue, kRed, kWhite}},
      {"TFILM", kWhite, {kYellow, kBlack}},
      {"TLICHTKRANT", kWhite, {kBlue, kGreen}},
      {"TGOLFTEKST", kWhite, {kRed, kBlack, kBlue, kPurple}}};
  for (const TPalettePicture& p : pictures) {
    SCOPED_TRACE(p.Name);
    Bytes dib = ResourceBytes(Windows::RT_BITMAP, p.Name, 0x0413);
    ASSERT_EQ(dib.size(), 392u);
    ExpectInfoHeader(dib, 24, 24);
    Graphics::TSurface picture = Decode(dib, 24);
    ASSERT_EQ(picture.Width(), 24);
    ASSERT_EQ(picture.Height(), 24);
    EXPECT_EQ(picture.Pixel(0, 0), p.Background);
    EXPECT_EQ(picture.Pixel(23, 23), p.Background);
    for (Graphics::TPixel c : p.Colours) EXPECT_TRUE(Has(picture, c)) << std::hex << c;
  }
}

TEST(Resources, TheIconIsOneImageOf32By32In16Colours) {
  Bytes group = ResourceBytes(Windows::RT_GROUP_ICON, "MAINICON", 0x0413);
  const Bytes expectedGroup = {0, 0, 1, 0, 1,    0,    32,   32,   16, 0,
                               1, 0, 4, 0, 0xE8, 0x02, 0x00, 0x00, 1,  0};
  EXPECT_EQ(group, expectedGroup);

  Bytes image = ResourceBytes(Windows::RT_ICON, Windows::WORD{1}, 0x0413);
  ASSERT_EQ(image.size(), 744u);
  ExpectInfoHeader(image, 32, 64);
  Graphics::TSurface picture = Decode(image, 32);
  EXPECT_EQ(picture.Width(), 32);
  EXPECT_EQ(picture.Height(), 32);
  // The AND mask, bottom row first: the corners are see-through, the middle not.
  auto transparent = [&](int x, int y) {
    return (image.at(616 + static_cast<std::size_t>(31 - y) * 4 + static_cast<std::size_t>(x) / 8) &
            (0x80 >> (x % 8))) != 0;
  };
  EXPECT_TRUE(transparent(0, 0));
  EXPECT_TRUE(transparent(31, 31));
  EXPECT_FALSE(transparent(16, 12));
  EXPECT_EQ(picture.Pixel(0, 0), kBlack) << "see-through pixels are black in the picture";
}

}  // namespace
