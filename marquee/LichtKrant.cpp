#include "LichtKrant.h"

#include <limits>

#include "DsgnIntf.h"

namespace LichtKrant {

const TypInfo::TTypeInfo* RichtingType() { return TypInfo::EnumType<TRichting>(); }

namespace {

const TypInfo::TPropTable& LichtKrantProps() {
  using L = TLichtKrant;
  static const TypInfo::TPropTable table{{
      TypInfo::Prop<&L::TijdPerStap, &L::SetTijdPerStap>(
          "TijdPerStap", {.Default = 100, .Help = "milliseconds between two steps of the text"}),
      // No default: the direction is always stored, so it overrides what a stored
      // negative step time did to it while loading.
      TypInfo::Prop<&L::Richting, &L::SetRichting>("Richting",
                                                   {.Help = "which way the text moves"}),
  }};
  return table;
}

Classes::TComponent* CreateLichtKrant(Classes::TComponent* owner) { return new TLichtKrant(owner); }

// |value|, with the one negative 32-bit value that has no positive twin kept in range.
int Magnitude(std::int32_t value) {
  if (value == std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<int>::max();
  return value < 0 ? -value : value;
}

}  // namespace

System::TClass TLichtKrant::StaticClass() {
  static const System::TClassInfo info{"TLichtKrant", StdCtrls::TLabel::StaticClass(),
                                       CreateLichtKrant, &LichtKrantProps()};
  return &info;
}

TLichtKrant::TLichtKrant(Classes::TComponent* owner) : TLabel(owner) {
  FStapTimer = std::make_unique<ExtCtrls::TTimer>(this);
  FStapTimer->SetEnabled(false);
  FTijdPerStap = 100;
  FStapTimer->SetInterval(100);
  FStapTimer->SetOnTimer([this](System::TObject* sender) { Roteer(sender); });
}

TLichtKrant::~TLichtKrant() { Classes::FreeInOrder(FStapTimer); }

void TLichtKrant::Start() {
  FStartTekst = Caption();
  FStapTimer->SetEnabled(true);
}

void TLichtKrant::Stop(bool restore) {
  FStapTimer->SetEnabled(false);
  if (restore) SetCaption(FStartTekst);
}

void TLichtKrant::Roteer(System::TObject*) {
  std::string s = Caption();
  if (s.empty()) return;  // nothing to move, and no first or last character to read
  if (FRichting == NaarRechts) {
    s.insert(s.begin(), s.back());
    s.pop_back();
  } else {
    s.push_back(s.front());
    s.erase(s.begin());
  }
  SetCaption(s);
}

void TLichtKrant::SetTijdPerStap(std::int32_t value) {
  FTijdPerStap = value;
  if (value < 0) FRichting = FRichting == NaarRechts ? NaarLinks : NaarRechts;
  FStapTimer->SetInterval(Magnitude(value));
}

void Register() { DsgnIntf::RegisterComponents("Tollenspiegel", {TLichtKrant::StaticClass()}); }

}  // namespace LichtKrant
