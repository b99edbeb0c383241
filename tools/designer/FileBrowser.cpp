#include "FileBrowser.h"

#include <imgui.h>
#include <imgui_stdlib.h>

#include <algorithm>
#include <cmath>

#include "Graphics/Bitmap.h"
#include "Graphics/BmpFile.h"
#include "ImGuiSdl.h"

namespace Designer {

namespace {

constexpr float kListWidth = 460;
constexpr float kListHeight = 280;
constexpr float kButtonWidth = 90;
constexpr float kLabelWidth = 110;
const ImVec4 kProblemColour(0.75f, 0.1f, 0.1f, 1);

// What a click with the keyboard's modifiers held does to the files picked.
Tools::TPickMode ClickMode() {
  const ImGuiIO& io = ImGui::GetIO();
  if (io.KeyShift) return Tools::TPickMode::Range;
  if (io.KeyCtrl) return Tools::TPickMode::Toggle;
  return Tools::TPickMode::Only;
}

bool DoubleClicked() { return ImGui::IsItemHovered() && ImGui::IsMouseDoubleClicked(0); }

}  // namespace

// ---- the preview ----

TPicturePreview PreviewPicture(const std::string& path, int side) {
  TPicturePreview preview;
  try {
    Graphics::TBitmap source;
    Graphics::TDecodedBmp bmp = Graphics::ReadBmpFile(path);
    source.SetSurface(std::move(bmp.Pixels), bmp.BottomUp);
    preview.Size = {source.Width(), source.Height()};
    const double scale = std::min(static_cast<double>(side) / source.Width(),
                                  static_cast<double>(side) / source.Height());
    const int width = std::max(1, static_cast<int>(std::lround(source.Width() * scale)));
    const int height = std::max(1, static_cast<int>(std::lround(source.Height() * scale)));
    Graphics::TBitmap fitted(width, height);
    fitted.Canvas().StretchDraw({0, 0, width, height}, source);
    preview.Picture = fitted.Surface();
  } catch (const std::exception& e) {
    preview.Problem = e.what();
  }
  return preview;
}

// ---- TFileBrowser ----

TFileBrowser::TFileBrowser(TDesignerUi& ui, Tools::TFileChoice& choice, TItemRects& rects)
    : FUi(ui), FChoice(choice), FRects(rects) {}

TFileBrowser::~TFileBrowser() = default;

bool TFileBrowser::Draw() {
  DrawPathBar();
  DrawList();
  if (FChoice.Request().Pictures) {
    ImGui::SameLine();
    DrawPreview();
  }
  DrawNameAndFilter();
  if (!FProblem.empty()) {
    ImGui::TextColored(kProblemColour, "%s", FProblem.c_str());
    FRects.Record(FProblem);
  }
  DrawButtons();
  return !FClosed;
}

void TFileBrowser::DrawPathBar() {
  if (FPathShown != FChoice.Folder()) {
    FPathShown = FChoice.Folder();
    FPathText = FPathShown.string();
  }
  if (ImGui::Button("Up")) FChoice.Up();
  FRects.Record("Up");
  ImGui::SameLine();
  const float previewWidth =
      FChoice.Request().Pictures ? kPreviewSide + 16 + ImGui::GetStyle().ItemSpacing.x : 0;
  ImGui::SetNextItemWidth(kListWidth + previewWidth - ImGui::GetItemRectSize().x -
                          ImGui::GetStyle().ItemSpacing.x);
  if (ImGui::InputText("##path", &FPathText, ImGuiInputTextFlags_EnterReturnsTrue)) {
    if (FChoice.Enter(FPathText))
      FProblem.clear();
    else
      FProblem = "The folder " + FPathText + " does not exist.";
  }
  FRects.Record("Path");
}

void TFileBrowser::DrawList() {
  ImGui::BeginChild("entries", ImVec2(kListWidth, kListHeight), true);
  std::optional<std::string> enter;
  bool open = false;
  const std::vector<std::string>& folders = FChoice.Entries().Folders;
  const std::vector<std::string>& files = FChoice.Entries().Files;
  // Only the rows in sight are drawn: a folder may hold many thousands.
  ImGuiListClipper rows;
  rows.Begin(static_cast<int>(folders.size() + files.size()));
  while (rows.Step()) {
    for (auto i = static_cast<std::size_t>(rows.DisplayStart);
         i < static_cast<std::size_t>(rows.DisplayEnd); ++i) {
      if (i < folders.size()) {
        if (FolderRow(folders[i])) enter = folders[i];
      } else if (FileRow(files[i - folders.size()])) {
        open = true;
      }
    }
  }
  if (!FChoice.ListProblem().empty())
    ImGui::TextColored(kProblemColour, "%s", FChoice.ListProblem().c_str());
  ImGui::EndChild();
  // The list is changed once it is drawn, never while it is being drawn.
  if (enter && FChoice.Enter(*enter)) FProblem.clear();
  if (open) Open();
}

// A folder's row; true when it was double-clicked.
bool TFileBrowser::FolderRow(const std::string& folder) {
  const std::string label = folder + "/";
  ImGui::Selectable(label.c_str(), false, ImGuiSelectableFlags_AllowDoubleClick);
  FRects.Record(label);
  return DoubleClicked();
}

// A file's row; a click picks it, and true tells it was double-clicked.
bool TFileBrowser::FileRow(const std::string& file) {
  bool twice = false;
  if (ImGui::Selectable(file.c_str(), FChoice.IsPicked(file),
                        ImGuiSelectableFlags_AllowDoubleClick)) {
    twice = ImGui::IsMouseDoubleClicked(0);
    FChoice.Pick(file, twice ? Tools::TPickMode::Only : ClickMode());
  }
  FRects.Record(file);
  return twice;
}

void TFileBrowser::DrawPreview() {
  ImGui::BeginChild("preview", ImVec2(kPreviewSide + 16, kListHeight), true);
  const std::string path =
      FChoice.Picked().size() == 1 ? FChoice.FullName(FChoice.Picked().front()) : "";
  if (path != FPreviewPath) {
    FPreviewPath = path;
    FPreview = path.empty() ? TPicturePreview{} : PreviewPicture(path, kPreviewSide);
    if (!FPreview.Picture.Empty()) {
      FPreviewTexture = std::make_unique<TSurfaceTexture>(FUi.Renderer());
      FPreviewTexture->Update(FPreview.Picture, FPreview.Picture.Bounds());
    }
  }
  if (!FPreview.Problem.empty()) {
    ImGui::PushTextWrapPos(ImGui::GetCursorPosX() + kPreviewSide);
    ImGui::TextColored(kProblemColour, "%s", FPreview.Problem.c_str());
    ImGui::PopTextWrapPos();
  } else if (!FPreview.Picture.Empty()) {
    ImGui::Image(FPreviewTexture->Id(), ImVec2(static_cast<float>(FPreview.Picture.Width()),
                                               static_cast<float>(FPreview.Picture.Height())));
    FRects.Record("Preview");
    ImGui::Text("%d x %d pixels", FPreview.Size.X, FPreview.Size.Y);
  }
  ImGui::EndChild();
}

void TFileBrowser::DrawNameAndFilter() {
  const float fieldWidth = ImGui::GetContentRegionAvail().x - kLabelWidth;
  ImGui::AlignTextToFramePadding();
  ImGui::TextUnformatted("File name:");
  ImGui::SameLine(kLabelWidth);
  ImGui::SetNextItemWidth(fieldWidth);
  if (ImGui::IsWindowAppearing()) ImGui::SetKeyboardFocusHere();
  if (ImGui::InputText("##name", &FChoice.Text(), ImGuiInputTextFlags_EnterReturnsTrue)) Open();
  FRects.Record("File name");
  const std::vector<Tools::TFilterEntry>& filters = FChoice.Filters();
  ImGui::AlignTextToFramePadding();
  ImGui::TextUnformatted("Files of type:");
  ImGui::SameLine(kLabelWidth);
  ImGui::SetNextItemWidth(fieldWidth);
  if (ImGui::BeginCombo("##type", filters[FChoice.FilterIndex()].Description.c_str())) {
    for (std::size_t i = 0; i < filters.size(); ++i) {
      if (ImGui::Selectable(filters[i].Description.c_str(), i == FChoice.FilterIndex()))
        FChoice.SetFilterIndex(i);
      FRects.Record(filters[i].Description);
    }
    ImGui::EndCombo();
  }
  FRects.Record("Files of type");
}

void TFileBrowser::DrawButtons() {
  const char* verb =
      FChoice.Request().Options.Contains(Dialogs::ofOverwritePrompt) ? "Save" : "Open";
  if (ImGui::Button(verb, ImVec2(kButtonWidth, 0))) Open();
  FRects.Record(verb);
  ImGui::SameLine();
  if (ImGui::Button("Cancel", ImVec2(kButtonWidth, 0))) FClosed = true;
  FRects.Record("Cancel");
}

void TFileBrowser::Open() {
  using TKind = Tools::TChoiceAnswer::TKind;
  Tools::TChoiceAnswer answer = FChoice.Open();
  switch (answer.Kind) {
    case TKind::Nothing:
      break;
    case TKind::Refused:
      FProblem = answer.Message;
      break;
    case TKind::Entered:
      FProblem.clear();
      break;
    case TKind::Confirm:
    case TKind::Chosen:
      FAnswer = std::move(answer);
      FClosed = true;
      break;
  }
}

}  // namespace Designer
