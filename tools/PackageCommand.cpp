#include "PackageCommand.h"

#include <dlfcn.h>

#include <cstdio>
#include <filesystem>
#include <iomanip>
#include <iostream>
#include <span>
#include <sstream>

#include "Commands.h"
#include "Graphics/BmpFile.h"
#include "Graphics/PictureFiles.h"
#include "LittleEndian.h"
#include "Packages.h"
#include "SysInit.h"
#include "Tollenspiegel.h"

namespace Tools {

namespace {

using Windows::HMODULE;
using Windows::TResourceEntry;

std::uint32_t Read32(std::span<const std::uint8_t> bytes, std::size_t at) {
  if (bytes.size() < at + 4) throw SysUtils::Exception("a resource is cut short");
  return LittleEndian::Read32(bytes, at);
}

std::uint16_t Read16(std::span<const std::uint8_t> bytes, std::size_t at) {
  if (bytes.size() < at + 2) throw SysUtils::Exception("a resource is cut short");
  return LittleEndian::Read16(bytes, at);
}

std::string Hex(unsigned value, int digits) {
  std::ostringstream s;
  s << "0x" << std::uppercase << std::hex << std::setw(digits) << std::setfill('0') << value;
  return s.str();
}

// UTF-16 little-endian up to its zero, as UTF-8.
std::string WideText(std::span<const std::uint8_t> bytes) {
  std::string text;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    unsigned c = bytes[i] | bytes[i + 1] << 8;
    if (c == 0) break;
    if (c < 0x80) {
      text += static_cast<char>(c);
    } else if (c < 0x800) {
      text += static_cast<char>(0xC0 | c >> 6);
      text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      text += static_cast<char>(0xE0 | c >> 12);
      text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      text += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return text;
}

std::string TypeName(const Windows::TResourceId& type) {
  switch (type.Id) {
    case 2:
      return "BITMAP";
    case 3:
      return "ICON";
    case 10:
      return "RCDATA";
    case 14:
      return "GROUP_ICON";
    default:
      return type.ToString();
  }
}

std::string PackageFlagsText(std::uint32_t flags) {
  std::string text = (flags & Packages::pfNeverBuild) ? "never rebuilt" : "rebuilt as needed";
  if (flags & Packages::pfDesignOnly)
    text += ", design time only";
  else if (flags & Packages::pfRunOnly)
    text += ", run time only";
  else
    text += ", design and run time";
  text += ", producer " + std::to_string((flags >> Packages::kProducerShift) & 3);
  text += (flags >> Packages::kModuleKindShift) == Packages::kModuleKindPackage ? ", package"
                                                                                : ", no package";
  return text;
}

std::string UnitFlagsText(std::uint8_t flags) {
  std::string text;
  if (flags & Packages::ufMainUnit) text += "main unit";
  if (flags & Packages::ufPackageUnit)
    text += std::string(text.empty() ? "" : ", ") + "package unit";
  return text.empty() ? "" : " (" + text + ")";
}

std::span<const TResourceEntry> Resources(HMODULE module) {
  const Windows::TModuleDirectory* directory = Windows::ModuleDirectory(module);
  if (directory == nullptr) return {};
  return directory->Resources;
}

void DescribeUnits(const Packages::TPackageInfo& info, std::ostream& out) {
  out << "Requires:\n";
  for (const auto& p : info.Requires) out << "  " << p.Name << "  hash " << Hex(p.Hash, 2) << "\n";
  out << "Contains:\n";
  for (const auto& u : info.Contains)
    out << "  " << std::left << std::setw(14) << u.Name << " flags " << Hex(u.Flags, 2) << "  hash "
        << Hex(u.Hash, 2) << UnitFlagsText(u.Flags) << "\n";
}

void DescribeResources(HMODULE module, std::ostream& out) {
  std::span<const TResourceEntry> resources = Resources(module);
  out << "Resources (" << resources.size() << "):\n";
  for (const TResourceEntry& r : resources)
    out << "  " << std::left << std::setw(11) << TypeName(r.Type) << std::setw(15)
        << r.Name.ToString() << " language " << Hex(r.Language, 4) << "  " << r.Data.size()
        << " bytes\n";
}

}  // namespace

Graphics::TSurface DecodeDib(std::span<const std::uint8_t> dib, const std::string& name) {
  return Graphics::ReadDib(dib, name).Pixels;
}

TIconPicture DecodeIconImage(std::span<const std::uint8_t> image, const std::string& name) {
  const std::uint32_t width = Read32(image, 4);
  const std::uint32_t height = Read32(image, 8) / 2;
  TIconPicture icon{Graphics::ReadDib(image, name, static_cast<std::int32_t>(height)).Pixels, {}};
  icon.Alpha.assign(std::size_t{width} * height, 0xFF);
  const std::size_t maskRow = (std::size_t{width} + 31) / 32 * 4;
  if (image.size() < maskRow * height) throw SysUtils::Exception("an icon is cut short");
  const std::size_t maskStart = image.size() - maskRow * height;
  for (std::uint32_t y = 0; y < height; ++y)
    for (std::uint32_t x = 0; x < width; ++x) {
      std::uint8_t bits = image[maskStart + (height - 1 - y) * maskRow + x / 8];
      if (bits & (0x80 >> (x % 8))) {
        icon.Colours.SetPixel(static_cast<int>(x), static_cast<int>(y), 0xFFFFFF);
        icon.Alpha[std::size_t{y} * width + x] = 0;
      }
    }
  return icon;
}

TPackageOptions ParsePackageOptions(const TArguments& args) {
  return {args.Operand().value_or(""), args.Value("--png"), args.Has("--exports")};
}

TPackageOptions ParsePackageOptions(const std::vector<std::string>& args) {
  return ParsePackageOptions(TArguments(CommandSpec("package"), args));
}

HMODULE LinkedPackage() {
  Dl_info info{};
  dladdr(reinterpret_cast<const void*>(&Tollenspiegel::RegisterClasses), &info);
  return static_cast<HMODULE>(info.dli_fbase);
}

std::string DefaultPackagePath() {
  char path[SysInit::kModuleFileNameSize] = {};
  Windows::GetModuleFileNameA(LinkedPackage(), path, SysInit::kModuleFileNameSize);
  return path;
}

namespace {

// The package's file, description and flags; gives its information table.
Packages::TPackageInfo DescribeHead(HMODULE module, std::ostream& out) {
  char path[SysInit::kModuleFileNameSize] = {};
  Windows::GetModuleFileNameA(module, path, SysInit::kModuleFileNameSize);
  Packages::TPackageInfo info = Packages::ReadPackageInfo(module, path);
  out << "Package " << path << "\n";
  if (auto* d = Windows::FindResourceA(module, "DESCRIPTION", Windows::RT_RCDATA))
    out << "Description: " << WideText(d->Data) << "\n";
  out << "Flags: " << Hex(info.Flags, 8) << " (" << PackageFlagsText(info.Flags) << ")\n";
  return info;
}

}  // namespace

void SummarisePackage(HMODULE module, std::ostream& out) {
  const Packages::TPackageInfo info = DescribeHead(module, out);
  out << "Requires:";
  for (const auto& p : info.Requires) out << " " << p.Name;
  out << "\nUnits (" << info.Contains.size() << "):";
  for (const auto& u : info.Contains) out << " " << u.Name;
  out << "\nExports: " << Windows::ModuleExports(module).size()
      << " (--exports lists them, with the units' flags and hashes)\n";
  DescribeResources(module, out);
}

void DescribePackage(HMODULE module, std::ostream& out) {
  DescribeUnits(DescribeHead(module, out), out);
  std::vector<Windows::TExportEntry> exports = Windows::ModuleExports(module);
  out << "Exports (" << exports.size() << "):\n";
  for (const auto& e : exports) out << "  " << e.Name << "\n";
  DescribeResources(module, out);
}

std::vector<std::string> WritePackagePictures(HMODULE module, const std::string& folder) {
  std::filesystem::create_directories(folder);
  std::vector<std::string> written;
  auto write = [&](const Graphics::TSurface& picture, const std::string& name,
                   std::span<const std::uint8_t> alpha = {}) {
    std::string file = (std::filesystem::path(folder) / (name + ".png")).string();
    Graphics::WritePngFile(picture, file, alpha);
    written.push_back(file);
  };
  for (const TResourceEntry& r : Resources(module)) {
    if (r.Type.Id == Windows::RT_BITMAP.Id)
      write(DecodeDib(r.Data, r.Name.ToString()), r.Name.ToString());
    if (r.Type.Id != Windows::RT_GROUP_ICON.Id) continue;
    // The group's entries (14 bytes each, after 6) name their images by number.
    const std::uint16_t count = Read16(r.Data, 4);
    for (std::uint16_t i = 0; i < count; ++i) {
      std::uint16_t id = Read16(r.Data, 6 + 14 * std::size_t{i} + 12);
      auto* image = Windows::FindResourceExA(module, Windows::RT_ICON, id, r.Language);
      if (image == nullptr)
        throw SysUtils::Exception("icon " + r.Name.ToString() + " lacks image " +
                                  std::to_string(id));
      std::string name = r.Name.ToString() + (count > 1 ? "-" + std::to_string(id) : "");
      const TIconPicture icon = DecodeIconImage(image->Data, name);
      write(icon.Colours, name, icon.Alpha);
    }
  }
  return written;
}

int PackageCommand(const TPackageOptions& options) {
  std::string path = options.File.empty() ? DefaultPackagePath() : options.File;
  HMODULE module = SysUtils::LoadPackage(path);
  try {
    if (options.Exports)
      DescribePackage(module, std::cout);
    else
      SummarisePackage(module, std::cout);
    if (!options.PngFolder.empty())
      for (const std::string& file : WritePackagePictures(module, options.PngFolder))
        std::cout << "wrote " << file << "\n";
  } catch (...) {
    SysUtils::UnloadPackage(module);
    throw;
  }
  SysUtils::UnloadPackage(module);
  return 0;
}

}  // namespace Tools
