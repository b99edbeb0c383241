#include "WindowDialogs.h"

#include <imgui.h>
#include <imgui_stdlib.h>

#include "ShellWords.h"
#include "SysUtils.h"

namespace Designer {

namespace {

constexpr int kButtonCount = 11;

// Opens the popup `title` on its first frame and keeps it centred.
bool BeginModal(const char* title) {
  if (!ImGui::IsPopupOpen(title)) ImGui::OpenPopup(title);
  const ImVec2 centre(ImGui::GetIO().DisplaySize.x / 2, ImGui::GetIO().DisplaySize.y / 2);
  ImGui::SetNextWindowPos(centre, ImGuiCond_Always, ImVec2(0.5f, 0.5f));
  return ImGui::BeginPopupModal(title, nullptr, ImGuiWindowFlags_AlwaysAutoResize);
}

bool EscapePressed() { return ImGui::IsKeyPressed(ImGui::GetKeyIndex(ImGuiKey_Escape), false); }

}  // namespace

Dialogs::TModalResult TWindowDialogs::ShowMessage(const Dialogs::TMessageRequest& request) {
  std::optional<Dialogs::TModalResult> answer;
  const std::string title = std::string(Dialogs::MessageCaption(request.Type)) + "##message";
  FUi.RunModal([&] {
    if (!BeginModal(title.c_str())) {
      answer = Dialogs::mrCancel;  // closed without a button
      return false;
    }
    ImGui::PushTextWrapPos(480);
    ImGui::TextUnformatted(request.Message.c_str());
    ImGui::PopTextWrapPos();
    ImGui::Spacing();
    bool first = true;
    for (int i = 0; i < kButtonCount; ++i) {
      const auto button = static_cast<Dialogs::TMsgDlgBtn>(i);
      if (!request.Buttons.Contains(button)) continue;
      if (!first) ImGui::SameLine();
      first = false;
      if (ImGui::Button(Dialogs::ButtonCaption(button), ImVec2(90, 0)) &&
          Dialogs::ModalResultOf(button) != Dialogs::mrNone)
        answer = Dialogs::ModalResultOf(button);
    }
    if (!answer && EscapePressed()) answer = Dialogs::EscapeResult(request.Buttons);
    if (answer) ImGui::CloseCurrentPopup();
    ImGui::EndPopup();
    return !answer;
  });
  return answer.value_or(Dialogs::mrCancel);
}

std::optional<std::vector<std::string>> TWindowDialogs::ChooseFiles(
    const Dialogs::TOpenRequest& request) {
  std::optional<std::vector<std::string>> chosen;
  bool done = false;
  std::string names = request.FileName, problem;
  const std::string title =
      (request.Title.empty() ? std::string("Open") : request.Title) + "##files";
  const bool mustExist = request.Options.Contains(Dialogs::TOpenOption::ofFileMustExist);
  FUi.RunModal([&] {
    if (!BeginModal(title.c_str())) return false;
    if (!request.InitialDir.empty()) ImGui::Text("Folder: %s", request.InitialDir.c_str());
    if (!request.Filter.empty()) ImGui::Text("Filter: %s", request.Filter.c_str());
    ImGui::SetNextItemWidth(420);
    if (ImGui::IsWindowAppearing()) ImGui::SetKeyboardFocusHere();
    const bool entered =
        ImGui::InputText("File names", &names, ImGuiInputTextFlags_EnterReturnsTrue);
    if (!problem.empty()) ImGui::TextColored(ImVec4(0.7f, 0, 0, 1), "%s", problem.c_str());
    if (ImGui::Button("Open", ImVec2(90, 0)) || entered) {
      try {
        std::vector<std::string> files = Tools::ShellWords(names);
        problem.clear();
        for (const std::string& f : files)
          if (mustExist && !SysUtils::FileExists(f)) problem = "Cannot find " + f;
        if (problem.empty() && !files.empty()) {
          chosen = std::move(files);
          done = true;
        }
      } catch (const std::exception& e) {
        problem = e.what();
      }
    }
    ImGui::SameLine();
    if (ImGui::Button("Cancel", ImVec2(90, 0)) || EscapePressed()) done = true;
    if (done) ImGui::CloseCurrentPopup();
    ImGui::EndPopup();
    return !done;
  });
  return chosen;
}

}  // namespace Designer
