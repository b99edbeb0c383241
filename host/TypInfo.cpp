#include "TypInfo.h"

#include <algorithm>
#include <cctype>

#include "SysUtils.h"

namespace TypInfo {

std::optional<std::int64_t> IdentToInt(std::string_view ident,
                                       std::span<const TIdentMapEntry> map) {
  for (const TIdentMapEntry& entry : map)
    if (SysUtils::SameText(entry.Name, ident)) return entry.Value;
  return std::nullopt;
}

std::optional<std::string_view> IntToIdent(std::int64_t value,
                                           std::span<const TIdentMapEntry> map) {
  for (const TIdentMapEntry& entry : map)
    if (entry.Value == value) return entry.Name;
  return std::nullopt;
}

std::string_view TTypeInfo::NameOf(std::int64_t ordinal) const {
  if (ordinal < 0 || ordinal >= static_cast<std::int64_t>(Names.size())) return {};
  return Names[static_cast<std::size_t>(ordinal)];
}

std::optional<std::int64_t> TTypeInfo::ValueOf(std::string_view name) const {
  for (std::size_t i = 0; i < Names.size(); ++i)
    if (SysUtils::SameText(Names[i], name)) return static_cast<std::int64_t>(i);
  return std::nullopt;
}

std::string TTypeInfo::NamesList() const {
  std::string list;
  for (std::string_view name : Names) (list += list.empty() ? "" : ", ") += name;
  return list;
}

const TTypeInfo* IntegerType() {
  static const TTypeInfo info{"Integer", TTypeKind::Integer, INT32_MIN, INT32_MAX};
  return &info;
}
const TTypeInfo* BooleanType() {
  static const TTypeInfo info{"Boolean", TTypeKind::Enumeration, 0, 1, {"False", "True"}};
  return &info;
}
const TTypeInfo* WordType() {
  static const TTypeInfo info{"Word", TTypeKind::Integer, 0, 65535};
  return &info;
}
const TTypeInfo* StringType() {
  static const TTypeInfo info{"String", TTypeKind::String};
  return &info;
}
const TTypeInfo* FloatType() {
  static const TTypeInfo info{"Double", TTypeKind::Float};
  return &info;
}

TTypeInfo EnumTypeFromList(TEnumList list) {
  TTypeInfo info{list.Name, TTypeKind::Enumeration};
  std::string_view rest = list.Values;
  while (!rest.empty()) {
    std::size_t comma = std::min(rest.find(','), rest.size());
    std::string_view name = rest.substr(0, comma);
    while (!name.empty() && name.front() == ' ') name.remove_prefix(1);
    while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
    info.Names.push_back(name);
    rest.remove_prefix(std::min(comma + 1, rest.size()));
  }
  info.MaxValue = static_cast<std::int64_t>(info.Names.size()) - 1;
  return info;
}

std::vector<TPropInfo> Join(std::vector<TPropInfo> own, const std::vector<TPropInfo>& shared) {
  own.insert(own.end(), shared.begin(), shared.end());
  return own;
}

bool TPropInfo::IsStored(const TObject& instance) const {
  if (StoredRule && !StoredRule(instance)) return false;
  if (Default && GetOrd) return GetOrd(instance) != *Default;
  if (GetStr) return !GetStr(instance).empty();  // an empty string is the default
  return true;
}

namespace {
std::vector<TPropInfo> Flatten(System::TClass cls) {
  std::vector<System::TClass> chain;
  for (System::TClass c = cls; c != nullptr; c = c->Parent) chain.push_back(c);
  std::vector<TPropInfo> list;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    if ((*it)->Props == nullptr) continue;
    for (const TPropInfo& p : (*it)->Props->Own) {
      auto same = std::find_if(list.begin(), list.end(), [&](const TPropInfo& q) {
        return SysUtils::SameText(q.Name, p.Name);
      });
      if (same != list.end())
        *same = p;
      else
        list.push_back(p);
    }
  }
  for (std::size_t i = 0; i < list.size(); ++i) list[i].Index = static_cast<int>(i);
  return list;
}
}  // namespace

const std::vector<TPropInfo>& GetPropList(System::TClass cls) {
  // A class without a table of its own publishes what its nearest ancestor with one does.
  while (cls != nullptr && cls->Props == nullptr) cls = cls->Parent;
  if (cls == nullptr) {
    static const std::vector<TPropInfo> none;
    return none;
  }
  const TPropTable& table = *cls->Props;
  if (!table.IsFlattened) {
    table.Flattened = Flatten(cls);
    table.IsFlattened = true;
  }
  return table.Flattened;
}

std::optional<TPropInfo> GetPropInfo(System::TClass cls, std::string_view name) {
  for (const TPropInfo& p : GetPropList(cls))
    if (SysUtils::SameText(p.Name, name)) return p;
  return std::nullopt;
}

const TMethodInfo* FindMethod(System::TClass cls, std::string_view name) {
  for (System::TClass c = cls; c != nullptr; c = c->Parent) {
    if (c->Methods == nullptr) continue;
    for (const TMethodInfo& m : c->Methods->Own)
      if (SysUtils::SameText(m.Name, name)) return &m;
  }
  return nullptr;
}

TBindResult BindMethod(TObject& instance, const TPropInfo& prop, TObject& root,
                       const std::string& name) {
  const TMethodInfo* method = FindMethod(root.ClassType(), name);
  if (method == nullptr) return TBindResult::NoMethod;
  return prop.SetMethod(instance, method->Bind(root), name) ? TBindResult::Bound
                                                            : TBindResult::Misfit;
}

}  // namespace TypInfo
