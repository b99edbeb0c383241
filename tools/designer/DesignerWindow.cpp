#include "DesignerWindow.h"

#include <algorithm>
#include <filesystem>

#include "Dialogs.h"
#include "FormCanvas.h"
#include "Forms/Window.h"
#include "ImGuiSdl.h"
#include "Inspector.h"
#include "Messages.h"
#include "Palette.h"
#include "Platform/Clock.h"
#include "RunView.h"
#include "SysUtils.h"
#include "WindowDialogs.h"

namespace Designer {

namespace {

constexpr float kInspectorWidth = 340;
constexpr std::uint64_t kLivelyMs = 500;  // frames after input: hover, tooltips
constexpr int kFrameMs = 16;
constexpr const char* kFormFilter = "Form files (*.form)|*.form|All files (*)|*";

bool Pressed(ImGuiKey key) { return ImGui::IsKeyPressed(ImGui::GetKeyIndex(key), false); }
bool Pressed(SDL_Scancode code) { return ImGui::IsKeyPressed(code, false); }

// The system clipboard when it holds components, else the designer's own.
std::string ClipboardText(const std::string& own) {
  char* text = SDL_GetClipboardText();
  std::string clip = text ? text : "";
  SDL_free(text);
  return clip.rfind("object ", 0) == 0 ? clip : own;
}

}  // namespace

TDesignerWindow::TDesignerWindow(Tools::TDesignSession& session, const TWindowOptions& options)
    : FSession(session) {
  Forms::StartVideo("the designer");
  FWindow =
      SDL_CreateWindow("Tollenspiegel designer", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                       options.Width, options.Height, SDL_WINDOW_RESIZABLE);
  if (!FWindow) Forms::FailVideo("cannot open the designer's window");
  if (!options.Software) FRenderer = SDL_CreateRenderer(FWindow, -1, SDL_RENDERER_PRESENTVSYNC);
  if (!FRenderer) FRenderer = SDL_CreateRenderer(FWindow, -1, SDL_RENDERER_SOFTWARE);
  if (!FRenderer) Forms::FailVideo("cannot draw in the designer's window");
  SDL_StartTextInput();
  FImGui = std::make_unique<TImGuiSdl>(FRenderer);
  FPalette = std::make_unique<TPalette>(*this);
  FCanvas = std::make_unique<TFormCanvas>(*this, *FPalette);
  FInspector = std::make_unique<TInspector>(*this);
  FRunView = std::make_unique<TRunView>(*this);
  FDialogs = std::make_unique<TWindowDialogs>(*this);
  Dialogs::UseDialogService(FDialogs.get());
  FCanvas->OnCut = [this] {
    Later([this] {
      FClipboard = FSession.CutSelection();
      SDL_SetClipboardText(FClipboard.c_str());
    });
  };
  FCanvas->OnCopy = [this] {
    Later([this] {
      FClipboard = FSession.CopySelection();
      SDL_SetClipboardText(FClipboard.c_str());
    });
  };
  FCanvas->OnPaste = [this] { Later([this] { FSession.Paste(ClipboardText(FClipboard)); }); };
  FCanvas->OnDelete = [this] { Later([this] { FSession.DeleteSelection(); }); };
  FLastFrameTicks = SDL_GetTicks64();
}

TDesignerWindow::~TDesignerWindow() {
  FRunView.reset();  // the clock and the held timers come back first
  Dialogs::UseDialogService(nullptr);
  FDialogs.reset();
  FInspector.reset();
  FCanvas.reset();
  FPalette.reset();
  FImGui.reset();
  if (FRenderer) SDL_DestroyRenderer(FRenderer);
  if (FWindow) SDL_DestroyWindow(FWindow);
  SDL_Quit();
}

// ---- the loop ----

void TDesignerWindow::Run() {
  Forms::Application().SetEventSource(this);
  Forms::Application().Run();
  Forms::Application().SetEventSource(nullptr);
}

void TDesignerWindow::TakeEvents() {
  SDL_Event e;
  while (SDL_PollEvent(&e)) Handle(e);
}

void TDesignerWindow::Handle(const SDL_Event& e) {
  if (FImGui->Feed(e)) {
    FFramesWanted = std::max(FFramesWanted, 2);
    FLivelyUntil = SDL_GetTicks64() + kLivelyMs;
  }
  const bool closing =
      e.type == SDL_QUIT || (e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_CLOSE);
  if (closing && FModals.empty()) Later([this] { Quit(); });
  if (e.type == SDL_WINDOWEVENT) WantFrame();
}

bool TDesignerWindow::Pump(std::optional<std::int64_t> untilMs) {
  TakeEvents();
  const bool lively = SDL_GetTicks64() < FLivelyUntil;
  if (FFramesWanted > 0 || lively) Frame();
  RunChanges();  // also those no frame asked for: a close from outside
  if (FQuit) return false;
  const std::int64_t now = Platform::Clock().NowMs();
  std::int64_t wait = untilMs ? std::max<std::int64_t>(0, *untilMs - now) : -1;
  if (FFramesWanted > 0 || SDL_GetTicks64() < FLivelyUntil)
    wait = wait < 0 ? kFrameMs : std::min<std::int64_t>(wait, kFrameMs);
  const int ms = static_cast<int>(std::min<std::int64_t>(wait, 1 << 30));
  SDL_Event e;
  if (ms < 0 ? SDL_WaitEvent(&e) : SDL_WaitEventTimeout(&e, ms)) Handle(e);
  return true;
}

void TDesignerWindow::Step() {
  TakeEvents();
  Forms::Application().ProcessMessages();
  Frame();
  RunChanges();
  Forms::Application().ProcessMessages();
}

void TDesignerWindow::Later(std::function<void()> change) { FChanges.push_back(std::move(change)); }

void TDesignerWindow::RunChanges() {
  while (!FChanges.empty()) {
    std::function<void()> change = std::move(FChanges.front());
    FChanges.erase(FChanges.begin());
    try {
      change();
    } catch (const std::exception& e) {
      Dialogs::MessageDlg(e.what(), Dialogs::mtError, {Dialogs::mbOK}, 0);
    }
    WantFrame();
  }
}

void TDesignerWindow::RunModal(const std::function<bool()>& drawModal) {
  const std::size_t depth = FModals.size() + 1;
  FModals.push_back(drawModal);
  while (FModals.size() >= depth) {
    TakeEvents();
    Forms::Application().ProcessMessages();
    Frame();
    SDL_Event e;
    if (FModals.size() >= depth && SDL_WaitEventTimeout(&e, kFrameMs)) Handle(e);
  }
}

// ---- drawing ----

void TDesignerWindow::Frame() {
  const std::uint64_t ticks = SDL_GetTicks64();
  FImGui->NewFrame(static_cast<float>(ticks - FLastFrameTicks) / 1000.f);
  FLastFrameTicks = ticks;
  DrawPanels();
  if (!FModals.empty() && !FModals.back()()) FModals.pop_back();
  FImGui->Render();
  SDL_RenderPresent(FRenderer);
  UpdateTitle();
  ++FFramesDrawn;
  FFramesWanted = std::max(0, FFramesWanted - 1);
}

Graphics::TSurface TDesignerWindow::Screenshot() {
  Forms::Application().ProcessMessages();
  FImGui->NewFrame(static_cast<float>(kFrameMs) / 1000.f);
  DrawPanels();
  FImGui->Render();
  int w = 0, h = 0;
  SDL_GetRendererOutputSize(FRenderer, &w, &h);
  Graphics::TSurface shot(std::max(1, w), std::max(1, h));
  SDL_RenderReadPixels(FRenderer, nullptr, SDL_PIXELFORMAT_RGB888, shot.Row(0),
                       shot.Stride() * static_cast<int>(sizeof(Graphics::TPixel)));
  SDL_RenderPresent(FRenderer);
  return shot;
}

void TDesignerWindow::DrawPanels() {
  const bool modal = !FModals.empty();
  const bool running = FRunView->Running();
  if (modal) ImGui::BeginDisabled();
  DrawMenu();
  if (!modal) Shortcuts();
  const ImGuiViewport* view = ImGui::GetMainViewport();
  ImGui::SetNextWindowPos(view->WorkPos);
  ImGui::SetNextWindowSize(view->WorkSize);
  ImGui::Begin("designer", nullptr,
               ImGuiWindowFlags_NoDecoration | ImGuiWindowFlags_NoMove |
                   ImGuiWindowFlags_NoBringToFrontOnFocus | ImGuiWindowFlags_NoSavedSettings);
  ImGui::BeginDisabled(running);
  FPalette->Draw();
  ImGui::EndDisabled();
  const float canvasWidth = ImGui::GetContentRegionAvail().x - kInspectorWidth;
  ImGui::BeginChild("work", ImVec2(canvasWidth, 0));
  if (running)
    FRunView->Draw();
  else
    FCanvas->Draw();
  ImGui::EndChild();
  ImGui::SameLine();
  ImGui::BeginChild("inspector", ImVec2(0, 0), true);
  ImGui::BeginDisabled(running);
  FInspector->Draw();
  ImGui::EndDisabled();
  ImGui::EndChild();
  ImGui::End();
  if (modal) ImGui::EndDisabled();
}

void TDesignerWindow::DrawMenu() {
  if (!ImGui::BeginMainMenuBar()) return;
  const bool editing = !FRunView->Running();
  if (ImGui::BeginMenu("File", editing)) {
    if (ImGui::MenuItem("New", "Ctrl+N"))
      Later([this] {
        if (MayDiscard()) FSession.New();
      });
    if (ImGui::MenuItem("Open...", "Ctrl+O")) Later([this] { OpenForm(); });
    if (ImGui::MenuItem("Save", "Ctrl+S")) Later([this] { SaveForm(false); });
    if (ImGui::MenuItem("Save As...", "Ctrl+Shift+S")) Later([this] { SaveForm(true); });
    ImGui::Separator();
    if (ImGui::MenuItem("Quit", "Ctrl+Q")) Later([this] { Quit(); });
    ImGui::EndMenu();
  }
  if (ImGui::BeginMenu("Edit", editing)) {
    if (ImGui::MenuItem("Undo", "Ctrl+Z", false, FSession.CanUndo()))
      Later([this] { FSession.Undo(); });
    if (ImGui::MenuItem("Redo", "Ctrl+Y", false, FSession.CanRedo()))
      Later([this] { FSession.Redo(); });
    ImGui::Separator();
    if (ImGui::MenuItem("Cut", "Ctrl+X")) FCanvas->OnCut();
    if (ImGui::MenuItem("Copy", "Ctrl+C")) FCanvas->OnCopy();
    if (ImGui::MenuItem("Paste", "Ctrl+V")) FCanvas->OnPaste();
    if (ImGui::MenuItem("Delete", "Del")) FCanvas->OnDelete();
    ImGui::Separator();
    if (ImGui::MenuItem("Bring to Front")) Later([this] { FSession.BringToFront(); });
    if (ImGui::MenuItem("Send to Back")) Later([this] { FSession.SendToBack(); });
    ImGui::EndMenu();
  }
  if (ImGui::BeginMenu("View")) {
    if (ImGui::MenuItem("Zoom 1x", "Ctrl+1", FCanvas->Zoom() == 1)) FCanvas->SetZoom(1);
    if (ImGui::MenuItem("Zoom 2x", "Ctrl+2", FCanvas->Zoom() == 2)) FCanvas->SetZoom(2);
    if (ImGui::MenuItem("Snap to Grid", nullptr, FCanvas->Grid() > 1))
      FCanvas->SetGrid(FCanvas->Grid() > 1 ? 0 : 8);
    ImGui::EndMenu();
  }
  if (ImGui::BeginMenu("Run")) {
    if (ImGui::MenuItem(editing ? "Run" : "Stop", "F9")) ToggleRun();
    ImGui::EndMenu();
  }
  ImGui::EndMainMenuBar();
}

void TDesignerWindow::Shortcuts() {
  const ImGuiIO& io = ImGui::GetIO();
  if (Pressed(ImGuiKey_Escape) && !FPalette->Picked().empty()) FPalette->Pick("");
  if (Pressed(SDL_SCANCODE_F9)) ToggleRun();
  if (!io.KeyCtrl || FRunView->Running()) return;
  if (Pressed(SDL_SCANCODE_N))
    Later([this] {
      if (MayDiscard()) FSession.New();
    });
  if (Pressed(SDL_SCANCODE_O)) Later([this] { OpenForm(); });
  if (Pressed(SDL_SCANCODE_S)) Later([this, as = io.KeyShift] { SaveForm(as); });
  if (Pressed(SDL_SCANCODE_Q)) Later([this] { Quit(); });
  if (Pressed(SDL_SCANCODE_1)) FCanvas->SetZoom(1);
  if (Pressed(SDL_SCANCODE_2)) FCanvas->SetZoom(2);
  if (io.WantTextInput) return;  // a text field takes its own editing keys
  if (Pressed(ImGuiKey_Z)) Later([this] { FSession.Undo(); });
  if (Pressed(ImGuiKey_Y)) Later([this] { FSession.Redo(); });
  if (Pressed(ImGuiKey_X)) FCanvas->OnCut();
  if (Pressed(ImGuiKey_C)) FCanvas->OnCopy();
  if (Pressed(ImGuiKey_V)) FCanvas->OnPaste();
}

void TDesignerWindow::ToggleRun() {
  Later([this] {
    if (FRunView->Running())
      FRunView->Stop();
    else
      FRunView->Start();
  });
}

void TDesignerWindow::UpdateTitle() {
  const std::string& file = FSession.FileName();
  std::string title = file.empty() ? "Untitled" : std::filesystem::path(file).filename().string();
  if (FSession.IsModified()) title += " *";
  title += " - Tollenspiegel designer";
  if (title != SDL_GetWindowTitle(FWindow)) SDL_SetWindowTitle(FWindow, title.c_str());
}

// ---- files ----

bool TDesignerWindow::MayDiscard() {
  if (!FSession.IsModified()) return true;
  const std::string name = FSession.FileName().empty() ? "the new form" : FSession.FileName();
  switch (Dialogs::MessageDlg("Save changes to " + name + "?", Dialogs::mtConfirmation,
                              {Dialogs::mbYes, Dialogs::mbNo, Dialogs::mbCancel}, 0)) {
    case Dialogs::mrYes:
      SaveForm(false);
      return !FSession.IsModified();
    case Dialogs::mrNo:
      return true;
    default:
      return false;
  }
}

void TDesignerWindow::OpenForm() {
  if (!MayDiscard()) return;
  Dialogs::TOpenRequest request;
  request.Title = "Open form";
  request.Filter = kFormFilter;
  request.DefaultExt = "form";
  request.Options = {Dialogs::TOpenOption::ofFileMustExist, Dialogs::TOpenOption::ofPathMustExist};
  std::optional<std::vector<std::string>> files = Dialogs::DialogService().ChooseFiles(request);
  if (files && !files->empty()) FSession.Open(files->front());
}

void TDesignerWindow::SaveForm(bool asNew) {
  if (!asNew && !FSession.FileName().empty()) {
    FSession.Save();
    return;
  }
  Dialogs::TOpenRequest request;
  request.Title = "Save form as";
  request.Filter = kFormFilter;
  request.DefaultExt = "form";
  request.FileName = FSession.FileName();
  request.Options = {Dialogs::TOpenOption::ofPathMustExist,
                     Dialogs::TOpenOption::ofOverwritePrompt};
  std::optional<std::vector<std::string>> files = Dialogs::DialogService().ChooseFiles(request);
  if (!files || files->empty()) return;
  FSession.SaveAs(files->front());  // the box gives a new bare name the default extension
}

void TDesignerWindow::Quit() {
  if (MayDiscard()) FQuit = true;
}

}  // namespace Designer
