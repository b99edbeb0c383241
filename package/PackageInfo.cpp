#include "PackageInfo.h"

#include <array>

namespace Tollenspiegel {

namespace Units {

namespace {
constinit Packages::TUnitRecord gVormen{"Vormen"};
constinit Packages::TUnitRecord gFilm{"Film"};
constinit Packages::TUnitRecord gLichtKrant{"LichtKrant"};
constinit Packages::TUnitRecord gGolfTekst{"GolfTekst"};
constinit Packages::TUnitRecord gVormKlok{"VormKlok"};
}  // namespace

void VormenInitialization() { Packages::InitializeUnit(gVormen); }
void VormenFinalization() { Packages::FinalizeUnit(gVormen); }
void FilmInitialization() { Packages::InitializeUnit(gFilm); }
void FilmFinalization() { Packages::FinalizeUnit(gFilm); }
void LichtKrantInitialization() { Packages::InitializeUnit(gLichtKrant); }
void LichtKrantFinalization() { Packages::FinalizeUnit(gLichtKrant); }
void GolfTekstInitialization() { Packages::InitializeUnit(gGolfTekst); }
void GolfTekstFinalization() { Packages::FinalizeUnit(gGolfTekst); }
void VormKlokInitialization() { Packages::InitializeUnit(gVormKlok); }
void VormKlokFinalization() { Packages::FinalizeUnit(gVormKlok); }

}  // namespace Units

namespace {

using Packages::PackageUnitEntry;
using Packages::THostUnit;

constexpr std::array<PackageUnitEntry, kUnitCount> MakeUnitTable() {
  constexpr auto host = Packages::HostUnitEntries();
  std::array<PackageUnitEntry, kUnitCount> units{};
  std::size_t next = 0;
  std::size_t nextHost = 0;
  auto hostUnitsThrough = [&](THostUnit last) {
    while (nextHost <= static_cast<std::size_t>(last)) units.at(next++) = host[nextHost++];
  };
  hostUnitsThrough(THostUnit::Controls);
  units.at(next++) = {&Units::VormenInitialization, &Units::VormenFinalization};
  hostUnitsThrough(THostUnit::DsgnIntf);
  units.at(next++) = {&Units::FilmInitialization, &Units::FilmFinalization};
  units.at(next++) = {&Units::LichtKrantInitialization, &Units::LichtKrantFinalization};
  units.at(next++) = {&Units::GolfTekstInitialization, &Units::GolfTekstFinalization};
  units.at(next++) = {&Units::VormKlokInitialization, &Units::VormKlokFinalization};
  if (next != units.size() || nextHost != host.size()) throw "the table leaves units out";
  return units;
}

constexpr std::array<PackageUnitEntry, kUnitCount> kUnits = MakeUnitTable();
constexpr Packages::PackageInfoTable kPackageInfoTable{kUnitCount, kUnits.data()};

}  // namespace

Packages::PackageInfo GetPackageInfoTable() { return &kPackageInfoTable; }

}  // namespace Tollenspiegel

void Initialize() { Packages::PackageLoad(&Tollenspiegel::kPackageInfoTable); }
void Finalize() { Packages::PackageUnload(&Tollenspiegel::kPackageInfoTable); }
