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
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "System.h"

namespace TypInfo {

using System::TObject;

enum class TTypeKind { Integer, Char, Enumeration, Float, String, Set, Class, Method };

// A name of an integer value (a colour, a cursor), as form files write it. A value
// may have several names: the first in its map is the one written.
struct TIdentMapEntry {
  std::int64_t Value;
  std::string_view Name;
};
// The value named `ident` (in any case), and the name of `value`.
std::optional<std::int64_t> IdentToInt(std::string_view ident, std::span<const TIdentMapEntry> map);
std::optional<std::string_view> IntToIdent(std::int64_t value, std::span<const TIdentMapEntry> map);

struct TTypeInfo {
  std::string_view Name;
  TTypeKind Kind = TTypeKind::Integer;
  std::int64_t MinValue = 0;  // ordinal types
  std::int64_t MaxValue = 0;
  std::vector<std::string_view> Names;  // enumerations: value names by ordinal
  const TTypeInfo* ElemType = nullptr;  // sets: the element enumeration
  System::TClass ClassRef = nullptr;    // class-typed properties
  // Integers that have names (colours, cursors): form files write the name.
  std::span<const TIdentMapEntry> Idents;

  // The ordinal's name for an enumeration ("" when out of range).
  std::string_view NameOf(std::int64_t ordinal) const;
  // The ordinal named `name` (case-insensitive), if any.
  std::optional<std::int64_t> ValueOf(std::string_view name) const;
  // An enumeration's value names in order, "A, B, C".
  std::string NamesList() const;
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

  int Index = -1;         // slot in the flattened list; set by GetPropList
  std::string_view Help;  // one line: what the property does

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

// A table's own entries followed by a list shared by several classes.
std::vector<TPropInfo> Join(std::vector<TPropInfo> own, const std::vector<TPropInfo>& shared);

// The class's published properties, base classes first, with Index set.
const std::vector<TPropInfo>& GetPropList(System::TClass cls);
// The property named `name` (case-insensitive), or nothing.
std::optional<TPropInfo> GetPropInfo(System::TClass cls, std::string_view name);
// The published method named `name` of the class or an ancestor, or null.
const TMethodInfo* FindMethod(System::TClass cls, std::string_view name);
// Sets the event `prop` of `instance` to the method `name` of `root`: form files
// and the designer bind events so. Says why it could not.
enum class TBindResult { Bound, NoMethod, Misfit };
TBindResult BindMethod(TObject& instance, const TPropInfo& prop, TObject& root,
                       const std::string& name);

// A class-typed property's type info, made once per class.
template <typename T>
const TTypeInfo* ClassTypeOf() {
  static const TTypeInfo info{T::StaticClass()->Name, TTypeKind::Class, 0, 0, {}, nullptr,
                              T::StaticClass()};
  return &info;
}

// ---- declaring properties: one line each, from the class's accessors ----
//
//   Prop<&TVorm::Vorm, &TVorm::SetVorm>("Vorm")
//   Prop<&TPen::Mode, &TPen::SetMode>("Mode", {.Default = pmCopy})
//   Prop<&TControl::Color, &TControl::SetColor>("Color", {.Type = ColorType(), .Stored = ...})
//   Prop<&TWijzer::Lengte>("Lengte", {.Type = PercentageType()})   (a field, read and written)
//   Prop<&TVormKlok::GetWijzer, &TVormKlok::SetWijzer>("WijzerUur", {.Index = 0})
//   Prop<&TControl::OnClick>("OnClick", {.Type = ...})               (an event field)
//
// The getter's type decides the kind: bool, integers, enumerations and sets (with
// Bits and FromBits) are ordinals, std::string a string, double a float, a TObject
// by reference or pointer a sub-object, a TEvent an event. It gives the type
// information too unless Type names another: Boolean, Word for std::uint16_t,
// Integer for other integers, String, Double, an enumeration's own (TOLLEN_ENUM)
// and a class's. An accessor that takes an int first is given Index. An object
// setter taking a reference assigns (a null value is ignored); one taking a
// pointer is handed the object. A getter that is not const (one that repaints as
// it reads) is called on the instance itself. Without a setter (nullptr) writes
// are ignored.

// An ordinal default, from a bool, an integer or an enumerator.
struct TOrdinal {
  std::int64_t Value = 0;
  template <typename T>
  requires std::is_integral_v<T> || std::is_enum_v<T>
  constexpr TOrdinal(T value) : Value(static_cast<std::int64_t>(value)) {}
};

struct TPropOptions {
  const TTypeInfo* Type = nullptr;  // none: the getter's type's own
  std::optional<TOrdinal> Default;  // ordinals only; none: always stored
  int Index = 0;                    // for accessors that take an index first
  bool (*Stored)(const TObject&) = nullptr;
  std::string_view Help;  // one line: what the property does (the reference shows it)
};

const TTypeInfo* WordType();  // 0..65535

// An enumeration's name and its value names as written in its declaration, "A, B, C".
struct TEnumList {
  std::string_view Name;
  std::string_view Values;
};
TTypeInfo EnumTypeFromList(TEnumList list);

// The type information of an enumeration declared with TOLLEN_ENUM, made once.
template <typename E>
const TTypeInfo* EnumType() {
  static const TTypeInfo info = EnumTypeFromList(EnumListOf(E{}));
  return &info;
}

// Declares an enumeration numbered from 0 with its value names, in one list:
//   TOLLEN_ENUM(TRichting, std::uint8_t, NaarLinks, NaarRechts);
#define TOLLEN_ENUM(Name, Base, ...)                                                \
  enum class Name : Base { __VA_ARGS__ };                                           \
  constexpr ::TypInfo::TEnumList EnumListOf(Name) { return {#Name, #__VA_ARGS__}; } \
  using enum Name

namespace Detail {

template <typename M>
struct TMember;
template <typename C, typename T>
struct TMember<T C::*> {  // a field or a member function
  using Class = C;
};

template <typename M>
struct TSetterArg;
template <typename C, typename T>
struct TSetterArg<T C::*> {  // a field is written with its own type
  using Type = T;
};
template <typename C, typename R, typename... A>
requires(sizeof...(A) > 0) struct TSetterArg<R (C::*)(A...)> {
  using Type = std::remove_cvref_t<std::tuple_element_t<sizeof...(A) - 1, std::tuple<A...>>>;
};

template <auto Member>
using ClassOf = typename TMember<decltype(Member)>::Class;
template <auto Set>
using SetterArg = typename TSetterArg<decltype(Set)>::Type;

template <auto Get>
decltype(auto) Read(const TObject& o, int index) {
  auto& self = const_cast<ClassOf<Get>&>(static_cast<const ClassOf<Get>&>(o));
  if constexpr (std::is_member_object_pointer_v<decltype(Get)>)
    return (self.*Get);
  else if constexpr (std::is_invocable_v<decltype(Get), ClassOf<Get>&, int>)
    return (self.*Get)(index);
  else
    return (self.*Get)();
}

template <auto Set, typename V>
void Write(TObject& o, int index, V&& value) {
  auto& self = static_cast<ClassOf<Set>&>(o);
  if constexpr (std::is_member_object_pointer_v<decltype(Set)>)
    self.*Set = std::forward<V>(value);
  else if constexpr (std::is_invocable_v<decltype(Set), ClassOf<Set>&, int, V>)
    (self.*Set)(index, std::forward<V>(value));
  else
    (self.*Set)(std::forward<V>(value));
}

template <auto Get>
using ValueOf = std::remove_cvref_t<decltype(Read<Get>(std::declval<const TObject&>(), 0))>;

template <typename V>
concept Event = requires(const V& e) {
  e.MethodName();
  typename V::Handler;
};
template <typename V>
concept Object = std::is_base_of_v<TObject, std::remove_cv_t<std::remove_pointer_t<V>>>;
template <typename V>
concept BitSet = requires(const V& s) {
  V::FromBits(s.Bits());
};

template <typename V>
using ObjectClass = std::remove_cv_t<std::remove_pointer_t<V>>;

template <typename V>
const TTypeInfo* TypeOfValue() {
  if constexpr (std::is_same_v<V, bool>)
    return BooleanType();
  else if constexpr (std::is_same_v<V, std::uint16_t>)
    return WordType();
  else if constexpr (std::is_integral_v<V>)
    return IntegerType();
  else if constexpr (std::is_same_v<V, std::string>)
    return StringType();
  else if constexpr (std::is_same_v<V, double>)
    return FloatType();
  else if constexpr (requires { EnumListOf(V{}); })
    return EnumType<V>();
  else if constexpr (Object<V> && requires { ObjectClass<V>::StaticClass(); })
    return ClassTypeOf<ObjectClass<V>>();
  else
    return nullptr;  // sets and events name their type
}

template <typename V>
std::int64_t ToOrdinal(const V& value) {
  if constexpr (BitSet<V>)
    return static_cast<std::int64_t>(value.Bits());
  else
    return static_cast<std::int64_t>(value);
}

template <typename A>
A FromOrdinal(std::int64_t value) {
  if constexpr (std::is_same_v<A, bool>)
    return value != 0;
  else if constexpr (BitSet<A>)
    return A::FromBits(static_cast<std::uint64_t>(value));
  else
    return static_cast<A>(value);
}

template <auto Get, auto Set>
void BindOrdinal(TPropInfo& p, int index) {
  p.GetOrd = [index](const TObject& o) { return ToOrdinal(Read<Get>(o, index)); };
  if constexpr (std::is_null_pointer_v<decltype(Set)>)
    p.SetOrd = [](TObject&, std::int64_t) {};
  else
    p.SetOrd = [index](TObject& o, std::int64_t v) {
      Write<Set>(o, index, FromOrdinal<SetterArg<Set>>(v));
    };
}

template <auto Get, auto Set>
void BindObject(TPropInfo& p, int index) {
  p.GetObject = [index](const TObject& o) -> TObject* {
    auto&& value = Read<Get>(o, index);
    using R = std::remove_cvref_t<decltype(value)>;
    if constexpr (std::is_pointer_v<R>)
      return const_cast<ObjectClass<R>*>(value);
    else
      return const_cast<R*>(&value);
  };
  using A = SetterArg<Set>;
  p.SetObject = [index](TObject& o, TObject* v) {
    auto* given = dynamic_cast<ObjectClass<A>*>(v);
    if constexpr (std::is_pointer_v<A>)
      Write<Set>(o, index, given);
    else if (given != nullptr)
      Write<Set>(o, index, std::as_const(*given));
  };
}

template <auto Field>
void BindEvent(TPropInfo& p) {
  p.GetMethodName = [](const TObject& o) { return std::string(Read<Field>(o, 0).MethodName()); };
  p.SetMethod = [](TObject& o, const std::any& handler, const std::string& method) {
    using TEventType = ValueOf<Field>;
    const auto* h = std::any_cast<typename TEventType::Handler>(&handler);
    if (h == nullptr) return false;
    Write<Field>(o, 0, TEventType(*h, method));
    return true;
  };
}

}  // namespace Detail

template <auto Get, auto Set = Get>
TPropInfo Prop(std::string_view name, TPropOptions options = {}) {
  using V = Detail::ValueOf<Get>;
  TPropInfo p;
  p.Name = name;
  p.Type = options.Type != nullptr ? options.Type : Detail::TypeOfValue<V>();
  if (options.Default) p.Default = options.Default->Value;
  if (options.Stored != nullptr) p.StoredRule = options.Stored;
  p.Help = options.Help;
  const int index = options.Index;
  if constexpr (Detail::Event<V>) {
    Detail::BindEvent<Get>(p);
  } else if constexpr (std::is_same_v<V, std::string>) {
    p.GetStr = [index](const TObject& o) { return std::string(Detail::Read<Get>(o, index)); };
    p.SetStr = [index](TObject& o, const std::string& v) { Detail::Write<Set>(o, index, v); };
  } else if constexpr (std::is_same_v<V, double>) {
    p.GetFloat = [index](const TObject& o) { return Detail::Read<Get>(o, index); };
    p.SetFloat = [index](TObject& o, double v) { Detail::Write<Set>(o, index, v); };
  } else if constexpr (Detail::Object<V>) {
    Detail::BindObject<Get, Set>(p, index);
  } else {
    Detail::BindOrdinal<Get, Set>(p, index);
  }
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

}  // namespace TypInfo
