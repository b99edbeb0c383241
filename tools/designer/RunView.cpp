#include "RunView.h"

#include <imgui_stdlib.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "Classes/Streaming.h"
#include "Commands.h"
#include "Dialogs.h"
#include "Render.h"
#include "SysUtils.h"

namespace Designer {

namespace {

constexpr float kMargin = 8;
constexpr std::int64_t kDayMs = 86'400'000;
constexpr std::int64_t kScrubberMinMs = 10'000;
// A stall of the display (a dialog, a slow machine) does not jump the run ahead.
constexpr double kLongestStepMs = 250;

// "10:09:30", or with `millis` "10:09:30.480"; a run past midnight wraps.
std::string ClockText(std::int64_t msOfDay, bool millis) {
  const std::int64_t ms = ((msOfDay % kDayMs) + kDayMs) % kDayMs;
  char text[32];
  const auto h = static_cast<int>(ms / 3'600'000), m = static_cast<int>(ms / 60'000 % 60),
             s = static_cast<int>(ms / 1000 % 60), f = static_cast<int>(ms % 1000);
  if (millis)
    std::snprintf(text, sizeof text, "%02d:%02d:%02d.%03d", h, m, s, f);
  else
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", h, m, s);
  return text;
}

std::int64_t StartTime(const std::string& field) {
  if (field.empty()) return Tools::NowMsOfDay();
  try {
    return Tools::ParseTimeOfDay(field);
  } catch (const Tools::TUsageError&) {
    throw SysUtils::Exception("a run starts at a time of day, HH:MM or HH:MM:SS, not \"" + field +
                              "\"");
  }
}

// A field's name before it, on its line.
void Label(const char* text) {
  ImGui::AlignTextToFramePadding();
  ImGui::TextUnformatted(text);
  ImGui::SameLine();
}

Controls::TShiftState Shift() {
  const ImGuiIO& io = ImGui::GetIO();
  Controls::TShiftState shift;
  if (io.KeyShift) shift.Include(Controls::ssShift);
  if (io.KeyCtrl) shift.Include(Controls::ssCtrl);
  if (io.KeyAlt) shift.Include(Controls::ssAlt);
  return shift;
}

}  // namespace

TRunView::TRunView(TDesignerUi& ui) : FUi(ui), FTexture(ui.Renderer()) {}

TRunView::~TRunView() = default;

void TRunView::Start(std::optional<std::int64_t> msOfDay) {
  if (FRun) return;
  Tools::TDesignSession& s = FUi.Session();
  const std::int64_t at = msOfDay ? *msOfDay : StartTime(FStartAt);
  FRun = std::make_unique<Tools::TRunSession>(Classes::WriteComponentText(s.Form()),
                                              s.Form().FileFolder(),
                                              s.FileName().empty() ? "<form>" : s.FileName(), at);
  FStartAt = ClockText(at, false);
  FFurthestMs = 0;
  FStatus.clear();
  Attach();
  SetPlaying(true);
}

void TRunView::Stop() {
  FRun.reset();
  FPlaying = false;
  // The designed form's timers go on; its picture is shown again as it was.
  FUi.WantFrame();
}

void TRunView::SetPlaying(bool playing) {
  FPlaying = playing && FRun;
  FLastTicks = SDL_GetTicks64();
  FCarryMs = 0;
  FUi.WantFrame();
}

void TRunView::Attach() {
  FRun->OnPresent = [this](const Types::TRect& area) { FPending = FPending.Union(area); };
  FPending = {0, 0, FRun->Form().Width(), FRun->Form().Height()};
}

void TRunView::Upload() {
  if (FPending.IsEmpty()) return;
  FTexture.Update(FRun->Form().Surface(), FPending);
  FPending = {};
}

void TRunView::OnRun(std::function<void(Tools::TRunSession&)> change) {
  FUi.Later([this, change = std::move(change)] {
    if (!FRun) return;
    change(*FRun);
    FFurthestMs = std::max(FFurthestMs, FRun->ElapsedMs());
  });
}

void TRunView::Advance() {
  const std::uint64_t ticks = SDL_GetTicks64();
  const double played =
      std::min(static_cast<double>(ticks - FLastTicks), kLongestStepMs) * Speed() + FCarryMs;
  FLastTicks = ticks;
  const auto whole = static_cast<std::int64_t>(std::floor(played));
  FCarryMs = played - static_cast<double>(whole);
  if (whole > 0) FRun->RunFor(whole);
}

void TRunView::Keep(const std::string& name) { FControls.Record(name); }

Types::TRect TRunView::ControlRect(const std::string& name) const { return FControls.Rect(name); }

Types::TPoint TRunView::WindowPoint(Types::TPoint p) const {
  return {static_cast<int>(FOrigin.x) + p.X, static_cast<int>(FOrigin.y) + p.Y};
}

// ---- drawing ----

void TRunView::Draw() {
  if (!FRun) return;
  if (ImGui::IsKeyPressed(ImGui::GetKeyIndex(ImGuiKey_Escape), false) &&
      !ImGui::GetIO().WantTextInput) {
    FUi.Later([this] { Stop(); });
    return;
  }
  Upload();
  DrawTimeBar();
  DrawScrubber();
  DrawExport();
  DrawPicture();
  if (FPlaying) {
    OnRun([this](Tools::TRunSession&) { Advance(); });
    FUi.WantFrame();
  }
}

void TRunView::DrawTimeBar() {
  if (ImGui::Button("Stop")) FUi.Later([this] { Stop(); });
  Keep("Stop");
  ImGui::SameLine();
  if (ImGui::Button(FPlaying ? "Pause" : "Play", ImVec2(56, 0))) SetPlaying(!FPlaying);
  Keep("Play");
  ImGui::SameLine();
  if (ImGui::Button("Tick")) {
    SetPlaying(false);
    OnRun([](Tools::TRunSession& run) { run.Tick(); });
  }
  Keep("Tick");
  if (ImGui::IsItemHovered()) ImGui::SetTooltip("On to the next timer due");
  ImGui::SameLine();
  Label("Speed");
  ImGui::SetNextItemWidth(72);
  char speed[16];
  std::snprintf(speed, sizeof speed, "%gx", Speed());
  if (ImGui::BeginCombo("##speed", speed)) {
    for (int i = 0; i < static_cast<int>(std::size(kSpeeds)); ++i) {
      std::snprintf(speed, sizeof speed, "%gx", kSpeeds[i]);
      if (ImGui::Selectable(speed, i == FSpeed)) FSpeed = i;
    }
    ImGui::EndCombo();
  }
  Keep("Speed");
  ImGui::SameLine();
  Label("Start at");
  ImGui::SetNextItemWidth(80);
  const bool entered = ImGui::InputText("##start", &FStartAt, ImGuiInputTextFlags_EnterReturnsTrue);
  Keep("Start at");
  if (ImGui::IsItemHovered()) ImGui::SetTooltip("HH:MM:SS; Enter or Restart starts again then");
  ImGui::SameLine();
  const bool restart = ImGui::Button("Restart");
  Keep("Restart");
  if (restart || entered)
    FUi.Later([this] {
      if (!FRun) return;
      FRun->Restart(StartTime(FStartAt));
      FFurthestMs = 0;
    });
  ImGui::SameLine();
  ImGui::Text("%s  (%.3f s)", ClockText(FRun->TimeOfDayMs(), true).c_str(),
              static_cast<double>(FRun->ElapsedMs()) / 1000);
}

void TRunView::DrawScrubber() {
  const std::int64_t now = FRun->ElapsedMs();
  const std::int64_t reach = std::max({FFurthestMs, now, kScrubberMinMs});
  double seconds = static_cast<double>(FScrubToMs.value_or(now)) / 1000;
  const double lowest = 0, highest = static_cast<double>(reach) / 1000;
  ImGui::SetNextItemWidth(-1);
  const bool moved =
      ImGui::SliderScalar("##elapsed", ImGuiDataType_Double, &seconds, &lowest, &highest, "%.3f s");
  Keep("Elapsed");
  if (moved) {
    SetPlaying(false);
    FScrubToMs = static_cast<std::int64_t>(std::llround(seconds * 1000));
  }
  // Forward is quick (time goes on); back runs a fresh copy, so it waits for the
  // slider to be let go.
  if (FScrubToMs && (*FScrubToMs >= now || !ImGui::IsItemActive())) {
    OnRun([to = *FScrubToMs](Tools::TRunSession& run) { run.SeekTo(to); });
    FScrubToMs.reset();
  }
}

void TRunView::DrawExport() {
  Label("Export to");
  ImGui::SetNextItemWidth(220);
  ImGui::InputText("##output", &FOutput);
  Keep("Export to");
  ImGui::SameLine();
  if (ImGui::Button("...")) FUi.Later([this] { ChooseOutput(); });
  Keep("...");
  ImGui::SameLine();
  Label("Length");
  ImGui::SetNextItemWidth(80);
  ImGui::InputDouble("##length", &FLengthSeconds, 0, 0, "%.2f s");
  Keep("Length");
  if (ImGui::IsItemHovered()) ImGui::SetTooltip("0: from the start to now");
  ImGui::SameLine();
  Label("Frames a second");
  ImGui::SetNextItemWidth(60);
  ImGui::InputDouble("##fps", &FFps, 0, 0, "%g");
  Keep("Frames a second");
  ImGui::SameLine();
  if (ImGui::Button("Export")) FUi.Later([this] { Export(); });
  Keep("Export");
  if (!FStatus.empty()) {
    ImGui::SameLine();
    ImGui::TextUnformatted(FStatus.c_str());
  }
}

void TRunView::DrawPicture() {
  ImGui::BeginChild("run", ImVec2(0, 0), true, ImGuiWindowFlags_HorizontalScrollbar);
  const ImVec2 start = ImGui::GetCursorScreenPos();
  FOrigin = ImVec2(std::floor(start.x + kMargin), std::floor(start.y + kMargin));
  const Types::TPoint size = FTexture.Size();
  const ImVec2 shown(static_cast<float>(size.X), static_cast<float>(size.Y));
  ImGui::SetCursorScreenPos(FOrigin);
  ImGui::Image(FTexture.Id(), shown);
  ImGui::SetCursorScreenPos(FOrigin);
  ImGui::InvisibleButton("form", ImVec2(std::max(shown.x, 1.f), std::max(shown.y, 1.f)),
                         ImGuiButtonFlags_MouseButtonLeft | ImGuiButtonFlags_MouseButtonRight);
  if (ImGui::IsItemHovered() || ImGui::IsItemActive()) Mouse();
  ImGui::Dummy(ImVec2(kMargin, kMargin));
  ImGui::EndChild();
}

// The mouse as the run form's window would have it: presses, moves, releases.
void TRunView::Mouse() {
  const ImGuiIO& io = ImGui::GetIO();
  const int x = static_cast<int>(std::floor(io.MousePos.x - FOrigin.x));
  const int y = static_cast<int>(std::floor(io.MousePos.y - FOrigin.y));
  const Controls::TShiftState shift = Shift();
  constexpr std::pair<ImGuiMouseButton, Controls::TMouseButton> kButtons[] = {
      {ImGuiMouseButton_Left, Controls::mbLeft},
      {ImGuiMouseButton_Right, Controls::mbRight},
      {ImGuiMouseButton_Middle, Controls::mbMiddle}};
  for (const auto& pair : kButtons) {
    const ImGuiMouseButton imgui = pair.first;
    const Controls::TMouseButton button = pair.second;  // a plain name, for the lambdas
    if (ImGui::IsMouseClicked(imgui))
      OnRun([=](Tools::TRunSession& run) { run.Form().MouseDown(button, shift, x, y); });
    if (ImGui::IsMouseReleased(imgui))
      OnRun([=](Tools::TRunSession& run) { run.Form().MouseUp(button, shift, x, y); });
  }
  if (io.MouseDelta.x != 0 || io.MouseDelta.y != 0)
    OnRun([=](Tools::TRunSession& run) { run.Form().MouseMove(shift, x, y); });
}

// ---- export ----

void TRunView::ChooseOutput() {
  Dialogs::TOpenRequest request;
  request.Title = "Export the run as";
  request.Filter = "Animations (*.gif)|*.gif|Pictures (*.png)|*.png";
  request.DefaultExt = "gif";
  request.FileName = FOutput;
  request.Options = {Dialogs::TOpenOption::ofPathMustExist,
                     Dialogs::TOpenOption::ofOverwritePrompt};
  const std::optional<std::vector<std::string>> files =
      Dialogs::DialogService().ChooseFiles(request);
  if (files && !files->empty()) FOutput = files->front();
}

void TRunView::Export() {
  if (!FRun) return;
  SetPlaying(false);
  FStatus.clear();
  FStatus = FRun->Export(FOutput, std::llround(FLengthSeconds * 1000), FFps);
}

}  // namespace Designer
