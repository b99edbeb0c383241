// Published properties and methods: the tables that form files, the designer and
// the property editors read.
//
// Each class lists its own published properties once, in declaration order, in a
// TPropTable beside the class; GetPropList flattens a class's table with its
// ancestors' (base classes first). A class that redeclares an inherited property
// (to give it a new default, say) replaces the ancestor's entry in its slot, so the
// slot order stays the base's. A property's Index is its slot in that list.
//
// Storing: a property is written when its stored rule (if any) says so and its
// value differs from the declared default; an ordinal without a default is always
// written, a string whenever it is not empty.
#pragma once

#include <any>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "System.h"

namespace TypInfo {

using System::TObject;

enum class TTypeKind { Integer, Char, Enumeration, Float, String, Set, Class, Method };

struct TTypeInfo {
  std::string_view Name;
  TTypeKind Kind = TTypeKind::Integer;
  std::int64_t MinValue = 0;  // ordinal types
  std::int64_t MaxValue = 0;
  std::vector<std::string_view> Names;  // enumerations: value names by ordinal
  const TTypeInfo* ElemType = nullptr;  // sets: the element enumeration
  System::TClass ClassRef = nullptr;    // class-typed properties
  // Integers that have names (colours, cursors): form files write the name.
  std::optional<std::int64_t> (*IdentToInt)(std::string_view) = nullptr;
  std::optional<std::string_view> (*IntToIdent)(std::int64_t) = nullptr;

  // The ordinal's name for an enumeration ("" when out of range).
  std::string_view NameOf(std::int64_t ordinal) const;
  // The ordinal named `name` (case-insensitive), if any.
  std::optional<std::int64_t> ValueOf(std::string_view name) const;
};

const TTypeInfo* IntegerType();
const TTypeInfo* BooleanType();  // an enumeration False, True
const TTypeInfo* StringType();
const TTypeInfo* FloatType();

struct TPropInfo {
  std::string_view Name;
  const TTypeInfo* Type = nullptr;
  std::optional<std::int64_t> Default;             // ordinals and sets only; none: no default
  std::function<bool(const TObject&)> StoredRule;  // none: stored

  std::function<std::int64_t(const TObject&)> GetOrd;  // Integer, Char, Enumeration, Set
  std::function<void(TObject&, std::int64_t)> SetOrd;
  std::function<std::string(const TObject&)> GetStr;  // String
  std::function<void(TObject&, const std::string&)> SetStr;
  std::function<double(const TObject&)> GetFloat;  // Float
  std::function<void(TObject&, double)> SetFloat;
  std::function<TObject*(const TObject&)> GetObject;  // Class
  std::function<void(TObject&, TObject*)> SetObject;
  std::function<std::string(const TObject&)> GetMethodName;  // Method
  // Binds a handler (a TEvent's Handler in a std::any) under a method name; false
  // when the handler is not of this event's type.
  std::function<bool(TObject&, const std::any& handler, const std::string& name)> SetMethod;

  int Index = -1;  // slot in the flattened list; set by GetPropList

  // Whether a form file stores this property's current value.
  bool IsStored(const TObject& instance) const;
};

struct TPropTable {
  std::vector<TPropInfo> Own;  // in declaration order
  // The flattened list of the class that owns this table, made on first use and
  // kept with the table, so it lives and goes with the module that holds the class.
  mutable std::vector<TPropInfo> Flattened;
  mutable bool IsFlattened = false;
};

// A published method, found by name. Bind gives a handler calling the method on
// `self`, as the Handler of the method's event type held in a std::any.
struct TMethodInfo {
  std::string_view Name;
  std::function<std::any(TObject& self)> Bind;
};
struct TMethodTable {
  std::vector<TMethodInfo> Own;
};

// The class's published properties, base classes first, with Index set.
const std::vector<TPropInfo>& GetPropList(System::TClass cls);
// The property named `name` (case-insensitive), or nothing.
std::optional<TPropInfo> GetPropInfo(System::TClass cls, std::string_view name);
// The published method named `name` of the class or an ancestor, or null.
const TMethodInfo* FindMethod(System::TClass cls, std::string_view name);

// ---- table builders: accessors are written against the class, cast safely here ----

template <typename C, typename G, typename S>
TPropInfo OrdProp(std::string_view name, const TTypeInfo* type, G get, S set,
                  std::optional<std::int64_t> def = std::nullopt) {
  TPropInfo p;
  p.Name = name;
  p.Type = type;
  p.Default = def;
  p.GetOrd = [get](const TObject& o) {
    return static_cast<std::int64_t>(get(static_cast<const C&>(o)));
  };
  p.SetOrd = [set](TObject& o, std::int64_t v) { set(static_cast<C&>(o), v); };
  return p;
}

template <typename C>
TPropInfo StrProp(std::string_view name, const std::string& (C::*get)() const,
                  void (C::*set)(const std::string&)) {
  TPropInfo p;
  p.Name = name;
  p.Type = StringType();
  p.GetStr = [get](const TObject& o) { return (static_cast<const C&>(o).*get)(); };
  p.SetStr = [set](TObject& o, const std::string& v) { (static_cast<C&>(o).*set)(v); };
  return p;
}

// A persistent sub-object (a pen, a brush, a hand): read returns it, write assigns.
template <typename C, typename T, typename G, typename S>
TPropInfo ObjProp(std::string_view name, const TTypeInfo* type, G get, S set) {
  TPropInfo p;
  p.Name = name;
  p.Type = type;
  p.GetObject = [get](const TObject& o) -> TObject* { return get(static_cast<const C&>(o)); };
  p.SetObject = [set](TObject& o, TObject* v) { set(static_cast<C&>(o), dynamic_cast<T*>(v)); };
  return p;
}

// An event: form files store the bound method's name. `field` gives the event
// member of an instance.
template <typename C, typename F>
TPropInfo EventProp(std::string_view name, const TTypeInfo* type, F field) {
  TPropInfo p;
  p.Name = name;
  p.Type = type;
  p.GetMethodName = [field](const TObject& o) {
    return std::string(field(const_cast<C&>(static_cast<const C&>(o))).MethodName());
  };
  p.SetMethod = [field](TObject& o, const std::any& handler, const std::string& method) {
    auto& event = field(static_cast<C&>(o));
    using TEventType = std::remove_reference_t<decltype(event)>;
    const auto* h = std::any_cast<typename TEventType::Handler>(&handler);
    if (h == nullptr) return false;
    event = TEventType(*h, method);
    return true;
  };
  return p;
}

// A published method of the notify-event signature: void Method(TObject* sender).
template <typename C>
TMethodInfo NotifyMethod(std::string_view name, void (C::*method)(TObject*)) {
  return {name, [method](TObject& self) -> std::any {
            auto* target = &static_cast<C&>(self);
            return std::function<void(TObject*)>(
                [target, method](TObject* sender) { (target->*method)(sender); });
          }};
}

// A class-typed property's type info, made once per class.
template <typename T>
const TTypeInfo* ClassTypeOf() {
  static const TTypeInfo info{T::StaticClass()->Name, TTypeKind::Class, 0, 0, {}, nullptr,
                              T::StaticClass()};
  return &info;
}

}  // namespace TypInfo
