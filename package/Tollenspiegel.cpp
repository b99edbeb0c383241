#include "Tollenspiegel.h"

#include "Classes.h"
#include "VormKlok.h"
#include "Vormen.h"

namespace Tollenspiegel {

void RegisterClasses() {
  Classes::RegisterClass(Vormen::TVorm::StaticClass());
  Classes::RegisterClass(VormKlok::TVormKlok::StaticClass());
}

}  // namespace Tollenspiegel
