// Unit Vormen's exports.
#include "Exports.h"
#include "PackageInfo.h"
#include "Vormen.h"

namespace Tollenspiegel::Exports {

namespace {

using Vormen::TVorm;

using U = TUnitExports<"Vormen">;

constexpr auto kEntries =
    Join(U::UnitProcedures<&Units::VormenInitialization, &Units::VormenFinalization>(),
         std::array{U::Procedure<"Register", &Vormen::Register>(),
                    U::TypeOf<"TVormen", &Vormen::VormenType>()},
         U::ClassOf<"TVorm", TVorm>(
             Method<"Vorm", &TVorm::Vorm>, Method<"SetVorm", &TVorm::SetVorm>,
             Method<"Pen", &TVorm::Pen>, Method<"Brush", &TVorm::Brush>,
             Method<"Achtergrond", &TVorm::Achtergrond>, Method<"SetPen", &TVorm::SetPen>,
             Method<"SetBrush", &TVorm::SetBrush>, Method<"SetAchterBrush", &TVorm::SetAchterBrush>,
             Method<"StyleChanged", &TVorm::StyleChanged>, Method<"Paint", &TVorm::Paint>));

}  // namespace

constinit const TExportTable kVormen = kEntries;

}  // namespace Tollenspiegel::Exports
