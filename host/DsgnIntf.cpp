#include "DsgnIntf.h"

#include <algorithm>

#include "Classes/PropertyText.h"
#include "Classes/Strings.h"
#include "Graphics/Colors.h"
#include "Graphics/GraphicsTypes.h"
#include "SysUtils.h"

namespace DsgnIntf {

namespace {

struct TPropertyRegistration {
  const TypInfo::TTypeInfo* Type;
  System::TClass ComponentClass;
  std::string PropertyName;
  TPropertyEditorClass Editor;
};

struct TComponentRegistration {
  System::TClass ComponentClass;
  TComponentEditorClass Editor;
};

struct TRegistries {
  std::vector<TPalettePage> Pages;
  std::vector<TPropertyRegistration> PropertyEditors;
  std::vector<TComponentRegistration> ComponentEditors;
};

TRegistries& Registries() {
  static TRegistries registries;
  return registries;
}

// How closely a registration fits: -1 not at all; a named property beats a class,
// a class beats none, and a nearer class beats a farther one.
int Fit(const TPropertyRegistration& r, System::TClass cls, const TypInfo::TPropInfo& prop) {
  if (r.Type != prop.Type && (r.Type == nullptr || r.Type->Name != prop.Type->Name)) return -1;
  if (!r.PropertyName.empty() && !SysUtils::SameText(r.PropertyName, prop.Name)) return -1;
  int score = r.PropertyName.empty() ? 0 : 1000;
  if (r.ComponentClass != nullptr) {
    int depth = 0;
    System::TClass c = cls;
    while (c != nullptr && c != r.ComponentClass) {
      c = c->Parent;
      ++depth;
    }
    if (c == nullptr) return -1;
    score += 500 - std::min(depth, 499);
  }
  return score;
}

}  // namespace

bool IsStringList(const TypInfo::TTypeInfo& type) {
  return type.Kind == TypInfo::TTypeKind::Class && type.ClassRef != nullptr &&
         type.ClassRef->InheritsFrom(Classes::TStrings::StaticClass());
}

// ---- TPropertyEditor ----

TPropertyEditor::TPropertyEditor(TDesigner& designer, Classes::TPersistent& instance,
                                 TypInfo::TPropInfo prop)
    : FDesigner(designer), FInstance(instance), FProp(std::move(prop)) {}

TPropertyAttributes TPropertyEditor::GetAttributes() {
  if (FProp.Type->Kind == TypInfo::TTypeKind::Class) return {paSubProperties, paReadOnly};
  if (FProp.Type->Kind == TypInfo::TTypeKind::Enumeration || !FProp.Type->Idents.empty())
    return {paValueList, paRevertable};
  return {paRevertable};
}

std::string TPropertyEditor::GetValue() { return Classes::ValueText(FInstance, FProp); }

void TPropertyEditor::SetValue(const std::string& value) {
  Classes::SetValueText(FInstance, FProp, value);
  FDesigner.Modified();
}

std::string TPropertyEditor::GetStrValue() const {
  return FProp.GetStr ? FProp.GetStr(FInstance) : std::string();
}

void TPropertyEditor::SetStrValue(const std::string& value) {
  if (!FProp.SetStr) return;
  FProp.SetStr(FInstance, value);
  FDesigner.Modified();
}

// An enumeration's names, or an integer's: each value once, by the name it is
// written with.
void TPropertyEditor::GetValues(const std::function<void(const std::string&)>& proc) {
  const TypInfo::TTypeInfo& type = *FProp.Type;
  if (type.Kind == TypInfo::TTypeKind::Enumeration)
    for (std::string_view name : type.Names) proc(std::string(name));
  for (const TypInfo::TIdentMapEntry& entry : type.Idents)
    if (TypInfo::IntToIdent(entry.Value, type.Idents) == entry.Name) proc(std::string(entry.Name));
}

TPropertyAttributes TStringProperty::GetAttributes() { return {paMultiSelect, paRevertable}; }

// ---- colours ----

TPropertyAttributes TColorProperty::GetAttributes() {
  return {paMultiSelect, paValueList, paRevertable};
}

std::string TColorProperty::GetValue() {
  return Graphics::ColorToString(
      static_cast<Graphics::TColor>(PropInfo().GetOrd(*GetComponent(0))));
}

// ---- events ----

void TMethodProperty::SetValue(const std::string& value) {
  if (value == GetValue()) return;
  Classes::TComponent& root = Designer().Root();
  const TypInfo::TBindResult bound = TypInfo::BindMethod(*GetComponent(0), PropInfo(), root, value);
  if (bound == TypInfo::TBindResult::NoMethod)
    throw SysUtils::Exception(std::string(root.ClassName()) + " has no method \"" + value + "\"");
  if (bound == TypInfo::TBindResult::Misfit)
    throw SysUtils::Exception("method \"" + value + "\" does not fit " + GetName());
  Designer().Modified();
}

// ---- string lists ----

std::string StringListValue(const std::vector<std::string>& lines) {
  std::string text = "(";
  for (const std::string& line : lines) {
    if (text.size() > 1) text += ' ';
    text += Classes::QuotedString(line);
  }
  return text + ")";
}

std::vector<std::string> StringListLines(const std::string& value) {
  const std::string source = "string list";
  return Classes::StringsOf(Classes::ParseFormValue(value, source), source);
}

std::string TStringsProperty::GetValue() {
  const auto* list = dynamic_cast<const Classes::TStrings*>(PropInfo().GetObject(*GetComponent(0)));
  return StringListValue(list != nullptr ? list->ToVector() : std::vector<std::string>{});
}

void TStringsProperty::SetValue(const std::string& value) {
  Classes::TStringList lines;
  for (const std::string& line : StringListLines(value)) lines.Add(line);
  PropInfo().SetObject(*GetComponent(0), &lines);
  Designer().Modified();
}

// ---- TComponentEditor ----

void TComponentEditor::Edit() {
  if (GetVerbCount() > 0) ExecuteVerb(0);
}

// ---- registries ----

void RegisterComponents(const std::string& page, std::initializer_list<System::TClass> classes) {
  auto& pages = Registries().Pages;
  auto it = std::find_if(pages.begin(), pages.end(),
                         [&](const TPalettePage& p) { return SysUtils::SameText(p.Name, page); });
  if (it == pages.end()) it = pages.insert(pages.end(), TPalettePage{page, {}});
  for (System::TClass c : classes) {
    if (std::find(it->Classes.begin(), it->Classes.end(), c) == it->Classes.end())
      it->Classes.push_back(c);
    Classes::RegisterClass(c);  // what the palette shows, a form may name
  }
}

void RegisterPropertyEditor(const TypInfo::TTypeInfo* propertyType, System::TClass componentClass,
                            const std::string& propertyName, TPropertyEditorClass editorClass) {
  Registries().PropertyEditors.push_back({propertyType, componentClass, propertyName, editorClass});
}

void RegisterComponentEditor(System::TClass componentClass, TComponentEditorClass editorClass) {
  Registries().ComponentEditors.push_back({componentClass, editorClass});
}

const std::vector<TPalettePage>& PalettePages() { return Registries().Pages; }

const TPalettePage* FindPalettePage(std::string_view name) {
  for (const TPalettePage& p : Registries().Pages)
    if (SysUtils::SameText(p.Name, name)) return &p;
  return nullptr;
}

std::unique_ptr<TPropertyEditor> GetPropertyEditor(TDesigner& designer,
                                                   Classes::TPersistent& instance,
                                                   const TypInfo::TPropInfo& prop) {
  const TPropertyRegistration* best = nullptr;
  int bestFit = -1;
  for (const TPropertyRegistration& r : Registries().PropertyEditors) {
    int fit = Fit(r, instance.ClassType(), prop);
    if (fit >= bestFit && fit >= 0) {
      best = &r;
      bestFit = fit;
    }
  }
  if (best) return best->Editor.Create(designer, instance, prop);
  if (prop.Type == Graphics::ColorType())
    return std::make_unique<TColorProperty>(designer, instance, prop);
  if (prop.Type->Kind == TypInfo::TTypeKind::String)
    return std::make_unique<TStringProperty>(designer, instance, prop);
  if (IsStringList(*prop.Type)) return std::make_unique<TStringsProperty>(designer, instance, prop);
  if (prop.Type->Kind == TypInfo::TTypeKind::Method)
    return std::make_unique<TMethodProperty>(designer, instance, prop);
  return std::make_unique<TPropertyEditor>(designer, instance, prop);
}

std::unique_ptr<TComponentEditor> GetComponentEditor(Classes::TComponent& component,
                                                     TDesigner& designer) {
  // The registration for the nearest ancestor class; the latest among equals.
  const TComponentRegistration* best = nullptr;
  int bestDepth = 0;
  for (const TComponentRegistration& r : Registries().ComponentEditors) {
    int depth = 0;
    System::TClass c = component.ClassType();
    while (c != nullptr && c != r.ComponentClass) {
      c = c->Parent;
      ++depth;
    }
    if (c != nullptr && (best == nullptr || depth <= bestDepth)) {
      best = &r;
      bestDepth = depth;
    }
  }
  if (best) return best->Editor.Create(component, designer);
  return std::make_unique<TComponentEditor>(component, designer);
}

void ClearRegistrations() { Registries() = {}; }

std::vector<std::string> RegisterPackage(Windows::HMODULE module) {
  constexpr std::string_view kSuffix = ".Register";
  std::vector<std::string> ran;
  for (const Windows::TExportEntry& entry : Windows::ModuleExports(module)) {
    std::string_view name = entry.Name;
    bool unitProcedure =
        name.size() > kSuffix.size() + 1 && name[0] == '@' &&
        name.substr(name.size() - kSuffix.size()) == kSuffix &&
        name.substr(1, name.size() - kSuffix.size() - 1).find('.') == std::string_view::npos;
    if (!unitProcedure) continue;
    Windows::FARPROC procedure = Windows::GetProcAddress(module, entry.Name);
    if (procedure == nullptr) continue;
    procedure();
    ran.emplace_back(name);
  }
  return ran;
}

}  // namespace DsgnIntf
