#include "FilmEditors.h"

#include <memory>

#include "Dialogs.h"
#include "Forms.h"

namespace Film {

bool EersteKeer = true;

TFilm& TFilmEditor::Film() const { return static_cast<TFilm&>(Component()); }

int TFilmEditor::GetVerbCount() { return Film().Frames().Count() == 0 ? 1 : 5; }

std::string TFilmEditor::GetVerb(int index) {
  switch (index) {
    case 0:
      return "Voeg plaatjes toe...";
    case 1:
      return "Vervang alle plaatjes...";
    case 2:
      return Film().FilmLoopt() ? "Stop test" : "Test &film";
    case 3:
      return "Toon volgend frame";
    default:
      return "Toon vorig frame";
  }
}

void TFilmEditor::ExecuteVerb(int index) {
  TFilm& film = Film();
  switch (index) {
    case 0:
      film.LaadFrames(false);
      break;
    case 1:
      film.LaadFrames(true);
      break;
    case 2:
      if (film.FilmLoopt())
        film.StopFilm();
      else
        film.StartFilm();
      break;
    case 3:
      film.VolgendFrame();
      break;
    case 4:
      film.VorigFrame();
      break;
    default:
      break;
  }
}

DsgnIntf::TPropertyAttributes TGeluidProperty::GetAttributes() { return {DsgnIntf::paDialog}; }

void TGeluidProperty::Edit() {
  // Owned by the application, freed here also when a step raises.
  std::unique_ptr<Dialogs::TOpenDialog> dialog(new Dialogs::TOpenDialog(&Forms::Application()));
  dialog->SetDefaultExt("wav");
  dialog->SetFilter("Geluidsbestanden|*.wav");
  if (EersteKeer) dialog->SetInitialDir("c:\\Windows\\Media");
  EersteKeer = false;
  dialog->SetTitle("Kies uit deze lijst een geluid bij de film");
  dialog->SetOptions(Dialogs::TOpenOptions::FromBits(4));
  if (dialog->Execute()) SetValue(dialog->FileName());
}

void Register() {
  DsgnIntf::RegisterComponents("Tollenspiegel", {TFilm::StaticClass()});
  DsgnIntf::RegisterPropertyEditor(
      TypInfo::StringType(), TFilm::StaticClass(), "Geluid",
      DsgnIntf::PropertyEditorClass<TGeluidProperty>("TGeluidProperty"));
  DsgnIntf::RegisterComponentEditor(TFilm::StaticClass(),
                                    DsgnIntf::ComponentEditorClass<TFilmEditor>("TFilmEditor"));
}

}  // namespace Film
