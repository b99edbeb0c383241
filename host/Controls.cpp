#include "Controls.h"

#include <algorithm>

namespace Controls {

// ---- TControl ----

namespace {
const TypInfo::TPropTable& ControlProps() {
  static const TypInfo::TPropTable table{{Published::Left(), Published::Top(), Published::Width(),
                                          Published::Height(), Published::Cursor(),
                                          Published::Hint()}};
  return table;
}
}  // namespace

System::TClass TControl::StaticClass() {
  static const System::TClassInfo info{"TControl", TComponent::StaticClass(), nullptr,
                                       &ControlProps()};
  return &info;
}

TControl::TControl(TComponent* owner)
    : TComponent(owner), FFont(std::make_unique<Graphics::TFont>()) {
  FFont->OnChange = [this](TObject*) {
    if (!FTakingParentFont) FParentFont = false;
    FontChanged();
  };
}

TControl::~TControl() {
  if (FParent) FParent->RemoveControl(this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
  Invalidate();
  FLeft = left;
  FTop = top;
  FWidth = width;
  FHeight = height;
  Invalidate();
}

bool TControl::Showing() const {
  return FVisible || FComponentState.Contains(Classes::csDesigning);
}

void TControl::SetVisible(bool value) {
  if (FVisible == value) return;
  VisibleChanging();
  FVisible = value;
  if (FParent) FParent->InvalidateRect(BoundsRect());
}

void TControl::Show() {
  if (!FComponentState.Contains(Classes::csDesigning)) SetVisible(true);
}

void TControl::Hide() { SetVisible(false); }

void TControl::SetText(const std::string& value) {
  if (FText == value) return;
  FText = value;
  TextChanged();
}

void TControl::SetColor(Graphics::TColor value) {
  if (FColor == value) return;
  FColor = value;
  FParentColor = false;
  ColorChanged();
}

void TControl::SetParentFont(bool value) {
  if (FParentFont == value) return;
  FParentFont = value;
  ParentFontChanged();
}

void TControl::SetParentColor(bool value) {
  if (FParentColor == value) return;
  FParentColor = value;
  ParentColorChanged();
}

void TControl::ParentFontChanged() {
  if (!FParentFont || !FParent) return;
  FTakingParentFont = true;
  FFont->Assign(&FParent->Font());
  FTakingParentFont = false;
}

void TControl::ParentColorChanged() {
  if (!FParentColor || !FParent || FColor == FParent->Color()) return;
  FColor = FParent->Color();
  ColorChanged();
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == FParent) return;
  if (FParent) FParent->RemoveControl(this);
  if (parent) parent->InsertControl(this);
  ParentFontChanged();
  ParentColorChanged();
}

TComponent* TControl::GetParentComponent() const { return FParent; }

void TControl::SetParentComponent(TComponent* parent) {
  if (auto* window = dynamic_cast<TWinControl*>(parent)) SetParent(window);
}

void TControl::Invalidate() {
  if (FParent && Showing()) FParent->InvalidateRect(BoundsRect());
}

void TControl::Repaint() {
  if (!FParent || !Showing()) return;
  Invalidate();
  FParent->Update();
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft && FControlStyle.Contains(csClickEvents)) FClicked = true;
  OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) { OnMouseMove(this, shift, x, y); }

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  OnMouseUp(this, button, shift, x, y);
  if (button == mbLeft && FClicked) {
    FClicked = false;
    if (GetClientRect().Contains({x, y})) Click();
  }
}

void TControl::Click() { OnClick(this); }
void TControl::DblClick() { OnDblClick(this); }

void TControl::DragOver(TObject* source, int x, int y, TDragState state, bool& accept) {
  accept = false;
  if (OnDragOver) {
    accept = true;
    OnDragOver(this, source, x, y, state, accept);
  }
}

void TControl::DragDrop(TObject* source, int x, int y) { OnDragDrop(this, source, x, y); }
void TControl::EndDrag(TObject* target, int x, int y) { OnEndDrag(this, target, x, y); }

// ---- TGraphicControl ----

System::TClass TGraphicControl::StaticClass() {
  static const System::TClassInfo info{"TGraphicControl", TControl::StaticClass()};
  return &info;
}

TGraphicControl::TGraphicControl(TComponent* owner)
    : TControl(owner), FCanvas(std::make_unique<Graphics::TCanvas>()) {}

TGraphicControl::~TGraphicControl() = default;

Graphics::TCanvas& TGraphicControl::Canvas() {
  if (FPainting) return *FCanvas;
  // Outside a paint the canvas draws straight onto the parent's surface.
  Graphics::TDevice* device = Parent() ? Parent()->PaintDevice() : nullptr;
  if (device == nullptr) {
    FCanvas->SetDevice(nullptr);
  } else {
    Types::TPoint origin = Parent()->ClientOrigin() + Types::TPoint{Left(), Top()};
    Types::TRect area = BoundsRect().Intersect(Parent()->GetClientRect());
    Types::TPoint parentOrigin = Parent()->ClientOrigin();
    FCanvas->SetDevice(device, origin, area.Offset(parentOrigin.X, parentOrigin.Y));
  }
  return *FCanvas;
}

void TGraphicControl::PaintControl(Graphics::TDevice& device, Types::TPoint origin,
                                   const Types::TRect& clip) {
  FCanvas->SetDevice(&device, origin, clip);
  struct TPaintingGuard {
    bool& Flag;
    explicit TPaintingGuard(bool& f) : Flag(f) { Flag = true; }
    ~TPaintingGuard() { Flag = false; }
  } guard(FPainting);
  Paint();
}

// ---- TWinControl ----

System::TClass TWinControl::StaticClass() {
  static const System::TClassInfo info{"TWinControl", TControl::StaticClass()};
  return &info;
}

TWinControl::TWinControl(TComponent* owner)
    : TControl(owner), FCanvas(std::make_unique<Graphics::TCanvas>()) {}

TWinControl::~TWinControl() {
  // Controls still held are let go, not destroyed: their owners destroy them.
  for (TControl* c : FControls) c->FParent = nullptr;
  FControls.clear();
}

void TWinControl::InsertControl(TControl* control) {
  FControls.push_back(control);
  control->FParent = this;
  if (control->Showing()) InvalidateRect(control->BoundsRect());
}

void TWinControl::RemoveControl(TControl* control) {
  auto it = std::find(FControls.begin(), FControls.end(), control);
  if (it == FControls.end()) return;
  FControls.erase(it);
  control->FParent = nullptr;
  if (control->Showing()) InvalidateRect(control->BoundsRect());
}

TControl* TWinControl::ControlAtPos(Types::TPoint p) const {
  for (auto it = FControls.rbegin(); it != FControls.rend(); ++it)
    if ((*it)->Showing() && (*it)->BoundsRect().Contains(p)) return *it;
  return nullptr;
}

void TWinControl::ColorChanged() {
  TControl::ColorChanged();
  NotifyControls(false, true);
}

void TWinControl::FontChanged() {
  TControl::FontChanged();
  NotifyControls(true, false);
}

void TWinControl::NotifyControls(bool font, bool color) {
  for (TControl* c : FControls) {
    if (font) c->ParentFontChanged();
    if (color) c->ParentColorChanged();
  }
}

void TWinControl::InvalidateRect(const Types::TRect& r) {
  if (Parent() && Showing())
    Parent()->InvalidateRect(r.Intersect(GetClientRect()).Offset(Left(), Top()));
}

void TWinControl::Update() {
  if (Parent()) Parent()->Update();
}

Graphics::TDevice* TWinControl::PaintDevice() {
  return Parent() ? Parent()->PaintDevice() : nullptr;
}

Types::TPoint TWinControl::ClientOrigin() const {
  return Parent() ? Parent()->ClientOrigin() + Types::TPoint{Left(), Top()} : Types::TPoint{};
}

void TWinControl::PaintArea(const Types::TRect& r) {
  Graphics::TDevice* device = PaintDevice();
  Types::TRect area = r.Intersect(GetClientRect());
  if (device == nullptr || area.IsEmpty()) return;
  Types::TPoint origin = ClientOrigin();
  FCanvas->SetDevice(device, origin, area.Offset(origin.X, origin.Y));
  PaintBackground(*FCanvas, area);
  PaintControls(area);
}

void TWinControl::PaintBackground(Graphics::TCanvas& canvas, const Types::TRect& r) {
  canvas.Brush().SetColor(Color());
  canvas.Brush().SetStyle(Graphics::bsSolid);
  canvas.FillRect(r);
}

void TWinControl::PaintControls(const Types::TRect& r) {
  Graphics::TDevice* device = PaintDevice();
  if (device == nullptr) return;
  Types::TPoint origin = ClientOrigin();
  // Copy: a control's Paint may resize or hide controls (a hexagon sets its height).
  std::vector<TControl*> controls = FControls;
  for (TControl* c : controls) {
    if (!c->Showing()) continue;
    Types::TRect area = c->BoundsRect().Intersect(r);
    if (area.IsEmpty()) continue;
    if (auto* graphic = dynamic_cast<TGraphicControl*>(c))
      graphic->PaintControl(*device, origin + Types::TPoint{c->Left(), c->Top()},
                            area.Offset(origin.X, origin.Y));
    else if (auto* window = dynamic_cast<TWinControl*>(c))
      window->PaintArea(area.Offset(-c->Left(), -c->Top()));
  }
}

}  // namespace Controls
