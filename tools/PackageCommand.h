// `tollenspiegel package`: loads a package as the host does and shows what it
// holds; with --png, writes its palette bitmaps and icon as pictures.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "Graphics/Surface.h"
#include "Windows.h"

namespace Tools {

struct TPackageOptions {
  std::string File;       // empty: the package this tool is linked with
  std::string PngFolder;  // empty: write no pictures
  bool Exports = false;   // the full listing: every export, the units' flags and hashes
};

// Reads the arguments after "package"; raises TUsageError on a bad one.
TPackageOptions ParsePackageOptions(const TArguments& args);
TPackageOptions ParsePackageOptions(const std::vector<std::string>& args);
// The file of the package this tool is linked with.
std::string DefaultPackagePath();
// The package this tool is linked with.
Windows::HMODULE LinkedPackage();

// Description, required packages, contained units with flags and hashes, exports
// and resources of a loaded package.
void DescribePackage(Windows::HMODULE module, std::ostream& out);
// The same in short: the units by name and the number of exports.
void SummarisePackage(Windows::HMODULE module, std::ostream& out);

// An icon image: its colours (white where it is see-through) and its mask as
// alpha, one byte a pixel (0 see-through, 255 opaque).
struct TIconPicture {
  Graphics::TSurface Colours;
  std::vector<std::uint8_t> Alpha;
};

// A 16-colour picture of a bitmap resource (a DIB without file header), and of
// an icon image.
Graphics::TSurface DecodeDib(std::span<const std::uint8_t> dib, const std::string& name);
TIconPicture DecodeIconImage(std::span<const std::uint8_t> image, const std::string& name);
// Writes every bitmap and icon image (its mask as transparency) of `module` into
// `folder` as NAME.png; returns the files written.
std::vector<std::string> WritePackagePictures(Windows::HMODULE module, const std::string& folder);

int PackageCommand(const TPackageOptions& options);

}  // namespace Tools
