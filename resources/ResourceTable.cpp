// The package's resource directory.
#include "Resources.h"

namespace Tollenspiegel::Resources {

using Windows::RT_BITMAP;
using Windows::RT_GROUP_ICON;
using Windows::RT_ICON;
using Windows::RT_RCDATA;
using Windows::TResourceEntry;

constinit const std::array<TResourceEntry, kResourceCount> kDirectory = {{
    {RT_BITMAP, "TFILM", kPictureLanguage, kFilmBitmap},
    {RT_BITMAP, "TGOLFTEKST", kPictureLanguage, kGolfTekstBitmap},
    {RT_BITMAP, "TLICHTKRANT", kPictureLanguage, kLichtKrantBitmap},
    {RT_BITMAP, "TVORM", kPictureLanguage, kVormBitmap},
    {RT_BITMAP, "TVORMKLOK", kPictureLanguage, kVormKlokBitmap},
    {RT_ICON, Windows::WORD{1}, kPictureLanguage, kMainIconImage},
    {RT_RCDATA, "DESCRIPTION", kRawDataLanguage, kDescription},
    {RT_RCDATA, "PACKAGEINFO", kRawDataLanguage, kPackageInfo},
    {RT_RCDATA, "PACKAGEOPTIONS", kRawDataLanguage, kPackageOptions},
    {RT_GROUP_ICON, "MAINICON", kPictureLanguage, kMainIconGroup},
}};

}  // namespace Tollenspiegel::Resources
