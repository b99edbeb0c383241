// PACKAGEINFO, DESCRIPTION and PACKAGEOPTIONS.
#include <string_view>

#include "ByteWriter.h"
#include "PackagesInfo.h"
#include "PackagesNames.h"
#include "Resources.h"

namespace Tollenspiegel::Resources {

namespace {

constexpr std::string_view kDescriptionText = "Tollen spiegel";

constexpr auto MakePackageInfo() {
  using namespace Packages;
  TByteWriter<100> w;
  w.DWord(pfNeverBuild | (3u << kProducerShift) | (kModuleKindPackage << kModuleKindShift));
  w.DWord(1);
  w.Byte(0x03);
  w.Name("vcl40");
  w.DWord(7);
  const std::uint8_t ownUnit = ufMainUnit | ufPackageUnit;
  w.Bytes({ownUnit, PackageNameHash("Tollenspiegel")});
  w.Name("Tollenspiegel");
  w.Bytes({0, 0x5B});
  w.Name("VormKlok");
  w.Bytes({0, 0x81});
  w.Name("SysInit");
  w.Bytes({0, 0x9E});
  w.Name("Vormen");
  w.Bytes({0, 0x81});
  w.Name("GolfTekst");
  w.Bytes({0, 0x87});
  w.Name("LichtKrant");
  w.Bytes({0, 0xBD});
  w.Name("Film");
  w.PadTo(4);
  return w.Done();
}

constexpr auto MakeDescription() {
  TByteWriter<32> w;
  w.WideName(kDescriptionText);
  w.PadTo(4);
  return w.Done();
}

constexpr auto MakePackageOptions() {
  TByteWriter<132> w;
  w.Bytes({0x30, 0x01, 0x00, 0x01, 0x01, 0x00, 0x00, 0x01, 0x01, 0x01, 0x01, 0x00, 0x01, 0x00,
           0x01, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01, 0x02, 0x01, 0x00});
  w.DWord(16384);
  w.DWord(1048576);
  w.DWord(0x400000);  // the library's preferred load address
  w.Byte(0);
  w.ShortString("WinTypes=Windows;WinProcs=Windows;DbiTypes=BDE;DbiProcs=BDE;DbiErrs=BDE;");
  w.ShortString(kDescriptionText);
  w.PadTo(4);
  return w.Done();
}

}  // namespace

constinit const std::array<std::uint8_t, 100> kPackageInfo = MakePackageInfo();
constinit const std::array<std::uint8_t, 32> kDescription = MakeDescription();
constinit const std::array<std::uint8_t, 132> kPackageOptions = MakePackageOptions();

}  // namespace Tollenspiegel::Resources
