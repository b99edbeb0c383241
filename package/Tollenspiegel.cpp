#include "Tollenspiegel.h"

#include "Classes.h"
#include "VormKlok.h"
#include "Vormen.h"

namespace Tollenspiegel {

void RegisterClasses() {
  Classes::RegisterClass(Vormen::TVorm::StaticClass());
  Classes::RegisterClass(VormKlok::TVormKlok::StaticClass());
}

int StartAnimations(Classes::TComponent& root) {
  int started = 0;
  for (int i = 0; i < root.ComponentCount(); ++i) started += StartAnimations(*root.Components(i));
  return started;
}

}  // namespace Tollenspiegel
