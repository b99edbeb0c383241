// Unit Vormen's exports.
#include "Exports.h"
#include "PackageInfo.h"
#include "Vormen.h"

namespace Tollenspiegel::Exports {

namespace {

using Vormen::TVorm;

constexpr auto kEntries =
    Join(UnitProcedures<"Vormen", &Units::VormenInitialization, &Units::VormenFinalization>(),
         std::array{Procedure<"Vormen", "Register", &Vormen::Register>()},
         std::array{TypeOf<"Vormen", "TVormen", &Vormen::VormenType>()},
         ClassOf<"Vormen", "TVorm", TVorm>(),
         std::array{
             MethodOf<"Vormen", "TVorm", "Vorm", &TVorm::Vorm>(),
             MethodOf<"Vormen", "TVorm", "SetVorm", &TVorm::SetVorm>(),
             MethodOf<"Vormen", "TVorm", "Pen", &TVorm::Pen>(),
             MethodOf<"Vormen", "TVorm", "Brush", &TVorm::Brush>(),
             MethodOf<"Vormen", "TVorm", "Achtergrond", &TVorm::Achtergrond>(),
             MethodOf<"Vormen", "TVorm", "SetPen", &TVorm::SetPen>(),
             MethodOf<"Vormen", "TVorm", "SetBrush", &TVorm::SetBrush>(),
             MethodOf<"Vormen", "TVorm", "SetAchterBrush", &TVorm::SetAchterBrush>(),
             MethodOf<"Vormen", "TVorm", "StyleChanged", &TVorm::StyleChanged>(),
             MethodOf<"Vormen", "TVorm", "Paint", &TVorm::Paint>(),
         });

}  // namespace

constinit const TExportTable kVormen = kEntries;

}  // namespace Tollenspiegel::Exports
