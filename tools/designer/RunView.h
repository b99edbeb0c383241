// The designer's Run: the designed form as at run time (its animations started
// as an application starts them) on a virtual clock, shown in place of the
// canvas until Escape or Stop, with a time bar.
//
// The time bar plays and pauses, ticks to the next timer due, plays at 0.25x to
// 4x, starts the run at any time of day (a clock looked at at 10:09:30), and
// scrubs the elapsed time back and forth, so a film can be stopped on any frame.
// Below it, the span shown so far (or a chosen length) is written as the
// renderer writes a form: a still of the moment (.png) or an animation (.gif).
// The mouse reaches the run form's controls as it would at run time.
//
// Scrubbing forward follows the slider; back, the run is made afresh once the
// slider is let go. While playing, a frame is asked for at the display's rate and time moves by
// the real time between frames times the speed; paused, nothing is drawn.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "DesignerUi.h"
#include "ImGuiSdl.h"
#include "RunSession.h"

namespace Designer {

class TRunView {
 public:
  static constexpr double kSpeeds[] = {0.25, 0.5, 1, 2, 4};

  explicit TRunView(TDesignerUi& ui);
  ~TRunView();
  TRunView(const TRunView&) = delete;
  TRunView& operator=(const TRunView&) = delete;

  bool Running() const { return FRun != nullptr; }
  // Runs a copy of the session's form from `msOfDay` after midnight (the start
  // field's time when not given, now when that is empty), playing. Called
  // outside a frame; raises when the form's text does not read.
  void Start(std::optional<std::int64_t> msOfDay = std::nullopt);
  void Stop();
  void Draw();

  bool Playing() const { return FPlaying; }
  void SetPlaying(bool playing);
  double Speed() const { return kSpeeds[FSpeed]; }
  Tools::TRunSession& Run() { return *FRun; }
  // The run form's pixel (x, y) in window pixels.
  Types::TPoint WindowPoint(Types::TPoint formPoint) const;
  const TSurfaceTexture& Texture() const { return FTexture; }
  // What the last export wrote.
  const std::string& Status() const { return FStatus; }
  // Where the time bar's button or field of that name was last drawn ("Stop",
  // "Play", "Tick", "Speed", "Start at", "Restart", "Elapsed", "Export to", "...",
  // "Length", "Frames a second", "Export"); empty when it was not.
  Types::TRect ControlRect(const std::string& name) const;

 private:
  void Attach();
  void Upload();
  void Advance();
  void DrawTimeBar();
  void DrawScrubber();
  void DrawExport();
  void DrawPicture();
  void Mouse();
  void ChooseOutput();
  void Export();
  // `change` on the run after the frame, the scrubber's range kept up to date.
  void OnRun(std::function<void(Tools::TRunSession&)> change);
  // Remembers where the item just drawn is, as `name`.
  void Keep(const std::string& name);

  TDesignerUi& FUi;
  std::unique_ptr<Tools::TRunSession> FRun;
  TSurfaceTexture FTexture;
  Types::TRect FPending;  // painted since the last upload
  ImVec2 FOrigin{};
  bool FPlaying = false;
  int FSpeed = 2;                          // an index into kSpeeds: 1x
  std::uint64_t FLastTicks = 0;            // the display's time of the last step while playing
  double FCarryMs = 0;                     // played time not yet a whole millisecond
  std::int64_t FFurthestMs = 0;            // how far the scrubber reaches
  std::optional<std::int64_t> FScrubToMs;  // where the slider is being dragged back to
  std::string FStartAt;                    // HH:MM:SS
  std::string FOutput = "run.gif";
  double FLengthSeconds = 0;  // 0: from the start to now
  double FFps = 25;
  std::string FStatus;
  TItemRects FControls;
};

}  // namespace Designer
