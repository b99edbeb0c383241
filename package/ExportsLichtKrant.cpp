// Unit LichtKrant's exports.
#include "Exports.h"
#include "LichtKrant.h"
#include "PackageInfo.h"

namespace Tollenspiegel::Exports {

namespace {

using LichtKrant::TLichtKrant;

constexpr auto kEntries = Join(
    UnitProcedures<"LichtKrant", &Units::LichtKrantInitialization,
                   &Units::LichtKrantFinalization>(),
    std::array{Procedure<"Lichtkrant", "Register", &LichtKrant::Register>()},
    std::array{TypeOf<"LichtKrant", "TRichting", &LichtKrant::RichtingType>()},
    ClassOf<"LichtKrant", "TLichtKrant", TLichtKrant>(),
    std::array{
        MethodOf<"LichtKrant", "TLichtKrant", "Start", &TLichtKrant::Start>(),
        MethodOf<"LichtKrant", "TLichtKrant", "Stop", &TLichtKrant::Stop>(),
        MethodOf<"LichtKrant", "TLichtKrant", "Roteer", &TLichtKrant::Roteer>(),
        MethodOf<"LichtKrant", "TLichtKrant", "TijdPerStap", &TLichtKrant::TijdPerStap>(),
        MethodOf<"LichtKrant", "TLichtKrant", "SetTijdPerStap", &TLichtKrant::SetTijdPerStap>(),
        MethodOf<"LichtKrant", "TLichtKrant", "Richting", &TLichtKrant::Richting>(),
        MethodOf<"LichtKrant", "TLichtKrant", "SetRichting", &TLichtKrant::SetRichting>(),
        MethodOf<"LichtKrant", "TLichtKrant", "StapTimer", &TLichtKrant::StapTimer>(),
        MethodOf<"LichtKrant", "TLichtKrant", "StartTekst", &TLichtKrant::StartTekst>(),
    });

}  // namespace

constinit const TExportTable kLichtKrant = kEntries;

}  // namespace Tollenspiegel::Exports
