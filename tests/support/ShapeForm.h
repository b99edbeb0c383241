// A form of a given size holding one control, recording what the control draws.
#pragma once

#include <memory>
#include <vector>

#include "Forms.h"
#include "Graphics/Recorder.h"

namespace TestSupport {

template <typename TControl>
class TOneControlForm {
 public:
  explicit TOneControlForm(int width = 62, int height = 62) {
    FForm.SetBounds(0, 0, 300, 300);
    FControl = new TControl(&FForm);             // owned by the form
    FControl->SetBounds(10, 10, width, height);  // apart from the form's own origin
    FControl->SetParent(&FForm);
    FRecorder = &FForm.StartRecording();
  }

  TControl& Control() { return *FControl; }
  Forms::TForm& Form() { return FForm; }

  Graphics::TRecorder& Recorder() { return *FRecorder; }

  // The control's own calls among those recorded: the form's background fill
  // comes first, and other controls paint at other origins.
  std::vector<Graphics::TCall> ControlCalls() const {
    std::vector<Graphics::TCall> calls;
    for (const Graphics::TCall& c : FRecorder->Calls())
      if (c.State.Origin == Types::TPoint{FControl->Left(), FControl->Top()}) calls.push_back(c);
    return calls;
  }

  // Paints the control once, through the form, and returns the calls it made.
  std::vector<Graphics::TCall> Paint() {
    FRecorder->Clear();
    FControl->Repaint();
    return ControlCalls();
  }

  // Whether a paint is waiting for the queue to go idle.
  bool PaintPending() const { return !FForm.InvalidArea().IsEmpty(); }
  void SettlePaints() { FForm.Update(); }

 private:
  Forms::TForm FForm{nullptr};
  TControl* FControl = nullptr;
  Graphics::TRecorder* FRecorder = nullptr;
};

}  // namespace TestSupport
