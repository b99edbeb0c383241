// Unit VormKlok: TVormKlok, an analogue clock whose face is a TVorm figure, with a
// ring of hour numerals and three hands styled by TWijzer objects, or a digital
// read-out, kept at the time of day by a one-second timer.
//
// The clock owns its three hands and its timer. SetWijzer takes over the hand it
// is given and frees the one it replaces (unless the same object stays in use).
// The timer only decides whether to invalidate; all drawing happens in Paint.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "Classes/Owned.h"
#include "ExtCtrls.h"
#include "Vormen.h"

namespace VormKlok {

using TPercentage = std::uint8_t;  // 0..100

TOLLEN_ENUM(TWijzerSoort, std::uint8_t, W_Uur, W_Min, W_Sec);
TOLLEN_ENUM(TCijfers, std::uint8_t, Geen, DrieZesNegenTwaalf, Alle);

const TypInfo::TTypeInfo* PercentageType();
const TypInfo::TTypeInfo* WijzerSoortType();
const TypInfo::TTypeInfo* CijfersType();

// The style of one hand; a plain record with no notification of its own.
class TWijzer : public Classes::TPersistent {
  TOLLEN_CLASS(TWijzer)
 public:
  TPercentage Lengte = 0;  // percent of the dial radius
  std::int32_t Dikte = 0;  // pen width; the second hand is not drawn at 0 or less
  Graphics::TColor Kleur = 0;
};

class TVormKlok : public Vormen::TVorm {
  TOLLEN_CLASS(TVormKlok)
 public:
  explicit TVormKlok(Classes::TComponent* owner);
  ~TVormKlok() override;

  TCijfers GetGetallen() const { return FCijfers; }
  void SetGetallen(TCijfers value);
  std::uint16_t GetCijferRing() const { return FStraalCijferRing; }
  void SetCijferRing(std::uint16_t value);
  TWijzer* GetWijzer(int index) const;
  // Takes over `value` for hand `index` (0 hour, 1 minute, 2 second) and repaints.
  void SetWijzer(int index, TWijzer* value);

  bool Digital() const { return FDigital; }
  void SetDigital(bool value) { FDigital = value; }  // shows at the next paint
  bool Seconde() const { return FSeconde; }
  void SetSeconde(bool value) { FSeconde = value; }  // shows at the next paint

  // The timer's handler (a sender: decide whether to repaint) and the dial's
  // painter (no sender) in one.
  void NieuweStand(System::TObject* sender);
  void Paint() override;

  ExtCtrls::TTimer& KlokTimer() const { return *FKlokTimer; }
  Types::TPoint Midden() const { return FMidden; }
  int VorigeMinuut() const { return FVorigeMinuut; }
  std::uint16_t CijferSet() const { return FCijferSet; }  // bit n: numeral n is drawn

 private:
  void Tick();
  void DrawDial();
  void DrawDigital();
  void DrawNumerals(long double factor);
  void DrawHand(const TWijzer& hand, long double angle, long double factor);

  std::unique_ptr<ExtCtrls::TTimer> FKlokTimer;
  bool FDigital = false;
  bool FSeconde = false;
  Classes::TTakenOver<TWijzer, 3> FWijzers;
  Types::TPoint FMidden;
  std::int32_t FVorigeMinuut = -1;
  std::uint16_t FStraalCijferRing = 100;
  TCijfers FCijfers = Alle;
  std::uint16_t FCijferSet = 0;
};

// The designer's registration: puts TVormKlok on the palette page "Tollenspiegel".
void Register();

}  // namespace VormKlok
