// Unit GolfTekst's exports.
#include "Exports.h"
#include "GolfTekst.h"
#include "PackageInfo.h"

namespace Tollenspiegel::Exports {

namespace {

using GolfTekst::TGolfTekst;
using GolfTekst::TKleuren;

constexpr auto kEntries = Join(
    UnitProcedures<"GolfTekst", &Units::GolfTekstInitialization, &Units::GolfTekstFinalization>(),
    std::array{Procedure<"Golftekst", "Register", &GolfTekst::Register>()},
    std::array{TypeOf<"GolfTekst", "TFijnheid", &GolfTekst::FijnheidType>()},
    ClassOf<"GolfTekst", "TKleuren", TKleuren>(),
    std::array{
        MethodOf<"GolfTekst", "TKleuren", "GetKleur", &TKleuren::GetKleur>(),
        MethodOf<"GolfTekst", "TKleuren", "SetKleur", &TKleuren::SetKleur>(),
    },
    ClassOf<"GolfTekst", "TGolfTekst", TGolfTekst>(),
    std::array{
        MethodOf<"GolfTekst", "TGolfTekst", "Start", &TGolfTekst::Start>(),
        MethodOf<"GolfTekst", "TGolfTekst", "Stop", &TGolfTekst::Stop>(),
        MethodOf<"GolfTekst", "TGolfTekst", "Show", &TGolfTekst::Show>(),
        MethodOf<"GolfTekst", "TGolfTekst", "Hide", &TGolfTekst::Hide>(),
        MethodOf<"GolfTekst", "TGolfTekst", "Actief", &TGolfTekst::Actief>(),
        MethodOf<"GolfTekst", "TGolfTekst", "Tik", &TGolfTekst::Tik>(),
        MethodOf<"GolfTekst", "TGolfTekst", "Paint", &TGolfTekst::Paint>(),
        MethodOf<"GolfTekst", "TGolfTekst", "Alignment", &TGolfTekst::Alignment>(),
        MethodOf<"GolfTekst", "TGolfTekst", "SetAlignment", &TGolfTekst::SetAlignment>(),
        MethodOf<"GolfTekst", "TGolfTekst", "Fijnheid", &TGolfTekst::Fijnheid>(),
        MethodOf<"GolfTekst", "TGolfTekst", "SetFijnheid", &TGolfTekst::SetFijnheid>(),
        MethodOf<"GolfTekst", "TGolfTekst", "GetGolfLengte", &TGolfTekst::GetGolfLengte>(),
        MethodOf<"GolfTekst", "TGolfTekst", "SetGolfLengte", &TGolfTekst::SetGolfLengte>(),
        MethodOf<"GolfTekst", "TGolfTekst", "RuimteTussenLetters",
                 &TGolfTekst::RuimteTussenLetters>(),
        MethodOf<"GolfTekst", "TGolfTekst", "SetRuimte", &TGolfTekst::SetRuimte>(),
        MethodOf<"GolfTekst", "TGolfTekst", "TijdPerStap", &TGolfTekst::TijdPerStap>(),
        MethodOf<"GolfTekst", "TGolfTekst", "SetTijdPerStap", &TGolfTekst::SetTijdPerStap>(),
        MethodOf<"GolfTekst", "TGolfTekst", "GetTransparent", &TGolfTekst::GetTransparent>(),
        MethodOf<"GolfTekst", "TGolfTekst", "SetTransparent", &TGolfTekst::SetTransparent>(),
        MethodOf<"GolfTekst", "TGolfTekst", "AmplitudePercentage",
                 &TGolfTekst::AmplitudePercentage>(),
        MethodOf<"GolfTekst", "TGolfTekst", "SetAmplitude", &TGolfTekst::SetAmplitude>(),
        MethodOf<"GolfTekst", "TGolfTekst", "AutoSize", &TGolfTekst::AutoSize>(),
        MethodOf<"GolfTekst", "TGolfTekst", "SetAutosize", &TGolfTekst::SetAutosize>(),
        MethodOf<"GolfTekst", "TGolfTekst", "SetCaption", &TGolfTekst::SetCaption>(),
        MethodOf<"GolfTekst", "TGolfTekst", "SetAantalKleuren", &TGolfTekst::SetAantalKleuren>(),
        MethodOf<"GolfTekst", "TGolfTekst", "StoreAantalKleuren",
                 &TGolfTekst::StoreAantalKleuren>(),
        MethodOf<"GolfTekst", "TGolfTekst", "SetKleuren", &TGolfTekst::SetKleuren>(),
        MethodOf<"GolfTekst", "TGolfTekst", "AdoptKleuren", &TGolfTekst::AdoptKleuren>(),
        MethodOf<"GolfTekst", "TGolfTekst", "OpgeslagenGolfLengte",
                 &TGolfTekst::OpgeslagenGolfLengte>(),
        MethodOf<"GolfTekst", "TGolfTekst", "AutoGolfLengte", &TGolfTekst::AutoGolfLengte>(),
        MethodOf<"GolfTekst", "TGolfTekst", "Fase", &TGolfTekst::Fase>(),
        MethodOf<"GolfTekst", "TGolfTekst", "StapTimer", &TGolfTekst::StapTimer>(),
    });

}  // namespace

constinit const TExportTable kGolfTekst = kEntries;

}  // namespace Tollenspiegel::Exports
