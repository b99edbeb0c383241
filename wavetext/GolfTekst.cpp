#include "GolfTekst.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string_view>

#include "DsgnIntf.h"
#include "System.h"
#include "WinGdi.h"

namespace GolfTekst {

using StdCtrls::TAlignment;

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;  // 6.283185307179586477
constexpr int kMaxColours = TKleuren::kAantal;
// Sizes and positions stay within the platform's coordinate range, so a huge
// spacing or amplitude cannot overflow the host's geometry.
constexpr std::int64_t kMaxCoordinate = std::int64_t{1} << 27;

int Coordinate(std::int64_t v) {
  return static_cast<int>(std::clamp(v, -kMaxCoordinate, kMaxCoordinate));
}

std::int32_t LengthOf(const std::string& s) {
  return static_cast<std::int32_t>(std::min<std::size_t>(s.size(), INT32_MAX));
}

const TypInfo::TPropTable& KleurenProps() {
  using TypInfo::Prop;
  using K = TKleuren;
  const TypInfo::TTypeInfo* colour = Graphics::ColorType();
  static const TypInfo::TPropTable table{{
      Prop<&K::GetKleur, &K::SetKleur>("Kleur1",
                                       {.Type = colour,
                                        .Default = 0,
                                        .Index = 1,
                                        .Help = "the first colour the letters take in turn"}),
      Prop<&K::GetKleur, &K::SetKleur>(
          "Kleur2", {.Type = colour, .Default = 0, .Index = 2, .Help = "the second colour"}),
      Prop<&K::GetKleur, &K::SetKleur>(
          "Kleur3", {.Type = colour, .Default = 0, .Index = 3, .Help = "the third colour"}),
      Prop<&K::GetKleur, &K::SetKleur>(
          "Kleur4", {.Type = colour, .Default = 0, .Index = 4, .Help = "the fourth colour"}),
      Prop<&K::GetKleur, &K::SetKleur>(
          "Kleur5", {.Type = colour, .Default = 0, .Index = 5, .Help = "the fifth colour"}),
  }};
  return table;
}

// The read accessors of AantalKleuren and Kleuren (SetAantalKleuren, SetKleuren)
// repaint, so a read through the table reaches the control itself.
const TypInfo::TPropTable& GolfTekstProps() {
  namespace P = Controls::Published;
  using TypInfo::Prop;
  using G = TGolfTekst;
  static const TypInfo::TPropTable table{{
      Prop<&G::Alignment, &G::SetAlignment>(
          "Alignment",
          {.Help =
               "where the text stands across the control's width"}),  // no default: always stored
      Prop<&G::Fijnheid, &G::SetFijnheid>(
          "Fijnheid", {.Type = FijnheidType(),
                       .Default = 1,
                       .Help = "how slowly the wave moves: 1/Fijnheid radian a step"}),
      Prop<&G::GetGolfLengte, &G::SetGolfLengte>(
          "GolfLengte",
          {.Default = 0, .Help = "the wave's length in pixels (0: the caption's width)"}),
      Prop<&G::RuimteTussenLetters, &G::SetRuimte>(
          "RuimteTussenLetters", {.Default = 0, .Help = "extra pixels between the letters"}),
      Prop<&G::TijdPerStap, &G::SetTijdPerStap>(
          "TijdPerStap", {.Default = 100, .Help = "milliseconds between two steps of the wave"}),
      Prop<&G::GetTransparent, &G::SetTransparent>(
          "Transparent", {.Default = true,
                          .Help = "leaves what is behind the control showing around the letters"}),
      Prop<&G::AmplitudePercentage, &G::SetAmplitude>(
          "AmplitudePercentage",
          {.Default = 50, .Help = "the wave's height, in percent of the room the letters have"}),
      P::Font(),
      Prop<&G::AutoSize, &G::SetAutosize>(
          "AutoSize",
          {.Default = true, .Help = "makes the control as large as the wave of letters"}),
      Prop<&G::Caption, &G::SetCaption>("Caption", {.Help = "the text on the wave"}),
      P::Color(),
      Prop<&G::SetAantalKleuren, &G::StoreAantalKleuren>(
          "AantalKleuren",
          {.Default = 0,
           .Help = "how many of the five colours the letters take in turn (0: the font's)"}),
      Prop<&G::SetKleuren, &G::AdoptKleuren>("Kleuren",
                                             {.Help = "the five colours of the letters"}),
      P::OnClick(),
      P::OnDblClick(),
  }};
  return table;
}

Classes::TComponent* CreateGolfTekst(Classes::TComponent* owner) { return new TGolfTekst(owner); }

}  // namespace

const TypInfo::TTypeInfo* FijnheidType() {
  static const TypInfo::TTypeInfo info{"TFijnheid", TypInfo::TTypeKind::Integer, 1, 10};
  return &info;
}

// ---- TKleuren ----

System::TClass TKleuren::StaticClass() {
  static const System::TClassInfo info{"TKleuren", Classes::TPersistent::StaticClass(), nullptr,
                                       &KleurenProps()};
  return &info;
}

Graphics::TColor TKleuren::GetKleur(int index) const {
  if (index < 1 || index > kAantal) return Graphics::clBlack;
  return FKleuren[static_cast<std::size_t>(index - 1)];
}

void TKleuren::SetKleur(int index, Graphics::TColor value) {
  if (index < 1 || index > kAantal) return;
  FKleuren[static_cast<std::size_t>(index - 1)] = value;
}

// ---- TGolfTekst: life ----

System::TClass TGolfTekst::StaticClass() {
  static const System::TClassInfo info{"TGolfTekst", Controls::TGraphicControl::StaticClass(),
                                       CreateGolfTekst, &GolfTekstProps()};
  return &info;
}

TGolfTekst::TGolfTekst(Classes::TComponent* owner) : TGraphicControl(owner) {
  FKleuren.Take(0, new TKleuren);
  FStapTimer = std::make_unique<ExtCtrls::TTimer>(this);
  FStapTimer->SetEnabled(false);
  FTijdPerStap = 100;
  FStapTimer->SetInterval(100);
  FStapTimer->SetOnTimer([this](System::TObject* sender) { Tik(sender); });
  FAmplitudePercentage = 50;
  FAutoSize = true;
  FFijnheid = 1;
  SetWidth(17);
  SetHeight(80);
  FAutoGolfLengte = true;
}

TGolfTekst::~TGolfTekst() { Classes::FreeInOrder(FKleuren, FStapTimer); }

// ---- operations ----

void TGolfTekst::Start() { FStapTimer->SetEnabled(true); }
void TGolfTekst::Stop() { FStapTimer->SetEnabled(false); }

void TGolfTekst::Show(bool animate) {
  TGraphicControl::Show();
  FStapTimer->SetEnabled(animate);
}

void TGolfTekst::Hide() {
  FStapTimer->SetEnabled(false);
  TGraphicControl::Hide();
}

bool TGolfTekst::Actief() const { return FStapTimer->Enabled(); }

void TGolfTekst::Tik(System::TObject*) {
  FFase += 1.0 / FFijnheid;
  // Past a full turn the phase starts again at 0 (not at the remainder); the
  // negated test also catches a phase that is not a number.
  if (!(FFase <= kTwoPi)) FFase = 0;
  Invalidate();
}

// ---- accessors ----

void TGolfTekst::SetAlignment(TAlignment value) {
  FAlignment = value;
  Invalidate();
}

std::int32_t TGolfTekst::GetGolfLengte() const { return FAutoGolfLengte ? 0 : FGolfLengte; }

void TGolfTekst::SetGolfLengte(std::int32_t value) {
  if (value == FGolfLengte) return;  // the stored length, not what GetGolfLengte says
  FGolfLengte = value;
  FAutoGolfLengte = value == 0;
  if (value == 0) FGolfLengte = LengthOf(Caption());
  Invalidate();
}

void TGolfTekst::SetCaption(const std::string& value) {
  TGraphicControl::SetCaption(value);
  if (FAutoGolfLengte) FGolfLengte = LengthOf(value);
  Invalidate();
}

void TGolfTekst::SetTijdPerStap(std::int32_t value) {
  FTijdPerStap = value;
  FStapTimer->SetInterval(value);  // at 0 or below the host's timer does not run
}

void TGolfTekst::SetRuimte(std::int32_t value) {
  if (value == FRuimteTussenLetters) return;
  FRuimteTussenLetters = value;
  Invalidate();
}

void TGolfTekst::SetAmplitude(std::uint16_t value) {
  if (value == FAmplitudePercentage) return;
  FAmplitudePercentage = value;
  Invalidate();
}

void TGolfTekst::SetAutosize(bool value) {
  if (value == FAutoSize) return;
  FAutoSize = value;
  if (value) Invalidate();
}

bool TGolfTekst::GetTransparent() const { return !ControlStyle().Contains(Controls::csOpaque); }

void TGolfTekst::SetTransparent(bool value) {
  if (value == GetTransparent()) return;
  if (value)
    FControlStyle.Exclude(Controls::csOpaque);
  else
    FControlStyle.Include(Controls::csOpaque);
  Invalidate();
}

std::uint16_t TGolfTekst::SetAantalKleuren() {
  Invalidate();
  return FAantalKleuren;
}

TKleuren* TGolfTekst::SetKleuren() {
  if (FAantalKleuren > 0) Invalidate();
  return FKleuren[0];
}

void TGolfTekst::AdoptKleuren(TKleuren* value) { FKleuren.Take(0, value); }

// ---- painting ----

// What one paint computes before the letters: the text's width T, the cell
// height H, the amplitude A and where the first letter starts.
struct TGolfTekst::TWave {
  std::int64_t TextWidth = 0;
  std::int64_t CellHeight = 0;
  std::int64_t Amplitude = 0;
  std::int64_t FirstX = 0;
};

void TGolfTekst::Paint() {
  TGraphicControl::Paint();
  PaintBackground();
  Graphics::TCanvas& canvas = Canvas();
  canvas.SetFont(Font());
  const std::string& caption = Caption();
  TWave wave;
  wave.TextWidth =
      canvas.TextWidth(caption) + std::int64_t{LengthOf(caption)} * FRuimteTussenLetters;
  Windows::TEXTMETRICA metrics{};
  Windows::GetTextMetricsA(canvas.Handle(), &metrics);  // zeros if it fails: a flat wave
  wave.CellHeight = metrics.tmHeight;
  wave.Amplitude =
      System::Round(FAmplitudePercentage * 0.01 * static_cast<double>(metrics.tmHeight));
  SizeOrPlace(wave);
  if (caption.empty()) return;
  DrawLetters(wave);
}

void TGolfTekst::PaintBackground() {
  Graphics::TBrush& brush = Canvas().Brush();
  if (GetTransparent()) {
    brush.SetStyle(Graphics::bsClear);
    return;
  }
  brush.SetColor(Color());
  brush.SetStyle(Graphics::bsSolid);
  Canvas().FillRect(GetClientRect());
}

void TGolfTekst::SizeOrPlace(TWave& wave) {
  wave.FirstX = 0;
  if (FAutoSize) {
    SetWidth(Coordinate(wave.TextWidth + 1));
    SetHeight(Coordinate(2 * wave.Amplitude + 2 + wave.CellHeight));
    return;
  }
  switch (FAlignment) {
    case StdCtrls::taRightJustify:
      wave.FirstX = Width() - wave.TextWidth - 1;
      break;
    case StdCtrls::taCenter:
      wave.FirstX = (Width() - wave.TextWidth) / 2;  // truncates toward zero
      break;
    default:
      break;
  }
}

void TGolfTekst::DrawLetters(const TWave& wave) {
  Graphics::TCanvas& canvas = Canvas();
  std::string_view caption = Caption();
  const std::int32_t count = LengthOf(Caption());
  const int colours = std::min<int>(FAantalKleuren, kMaxColours);
  const std::int32_t waveLength = FGolfLengte != 0 ? FGolfLengte : count;
  const double step = kTwoPi / waveLength;
  const std::int64_t middle = (Height() - wave.CellHeight) / 2;
  std::int64_t x = wave.FirstX;
  for (std::int32_t i = 1; i <= count; ++i) {
    if (FAantalKleuren > 0) canvas.Font().SetColor(FKleuren[0]->GetKleur((i - 1) % colours + 1));
    const double lift = std::sin(i * step + FFase) * static_cast<double>(wave.Amplitude);
    const std::int64_t y = middle - System::Round(lift);
    std::string_view letter = caption.substr(static_cast<std::size_t>(i - 1), 1);
    const int left = Coordinate(x);
    canvas.TextOut(left, Coordinate(y), letter);
    // TextOut leaves the pen at the letter's end: its TextWidth past `left`, already
    // measured, which spares measuring every letter twice.
    x += canvas.PenPos().X - left + std::int64_t{FRuimteTussenLetters};
  }
}

void Register() { DsgnIntf::RegisterComponents("Tollenspiegel", {TGolfTekst::StaticClass()}); }

}  // namespace GolfTekst
