// The package's resources: its package information, description and build
// options (raw data, language neutral), the five palette bitmaps and the icon
// (Dutch, Netherlands), published through the package's resource directory.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "Windows.h"

#pragma GCC visibility push(hidden)

namespace Tollenspiegel::Resources {

inline constexpr Windows::WORD kPictureLanguage =
    Windows::MAKELANGID(Windows::LANG_DUTCH, Windows::SUBLANG_DUTCH);  // 0x0413
inline constexpr Windows::WORD kRawDataLanguage =
    Windows::MAKELANGID(Windows::LANG_NEUTRAL, Windows::SUBLANG_NEUTRAL);

inline constexpr std::size_t kPaletteBitmapSize = 392;
inline constexpr std::size_t kIconImageSize = 744;
inline constexpr std::size_t kGroupIconSize = 20;

extern const std::array<std::uint8_t, 100> kPackageInfo;
extern const std::array<std::uint8_t, 32> kDescription;
extern const std::array<std::uint8_t, 132> kPackageOptions;

using TPaletteBitmap = std::array<std::uint8_t, kPaletteBitmapSize>;
extern const TPaletteBitmap kVormBitmap;
extern const TPaletteBitmap kVormKlokBitmap;
extern const TPaletteBitmap kFilmBitmap;
extern const TPaletteBitmap kLichtKrantBitmap;
extern const TPaletteBitmap kGolfTekstBitmap;

extern const std::array<std::uint8_t, kGroupIconSize> kMainIconGroup;
using TIconImage = std::array<std::uint8_t, kIconImageSize>;
extern const TIconImage kMainIconImage;

// Every resource, sorted by type and then by name.
inline constexpr std::size_t kResourceCount = 10;
extern const std::array<Windows::TResourceEntry, kResourceCount> kDirectory;

}  // namespace Tollenspiegel::Resources

#pragma GCC visibility pop
