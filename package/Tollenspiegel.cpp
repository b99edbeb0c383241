#include "Tollenspiegel.h"

#include "Classes.h"
#include "Film.h"
#include "GolfTekst.h"
#include "LichtKrant.h"
#include "VormKlok.h"
#include "Vormen.h"

namespace Tollenspiegel {

void RegisterClasses() {
  Classes::RegisterClass(Vormen::TVorm::StaticClass());
  Classes::RegisterClass(VormKlok::TVormKlok::StaticClass());
  Classes::RegisterClass(Film::TFilm::StaticClass());
  Classes::RegisterClass(LichtKrant::TLichtKrant::StaticClass());
  Classes::RegisterClass(GolfTekst::TGolfTekst::StaticClass());
}

int StartAnimations(Classes::TComponent& root) {
  int started = 0;
  if (auto* ticker = dynamic_cast<LichtKrant::TLichtKrant*>(&root)) {
    ticker->Start();
    ++started;
  } else if (auto* wave = dynamic_cast<GolfTekst::TGolfTekst*>(&root)) {
    wave->Start();
    ++started;
  } else if (auto* film = dynamic_cast<Film::TFilm*>(&root);
             film != nullptr && film->Starten() == Film::Via_Programma) {
    film->StartFilm();
    ++started;
  }
  for (int i = 0; i < root.ComponentCount(); ++i) started += StartAnimations(*root.Components(i));
  return started;
}

}  // namespace Tollenspiegel
