#include <fstream>
#include <sstream>
#include <vector>

#include "Classes/Strings.h"
#include "Classes/Streaming.h"
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
  explicit TReader(const std::string& source) : FSource(source) {}

  std::unique_ptr<TComponent> Read(const TFormObject& root) {
    std::unique_ptr<TComponent> component(Create(root, nullptr));
    FRoot = component.get();
    FCreated.push_back(FRoot);
    FRoot->SetLoading(true);
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
    SetValue(component, *target, info, p.Value);
  }

  TPropInfo Find(const TObject& target, const std::string& name, TSourcePos pos) const {
    auto info = TypInfo::GetPropInfo(target.ClassType(), name);
    bool header = name == "Name" && dynamic_cast<const TComponent*>(&target) != nullptr;
    if (!info || header)  // a component's name stands in its object line
      Fail(pos, "unknown property \"" + name + "\" of " + std::string(target.ClassName()));
    return *info;
  }

  void SetStrings(TStrings& list, const TFormValue& v) const {
    if (v.Kind != TKind::List) Fail(v.Pos, "expected a list of strings in parentheses");
    TStringList lines;
    for (const TFormValue& item : v.Items) {
      if (item.Kind != TKind::String) Fail(item.Pos, "expected a string in the list");
      lines.Add(item.Text);
    }
    list.Assign(&lines);
  }

  void SetValue(TComponent& component, TObject& target, const TPropInfo& info,
                const TFormValue& v) {
    const std::string name(info.Name);
    switch (info.Type->Kind) {
      case TTypeKind::Integer:
      case TTypeKind::Char:
        info.SetOrd(target, IntegerOf(info, v));
        return;
      case TTypeKind::Enumeration:
        info.SetOrd(target, EnumOf(*info.Type, v, name));
        return;
      case TTypeKind::Set:
        info.SetOrd(target, SetOf(*info.Type, v, name));
        return;
      case TTypeKind::Float:
        if (v.Kind == TKind::Float)
          info.SetFloat(target, v.Float);
        else if (v.Kind == TKind::Integer)
          info.SetFloat(target, static_cast<double>(v.Integer));
        else
          Fail(v.Pos, "expected a number for " + name);
        return;
      case TTypeKind::String:
        if (v.Kind != TKind::String) Fail(v.Pos, "expected a string for " + name);
        info.SetStr(target, v.Text);
        return;
      case TTypeKind::Method:
        if (v.Kind != TKind::Identifier || !info.SetMethod)
          Fail(v.Pos, "expected a method name for " + name);
        if (&target != &component) Fail(v.Pos, "events of sub-objects cannot be stored");
        FEvents.push_back({&component, info, v});
        return;
      case TTypeKind::Class:
        Fail(v.Pos, name + " is an object: set its properties, as " + name + ".Name = ...");
    }
  }

  std::int64_t IntegerOf(const TPropInfo& info, const TFormValue& v) const {
    std::int64_t value = 0;
    if (v.Kind == TKind::Integer) {
      value = v.Integer;
    } else if (v.Kind == TKind::Identifier && info.Type->IdentToInt) {
      auto named = info.Type->IdentToInt(v.Text);
      if (!named) Fail(v.Pos, "\"" + v.Text + "\" is not a name of " + std::string(info.Type->Name));
      value = *named;
    } else {
      Fail(v.Pos, "expected an integer for " + std::string(info.Name));
    }
    const auto& t = *info.Type;
    if (t.MinValue < t.MaxValue && (value < t.MinValue || value > t.MaxValue))
      Fail(v.Pos, std::to_string(value) + " is out of range for " + std::string(info.Name) + " (" +
                      std::to_string(t.MinValue) + " to " + std::to_string(t.MaxValue) + ")");
    return value;
  }

  std::int64_t EnumOf(const TypInfo::TTypeInfo& type, const TFormValue& v,
                      const std::string& name) const {
    if (v.Kind != TKind::Identifier) Fail(v.Pos, "expected a value of " + std::string(type.Name) + " for " + name);
    auto value = type.ValueOf(v.Text);
    if (!value) Fail(v.Pos, "\"" + v.Text + "\" is not a value of " + std::string(type.Name));
    return *value;
  }

  std::int64_t SetOf(const TypInfo::TTypeInfo& type, const TFormValue& v,
                     const std::string& name) const {
    if (v.Kind != TKind::Set) Fail(v.Pos, "expected a set in brackets for " + name);
    std::uint64_t bits = 0;
    for (const TFormValue& item : v.Items)
      bits |= std::uint64_t{1} << EnumOf(*type.ElemType, item, name);
    return static_cast<std::int64_t>(bits);
  }

  void BindEvents() {
    for (const TPendingEvent& e : FEvents) {
      const TypInfo::TMethodInfo* method = TypInfo::FindMethod(FRoot->ClassType(), e.Value.Text);
      if (method == nullptr)
        Fail(e.Value.Pos, "method \"" + e.Value.Text + "\" not found in " +
                              std::string(FRoot->ClassName()));
      if (!e.Prop.SetMethod(*e.Component, method->Bind(*FRoot), e.Value.Text))
        Fail(e.Value.Pos, "method \"" + e.Value.Text + "\" does not fit " +
                              std::string(e.Prop.Name));
    }
  }

  const std::string& FSource;
  TComponent* FRoot = nullptr;
  std::vector<TComponent*> FCreated;
  std::vector<TPendingEvent> FEvents;
};

}  // namespace

std::unique_ptr<TComponent> ReadComponentText(std::string_view text, const std::string& source) {
  if (text.size() > kMaxFormFileSize) throw EReadError(source, {}, "the form is too large");
  TFormObject root = ParseForm(text, source);
  return TReader(source).Read(root);
}

std::unique_ptr<TComponent> ReadComponentFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw SysUtils::Exception("Cannot open form file \"" + path + "\"");
  in.seekg(0, std::ios::end);
  auto size = static_cast<std::size_t>(std::max<std::streamoff>(0, in.tellg()));
  if (size > kMaxFormFileSize) throw EReadError(path, {}, "the form is too large");
  in.seekg(0);
  std::string text(size, '\0');
  in.read(text.data(), static_cast<std::streamsize>(size));
  return ReadComponentText(text, path);
}

}  // namespace Classes
