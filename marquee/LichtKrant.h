// Unit LichtKrant: TLichtKrant, a label whose caption scrolls like a ticker, one
// character per tick of its own timer, to the left or to the right.
//
// Everything a label does (font, alignment, sizing, painting, its published
// properties) is the host's TLabel's; the control adds the step timer, the rotation
// and a copy of the caption taken at Start that Stop can put back. It never starts
// by itself: the application calls Start.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "Classes/Owned.h"
#include "ExtCtrls.h"
#include "StdCtrls.h"

namespace LichtKrant {

TOLLEN_ENUM(TRichting, std::uint8_t, NaarLinks, NaarRechts);

const TypInfo::TTypeInfo* RichtingType();

class TLichtKrant : public StdCtrls::TLabel {
  TOLLEN_CLASS(TLichtKrant)
 public:
  explicit TLichtKrant(Classes::TComponent* owner);
  ~TLichtKrant() override;

  // Keeps the caption for Stop(true), then runs the timer.
  void Start();
  // Stops the timer; with `restore` the caption goes back to the copy from Start.
  void Stop(bool restore);

  // The timer's handler: moves the caption on by one character.
  void Roteer(System::TObject* sender);

  std::int32_t TijdPerStap() const { return FTijdPerStap; }
  // Stores `value` as given; a negative one also reverses the direction. The timer
  // runs at its magnitude.
  void SetTijdPerStap(std::int32_t value);
  TRichting Richting() const { return FRichting; }
  void SetRichting(TRichting value) { FRichting = value; }  // shows at the next step

  const ExtCtrls::TTimer& StapTimer() const { return *FStapTimer; }
  const std::string& StartTekst() const { return FStartTekst; }

 private:
  std::string FStartTekst;
  std::int32_t FTijdPerStap = 100;
  TRichting FRichting = NaarLinks;
  // Made with the label as its owner; held here so it goes before the label does.
  std::unique_ptr<ExtCtrls::TTimer> FStapTimer;  // with the control as its owner
};

// The designer's registration: puts TLichtKrant on the palette page "Tollenspiegel".
void Register();

}  // namespace LichtKrant
