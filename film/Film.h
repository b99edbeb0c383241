// Unit Film: TFilm, a control that plays an animation made of separate bitmap
// files, one frame per tick of its own timer.
//
// The film keeps only the list of frame file names; each time a frame is drawn its
// file is found (as named, in the program's folder, under DefaultPadNaam, by bare
// name) and read again into the one bitmap the film owns. A run goes from
// StartFrame towards StopFrame in one of four play modes; VoorFrame is shown before
// a run (and in the designer), NaFrame after it at run time. A frame that cannot be
// loaded stops the timer and, by where the film is, writes an error text, asks the
// designer whether to drop the name, skips the frame or passes the error on.
//
// Some accessors are named unlike the property they serve:
// SetNames writes Frames, SetAlfa writes AlfabetischeLijst, SetAchterBrush writes
// Achtergrond, and SetFrame serves the four frame indices by index 0 to 3.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Classes/Owned.h"
#include "Classes/Strings.h"
#include "Controls.h"
#include "ExtCtrls.h"
#include "Graphics.h"

namespace Film {

TOLLEN_ENUM(TWeergave, std::uint8_t, WareGrootte, Zoom);
TOLLEN_ENUM(TFilmType, std::uint8_t, LusFilm, Normaal, EenKeerHeenEnWeer, LusHeenEnWeer);
TOLLEN_ENUM(TFoutActie, std::uint8_t, EvenGeenFilm, RaiseException);
TOLLEN_ENUM(TStartFilm, std::uint8_t, Via_Programma, StartMeteen, MuisKlik);

const TypInfo::TTypeInfo* WeergaveType();
const TypInfo::TTypeInfo* FilmTypeType();
const TypInfo::TTypeInfo* FoutActieType();
const TypInfo::TTypeInfo* StartFilmType();

// The indices SetFrame serves.
inline constexpr int kStartFrame = 0, kStopFrame = 1, kVoorFrame = 2, kNaFrame = 3;

class TFilm : public Controls::TGraphicControl {
  TOLLEN_CLASS(TFilm)
 public:
  explicit TFilm(Classes::TComponent* owner);
  ~TFilm() override;

  void Loaded() override;
  void Paint() override;
  // The host's Click (OnClick), then, with Starten = MuisKlik, stop or start.
  void Click() override;

  // Chooses pictures in a dialog and adds them to the list, or replaces it.
  void LaadFrames(bool replace);
  // Makes `index` the current frame and draws it at once.
  void ToonFrame(std::int32_t index);
  // Steps the current frame by one, round the list, and repaints later.
  void VolgendFrame();
  void VorigFrame();
  // The timer's handler: one step of the run.
  void NieuwFrame(System::TObject* sender);
  void StartFilm();
  void StopFilm();
  bool FilmLoopt() const;

  // ---- published properties ----
  const std::string& DefaultPadNaam() const { return FDefaultPadNaam; }
  void SetDefaultPadNaam(const std::string& value) { FDefaultPadNaam = value; }
  Graphics::TBrush& Achtergrond() const { return *FAchtergrond; }
  void SetAchterBrush(const Graphics::TBrush& value);
  bool AlfabetischeLijst() const { return FAlfabetischeLijst; }
  void SetAlfa(bool value);
  TFilmType FilmType() const { return FFilmType; }
  void SetFilmType(TFilmType value) { FFilmType = value; }  // for the next run
  const std::string& Geluid() const { return FGeluid; }
  void SetGeluid(const std::string& value) { FGeluid = value; }
  Graphics::TPen& Pen() const { return *FPen; }
  void SetPen(const Graphics::TPen& value);
  TWeergave Weergave() const { return FWeergave; }
  void SetWeergave(TWeergave value);
  TFoutActie FoutActie() const { return FFoutActie; }
  void SetFoutActie(TFoutActie value) { FFoutActie = value; }
  Classes::TStringList& Frames() const { return *FFrames; }
  // Accepts duplicates from here on, then copies `value`; no repaint.
  void SetNames(const Classes::TStrings& value);
  std::int32_t TijdPerFrame() const { return FTijdPerFrame; }
  void SetTijdPerFrame(std::int32_t value);
  TStartFilm Starten() const { return FStarten; }
  void SetStarten(TStartFilm value) { FStarten = value; }
  std::int32_t StartFrame() const { return FStartFrame; }
  std::int32_t StopFrame() const { return FStopFrame; }
  std::int32_t VoorFrame() const { return FVoorFrame; }
  std::int32_t NaFrame() const { return FNaFrame; }
  // Index kStartFrame..kNaFrame; the value is clamped below the list's length.
  void SetFrame(int index, std::int32_t value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool value) { FTransparent = value; }  // seen at the next draw

  // Change handlers: of the pen and the background brush, and of the frame list.
  void StyleChanged(System::TObject* sender);
  void ZetCapaciteit(System::TObject* sender);

  // ---- the run, as it stands ----
  std::int32_t HuidigFrame() const { return FHuidigFrame; }
  std::int32_t VanFrame() const { return FVanFrame; }
  std::int32_t TotFrame() const { return FTotFrame; }
  TFilmType LopendType() const { return FLopendType; }
  bool StopVolgende() const { return FStopVolgende; }
  bool Bezig() const { return FBezig; }
  const ExtCtrls::TTimer& Tikker() const { return *FTikker; }
  const Graphics::TBitmap& Plaatje() const { return *FPlaatje; }

  // The names frame `index` is looked for under, in order; the first that exists
  // is taken, and the last is taken untested.
  std::vector<std::string> FrameCandidates(int index) const;
  // The name frame `index` is loaded from.
  std::string FrameFileName(int index) const;

 private:
  bool Designing() const;
  void DrawDesignOutline();
  void DrawBackground();
  void LoadFrame(const std::string& fileName);
  void DrawFrame();
  void StepFrame();
  void AtEndBound();
  // The failure flow of a frame that could not be shown; false when the error
  // must go on to the caller.
  bool FrameFailed(int index, const std::string& fileName);
  void AskAboutFrame(int index, const std::string& fileName, bool wasPlaying);
  void DropFrame(int index);

  std::unique_ptr<Graphics::TBitmap> FPlaatje;
  std::int32_t FStartFrame = 0;
  std::int32_t FStopFrame = 0;
  std::int32_t FVoorFrame = 0;
  std::int32_t FNaFrame = 0;
  std::int32_t FTijdPerFrame = 0;
  std::int32_t FHuidigFrame = 0;
  std::int32_t FVanFrame = 0;
  std::int32_t FTotFrame = 0;
  std::unique_ptr<ExtCtrls::TTimer> FTikker;  // with the film as its owner
  TWeergave FWeergave = WareGrootte;
  std::unique_ptr<Classes::TStringList> FFrames;
  TFoutActie FFoutActie = EvenGeenFilm;
  TFilmType FFilmType = LusFilm;
  TFilmType FLopendType = LusFilm;
  std::unique_ptr<Graphics::TPen> FPen;
  std::unique_ptr<Graphics::TBrush> FAchtergrond;
  bool FAlfabetischeLijst = false;
  bool FTransparent = false;
  bool FBezig = false;
  std::string FGeluid;
  TStartFilm FStarten = Via_Programma;
  std::string FDefaultPadNaam;
  bool FStopVolgende = false;
};

}  // namespace Film
