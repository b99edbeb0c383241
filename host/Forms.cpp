#include "Forms.h"

#include <algorithm>
#include <filesystem>
#include <limits>
#include <string>

#include "ExtCtrls.h"
#include "Platform/Clock.h"

namespace Forms {

namespace {
const TypInfo::TPropTable& FormProps() {
  static const TypInfo::TPropTable table{{
      Controls::Published::Caption(),
      Controls::Published::Color(Graphics::clBtnFace),
      Controls::Published::Font(),
  }};
  return table;
}
Classes::TComponent* CreateForm(Classes::TComponent* owner) { return new TForm(owner); }

int formSizeLimit = kDefaultFormSizeLimit;
}  // namespace

int FormSizeLimit() { return formSizeLimit; }
void SetFormSizeLimit(int pixels) { formSizeLimit = pixels; }

// Forms and timers can be named by stored forms from the start.
[[maybe_unused]] static const bool registered = [] {
  Classes::RegisterClass(TForm::StaticClass());
  Classes::RegisterClass(ExtCtrls::TTimer::StaticClass());
  return true;
}();

// ---- TForm ----

System::TClass TForm::StaticClass() {
  static const System::TClassInfo info{"TForm", Controls::TWinControl::StaticClass(), CreateForm,
                                       &FormProps()};
  return &info;
}

TForm::TForm(Classes::TComponent* owner)
    : TWinControl(owner), FRaster(std::make_unique<Graphics::TRasterDevice>(FSurface)) {
  SetColor(Graphics::clBtnFace);
  SetParentFont(false);  // a form has a font of its own, which its controls follow
}

TForm::~TForm() { Messages::Queue().CancelPaint(this); }

void TForm::SetBounds(int left, int top, int width, int height) {
  if (width > formSizeLimit || height > formSizeLimit)
    throw EInvalidOperation("Form size " + std::to_string(width) + " x " + std::to_string(height) +
                            " beyond the limit of " + std::to_string(formSizeLimit) +
                            " pixels a side");
  bool resized = width != Width() || height != Height();
  TWinControl::SetBounds(left, top, width, height);
  if (resized) Invalidate();
}

Graphics::TRecorder& TForm::StartRecording() {
  FRecorder = std::make_unique<Graphics::TRecorder>(*FRaster);
  return *FRecorder;
}

void TForm::StopRecording() { FRecorder.reset(); }

Graphics::TDevice* TForm::PaintDevice() {
  FSurface.Resize(std::max(0, Width()), std::max(0, Height()), Graphics::ColorToPixel(Color()));
  return FRecorder ? static_cast<Graphics::TDevice*>(FRecorder.get()) : FRaster.get();
}

void TForm::InvalidateRect(const Types::TRect& r) {
  Types::TRect area = r.Intersect(GetClientRect());
  if (area.IsEmpty()) return;
  FInvalid = FInvalid.Union(area);
  Messages::Queue().PostPaint(this);
}

void TForm::Invalidate() { InvalidateRect(GetClientRect()); }

void TForm::Update() {
  if (!FInvalid.IsEmpty()) PaintInvalid();
}

void TForm::PaintAll() {
  Invalidate();
  Update();
}

std::unique_ptr<Graphics::TBitmap> TForm::GetFormImage() const {
  auto image = std::make_unique<Graphics::TBitmap>();
  image->SetSurface(FSurface);
  return image;
}

void TForm::PaintInvalid() {
  Messages::Queue().CancelPaint(this);
  Types::TRect area = FInvalid;
  FInvalid = {};
  if (area.IsEmpty()) return;
  PaintArea(area);
  if (OnPresent) OnPresent(area);
}

TControl* TForm::TargetAt(int x, int y) const {
  if (FCaptured) return FCaptured;
  return ControlAtPos({x, y});
}

void TForm::MouseDown(Controls::TMouseButton button, Controls::TShiftState shift, int x, int y) {
  TControl* target = TargetAt(x, y);
  if (target == nullptr) {
    TWinControl::MouseDown(button, shift, x, y);
    return;
  }
  if (target->ControlStyle().Contains(Controls::csCaptureMouse)) FCaptured = target;
  target->MouseDown(button, shift, x - target->Left(), y - target->Top());
  if (button == Controls::mbLeft && target->DragMode() == Controls::dmAutomatic) {
    FDragSource = target;
    FDragTarget = nullptr;
    FDragAccepted = false;
    DragTo(x, y, Controls::dsDragEnter);
  }
}

void TForm::DragTo(int x, int y, Controls::TDragState state) {
  TControl* over = ControlAtPos({x, y});
  if (over != FDragTarget && FDragTarget != nullptr) {
    bool ignored = false;
    FDragTarget->DragOver(FDragSource, x - FDragTarget->Left(), y - FDragTarget->Top(),
                          Controls::dsDragLeave, ignored);
    state = Controls::dsDragEnter;
  }
  FDragTarget = over;
  FDragAccepted = false;
  if (over) over->DragOver(FDragSource, x - over->Left(), y - over->Top(), state, FDragAccepted);
}

void TForm::MouseMove(Controls::TShiftState shift, int x, int y) {
  if (FDragSource) {
    DragTo(x, y, Controls::dsDragMove);
    return;
  }
  if (TControl* target = TargetAt(x, y))
    target->MouseMove(shift, x - target->Left(), y - target->Top());
  else
    TWinControl::MouseMove(shift, x, y);
}

void TForm::MouseUp(Controls::TMouseButton button, Controls::TShiftState shift, int x, int y) {
  if (FDragSource) {
    TControl* source = FDragSource;
    TControl* target = FDragAccepted ? FDragTarget : nullptr;
    FDragSource = FDragTarget = nullptr;
    FCaptured = nullptr;
    if (target) target->DragDrop(source, x - target->Left(), y - target->Top());
    source->EndDrag(target, x - source->Left(), y - source->Top());
    return;
  }
  TControl* target = TargetAt(x, y);
  FCaptured = nullptr;
  if (target)
    target->MouseUp(button, shift, x - target->Left(), y - target->Top());
  else
    TWinControl::MouseUp(button, shift, x, y);
}

void TForm::ClickAt(int x, int y) {
  MouseDown(Controls::mbLeft, {Controls::ssLeft}, x, y);
  MouseUp(Controls::mbLeft, {}, x, y);
}

// ---- TApplication ----

System::TClass TApplication::StaticClass() {
  static const System::TClassInfo info{"TApplication", Classes::TComponent::StaticClass()};
  return &info;
}

TApplication::TApplication() : TComponent(nullptr) {
  Messages::Queue();  // made first, so it outlives the forms this application owns
}

TApplication::~TApplication() = default;

void TApplication::ProcessMessages() {
  Messages::Queue().DispatchDueTimers();
  Messages::Queue().PaintAll();
}

void TApplication::RunUntil(std::int64_t untilMs) {
  Messages::TMessageQueue& queue = Messages::Queue();
  Platform::TClock& clock = Platform::Clock();
  queue.PaintAll();
  while (!FTerminated) {
    std::optional<std::int64_t> due = queue.NextDue();
    std::int64_t next = due && *due < untilMs ? *due : untilMs;
    if (FEventSource) {
      if (!FEventSource->Pump(next)) {
        FTerminated = true;
        break;
      }
      if (clock.NowMs() < next) {  // input arrived early: show its effect now
        queue.PaintAll();
        continue;
      }
    } else {
      clock.WaitUntil(next);
    }
    ProcessMessages();
    if (next >= untilMs && clock.NowMs() >= untilMs) break;
  }
}

void TApplication::RunFor(std::int64_t ms) { RunUntil(Platform::Clock().NowMs() + ms); }

void TApplication::Run() {
  Messages::TMessageQueue& queue = Messages::Queue();
  while (!FTerminated) {
    const std::optional<std::int64_t> due = queue.NextDue();  // held timers are not due
    if (!FEventSource && !due) {                              // nothing can ever happen
      queue.PaintAll();
      return;
    }
    RunUntil(FEventSource ? std::numeric_limits<std::int64_t>::max() : *due);
  }
}

const std::string& TApplication::ExeName() const {
  if (!FExeName) {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    FExeName = ec ? std::string() : exe.string();
  }
  return *FExeName;
}

void TApplication::SetExeName(const std::string& name) { FExeName = name; }

TApplication& Application() {
  static TApplication application;
  return application;
}

}  // namespace Forms
