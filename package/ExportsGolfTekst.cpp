// Unit GolfTekst's exports.
#include "Exports.h"
#include "GolfTekst.h"
#include "PackageInfo.h"

namespace Tollenspiegel::Exports {

namespace {

using GolfTekst::TGolfTekst;
using GolfTekst::TKleuren;

using U = TUnitExports<"GolfTekst">;

constexpr auto kEntries = Join(
    U::UnitProcedures<&Units::GolfTekstInitialization, &Units::GolfTekstFinalization>(),
    std::array{U::Procedure<"Register", &GolfTekst::Register>(),
               U::TypeOf<"TFijnheid", &GolfTekst::FijnheidType>()},
    U::ClassOf<"TKleuren", TKleuren>(Method<"GetKleur", &TKleuren::GetKleur>,
                                     Method<"SetKleur", &TKleuren::SetKleur>),
    U::ClassOf<"TGolfTekst", TGolfTekst>(
        Method<"Start", &TGolfTekst::Start>, Method<"Stop", &TGolfTekst::Stop>,
        Method<"Show", &TGolfTekst::Show>, Method<"Hide", &TGolfTekst::Hide>,
        Method<"Actief", &TGolfTekst::Actief>, Method<"Tik", &TGolfTekst::Tik>,
        Method<"Paint", &TGolfTekst::Paint>, Method<"Alignment", &TGolfTekst::Alignment>,
        Method<"SetAlignment", &TGolfTekst::SetAlignment>,
        Method<"Fijnheid", &TGolfTekst::Fijnheid>, Method<"SetFijnheid", &TGolfTekst::SetFijnheid>,
        Method<"GetGolfLengte", &TGolfTekst::GetGolfLengte>,
        Method<"SetGolfLengte", &TGolfTekst::SetGolfLengte>,
        Method<"RuimteTussenLetters", &TGolfTekst::RuimteTussenLetters>,
        Method<"SetRuimte", &TGolfTekst::SetRuimte>,
        Method<"TijdPerStap", &TGolfTekst::TijdPerStap>,
        Method<"SetTijdPerStap", &TGolfTekst::SetTijdPerStap>,
        Method<"GetTransparent", &TGolfTekst::GetTransparent>,
        Method<"SetTransparent", &TGolfTekst::SetTransparent>,
        Method<"AmplitudePercentage", &TGolfTekst::AmplitudePercentage>,
        Method<"SetAmplitude", &TGolfTekst::SetAmplitude>,
        Method<"AutoSize", &TGolfTekst::AutoSize>, Method<"SetAutosize", &TGolfTekst::SetAutosize>,
        Method<"SetCaption", &TGolfTekst::SetCaption>,
        Method<"SetAantalKleuren", &TGolfTekst::SetAantalKleuren>,
        Method<"StoreAantalKleuren", &TGolfTekst::StoreAantalKleuren>,
        Method<"SetKleuren", &TGolfTekst::SetKleuren>,
        Method<"AdoptKleuren", &TGolfTekst::AdoptKleuren>,
        Method<"OpgeslagenGolfLengte", &TGolfTekst::OpgeslagenGolfLengte>,
        Method<"AutoGolfLengte", &TGolfTekst::AutoGolfLengte>, Method<"Fase", &TGolfTekst::Fase>,
        Method<"StapTimer", &TGolfTekst::StapTimer>));

}  // namespace

constinit const TExportTable kGolfTekst = kEntries;

}  // namespace Tollenspiegel::Exports
