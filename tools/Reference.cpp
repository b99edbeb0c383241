#include "Reference.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <sstream>

#include "Classes.h"
#include "TypInfo.h"

namespace Tools {

namespace {

using TypInfo::TPropInfo;
using TypInfo::TTypeInfo;
using TypInfo::TTypeKind;

// A property of a component class refers to another component; it holds none.
bool IsComponent(System::TClass cls) {
  return cls != nullptr && cls->InheritsFrom(Classes::TComponent::StaticClass());
}

std::string Anchor(std::string_view name) {
  std::string anchor;
  for (char c : name) anchor += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return anchor;
}

std::string Link(std::string_view name) {
  return "[" + std::string(name) + "](#" + Anchor(name) + ")";
}

std::string SetText(const TTypeInfo& set, std::int64_t bits) {
  std::string text;
  for (std::size_t i = 0; i < set.ElemType->Names.size(); ++i)
    if ((static_cast<std::uint64_t>(bits) >> i) & 1)
      (text += text.empty() ? "" : ", ") += set.ElemType->Names[i];
  return "[" + text + "]";
}

std::string DefaultText(const TPropInfo& p) {
  const TTypeInfo& t = *p.Type;
  if (t.Kind == TTypeKind::Class) return IsComponent(t.ClassRef) ? "none" : "its own properties";
  if (t.Kind == TTypeKind::Method) return "none";
  if (t.Kind == TTypeKind::String) return "empty";
  if (!p.Default) return "always stored";
  const std::int64_t value = *p.Default;
  if (t.Kind == TTypeKind::Enumeration) return std::string(t.NameOf(value));
  if (t.Kind == TTypeKind::Set) return SetText(t, value);
  if (auto name = TypInfo::IntToIdent(value, t.Idents)) return std::string(*name);
  return std::to_string(value);
}

std::string ValuesText(const TTypeInfo& t) {
  switch (t.Kind) {
    case TTypeKind::Enumeration:
      return t.NamesList();
    case TTypeKind::Set:
      return "any of " + t.ElemType->NamesList();
    case TTypeKind::Class:
      return IsComponent(t.ClassRef) ? "the name of a " + std::string(t.Name) + " on the form"
                                     : "see " + Link(t.Name);
    case TTypeKind::Method:
      return "a method of the form";
    case TTypeKind::String:
      return "text";
    case TTypeKind::Float:
      return "a number";
    case TTypeKind::Integer:
    case TTypeKind::Char:
      break;
  }
  if (!t.Idents.empty())
    return t.Name == "TColor" ? "a colour name such as clRed, or a number" : "a name or a number";
  if (t.MinValue == INT32_MIN && t.MaxValue == INT32_MAX) return "a whole number";
  return std::to_string(t.MinValue) + " to " + std::to_string(t.MaxValue);
}

std::string Ancestry(System::TClass cls) {
  std::string text;
  for (System::TClass up = cls->Parent; up != nullptr; up = up->Parent)
    (text += text.empty() ? "" : ", ") += up->Name;
  return text.empty() ? "" : "Derives from " + text + ".\n\n";
}

void WriteClass(std::ostringstream& out, System::TClass cls) {
  out << "## " << cls->Name << "\n\n" << Ancestry(cls);
  const std::vector<TPropInfo>& props = TypInfo::GetPropList(cls);
  if (props.empty()) {
    out << "Lines of text, written in a form file as a list: `Frames.Strings = ('a.bmp' "
           "'b.bmp')`.\n\n";
    return;
  }
  out << "| Property | Type | Default | Values | What it does |\n";
  out << "|---|---|---|---|---|\n";
  for (const TPropInfo& p : props)
    out << "| " << p.Name << " | " << p.Type->Name << " | " << DefaultText(p) << " | "
        << ValuesText(*p.Type) << " | " << p.Help << " |\n";
  out << "\n";
}

// The classes `classes` publish as sub-objects, each once, in the order met.
std::vector<System::TClass> PublishedObjects(const std::vector<System::TClass>& classes) {
  std::vector<System::TClass> found;
  auto seen = [&](System::TClass c) {
    return std::find(classes.begin(), classes.end(), c) != classes.end() ||
           std::find(found.begin(), found.end(), c) != found.end();
  };
  std::vector<System::TClass> pending = classes;
  for (std::size_t i = 0; i < pending.size(); ++i)
    for (const TPropInfo& p : TypInfo::GetPropList(pending[i]))
      if (p.Type->Kind == TTypeKind::Class && p.Type->ClassRef && !IsComponent(p.Type->ClassRef) &&
          !seen(p.Type->ClassRef)) {
        found.push_back(p.Type->ClassRef);
        pending.push_back(p.Type->ClassRef);
      }
  return found;
}

}  // namespace

std::string ReferenceText(const std::vector<System::TClass>& controls) {
  const std::vector<System::TClass> objects = PublishedObjects(controls);
  std::ostringstream out;
  out << "# Reference of the controls\n\n"
         "Made by `tollenspiegel reference` from the published property tables; a test\n"
         "fails when this file is out of date. A form file stores a property when its\n"
         "value differs from the default; one without a default is always stored.\n\n"
         "Controls:";
  for (System::TClass c : controls) out << " " << Link(c->Name);
  out << ".\nObjects they publish:";
  for (System::TClass c : objects) out << " " << Link(c->Name);
  out << ".\n\n";
  for (System::TClass c : controls) WriteClass(out, c);
  for (System::TClass c : objects) WriteClass(out, c);
  return out.str();
}

}  // namespace Tools
