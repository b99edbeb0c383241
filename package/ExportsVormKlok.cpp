// Unit VormKlok's exports.
#include "Exports.h"
#include "PackageInfo.h"
#include "VormKlok.h"

namespace Tollenspiegel::Exports {

namespace {

using VormKlok::TVormKlok;
using VormKlok::TWijzer;

using U = TUnitExports<"VormKlok">;

constexpr auto kEntries =
    Join(U::UnitProcedures<&Units::VormKlokInitialization, &Units::VormKlokFinalization>(),
         std::array{U::Procedure<"Register", &VormKlok::Register>(),
                    U::TypeOf<"TPercentage", &VormKlok::PercentageType>(),
                    U::TypeOf<"TWijzerSoort", &VormKlok::WijzerSoortType>(),
                    U::TypeOf<"TCijfers", &VormKlok::CijfersType>()},
         U::ClassOf<"TWijzer", TWijzer>(),
         U::ClassOf<"TVormKlok", TVormKlok>(
             Method<"GetGetallen", &TVormKlok::GetGetallen>,
             Method<"SetGetallen", &TVormKlok::SetGetallen>,
             Method<"GetCijferRing", &TVormKlok::GetCijferRing>,
             Method<"SetCijferRing", &TVormKlok::SetCijferRing>,
             Method<"GetWijzer", &TVormKlok::GetWijzer>, Method<"SetWijzer", &TVormKlok::SetWijzer>,
             Method<"Digital", &TVormKlok::Digital>, Method<"SetDigital", &TVormKlok::SetDigital>,
             Method<"Seconde", &TVormKlok::Seconde>, Method<"SetSeconde", &TVormKlok::SetSeconde>,
             Method<"NieuweStand", &TVormKlok::NieuweStand>, Method<"Paint", &TVormKlok::Paint>,
             Method<"KlokTimer", &TVormKlok::KlokTimer>, Method<"Midden", &TVormKlok::Midden>,
             Method<"VorigeMinuut", &TVormKlok::VorigeMinuut>,
             Method<"CijferSet", &TVormKlok::CijferSet>));

}  // namespace

constinit const TExportTable kVormKlok = kEntries;

}  // namespace Tollenspiegel::Exports
