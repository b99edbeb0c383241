#include <fstream>
#include <sstream>
#include <vector>

#include "Classes/PropertyText.h"
#include "Classes/Streaming.h"
#include "Classes/Strings.h"
#include "TypInfo.h"

namespace Classes {

namespace {

using TypInfo::TPropInfo;
using TypInfo::TTypeKind;
using TKind = TFormValue::TKind;

struct TPendingEvent {
  TComponent* Component;
  TPropInfo Prop;
  TFormValue Value;
};

class TReader {
 public:
  TReader(const std::string& source, bool designing) : FSource(source), FDesigning(designing) {}

  std::unique_ptr<TComponent> Read(const TFormObject& root, System::TClass expected) {
    if (expected != nullptr) CheckRootClass(root, expected);
    std::unique_ptr<TComponent> component(Create(root, nullptr));
    FRoot = component.get();
    FCreated.push_back(FRoot);
    FRoot->SetLoading(true);
    if (FDesigning) FRoot->SetDesigning(true);  // its children are made designing
    FRoot->SetName(root.Name);
    ReadBody(root, *FRoot);
    BindEvents();
    for (TComponent* c : FCreated) c->Loaded();
    return component;
  }

 private:
  [[noreturn]] void Fail(TSourcePos pos, const std::string& what) const {
    throw EReadError(FSource, pos, what);
  }

  void CheckRootClass(const TFormObject& root, System::TClass expected) const {
    System::TClass cls = GetClass(root.ClassName);
    if (cls != nullptr && !cls->InheritsFrom(expected))
      Fail(root.Pos,
           "holds a " + std::string(cls->Name) + ", not a " + std::string(expected->Name));
  }

  TComponent* Create(const TFormObject& obj, TComponent* owner) {
    System::TClass cls = GetClass(obj.ClassName);
    if (cls == nullptr || cls->Create == nullptr)
      Fail(obj.Pos, "unknown class \"" + obj.ClassName + "\"");
    return cls->Create(owner);
  }

  void ReadBody(const TFormObject& obj, TComponent& component) {
    for (const TFormProperty& p : obj.Properties) SetProperty(component, p);
    for (const TFormObject& child : obj.Children) ReadChild(child, component);
  }

  void ReadChild(const TFormObject& obj, TComponent& parent) {
    if (obj.Name.empty()) Fail(obj.Pos, "a component needs a name");
    if (FRoot->FindComponent(obj.Name) != nullptr)
      Fail(obj.Pos, "a component named " + obj.Name + " already exists");
    TComponent* c = Create(obj, FRoot);  // owned by the root from here on
    FCreated.push_back(c);
    c->SetLoading(true);
    c->SetName(obj.Name);
    c->SetParentComponent(&parent);
    ReadBody(obj, *c);
  }

  // Follows "Pen.Color" to the object that holds the last name.
  void SetProperty(TComponent& component, const TFormProperty& p) {
    TObject* target = &component;
    for (std::size_t i = 0; i + 1 < p.Path.size(); ++i) {
      if (dynamic_cast<TStrings*>(target) != nullptr)
        Fail(p.Pos, "a string list has no property \"" + p.Path[i] + "\"");
      TPropInfo info = Find(*target, p.Path[i], p.Pos);
      if (info.Type->Kind != TTypeKind::Class || !info.GetObject)
        Fail(p.Pos, "\"" + p.Path[i] + "\" has no properties of its own");
      target = info.GetObject(*target);
      if (target == nullptr) Fail(p.Pos, "\"" + p.Path[i] + "\" is not set");
    }
    const std::string& last = p.Path.back();
    if (auto* list = dynamic_cast<TStrings*>(target)) {
      if (last != "Strings") Fail(p.Pos, "a string list has no property \"" + last + "\"");
      SetStrings(*list, p.Value);
      return;
    }
    TPropInfo info = Find(*target, last, p.Pos);
    try {
      SetValue(component, *target, info, p.Value);
    } catch (const EReadError&) {
      throw;
    } catch (const SysUtils::Exception& refused) {  // a setter refusing the value
      Fail(p.Value.Pos, refused.what());
    }
  }

  TPropInfo Find(const TObject& target, const std::string& name, TSourcePos pos) const {
    auto info = TypInfo::GetPropInfo(target.ClassType(), name);
    bool header = name == "Name" && dynamic_cast<const TComponent*>(&target) != nullptr;
    if (!info || header)  // a component's name stands in its object line
      Fail(pos, "unknown property \"" + name + "\" of " + std::string(target.ClassName()));
    return *info;
  }

  void SetStrings(TStrings& list, const TFormValue& v) const {
    TStringList lines;
    for (const std::string& line : StringsOf(v, FSource)) lines.Add(line);
    list.Assign(&lines);
  }

  void SetValue(TComponent& component, TObject& target, const TPropInfo& info,
                const TFormValue& v) {
    if (info.Type->Kind != TTypeKind::Method) {
      Classes::SetValue(target, info, v, FSource);
      return;
    }
    if (v.Kind != TKind::Identifier || !info.SetMethod)
      Fail(v.Pos, "expected a method name for " + std::string(info.Name));
    if (&target != &component) Fail(v.Pos, "events of sub-objects cannot be stored");
    FEvents.push_back({&component, info, v});
  }

  void BindEvents() {
    for (const TPendingEvent& e : FEvents) {
      const auto bound = TypInfo::BindMethod(*e.Component, e.Prop, *FRoot, e.Value.Text);
      if (bound == TypInfo::TBindResult::NoMethod)
        Fail(e.Value.Pos,
             "method \"" + e.Value.Text + "\" not found in " + std::string(FRoot->ClassName()));
      if (bound == TypInfo::TBindResult::Misfit)
        Fail(e.Value.Pos,
             "method \"" + e.Value.Text + "\" does not fit " + std::string(e.Prop.Name));
    }
  }

  const std::string& FSource;
  bool FDesigning;
  TComponent* FRoot = nullptr;
  std::vector<TComponent*> FCreated;
  std::vector<TPendingEvent> FEvents;
};

}  // namespace

std::unique_ptr<TComponent> ReadComponentText(std::string_view text, const std::string& source,
                                              System::TClass expected, bool designing) {
  if (text.size() > kMaxFormFileSize) throw EReadError(source, {}, "the form is too large");
  TFormObject root = ParseForm(text, source);
  return TReader(source, designing).Read(root, expected);
}

std::unique_ptr<TComponent> ReadComponentFile(const std::string& path, System::TClass expected,
                                              bool designing) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw SysUtils::Exception("Cannot open form file \"" + path + "\"");
  in.seekg(0, std::ios::end);
  auto size = static_cast<std::size_t>(std::max<std::streamoff>(0, in.tellg()));
  if (size > kMaxFormFileSize) throw EReadError(path, {}, "the form is too large");
  in.seekg(0);
  std::string text(size, '\0');
  in.read(text.data(), static_cast<std::streamsize>(size));
  return ReadComponentText(text, path, expected, designing);
}

}  // namespace Classes
