// Unit Film's exports.
#include "Exports.h"
#include "FilmEditors.h"
#include "PackageInfo.h"

namespace Tollenspiegel::Exports {

namespace {

using Film::TFilm;

using U = TUnitExports<"Film">;

constexpr auto kEntries = Join(
    U::UnitProcedures<&Units::FilmInitialization, &Units::FilmFinalization>(),
    std::array{U::Procedure<"Register", &Film::Register>(),
               U::TypeOf<"TWeergave", &Film::WeergaveType>(),
               U::TypeOf<"TFilmType", &Film::FilmTypeType>(),
               U::TypeOf<"TFoutActie", &Film::FoutActieType>(),
               U::TypeOf<"TStartFilm", &Film::StartFilmType>()},
    U::ClassOf<"TFilm", TFilm>(
        Method<"Loaded", &TFilm::Loaded>, Method<"Paint", &TFilm::Paint>,
        Method<"Click", &TFilm::Click>, Method<"LaadFrames", &TFilm::LaadFrames>,
        Method<"ToonFrame", &TFilm::ToonFrame>, Method<"NieuwFrame", &TFilm::NieuwFrame>,
        Method<"StartFilm", &TFilm::StartFilm>, Method<"StopFilm", &TFilm::StopFilm>,
        Method<"FilmLoopt", &TFilm::FilmLoopt>, Method<"DefaultPadNaam", &TFilm::DefaultPadNaam>,
        Method<"SetDefaultPadNaam", &TFilm::SetDefaultPadNaam>,
        Method<"Achtergrond", &TFilm::Achtergrond>,
        Method<"SetAchterBrush", &TFilm::SetAchterBrush>,
        Method<"AlfabetischeLijst", &TFilm::AlfabetischeLijst>, Method<"SetAlfa", &TFilm::SetAlfa>,
        Method<"FilmType", &TFilm::FilmType>, Method<"SetFilmType", &TFilm::SetFilmType>,
        Method<"Geluid", &TFilm::Geluid>, Method<"SetGeluid", &TFilm::SetGeluid>,
        Method<"Pen", &TFilm::Pen>, Method<"SetPen", &TFilm::SetPen>,
        Method<"Weergave", &TFilm::Weergave>, Method<"SetWeergave", &TFilm::SetWeergave>,
        Method<"FoutActie", &TFilm::FoutActie>, Method<"SetFoutActie", &TFilm::SetFoutActie>,
        Method<"Frames", &TFilm::Frames>, Method<"SetNames", &TFilm::SetNames>,
        Method<"TijdPerFrame", &TFilm::TijdPerFrame>,
        Method<"SetTijdPerFrame", &TFilm::SetTijdPerFrame>, Method<"Starten", &TFilm::Starten>,
        Method<"SetStarten", &TFilm::SetStarten>, Method<"StartFrame", &TFilm::StartFrame>,
        Method<"StopFrame", &TFilm::StopFrame>, Method<"VoorFrame", &TFilm::VoorFrame>,
        Method<"NaFrame", &TFilm::NaFrame>, Method<"SetFrame", &TFilm::SetFrame>,
        Method<"Transparent", &TFilm::Transparent>,
        Method<"SetTransparent", &TFilm::SetTransparent>,
        Method<"StyleChanged", &TFilm::StyleChanged>,
        Method<"ZetCapaciteit", &TFilm::ZetCapaciteit>, Method<"HuidigFrame", &TFilm::HuidigFrame>,
        Method<"VanFrame", &TFilm::VanFrame>, Method<"TotFrame", &TFilm::TotFrame>,
        Method<"LopendType", &TFilm::LopendType>, Method<"StopVolgende", &TFilm::StopVolgende>,
        Method<"Bezig", &TFilm::Bezig>, Method<"Tikker", &TFilm::Tikker>,
        Method<"Plaatje", &TFilm::Plaatje>, Method<"FrameCandidates", &TFilm::FrameCandidates>,
        Method<"FrameFileName", &TFilm::FrameFileName>));

}  // namespace

constinit const TExportTable kFilm = kEntries;

}  // namespace Tollenspiegel::Exports
