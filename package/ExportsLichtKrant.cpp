// Unit LichtKrant's exports.
#include "Exports.h"
#include "LichtKrant.h"
#include "PackageInfo.h"

namespace Tollenspiegel::Exports {

namespace {

using LichtKrant::TLichtKrant;

using U = TUnitExports<"LichtKrant">;

constexpr auto kEntries = Join(
    U::UnitProcedures<&Units::LichtKrantInitialization, &Units::LichtKrantFinalization>(),
    std::array{U::Procedure<"Register", &LichtKrant::Register>(),
               U::TypeOf<"TRichting", &LichtKrant::RichtingType>()},
    U::ClassOf<"TLichtKrant", TLichtKrant>(
        Method<"Start", &TLichtKrant::Start>, Method<"Stop", &TLichtKrant::Stop>,
        Method<"Roteer", &TLichtKrant::Roteer>, Method<"TijdPerStap", &TLichtKrant::TijdPerStap>,
        Method<"SetTijdPerStap", &TLichtKrant::SetTijdPerStap>,
        Method<"Richting", &TLichtKrant::Richting>,
        Method<"SetRichting", &TLichtKrant::SetRichting>,
        Method<"StapTimer", &TLichtKrant::StapTimer>,
        Method<"StartTekst", &TLichtKrant::StartTekst>));

}  // namespace

constinit const TExportTable kLichtKrant = kEntries;

}  // namespace Tollenspiegel::Exports
