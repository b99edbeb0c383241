// The one symbol through which the host finds the package's exports and
// resources (Windows.h: TModuleDirectory).
#include "Exports.h"
#include "Resources.h"

namespace {

using namespace Tollenspiegel::Exports;

constexpr const TExportTable* kTables[] = {&kTollenspiegel, &kVormen,    &kFilm,
                                           &kLichtKrant,    &kGolfTekst, &kVormKlok};

}  // namespace

extern "C" constinit const Windows::TModuleDirectory TollenModuleDirectory{
    Windows::kModuleDirectorySignature, kTables, Tollenspiegel::Resources::kDirectory};
