#include "Inspector.h"

#include <imgui.h>
#include <imgui_stdlib.h>

#include <algorithm>
#include <cmath>

#include "Classes/Strings.h"
#include "DsgnIntf.h"
#include "Graphics/Colors.h"
#include "ImGuiSdl.h"
#include "SysUtils.h"

namespace Designer {

namespace {

const ImVec4 kErrorColor(0.85f, 0.1f, 0.1f, 1.0f);

// The name at `depth` of a dotted path: "Pen" is at 0 in "Pen.Width".
std::string Segment(const std::string& path, int depth) {
  std::size_t start = 0;
  for (int i = 0; i < depth; ++i) start = path.find('.', start) + 1;
  return path.substr(start, path.find('.', start) - start);
}

// The path up to and with the name at `depth`: "Pen" of "Pen.Width" at 0.
std::string Prefix(const std::string& path, int depth) {
  std::size_t end = path.find('.');
  for (int i = 0; i < depth && end != std::string::npos; ++i) end = path.find('.', end + 1);
  return path.substr(0, end);
}

int Depth(const std::string& path) {
  return static_cast<int>(std::count(path.begin(), path.end(), '.'));
}

std::vector<std::string> SetNames(const Tools::TPropertyRow& row) {
  std::vector<std::string> names;
  if (row.Type != nullptr && row.Type->ElemType != nullptr)
    for (std::string_view name : row.Type->ElemType->Names) names.emplace_back(name);
  return names;
}

float Channel(Graphics::TColor rgb, int shift) {
  return static_cast<float>((static_cast<std::uint32_t>(rgb) >> shift) & 0xFFu) / 255.0f;
}

// Escape lets go of the popup being drawn, as it does of any menu.
void CloseOnEscape() {
  if (ImGui::IsKeyPressed(ImGui::GetKeyIndex(ImGuiKey_Escape), false)) ImGui::CloseCurrentPopup();
}

}  // namespace

// ---- without a window ----

TRowEditor EditorFor(const Tools::TPropertyRow& row) {
  using TypInfo::TTypeKind;
  if (row.Type == nullptr) return TRowEditor::Text;
  if (row.Type == Graphics::ColorType()) return TRowEditor::Color;
  if (row.Type->Kind == TTypeKind::Set) return TRowEditor::Set;
  if (DsgnIntf::IsStringList(*row.Type)) return TRowEditor::Lines;
  if (row.Values == std::vector<std::string>{"False", "True"}) return TRowEditor::Check;
  if (row.Attributes.Contains(DsgnIntf::paValueList)) return TRowEditor::Choice;
  return TRowEditor::Text;
}

bool SetHas(const std::string& value, const std::string& element) {
  std::size_t start = value.find('[');
  while (start != std::string::npos && start + 1 < value.size()) {
    const std::size_t end = value.find_first_of(",]", start + 1);
    std::string name = value.substr(start + 1, end - start - 1);
    name.erase(0, name.find_first_not_of(' '));
    name.erase(name.find_last_not_of(' ') + 1);
    if (SysUtils::SameText(name, element)) return true;
    start = end == std::string::npos || value[end] == ']' ? std::string::npos : end;
  }
  return false;
}

std::string SetWith(const std::string& value, const std::string& element, bool in,
                    const std::vector<std::string>& all) {
  std::string text = "[";
  for (const std::string& name : all) {
    const bool chosen = SysUtils::SameText(name, element) ? in : SetHas(value, name);
    if (!chosen) continue;
    if (text.size() > 1) text += ", ";
    text += name;
  }
  return text + "]";
}

std::string LinesText(const std::string& value) {
  std::vector<std::string> lines;
  try {
    lines = DsgnIntf::StringListLines(value);
  } catch (const SysUtils::Exception&) {
    return value;  // not a list: shown as it stands
  }
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

std::string LinesValue(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return DsgnIntf::StringListValue(lines);
}

std::array<float, 3> ColorRgb(const std::string& value) {
  const Graphics::TColor rgb =
      Graphics::ColorToRGB(Graphics::StringToColor(value).value_or(Graphics::clBlack));
  return {Channel(rgb, 0), Channel(rgb, 8), Channel(rgb, 16)};
}

std::string ColorValue(const std::array<float, 3>& rgb) {
  std::uint32_t bits = 0;
  for (int i = 0; i < 3; ++i) {
    const float c = std::clamp(rgb[static_cast<std::size_t>(i)], 0.0f, 1.0f);
    bits |= static_cast<std::uint32_t>(std::lround(c * 255.0f)) << (8 * i);
  }
  return Graphics::ColorToString(static_cast<Graphics::TColor>(bits));
}

// ---- the panel ----

struct TInspector::TRowSpan {
  const std::vector<Tools::TPropertyRow>& Rows;
  std::size_t Begin;
  std::size_t End;
  int Depth;
};

void TInspector::Draw() {
  Tools::TDesignSession& s = FUi.Session();
  const std::vector<std::string>& selection = s.Selection();
  const std::string name = selection.size() == 1 ? selection[0] : s.Form().Name();
  if (name != FComponent) {
    FComponent = name;
    FErrors.clear();
    FEditing.clear();
  }
  FRows.Clear();  // what tests find is what this frame shows
  FItems.Clear();
  const std::string title = name + ": " + std::string(s.Component(name).ClassName());
  ImGui::TextUnformatted(title.c_str());
  ImGui::Separator();
  if (!ImGui::BeginTable("properties", 2,
                         ImGuiTableFlags_BordersInnerV | ImGuiTableFlags_RowBg |
                             ImGuiTableFlags_ScrollY | ImGuiTableFlags_Resizable))
    return;
  ImGui::TableSetupColumn("Property", ImGuiTableColumnFlags_WidthFixed, 130);
  ImGui::TableSetupColumn("Value", ImGuiTableColumnFlags_WidthStretch);
  // The name first, as the component's own row: the session keeps it out of
  // the property rows, since a form file writes it in the object's line.
  std::vector<Tools::TPropertyRow> rows{{"Name", name, {}, TypInfo::StringType(), {}}};
  for (Tools::TPropertyRow& row : s.Properties(name)) rows.push_back(std::move(row));
  DrawRows({rows, 0, rows.size(), 0});
  ImGui::EndTable();
}

// Rows at `Depth`; a run of rows under one sub-object becomes its tree node.
void TInspector::DrawRows(const TRowSpan& span) {
  for (std::size_t i = span.Begin; i < span.End;) {
    const std::string& path = span.Rows[i].Path;
    if (Depth(path) == span.Depth) {
      DrawRow(span.Rows[i++]);
      continue;
    }
    const std::string object = Segment(path, span.Depth);
    std::size_t end = i;
    while (end < span.End && Depth(span.Rows[end].Path) > span.Depth &&
           Segment(span.Rows[end].Path, span.Depth) == object)
      ++end;
    DrawObject({span.Rows, i, end, span.Depth + 1}, Prefix(path, span.Depth));
    i = end;
  }
}

void TInspector::DrawObject(const TRowSpan& span, const std::string& name) {
  ImGui::TableNextRow();
  ImGui::TableNextColumn();
  ImGui::AlignTextToFramePadding();
  const bool open = ImGui::TreeNodeEx(name.c_str(), ImGuiTreeNodeFlags_SpanFullWidth, "%s",
                                      Segment(name, span.Depth - 1).c_str());
  Record(name);
  ImGui::TableNextColumn();
  // What the object's own editor shows: its class, as "(TPen)".
  const std::string value = FUi.Session().PropertyEditor(FComponent + "." + name)->GetValue();
  ImGui::TextDisabled("%s", value.c_str());
  if (!open) return;
  DrawRows(span);
  ImGui::TreePop();
}

void TInspector::DrawRow(const Tools::TPropertyRow& row) {
  ImGui::PushID(row.Path.c_str());
  ImGui::TableNextRow();
  ImGui::TableNextColumn();
  ImGui::AlignTextToFramePadding();
  const bool readOnly = row.Attributes.Contains(DsgnIntf::paReadOnly);
  if (readOnly) ImGui::BeginDisabled();
  const std::string label = Segment(row.Path, Depth(row.Path));
  const bool isSet = EditorFor(row) == TRowEditor::Set;
  const bool open = ImGui::TreeNodeEx(
      "##name", isSet ? ImGuiTreeNodeFlags_None : ImGuiTreeNodeFlags_Leaf, "%s", label.c_str());
  if (isSet) Record(row.Path + "[]");
  if (ImGui::IsItemHovered()) ImGui::SetTooltip("%s", row.Path.c_str());
  ImGui::TableNextColumn();
  DrawValue(row);
  DrawError(row.Path);
  if (readOnly) ImGui::EndDisabled();
  if (open) {
    if (isSet) DrawSetElements(row);
    ImGui::TreePop();
  }
  ImGui::PopID();
}

void TInspector::DrawValue(const Tools::TPropertyRow& row) {
  const bool dialog = row.Attributes.Contains(DsgnIntf::paDialog);
  const float button = dialog ? ImGui::GetFrameHeight() : 0;
  const float width = dialog ? -(button + ImGui::GetStyle().ItemSpacing.x) : -FLT_MIN;
  ImGui::SetNextItemWidth(width);
  switch (EditorFor(row)) {
    case TRowEditor::Check:
      DrawCheck(row);
      break;
    case TRowEditor::Choice:
      DrawChoice(row, false);
      break;
    case TRowEditor::Color:
      DrawColor(row);
      break;
    case TRowEditor::Lines:
      DrawLines(row);
      break;
    case TRowEditor::Set:
    case TRowEditor::Text:
      DrawText(row, width);
      break;
  }
  if (!dialog) return;
  ImGui::SameLine();
  const std::string path = FComponent + "." + row.Path;
  Tools::TDesignSession& s = FUi.Session();
  if (ImGui::Button("...", ImVec2(button, 0))) FUi.Later([&s, path] { s.EditProperty(path); });
  Record(row.Path + "...");
}

void TInspector::DrawText(const Tools::TPropertyRow& row, float width) {
  // While a field is being typed in, its text lives here, not in the property.
  std::string value = FEditing == row.Path ? FBuffer : row.Value;
  ImGui::SetNextItemWidth(width);
  const bool fixed = row.Attributes.Contains(DsgnIntf::paReadOnly) ||
                     EditorFor(row) == TRowEditor::Set;  // a set changes by its elements
  ImGui::InputText("##value", &value,
                   fixed ? ImGuiInputTextFlags_ReadOnly : ImGuiInputTextFlags_None);
  Record(row.Path);
  if (ImGui::IsItemActive()) {
    FEditing = row.Path;
    FBuffer = value;
  }
  if (ImGui::IsItemDeactivated()) {
    if (value != row.Value && !fixed) Set(row.Path, value);
    FEditing.clear();
  }
}

void TInspector::DrawCheck(const Tools::TPropertyRow& row) {
  bool checked = row.Value == "True";
  if (ImGui::Checkbox("##value", &checked)) Set(row.Path, checked ? "True" : "False");
  Record(row.Path);
}

void TInspector::DrawChoice(const Tools::TPropertyRow& row, bool swatches) {
  const bool open = ImGui::BeginCombo("##value", row.Value.c_str(), ImGuiComboFlags_HeightLargest);
  Record(row.Path);
  if (!open) return;
  const float side = ImGui::GetTextLineHeight();
  for (const std::string& value : row.Values) {
    if (swatches) {
      const std::array<float, 3> rgb = ColorRgb(value);
      ImGui::ColorButton(("##" + value).c_str(), ImVec4(rgb[0], rgb[1], rgb[2], 1.0f),
                         ImGuiColorEditFlags_NoAlpha | ImGuiColorEditFlags_NoTooltip,
                         ImVec2(side, side));
      ImGui::SameLine();
    }
    const bool current = value == row.Value;
    if (ImGui::Selectable(value.c_str(), current) && !current) Set(row.Path, value);
    if (current) ImGui::SetItemDefaultFocus();
    if (ImGui::IsItemVisible()) FItems.Record(row.Path + "\n" + value);
  }
  CloseOnEscape();
  ImGui::EndCombo();
}

void TInspector::DrawColor(const Tools::TPropertyRow& row) {
  const std::array<float, 3> rgb = ColorRgb(row.Value);
  if (ImGui::ColorButton("##swatch", ImVec4(rgb[0], rgb[1], rgb[2], 1.0f),
                         ImGuiColorEditFlags_NoAlpha)) {
    FPicked = rgb;
    ImGui::OpenPopup("picker");
  }
  Record(row.Path + ".swatch");
  if (ImGui::BeginPopup("picker")) {
    ImGui::ColorPicker3("##picker", FPicked.data(), ImGuiColorEditFlags_NoAlpha);
    if (ImGui::IsItemDeactivatedAfterEdit()) Set(row.Path, ColorValue(FPicked));
    Record(row.Path + ".picker");
    CloseOnEscape();
    ImGui::EndPopup();
  }
  ImGui::SameLine(0, ImGui::GetStyle().ItemInnerSpacing.x);
  ImGui::SetNextItemWidth(-FLT_MIN);
  DrawChoice(row, true);
}

void TInspector::DrawSetElements(const Tools::TPropertyRow& row) {
  const std::vector<std::string> names = SetNames(row);
  for (const std::string& name : names) {
    ImGui::TableNextRow();
    ImGui::TableNextColumn();
    ImGui::AlignTextToFramePadding();
    ImGui::TreeNodeEx(name.c_str(), ImGuiTreeNodeFlags_Leaf | ImGuiTreeNodeFlags_NoTreePushOnOpen);
    ImGui::TableNextColumn();
    bool in = SetHas(row.Value, name);
    if (ImGui::Checkbox(("##" + name).c_str(), &in))
      Set(row.Path, SetWith(row.Value, name, in, names));
    Record(row.Path + "." + name);
  }
}

void TInspector::DrawLines(const Tools::TPropertyRow& row) {
  const std::string text = LinesText(row.Value);
  const auto count = std::count(text.begin(), text.end(), '\n');
  const std::string shown = "(" + std::to_string(count) + (count == 1 ? " line)" : " lines)");
  if (ImGui::Button(shown.c_str(), ImVec2(ImGui::CalcItemWidth(), 0))) {
    FLines = text;
    ImGui::OpenPopup("lines");
  }
  Record(row.Path);
  if (!ImGui::BeginPopup("lines")) return;
  ImGui::TextUnformatted("One line for each item:");
  ImGui::InputTextMultiline("##lines", &FLines, ImVec2(420, 220));
  Record(row.Path + ".lines");
  if (ImGui::Button("OK")) {
    Set(row.Path, LinesValue(FLines));
    ImGui::CloseCurrentPopup();
  }
  Record(row.Path + ".ok");
  ImGui::SameLine();
  if (ImGui::Button("Cancel")) ImGui::CloseCurrentPopup();
  CloseOnEscape();
  ImGui::EndPopup();
}

void TInspector::DrawError(const std::string& path) const {
  auto it = FErrors.find(path);
  if (it == FErrors.end()) return;
  ImGui::PushStyleColor(ImGuiCol_Text, kErrorColor);
  ImGui::TextWrapped("%s", it->second.c_str());
  ImGui::PopStyleColor();
}

void TInspector::Record(const std::string& path) {
  if (ImGui::IsItemVisible()) FRows.Record(path);
}

void TInspector::Set(const std::string& path, const std::string& value) {
  FUi.Later([this, path, value, component = FComponent] {
    try {
      FUi.Session().SetProperty(component + "." + path, value);
      FErrors.erase(path);
    } catch (const SysUtils::Exception& refused) {
      FErrors[path] = refused.what();
    }
  });
}

Types::TRect TInspector::RowRect(const std::string& path) const { return FRows.Rect(path); }

Types::TRect TInspector::ItemRect(const std::string& path, const std::string& value) const {
  return FItems.Rect(path + "\n" + value);
}

std::string TInspector::Error(const std::string& path) const {
  auto it = FErrors.find(path);
  return it == FErrors.end() ? std::string() : it->second;
}

}  // namespace Designer
