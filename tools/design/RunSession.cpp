#include "RunSession.h"

#include <algorithm>

#include "Render.h"
#include "SysUtils.h"
#include "Tollenspiegel.h"

namespace Tools {

TRunSession::TRunSession(std::string formText, std::string folder, std::string source,
                         std::int64_t msOfDay)
    : FText(std::move(formText)), FFolder(std::move(folder)), FSource(std::move(source)) {
  Begin(msOfDay);
}

TRunSession::~TRunSession() { End(); }

void TRunSession::Begin(std::int64_t msOfDay) {
  FStartMsOfDay = msOfDay;
  FRun = std::make_unique<Forms::TVirtualRun>(msOfDay);
  try {
    FForm = Forms::ReadFormText(FText, FSource, FFolder);
  } catch (...) {
    FRun.reset();
    throw;
  }
  FForm->OnPresent = [this](const Types::TRect& area) {
    if (OnPresent) OnPresent(area);
  };
  Tollenspiegel::StartAnimations(*FForm);
  FRun->Picture(*FForm);
  if (OnPresent) OnPresent({0, 0, FForm->Width(), FForm->Height()});
}

void TRunSession::End() {
  // The form's timers go while the run's clock is still the clock.
  FForm.reset();
  FRun.reset();
}

void TRunSession::RunFor(std::int64_t ms) { FRun->RunFor(*FForm, ms); }

void TRunSession::Tick() {
  const std::optional<std::int64_t> due = Messages::Queue().NextDue();
  const std::int64_t now = FRun->StartMs() + ElapsedMs();
  RunFor(due ? std::max<std::int64_t>(1, *due - now) : kIdleTickMs);
}

void TRunSession::SeekTo(std::int64_t elapsedMs) {
  elapsedMs = std::max<std::int64_t>(0, elapsedMs);
  if (elapsedMs < ElapsedMs()) Restart(FStartMsOfDay);
  FRun->RunUntil(*FForm, elapsedMs);
}

void TRunSession::Restart(std::int64_t msOfDay) {
  End();
  Begin(msOfDay);
}

std::string TRunSession::Export(const std::string& output, std::int64_t lengthMs, double fps) {
  RequireArea(*FForm);
  if (OutputKindOf(output) == TOutputKind::Still) return WritePictures(*FRun, *FForm, output, {});
  const std::int64_t now = ElapsedMs();
  const TSpan span{static_cast<double>(lengthMs > 0 ? lengthMs : now) / 1000, fps};
  if (fps <= 0 || fps > kMaxRenderFps)
    throw SysUtils::Exception("the frame rate is above 0 and at most " +
                              std::to_string(static_cast<int>(kMaxRenderFps)));
  if (span.Seconds > kMaxRenderSeconds)
    throw SysUtils::Exception("an animation lasts at most an hour; give a shorter length");
  if (FrameCount(span) < 1)
    throw SysUtils::Exception("nothing to write: run the form a while first, or give a length");
  Restart(FStartMsOfDay);
  std::string wrote;
  try {
    wrote = WritePictures(*FRun, *FForm, output, span);
  } catch (...) {
    SeekTo(now);
    throw;
  }
  SeekTo(now);
  return wrote;
}

}  // namespace Tools
