// Unit Film, design time: the film's component editor, the editor of its sound,
// and the designer's registration. Applications that only run films need none of
// this; the designer and the package's Register export use it.
#pragma once

#include <string>

#include "DsgnIntf.h"
#include "Film.h"

namespace Film {

// The film's verbs on the designer's context menu: add or replace pictures, test
// the film, step to the next or previous frame.
class TFilmEditor : public DsgnIntf::TComponentEditor {
 public:
  using TComponentEditor::TComponentEditor;
  void ExecuteVerb(int index) override;
  std::string GetVerb(int index) override;
  int GetVerbCount() override;

 private:
  TFilm& Film() const;
};

// The editor of Geluid: a dialog to choose the sound file.
class TGeluidProperty : public DsgnIntf::TStringProperty {
 public:
  using TStringProperty::TStringProperty;
  void Edit() override;
  DsgnIntf::TPropertyAttributes GetAttributes() override;
};

// True from loading until the first sound dialog: only that one opens in the
// platform's folder of sounds.
extern bool EersteKeer;

// The designer's registration: TFilm on the palette page "Tollenspiegel", with its
// sound editor and its component editor.
void Register();

}  // namespace Film
