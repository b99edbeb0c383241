#include "Tollenspiegel.h"

#include "Classes.h"
#include "Film.h"
#include "FormRun.h"
#include "GolfTekst.h"
#include "LichtKrant.h"
#include "VormKlok.h"
#include "Vormen.h"

namespace Tollenspiegel {

std::vector<System::TClass> ControlClasses() {
  return {Vormen::TVorm::StaticClass(), VormKlok::TVormKlok::StaticClass(),
          Film::TFilm::StaticClass(), LichtKrant::TLichtKrant::StaticClass(),
          GolfTekst::TGolfTekst::StaticClass()};
}

void RegisterClasses() {
  for (System::TClass control : ControlClasses()) Classes::RegisterClass(control);
}

std::unique_ptr<Forms::TForm> LoadForm(const std::string& path) {
  RegisterClasses();
  return Forms::ReadFormFile(path);
}

namespace {

int StartUnder(Classes::TComponent& root) {
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
  for (int i = 0; i < root.ComponentCount(); ++i) started += StartUnder(*root.Components(i));
  return started;
}

}  // namespace

int StartAnimations(Classes::TComponent& root) {
  // A film's sound is named relative to its form's folder.
  if (auto* form = dynamic_cast<Forms::TForm*>(&root)) {
    Forms::TInFormFolder in(*form);
    return StartUnder(root);
  }
  return StartUnder(root);
}

}  // namespace Tollenspiegel
