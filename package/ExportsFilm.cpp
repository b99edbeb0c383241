// Unit Film's exports.
#include "Exports.h"
#include "FilmEditors.h"
#include "PackageInfo.h"

namespace Tollenspiegel::Exports {

namespace {

using Film::TFilm;

constexpr auto kEntries =
    Join(UnitProcedures<"Film", &Units::FilmInitialization, &Units::FilmFinalization>(),
         std::array{Procedure<"Film", "Register", &Film::Register>()},
         std::array{
             TypeOf<"Film", "TWeergave", &Film::WeergaveType>(),
             TypeOf<"Film", "TFilmType", &Film::FilmTypeType>(),
             TypeOf<"Film", "TFoutActie", &Film::FoutActieType>(),
             TypeOf<"Film", "TStartFilm", &Film::StartFilmType>(),
         },
         ClassOf<"Film", "TFilm", TFilm>(),
         std::array{
             MethodOf<"Film", "TFilm", "Loaded", &TFilm::Loaded>(),
             MethodOf<"Film", "TFilm", "Paint", &TFilm::Paint>(),
             MethodOf<"Film", "TFilm", "Click", &TFilm::Click>(),
             MethodOf<"Film", "TFilm", "LaadFrames", &TFilm::LaadFrames>(),
             MethodOf<"Film", "TFilm", "ToonFrame", &TFilm::ToonFrame>(),
             MethodOf<"Film", "TFilm", "NieuwFrame", &TFilm::NieuwFrame>(),
             MethodOf<"Film", "TFilm", "StartFilm", &TFilm::StartFilm>(),
             MethodOf<"Film", "TFilm", "StopFilm", &TFilm::StopFilm>(),
             MethodOf<"Film", "TFilm", "FilmLoopt", &TFilm::FilmLoopt>(),
             MethodOf<"Film", "TFilm", "DefaultPadNaam", &TFilm::DefaultPadNaam>(),
             MethodOf<"Film", "TFilm", "SetDefaultPadNaam", &TFilm::SetDefaultPadNaam>(),
             MethodOf<"Film", "TFilm", "Achtergrond", &TFilm::Achtergrond>(),
             MethodOf<"Film", "TFilm", "SetAchterBrush", &TFilm::SetAchterBrush>(),
             MethodOf<"Film", "TFilm", "AlfabetischeLijst", &TFilm::AlfabetischeLijst>(),
             MethodOf<"Film", "TFilm", "SetAlfa", &TFilm::SetAlfa>(),
             MethodOf<"Film", "TFilm", "FilmType", &TFilm::FilmType>(),
             MethodOf<"Film", "TFilm", "SetFilmType", &TFilm::SetFilmType>(),
             MethodOf<"Film", "TFilm", "Geluid", &TFilm::Geluid>(),
             MethodOf<"Film", "TFilm", "SetGeluid", &TFilm::SetGeluid>(),
             MethodOf<"Film", "TFilm", "Pen", &TFilm::Pen>(),
             MethodOf<"Film", "TFilm", "SetPen", &TFilm::SetPen>(),
             MethodOf<"Film", "TFilm", "Weergave", &TFilm::Weergave>(),
             MethodOf<"Film", "TFilm", "SetWeergave", &TFilm::SetWeergave>(),
             MethodOf<"Film", "TFilm", "FoutActie", &TFilm::FoutActie>(),
             MethodOf<"Film", "TFilm", "SetFoutActie", &TFilm::SetFoutActie>(),
             MethodOf<"Film", "TFilm", "Frames", &TFilm::Frames>(),
             MethodOf<"Film", "TFilm", "SetNames", &TFilm::SetNames>(),
             MethodOf<"Film", "TFilm", "TijdPerFrame", &TFilm::TijdPerFrame>(),
             MethodOf<"Film", "TFilm", "SetTijdPerFrame", &TFilm::SetTijdPerFrame>(),
             MethodOf<"Film", "TFilm", "Starten", &TFilm::Starten>(),
             MethodOf<"Film", "TFilm", "SetStarten", &TFilm::SetStarten>(),
             MethodOf<"Film", "TFilm", "StartFrame", &TFilm::StartFrame>(),
             MethodOf<"Film", "TFilm", "StopFrame", &TFilm::StopFrame>(),
             MethodOf<"Film", "TFilm", "VoorFrame", &TFilm::VoorFrame>(),
             MethodOf<"Film", "TFilm", "NaFrame", &TFilm::NaFrame>(),
             MethodOf<"Film", "TFilm", "SetFrame", &TFilm::SetFrame>(),
             MethodOf<"Film", "TFilm", "Transparent", &TFilm::Transparent>(),
             MethodOf<"Film", "TFilm", "SetTransparent", &TFilm::SetTransparent>(),
             MethodOf<"Film", "TFilm", "StyleChanged", &TFilm::StyleChanged>(),
             MethodOf<"Film", "TFilm", "ZetCapaciteit", &TFilm::ZetCapaciteit>(),
             MethodOf<"Film", "TFilm", "HuidigFrame", &TFilm::HuidigFrame>(),
             MethodOf<"Film", "TFilm", "VanFrame", &TFilm::VanFrame>(),
             MethodOf<"Film", "TFilm", "TotFrame", &TFilm::TotFrame>(),
             MethodOf<"Film", "TFilm", "LopendType", &TFilm::LopendType>(),
             MethodOf<"Film", "TFilm", "StopVolgende", &TFilm::StopVolgende>(),
             MethodOf<"Film", "TFilm", "Bezig", &TFilm::Bezig>(),
             MethodOf<"Film", "TFilm", "Tikker", &TFilm::Tikker>(),
             MethodOf<"Film", "TFilm", "Plaatje", &TFilm::Plaatje>(),
             MethodOf<"Film", "TFilm", "FrameCandidates", &TFilm::FrameCandidates>(),
             MethodOf<"Film", "TFilm", "FrameFileName", &TFilm::FrameFileName>(),
         });

}  // namespace

constinit const TExportTable kFilm = kEntries;

}  // namespace Tollenspiegel::Exports
