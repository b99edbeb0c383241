#include "VormKlok.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "DsgnIntf.h"
#include "SysUtils.h"

namespace VormKlok {

using Vormen::TVormen;

namespace {

constexpr double kFactor = 0.005;           // percent of the shorter side, ordinary figures
constexpr double kTriangleFactor = 0.0033;  // the same for the four triangles
constexpr long double kThirtyDegrees = 0.5235987755982988731L;
constexpr long double kSixDegrees = 0.1047197551196597746L;

// Directions of the numerals, rounded to three decimals: the numerals are placed
// by these rounded values, not by the exact angles.
constexpr std::array<double, 13> kSinusTabel = {0,    0.5,    0.866, 1.0,    0.866, 0.5, 0.0,
                                                -0.5, -0.866, -1.0,  -0.866, -0.5,  0.0};
constexpr std::array<double, 13> kCosinusTabel = {0,      0.866, 0.5, 0.0, -0.5,  -0.866, -1.0,
                                                  -0.866, -0.5,  0.0, 0.5, 0.866, 1.0};

bool IsTriangle(TVormen v) {
  return v == Vormen::DriehoekOmhoog || v == Vormen::DriehoekLinks || v == Vormen::DriehoekRechts ||
         v == Vormen::DriehoekOmlaag;
}

int RoundInt(long double v) {
  std::int64_t r = System::Round(v);
  return static_cast<int>(std::clamp<std::int64_t>(r, INT32_MIN, INT32_MAX));
}

std::uint16_t CijferSetOf(TCijfers c) {
  switch (c) {
    case Geen:
      return 0;
    case DrieZesNegenTwaalf:
      return (1u << 3) | (1u << 6) | (1u << 9) | (1u << 12);
    default:
      return 0x1FFE;  // hours 1 to 12
  }
}

// ---- published tables ----

const TypInfo::TPropTable& WijzerProps() {
  using TypInfo::Prop;
  static const TypInfo::TPropTable table{{
      Prop<&TWijzer::Lengte>(
          "Lengte",
          {.Type = PercentageType(), .Help = "the hand's length, in percent of the face's radius"}),
      Prop<&TWijzer::Dikte>("Dikte", {.Default = 1, .Help = "the hand's thickness in pixels"}),
      Prop<&TWijzer::Kleur>("Kleur", {.Type = Graphics::ColorType(), .Help = "the hand's colour"}),
  }};
  return table;
}

const TypInfo::TPropTable& KlokProps() {
  using TypInfo::Prop;
  using K = TVormKlok;
  static const TypInfo::TPropTable table{{
      Prop<&K::GetGetallen, &K::SetGetallen>(
          "Cijfers", {.Default = Alle,
                      .Help = "the numerals on the face: none, 3, 6, 9 and 12, or all twelve"}),
      Controls::Published::Font(),
      Prop<&K::GetCijferRing, &K::SetCijferRing>(
          "StraalCijfer_Ring",
          {.Default = 100, .Help = "the radius the numerals stand on, in percent of the face's"}),
      Prop<&K::Digital, &K::SetDigital>(
          "Digital", {.Default = false, .Help = "shows the time in digits instead of hands"}),
      Prop<&K::Seconde, &K::SetSeconde>(
          "Seconde",
          {.Default = false,
           .Help = "shows the seconds too, and ticks every second instead of every minute"}),
      Prop<&K::GetWijzer, &K::SetWijzer>("WijzerUur", {.Index = 0, .Help = "the hour hand"}),
      Prop<&K::GetWijzer, &K::SetWijzer>("WijzerMinuut", {.Index = 1, .Help = "the minute hand"}),
      Prop<&K::GetWijzer, &K::SetWijzer>("WijzerSeconde", {.Index = 2, .Help = "the second hand"}),
  }};
  return table;
}

Classes::TComponent* CreateKlok(Classes::TComponent* owner) { return new TVormKlok(owner); }

}  // namespace

const TypInfo::TTypeInfo* PercentageType() {
  static const TypInfo::TTypeInfo info{"TPercentage", TypInfo::TTypeKind::Integer, 0, 100};
  return &info;
}
const TypInfo::TTypeInfo* WijzerSoortType() { return TypInfo::EnumType<TWijzerSoort>(); }
const TypInfo::TTypeInfo* CijfersType() { return TypInfo::EnumType<TCijfers>(); }

System::TClass TWijzer::StaticClass() {
  static const System::TClassInfo info{"TWijzer", Classes::TPersistent::StaticClass(), nullptr,
                                       &WijzerProps()};
  return &info;
}

System::TClass TVormKlok::StaticClass() {
  static const System::TClassInfo info{"TVormKlok", Vormen::TVorm::StaticClass(), CreateKlok,
                                       &KlokProps()};
  return &info;
}

// ---- life ----

TVormKlok::TVormKlok(Classes::TComponent* owner) : TVorm(owner) {
  FCijfers = Alle;
  FCijferSet = CijferSetOf(Alle);
  Font().SetSize(6);
  SetWidth(128);
  SetHeight(128);
  for (std::size_t i = 0; i < 3; ++i) {
    FWijzers.Take(i, new TWijzer);
    FWijzers[i]->Dikte = 1;
  }
  FWijzers[2]->Kleur = 255;
  FWijzers[2]->Lengte = 90;
  FWijzers[1]->Lengte = 90;
  FWijzers[0]->Lengte = 75;
  FStraalCijferRing = 100;
  FDigital = false;
  FVorigeMinuut = -1;
  FKlokTimer = std::make_unique<ExtCtrls::TTimer>(nullptr);
  FKlokTimer->SetOnTimer([this](System::TObject* sender) { NieuweStand(sender); });
}

TVormKlok::~TVormKlok() { Classes::FreeInOrder(FWijzers, FKlokTimer); }

// ---- properties ----

void TVormKlok::SetGetallen(TCijfers value) {
  FCijfers = value;
  FCijferSet = CijferSetOf(value);
  Invalidate();  // also when nothing changed
}

void TVormKlok::SetCijferRing(std::uint16_t value) {
  if (value == FStraalCijferRing) return;
  FStraalCijferRing = value;
  Invalidate();
}

TWijzer* TVormKlok::GetWijzer(int index) const {
  if (index < 0 || index > 2) return nullptr;
  return FWijzers[static_cast<std::size_t>(index)];
}

void TVormKlok::SetWijzer(int index, TWijzer* value) {
  if (index < 0 || index > 2) return;
  if (FWijzers.Take(static_cast<std::size_t>(index), value)) Invalidate();
}

// ---- timer and paint ----

void TVormKlok::NieuweStand(System::TObject* sender) {
  if (sender != nullptr)
    Tick();
  else
    DrawDial();
}

void TVormKlok::Tick() {
  if (!Visible()) return;
  SysUtils::TTimeParts now = SysUtils::DecodeTime(SysUtils::Now());
  if (FSeconde || now.Min != FVorigeMinuut) Invalidate();
}

void TVormKlok::Paint() {
  TVorm::Paint();
  NieuweStand(nullptr);
}

void TVormKlok::DrawDial() {
  if (!Visible()) return;
  SysUtils::TTimeParts now = SysUtils::DecodeTime(SysUtils::Now());
  FVorigeMinuut = now.Min;
  int w = Width();
  int h = Height();
  FMidden = {w >= 0 ? w / 2 : (w - 1) / 2, h >= 0 ? h / 2 : (h - 1) / 2};
  const long double factor = IsTriangle(Vorm()) ? kTriangleFactor : kFactor;
  switch (Vorm()) {
    case Vormen::DriehoekOmhoog:
      FMidden.Y = RoundInt(2.0L * h / 3.0L);
      break;
    case Vormen::DriehoekLinks:
      FMidden.X = RoundInt(2.0L * w / 3.0L);
      break;
    case Vormen::DriehoekRechts:
      FMidden.X = RoundInt(w / 3.0L);
      break;
    case Vormen::DriehoekOmlaag:
      FMidden.Y = RoundInt(h / 3.0L);
      break;
    default:
      break;
  }
  Graphics::TCanvas& canvas = Canvas();
  canvas.SetFont(Font());
  if (FDigital) {
    DrawDigital();
    return;
  }
  DrawNumerals(factor);
  Graphics::TPen& pen = canvas.Pen();
  const int savedWidth = pen.Width();
  const Graphics::TColor savedColor = pen.Color();
  int hour = now.Hour > 12 ? now.Hour - 12 : now.Hour;
  DrawHand(*FWijzers[0], (hour + now.Min / 60.0L) * kThirtyDegrees, factor);
  DrawHand(*FWijzers[1], now.Min * kSixDegrees, factor);
  if (FSeconde && FWijzers[2]->Dikte > 0) DrawHand(*FWijzers[2], now.Sec * kSixDegrees, factor);
  pen.SetWidth(savedWidth);
  pen.SetColor(savedColor);
}

void TVormKlok::DrawDigital() {
  SysUtils::LongTimeFormat = FSeconde ? "hh:mm:ss" : "hh:mm";
  std::string text = SysUtils::TimeToStr(SysUtils::Now());
  Graphics::TCanvas& canvas = Canvas();
  int y = (Height() - canvas.TextHeight(text)) / 2;
  int x = (Width() - canvas.TextWidth(text)) / 2;
  canvas.TextOut(x, y, text);
}

void TVormKlok::DrawNumerals(long double factor) {
  Graphics::TCanvas& canvas = Canvas();
  long double ring = std::min(Width(), Height()) * (FStraalCijferRing * factor);
  // A ring narrower than "12" would put the numerals at a negative radius; they
  // stand at the centre instead.
  int radius = std::clamp(RoundInt(ring - canvas.TextWidth("12")), 0, 65535);
  for (int i = 1; i <= 12; ++i) {
    if ((FCijferSet & (1u << i)) == 0) continue;
    std::string text = std::to_string(i);
    auto index = static_cast<std::size_t>(i);
    int x = FMidden.X + RoundInt(radius * static_cast<long double>(kSinusTabel[index])) -
            canvas.TextWidth(text) / 2;
    int y = FMidden.Y - RoundInt(radius * static_cast<long double>(kCosinusTabel[index])) -
            canvas.TextHeight(text) / 2;
    canvas.TextOut(x, y, text);
  }
}

void TVormKlok::DrawHand(const TWijzer& hand, long double angle, long double factor) {
  Graphics::TCanvas& canvas = Canvas();
  int shorter = Width() < Height() ? Width() : Height();
  int length = RoundInt((hand.Lengte * factor) * shorter);
  // The sine and cosine are rounded to doubles before they meet the length.
  auto sine = static_cast<long double>(static_cast<double>(std::sin(angle)));
  auto cosine = static_cast<long double>(static_cast<double>(std::cos(angle)));
  canvas.MoveTo(FMidden.X, FMidden.Y);
  canvas.Pen().SetWidth(hand.Dikte);
  canvas.Pen().SetColor(hand.Kleur);
  canvas.LineTo(FMidden.X + RoundInt(length * sine), FMidden.Y - RoundInt(length * cosine));
}

void Register() { DsgnIntf::RegisterComponents("Tollenspiegel", {TVormKlok::StaticClass()}); }

}  // namespace VormKlok
