#include "Inspector.h"

#include <imgui.h>
#include <imgui_stdlib.h>

namespace Designer {

void TInspector::Draw() {
  Tools::TDesignSession& s = FUi.Session();
  const std::vector<std::string>& selection = s.Selection();
  const std::string name = selection.size() == 1 ? selection[0] : s.Form().Name();
  ImGui::TextUnformatted(name.c_str());
  ImGui::Separator();
  if (!ImGui::BeginTable("properties", 2,
                         ImGuiTableFlags_BordersInnerV | ImGuiTableFlags_RowBg |
                             ImGuiTableFlags_ScrollY | ImGuiTableFlags_Resizable))
    return;
  ImGui::TableSetupColumn("Property", ImGuiTableColumnFlags_WidthFixed, 130);
  ImGui::TableSetupColumn("Value", ImGuiTableColumnFlags_WidthStretch);
  for (const Tools::TPropertyRow& row : s.Properties(name)) Row(name, row);
  ImGui::EndTable();
}

void TInspector::Row(const std::string& component, const Tools::TPropertyRow& row) {
  Tools::TDesignSession& s = FUi.Session();
  ImGui::PushID(row.Path.c_str());
  ImGui::TableNextRow();
  ImGui::TableNextColumn();
  ImGui::TextUnformatted(row.Path.c_str());
  ImGui::TableNextColumn();
  const bool dialog = row.Attributes.Contains(DsgnIntf::paDialog);
  const float button = dialog ? ImGui::GetFrameHeight() : 0;
  ImGui::SetNextItemWidth(dialog ? -(button + ImGui::GetStyle().ItemSpacing.x) : -FLT_MIN);
  const std::string path = component + "." + row.Path;
  // While a field is being typed in, its text lives here, not in the property.
  std::string value = FEditing == path ? FBuffer : row.Value;
  const bool readOnly = row.Attributes.Contains(DsgnIntf::paReadOnly);
  ImGui::InputText("##value", &value,
                   readOnly ? ImGuiInputTextFlags_ReadOnly : ImGuiInputTextFlags_None);
  if (ImGui::IsItemActive()) {
    FEditing = path;
    FBuffer = value;
  }
  if (ImGui::IsItemDeactivated()) {
    if (value != row.Value) FUi.Later([&s, path, value] { s.SetProperty(path, value); });
    FEditing.clear();
  }
  if (dialog) {
    ImGui::SameLine();
    if (ImGui::Button("...", ImVec2(button, 0))) FUi.Later([&s, path] { s.EditProperty(path); });
  }
  ImGui::PopID();
}

}  // namespace Designer
