// Unit VormKlok's exports.
#include "Exports.h"
#include "PackageInfo.h"
#include "VormKlok.h"

namespace Tollenspiegel::Exports {

namespace {

using VormKlok::TVormKlok;
using VormKlok::TWijzer;

constexpr auto kEntries =
    Join(UnitProcedures<"VormKlok", &Units::VormKlokInitialization, &Units::VormKlokFinalization>(),
         std::array{Procedure<"Vormklok", "Register", &VormKlok::Register>()},
         std::array{
             TypeOf<"VormKlok", "TPercentage", &VormKlok::PercentageType>(),
             TypeOf<"VormKlok", "TWijzerSoort", &VormKlok::WijzerSoortType>(),
             TypeOf<"VormKlok", "TCijfers", &VormKlok::CijfersType>(),
         },
         ClassOf<"VormKlok", "TWijzer", TWijzer>(), ClassOf<"VormKlok", "TVormKlok", TVormKlok>(),
         std::array{
             MethodOf<"VormKlok", "TVormKlok", "GetGetallen", &TVormKlok::GetGetallen>(),
             MethodOf<"VormKlok", "TVormKlok", "SetGetallen", &TVormKlok::SetGetallen>(),
             MethodOf<"VormKlok", "TVormKlok", "GetCijferRing", &TVormKlok::GetCijferRing>(),
             MethodOf<"VormKlok", "TVormKlok", "SetCijferRing", &TVormKlok::SetCijferRing>(),
             MethodOf<"VormKlok", "TVormKlok", "GetWijzer", &TVormKlok::GetWijzer>(),
             MethodOf<"VormKlok", "TVormKlok", "SetWijzer", &TVormKlok::SetWijzer>(),
             MethodOf<"VormKlok", "TVormKlok", "Digital", &TVormKlok::Digital>(),
             MethodOf<"VormKlok", "TVormKlok", "SetDigital", &TVormKlok::SetDigital>(),
             MethodOf<"VormKlok", "TVormKlok", "Seconde", &TVormKlok::Seconde>(),
             MethodOf<"VormKlok", "TVormKlok", "SetSeconde", &TVormKlok::SetSeconde>(),
             MethodOf<"VormKlok", "TVormKlok", "NieuweStand", &TVormKlok::NieuweStand>(),
             MethodOf<"VormKlok", "TVormKlok", "Paint", &TVormKlok::Paint>(),
             MethodOf<"VormKlok", "TVormKlok", "KlokTimer", &TVormKlok::KlokTimer>(),
             MethodOf<"VormKlok", "TVormKlok", "Midden", &TVormKlok::Midden>(),
             MethodOf<"VormKlok", "TVormKlok", "VorigeMinuut", &TVormKlok::VorigeMinuut>(),
             MethodOf<"VormKlok", "TVormKlok", "CijferSet", &TVormKlok::CijferSet>(),
         });

}  // namespace

constinit const TExportTable kVormKlok = kEntries;

}  // namespace Tollenspiegel::Exports
