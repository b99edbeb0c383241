#include "WindowDialogs.h"

#include <imgui.h>

namespace Designer {

namespace {

// Opens the popup `title` on its first frame and keeps it centred.
bool BeginModal(const char* title) {
  if (!ImGui::IsPopupOpen(title)) ImGui::OpenPopup(title);
  const ImVec2 centre(ImGui::GetIO().DisplaySize.x / 2, ImGui::GetIO().DisplaySize.y / 2);
  ImGui::SetNextWindowPos(centre, ImGuiCond_Always, ImVec2(0.5f, 0.5f));
  return ImGui::BeginPopupModal(title, nullptr, ImGuiWindowFlags_AlwaysAutoResize);
}

bool EscapePressed() { return ImGui::IsKeyPressed(ImGui::GetKeyIndex(ImGuiKey_Escape), false); }

// The host breaks a message's lines at a carriage return alone, too.
std::string Lines(std::string text) {
  for (std::size_t i = 0; i < text.size(); ++i)
    if (text[i] == '\r') {
      if (i + 1 < text.size() && text[i + 1] == '\n')
        text.erase(i, 1);
      else
        text[i] = '\n';
    }
  return text;
}

}  // namespace

void TWindowDialogs::Modal(const std::function<bool()>& draw) {
  FUi.RunModal([&] {
    FRects.Clear();
    const bool up = draw();
    if (OnFrame) OnFrame();
    return up;
  });
}

Dialogs::TModalResult TWindowDialogs::ShowMessage(const Dialogs::TMessageRequest& request) {
  std::optional<Dialogs::TModalResult> answer;
  const std::string title = std::string(Dialogs::MessageCaption(request.Type)) + "##message";
  const std::string message = Lines(request.Message);
  Modal([&] {
    if (!BeginModal(title.c_str())) {
      answer = Dialogs::mrCancel;  // closed without a button
      return false;
    }
    ImGui::PushTextWrapPos(480);
    ImGui::TextUnformatted(message.c_str());
    ImGui::PopTextWrapPos();
    ImGui::Spacing();
    bool first = true;
    for (int i = 0; i < Dialogs::kMsgDlgBtnCount; ++i) {
      const auto button = static_cast<Dialogs::TMsgDlgBtn>(i);
      if (!request.Buttons.Contains(button)) continue;
      if (!first) ImGui::SameLine();
      first = false;
      if (ImGui::Button(Dialogs::ButtonCaption(button), ImVec2(90, 0)) &&
          Dialogs::ModalResultOf(button) != Dialogs::mrNone)
        answer = Dialogs::ModalResultOf(button);
      FRects.Record(Dialogs::ButtonCaption(button));
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
  using TKind = Tools::TChoiceAnswer::TKind;
  Tools::TFileChoice choice(request);
  TFileBrowser browser(FUi, choice, FRects);
  const bool saving = request.Options.Contains(Dialogs::ofOverwritePrompt);
  const std::string title = (!request.Title.empty() ? request.Title
                             : saving               ? "Save As"
                                                    : "Open") +
                            "##files";
  for (;;) {
    Modal([&] {
      if (!BeginModal(title.c_str())) return false;
      const bool open = browser.Draw() && !EscapePressed();
      if (!open) ImGui::CloseCurrentPopup();
      ImGui::EndPopup();
      return open;
    });
    const std::optional<Tools::TChoiceAnswer>& answer = browser.Answer();
    if (!answer) return std::nullopt;
    if (answer->Kind == TKind::Chosen) return answer->Files;
    if (Dialogs::MessageDlg(answer->Message, Dialogs::mtConfirmation,
                            {Dialogs::mbYes, Dialogs::mbNo}, 0) == Dialogs::mrYes)
      return answer->Files;
    browser.Reopen();
  }
}

}  // namespace Designer
