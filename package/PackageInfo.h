// The package's own entry points: the library entry point, Initialize, Finalize
// and the package information table, and the initialisation procedures of its
// five units.
//
// The table has 41 entries in dependency order: the host's units from System to
// Controls (1 to 26), Vormen (27), the host's units from StdCtrls to DsgnIntf
// (28 to 37), then Film, LichtKrant, GolfTekst and VormKlok (38 to 41). The own
// units have no work of their own; their procedures only keep their counts.
#pragma once

#include "Packages.h"
#include "Windows.h"

// The exports the host finds by their plain names, also as dynamic symbols.
extern "C" {
void Initialize();
void Finalize();
}

#pragma GCC visibility push(hidden)

namespace Tollenspiegel {

inline constexpr int kUnitCount = 41;

Packages::PackageInfo GetPackageInfoTable();

// Called from the loader's load and unload hooks (Entry.cpp); always true.
Windows::BOOL DllEntryPoint(Windows::HINSTANCE instance, Windows::DWORD reason,
                            Windows::LPVOID reserved);

namespace Units {
void VormenInitialization();
void VormenFinalization();
void FilmInitialization();
void FilmFinalization();
void LichtKrantInitialization();
void LichtKrantFinalization();
void GolfTekstInitialization();
void GolfTekstFinalization();
void VormKlokInitialization();
void VormKlokFinalization();
}  // namespace Units

}  // namespace Tollenspiegel

#pragma GCC visibility pop
