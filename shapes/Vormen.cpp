#include "Vormen.h"

#include <array>

#include "DsgnIntf.h"
#include "System.h"

namespace Vormen {

using Graphics::TBrush;
using Graphics::TPen;
using Types::TPoint;

const TypInfo::TTypeInfo* VormenType() { return TypInfo::EnumType<TVormen>(); }

namespace {

const TypInfo::TPropTable& VormProps() {
  namespace P = Controls::Published;
  using TypInfo::Prop;
  static const TypInfo::TPropTable table{TypInfo::Join(
      {
          Prop<&TVorm::Achtergrond, &TVorm::SetAchterBrush>(
              "Achtergrond", {.Help = "the brush that fills the control's area around the figure"}),
          Prop<&TVorm::Brush, &TVorm::SetBrush>("Brush",
                                                {.Help = "the brush that fills the figure"}),
          Prop<&TVorm::Pen, &TVorm::SetPen>("Pen",
                                            {.Help = "the pen that draws the figure's outline"}),
          Prop<&TVorm::Vorm, &TVorm::SetVorm>(
              "Vorm",
              {.Help =
                   "which of the twelve figures is drawn"}),  // no default: Rechthoek is stored too
          P::Height(62),
          P::Width(62),
          P::DragCursor(),
          P::DragMode(),
          P::Visible(),
      },
      P::ClickDragAndMouseEvents())};
  return table;
}

const TypInfo::TMethodTable& VormMethods() {
  static const TypInfo::TMethodTable table{{
      TypInfo::NotifyMethod<TVorm>("StyleChanged", &TVorm::StyleChanged),
  }};
  return table;
}

Classes::TComponent* CreateVorm(Classes::TComponent* owner) { return new TVorm(owner); }

// Integer halving and quartering round down, also for negative sizes.
int Halved(int v) { return v >= 0 ? v / 2 : -((1 - v) / 2); }
int Quartered(int v) { return v >= 0 ? v / 4 : -((3 - v) / 4); }

// The square figures' box: the inset box's side along the shorter dimension,
// centred along the longer one; the second branch when width equals height.
Types::TRect SquareBox(int w, int h, int i, int r, int b) {
  if (w < h) return {i, Halved(h + i - r), r, Halved(h - i + r)};
  return {Halved(w + i - b), i, Halved(w - i + b), b};
}

}  // namespace

System::TClass TVorm::StaticClass() {
  static const System::TClassInfo info{"TVorm", Controls::TGraphicControl::StaticClass(),
                                       CreateVorm, &VormProps(), &VormMethods()};
  return &info;
}

TVorm::TVorm(Classes::TComponent* owner) : TGraphicControl(owner) {
  auto changed = [this](System::TObject* sender) { StyleChanged(sender); };
  FPen = std::make_unique<TPen>();
  FPen->OnChange = changed;
  FBrush = std::make_unique<TBrush>();
  FBrush->OnChange = changed;
  FAchtergrond = std::make_unique<TBrush>();
  FAchtergrond->SetStyle(Graphics::bsClear);  // before the hook: raises no notification
  FAchtergrond->OnChange = changed;
  SetHeight(62);
  SetWidth(62);
}

TVorm::~TVorm() { Classes::FreeInOrder(FPen, FBrush, FAchtergrond); }

void TVorm::SetVorm(TVormen value) {
  if (value == FVorm) return;
  FVorm = value;
  Invalidate();
}

// The owned objects' OnChange, raised by Assign, does the invalidating.
void TVorm::SetPen(const TPen& value) { FPen->Assign(&value); }
void TVorm::SetBrush(const TBrush& value) { FBrush->Assign(&value); }
void TVorm::SetAchterBrush(const TBrush& value) { FAchtergrond->Assign(&value); }

void TVorm::StyleChanged(System::TObject*) { Invalidate(); }

void TVorm::PrepareTools() {
  Graphics::TCanvas& canvas = Canvas();
  if (Visible()) {
    canvas.SetBrush(*FAchtergrond);
    canvas.FillRect(GetClientRect());
    canvas.SetPen(*FPen);
    canvas.SetBrush(*FBrush);
  } else {
    // In the designer a hidden shape shows as a dashed, unfilled outline.
    canvas.Brush().SetStyle(Graphics::bsClear);
    canvas.FillRect(GetClientRect());
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetStyle(Graphics::psDash);
  }
}

void TVorm::Paint() {
  if (!Visible() && !ComponentState().Contains(Classes::csDesigning)) {
    Hide();
    return;
  }
  PrepareTools();
  int p = Canvas().Pen().Width();
  int i = Halved(p);
  int r = Width() - i;
  int b = Height() - i;
  if (p % 2 == 0 && p != 0) {
    ++r;
    ++b;
  }
  if (static_cast<int>(FVorm) >= static_cast<int>(Honing)) {
    --r;
    --b;
  }
  DrawFigure(i, r, b);
}

void TVorm::DrawFigure(int i, int r, int b) {
  Graphics::TCanvas& canvas = Canvas();
  const int w = Width();
  int h = Height();
  auto polygon = [&canvas](std::initializer_list<TPoint> points) {
    std::array<TPoint, 6> fixed{};  // no allocation in a paint
    std::size_t n = 0;
    for (TPoint pt : points) fixed[n++] = pt;
    canvas.Polygon(std::span<const TPoint>(fixed.data(), n));
  };
  auto hexagon = [&](int height) {
    int d = static_cast<int>(System::Round(w / 4.0));
    int m = Halved(height - 1);
    polygon({{d, i}, {w - d - 1, i}, {r, m}, {w - d - 1, b}, {d, b}, {i, m}});
  };
  switch (FVorm) {
    case Rechthoek:
      canvas.Rectangle(i, i, r, b);
      break;
    case Vierkant:
      canvas.Rectangle(SquareBox(w, h, i, r, b));
      break;
    case RondeRechthoek:
      canvas.RoundRect(i, i, r, b, Quartered(w), Quartered(h));
      break;
    case RondVierkant: {
      Types::TRect box = SquareBox(w, h, i, r, b);
      int corner = w < h ? Quartered(w) : Quartered(h);
      canvas.RoundRect(box.Left, box.Top, box.Right, box.Bottom, corner, corner);
      break;
    }
    case Ellips:
      canvas.Ellipse(i, i, r, b);
      break;
    case Cirkel:
      canvas.Ellipse(SquareBox(w, h, i, r, b));
      break;
    case Honing:
      hexagon(h);
      break;
    case HoningRaat:
      SetHeight(static_cast<int>(System::Round(w * 0.8660254037844)));
      hexagon(Height());
      break;
    case DriehoekOmhoog:
      polygon({{Halved(w), i}, {r, b}, {i, b}});
      break;
    case DriehoekLinks:
      polygon({{r, i}, {r, b}, {i, Halved(h)}});
      break;
    case DriehoekRechts:
      polygon({{i, i}, {i, b}, {r, Halved(h)}});
      break;
    case DriehoekOmlaag:
      polygon({{Halved(w), b}, {r, i}, {i, i}});
      break;
    default:
      break;  // an ordinal outside the figures draws nothing more
  }
}

void Register() { DsgnIntf::RegisterComponents("Tollenspiegel", {TVorm::StaticClass()}); }

}  // namespace Vormen
