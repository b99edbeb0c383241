// Unit GolfTekst: TGolfTekst, a caption whose letters ride on a moving sine wave,
// each letter in one of up to five colours.
//
// The control owns its timer and its colour set. Each tick advances the wave's
// phase and asks for a repaint; Paint lays the letters out from scratch every time,
// sizing the control to the text under AutoSize. Writing Kleuren takes over the
// given object and frees the one it replaces (unless it is the same object).
//
// Some accessors are named unlike the property they serve: the read accessors of
// AantalKleuren and Kleuren are SetAantalKleuren and SetKleuren and repaint the
// control, while a write of either only stores.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "Classes/Owned.h"
#include "Controls.h"
#include "ExtCtrls.h"
#include "StdCtrls.h"

namespace GolfTekst {

using TFijnheid = std::uint8_t;  // 1..10: the phase moves 1/Fijnheid radian per tick

const TypInfo::TTypeInfo* FijnheidType();

// Five colours, indexed 1 to 5, black at creation; changing one notifies nobody.
class TKleuren : public Classes::TPersistent {
  TOLLEN_CLASS(TKleuren)
 public:
  static constexpr int kAantal = 5;
  // Indices outside 1..5 read black and are not written.
  Graphics::TColor GetKleur(int index) const;
  void SetKleur(int index, Graphics::TColor value);

 private:
  std::array<Graphics::TColor, kAantal> FKleuren{};
};

class TGolfTekst : public Controls::TGraphicControl {
  TOLLEN_CLASS(TGolfTekst)
 public:
  explicit TGolfTekst(Classes::TComponent* owner);
  ~TGolfTekst() override;

  void Start();
  void Stop();
  // Shows the control, then runs the wave when `animate`, else stops it.
  void Show(bool animate);
  // Stops the wave, then hides the control.
  void Hide();
  bool Actief() const;

  // The timer's handler: advances the phase and asks for a repaint.
  void Tik(System::TObject* sender);
  void Paint() override;

  StdCtrls::TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(StdCtrls::TAlignment value);  // repaints even when unchanged
  TFijnheid Fijnheid() const { return FFijnheid; }
  void SetFijnheid(TFijnheid value) { FFijnheid = value; }  // shows at the next tick
  // 0 while the wave length follows the caption.
  std::int32_t GetGolfLengte() const;
  void SetGolfLengte(std::int32_t value);
  std::int32_t RuimteTussenLetters() const { return FRuimteTussenLetters; }
  void SetRuimte(std::int32_t value);
  std::int32_t TijdPerStap() const { return FTijdPerStap; }
  void SetTijdPerStap(std::int32_t value);
  bool GetTransparent() const;
  void SetTransparent(bool value);
  std::uint16_t AmplitudePercentage() const { return FAmplitudePercentage; }
  void SetAmplitude(std::uint16_t value);
  bool AutoSize() const { return FAutoSize; }
  void SetAutosize(bool value);  // repaints only when switched on
  // The host's caption setter, then the automatic wave length follows; repaints.
  void SetCaption(const std::string& value);

  // Reads AantalKleuren, repainting the control.
  std::uint16_t SetAantalKleuren();
  void StoreAantalKleuren(std::uint16_t value) { FAantalKleuren = value; }
  // Reads Kleuren, repainting the control when colours are in use.
  TKleuren* SetKleuren();
  // Takes over `value` as the colour set (null keeps the current one).
  void AdoptKleuren(TKleuren* value);

  // The wave length as stored, which the paint uses when it is not 0, and whether
  // it follows the caption.
  std::int32_t OpgeslagenGolfLengte() const { return FGolfLengte; }
  bool AutoGolfLengte() const { return FAutoGolfLengte; }
  double Fase() const { return FFase; }
  const ExtCtrls::TTimer& StapTimer() const { return *FStapTimer; }

 private:
  struct TWave;
  void PaintBackground();
  void SizeOrPlace(TWave& wave);
  void DrawLetters(const TWave& wave);

  std::unique_ptr<ExtCtrls::TTimer> FStapTimer;  // with the control as its owner
  std::int32_t FTijdPerStap = 0;
  std::int32_t FGolfLengte = 0;
  std::int32_t FRuimteTussenLetters = 0;
  std::uint16_t FAantalKleuren = 0;
  std::uint16_t FAmplitudePercentage = 0;
  bool FAutoSize = false;
  bool FAutoGolfLengte = false;
  Classes::TTakenOver<TKleuren, 1> FKleuren;
  TFijnheid FFijnheid = 0;
  StdCtrls::TAlignment FAlignment = StdCtrls::taLeftJustify;
  double FFase = 0;
};

// The designer's registration: puts TGolfTekst on the palette page "Tollenspiegel".
void Register();

}  // namespace GolfTekst
