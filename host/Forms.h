// Forms and the application.
//
// TForm is the top-level window: it holds controls, owns the surface they paint on
// (a raster of its client size), collects invalidated areas and paints them when the
// message queue is idle. A form has no borders: its Width and Height are its client
// size. Input comes in client coordinates and goes to the control under the point.
// The surface takes the form's size when the form is next painted, not when the
// size is set, so a form read from a file costs nothing in pixels until it is shown.
//
// Host setting: the largest form, FormSizeLimit() pixels a side (7680 unless the
// application raises it with SetFormSizeLimit): an 8K display, 7680 x 4320, either
// way up. A larger size raises EInvalidOperation naming the size and the limit, and
// the form keeps its size; a form read from a file fails there with the position.
//
// TApplication runs the message loop over the process's clock: timers in due order,
// then pending paints. Under a virtual clock, RunUntil jumps from one due timer to
// the next without sleeping; under the system clock it waits for real.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "Controls.h"
#include "Graphics/Raster.h"
#include "Graphics/Recorder.h"
#include "Messages.h"

namespace Forms {

using Controls::TControl;

class EInvalidOperation : public SysUtils::Exception {
 public:
  using Exception::Exception;
};

inline constexpr int kDefaultFormSizeLimit = 7680;

int FormSizeLimit();
void SetFormSizeLimit(int pixels);

class TForm : public Controls::TWinControl, private Messages::TPaintTarget {
  TOLLEN_CLASS(TForm)
 public:
  explicit TForm(Classes::TComponent* owner);
  ~TForm() override;

  // Raises EInvalidOperation for a width or height beyond FormSizeLimit().
  void SetBounds(int left, int top, int width, int height) override;

  // What has been painted; it takes the form's size at the next paint.
  const Graphics::TSurface& Surface() const { return FSurface; }
  // Starts keeping every drawing call on this form (pixels are still drawn).
  Graphics::TRecorder& StartRecording();
  void StopRecording();

  void InvalidateRect(const Types::TRect& r) override;
  void Update() override;
  void Invalidate() override;
  // Paints the whole client area at once.
  void PaintAll();
  // A copy of what the form shows.
  std::unique_ptr<Graphics::TBitmap> GetFormImage() const;
  Types::TRect InvalidArea() const { return FInvalid; }

  Graphics::TDevice* PaintDevice() override;
  Types::TPoint ClientOrigin() const override { return {}; }

  // The folder of the file the form was read from (see FormRun.h); empty for a
  // form made in code.
  const std::string& FileFolder() const { return FFileFolder; }
  void SetFileFolder(std::string folder) { FFileFolder = std::move(folder); }

  // Called after each paint with the area that changed (for a window to show it).
  std::function<void(const Types::TRect&)> OnPresent;

  // Input in client coordinates, delivered to the control under the point (or to
  // the one that has the mouse captured, between a press and its release).
  void MouseDown(Controls::TMouseButton button, Controls::TShiftState shift, int x, int y) override;
  void MouseMove(Controls::TShiftState shift, int x, int y) override;
  void MouseUp(Controls::TMouseButton button, Controls::TShiftState shift, int x, int y) override;
  // A press and release of the left button at one point.
  void ClickAt(int x, int y);

 private:
  void PaintInvalid() override;
  TControl* TargetAt(int x, int y) const;
  void DragTo(int x, int y, Controls::TDragState state);

  Graphics::TSurface FSurface;
  std::unique_ptr<Graphics::TRasterDevice> FRaster;
  std::unique_ptr<Graphics::TRecorder> FRecorder;
  Types::TRect FInvalid;
  TControl* FCaptured = nullptr;
  TControl* FDragSource = nullptr;
  TControl* FDragTarget = nullptr;
  bool FDragAccepted = false;
  std::string FFileFolder;
};

// Where input comes from in a real window; the viewer supplies one.
class TEventSource {
 public:
  virtual ~TEventSource() = default;
  // Delivers what has arrived, waiting for input no later than `untilMs` (or
  // indefinitely); returns false once the source has closed.
  virtual bool Pump(std::optional<std::int64_t> untilMs) = 0;
};

class TApplication : public Classes::TComponent {
  TOLLEN_CLASS(TApplication)
 public:
  TApplication();
  ~TApplication() override;

  // Fires the timers that are due and paints what is pending.
  void ProcessMessages();
  // Runs the loop until the clock reads `untilMs`: each due timer fires at its time,
  // and pending paints happen whenever the queue is idle.
  void RunUntil(std::int64_t untilMs);
  void RunFor(std::int64_t ms);
  // Runs until Terminate, or until nothing more can happen.
  void Run();
  // Shows `mainForm` in a window of its own and runs until that window is closed;
  // raises SysUtils::Exception when there is no display. (Carried out with the
  // window, Forms/Window.cpp.)
  void Run(TForm& mainForm);
  void Terminate() { FTerminated = true; }
  bool Terminated() const { return FTerminated; }

  void SetEventSource(TEventSource* source) { FEventSource = source; }
  TEventSource* EventSource() const { return FEventSource; }

  // The program's own file, as a full path (from /proc/self/exe; "" when that
  // cannot be read). Setting it, as tests do, replaces what the system says.
  const std::string& ExeName() const;
  void SetExeName(const std::string& name);

 private:
  bool FTerminated = false;
  TEventSource* FEventSource = nullptr;
  mutable std::optional<std::string> FExeName;
};

TApplication& Application();

}  // namespace Forms
