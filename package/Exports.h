// The package's export directory, built from one table per unit.
//
// Each unit lists its exports in its own Exports<Unit>.cpp, under the host's
// decorated names (PackagesNames.h): class references and type information,
// constructors and destructors, public and published methods (through small
// thunks that take the object as their first argument), and the unit's
// initialisation and finalisation procedures. ModuleDirectory.cpp publishes the
// tables together. A table names its unit once, through TUnitExports<"Unit">, and
// each class once, in ClassOf<"TClass", TClass>(Method<"Name", &TClass::Name>, ...).
//
// Entries are constants: every address is reached through a function, so the
// directory needs no initialisation at load time.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <utility>

#include "Classes.h"
#include "PackagesNames.h"
#include "TypInfo.h"
#include "Windows.h"

#pragma GCC visibility push(hidden)

namespace Tollenspiegel::Exports {

using Packages::TNameLiteral;
using Windows::FARPROC;
using Windows::TExportEntry;
using Windows::TExportTable;

// The unit tables, in the order of the package information table.
extern const TExportTable kTollenspiegel;
extern const TExportTable kVormen;
extern const TExportTable kFilm;
extern const TExportTable kLichtKrant;
extern const TExportTable kGolfTekst;
extern const TExportTable kVormKlok;

template <typename F>
requires std::is_function_v<F> FARPROC CodeAddress(F* function) {
  return reinterpret_cast<FARPROC>(function);
}
template <typename T>
requires(!std::is_function_v<T>) FARPROC DataAddress(const T* data) {
  return reinterpret_cast<FARPROC>(reinterpret_cast<std::uintptr_t>(data));
}

// A method as a plain function of the object and the method's arguments.
template <auto Method>
struct TThunk;
template <typename C, typename R, typename... A, R (C::*Method)(A...)>
struct TThunk<Method> {
  static R Call(C* self, A... args) { return (self->*Method)(std::forward<A>(args)...); }
};
template <typename C, typename R, typename... A, R (C::*Method)(A...) const>
struct TThunk<Method> {
  static R Call(const C* self, A... args) { return (self->*Method)(std::forward<A>(args)...); }
};

// Constructors and destructors as plain functions: components are made with
// their owner, other classes without arguments.
template <typename C>
struct TLifetime {
  static C* CreateOwned(Classes::TComponent* owner) { return new C(owner); }
  static C* CreatePlain() { return new C(); }
  static void Destroy(C* self) { delete self; }
};
template <typename C>
constexpr auto Constructor() {
  if constexpr (std::is_constructible_v<C, Classes::TComponent*>)
    return &TLifetime<C>::CreateOwned;
  else
    return &TLifetime<C>::CreatePlain;
}

template <TNameLiteral Unit, TNameLiteral Class, TNameLiteral Member>
constexpr const char* Name() {
  return Packages::kDecoratedName<Unit, Class, Member>.data();
}

// An export under a name that is not decorated.
template <TNameLiteral Exact, auto Function>
constexpr TExportEntry Plain() {
  return {Exact.Text, [] { return CodeAddress(Function); }};
}

// A method of the class it is listed with, exported under `Member`.
template <TNameLiteral Member, auto Function>
struct TMethodExport {
  template <TNameLiteral Unit, TNameLiteral Class>
  static constexpr TExportEntry Entry() {
    return {Name<Unit, Class, Member>(), [] { return CodeAddress(&TThunk<Function>::Call); }};
  }
};
template <TNameLiteral Member, auto Function>
inline constexpr TMethodExport<Member, Function> Method{};

// The exports of one unit, which names the unit once.
template <TNameLiteral Unit>
struct TUnitExports {
  // The unit's initialisation and finalisation procedures.
  template <auto Initialization, auto Finalization>
  static constexpr std::array<TExportEntry, 2> UnitProcedures() {
    return {{Procedure<"#Initialization", Initialization>(),
             Procedure<"#Finalization", Finalization>()}};
  }

  template <TNameLiteral Member, auto Function>
  static constexpr TExportEntry Procedure() {
    return {Name<Unit, "", Member>(), [] { return CodeAddress(Function); }};
  }

  // The type information of an enumeration or subrange type.
  template <TNameLiteral Type, auto TypeInfo>
  static constexpr TExportEntry TypeOf() {
    return {Name<Unit, Type, "#TypeInfo">(), [] { return DataAddress(TypeInfo()); }};
  }

  // A class: its reference, its type information, constructor and destructor,
  // then the methods given (Method<"Name", &C::Name>).
  template <TNameLiteral Class, typename C, typename... TMethods>
  static constexpr std::array<TExportEntry, 4 + sizeof...(TMethods)> ClassOf(TMethods...) {
    return {{
        {Name<Unit, Class, "#Class">(), [] { return DataAddress(C::StaticClass()); }},
        {Name<Unit, Class, "#TypeInfo">(), [] { return DataAddress(TypInfo::ClassTypeOf<C>()); }},
        {Name<Unit, Class, "Create">(), [] { return CodeAddress(Constructor<C>()); }},
        {Name<Unit, Class, "Destroy">(), [] { return CodeAddress(&TLifetime<C>::Destroy); }},
        TMethods::template Entry<Unit, Class>()...,
    }};
  }
};

// Entries and arrays of entries, in one array.
template <typename... Parts>
constexpr auto Join(const Parts&... parts) {
  constexpr std::size_t count = (0 + ... + std::tuple_size_v<Parts>);
  std::array<TExportEntry, count> all{};
  std::size_t n = 0;
  ((std::copy(parts.begin(), parts.end(), all.begin() + static_cast<std::ptrdiff_t>(n)),
    n += parts.size()),
   ...);
  return all;
}

}  // namespace Tollenspiegel::Exports

#pragma GCC visibility pop
