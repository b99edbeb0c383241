// The names packages are built with: the decorated names of their exports and the
// hash of package and unit names in their package information.
//
// Decorated names
//   "@" Unit "." Class "." Member      a member of a class (or of a named type)
//   "@" Unit "." Member                a procedure of the unit
// Unit is written with its first letter in capitals and the others small
// ("VormKlok" gives "Vormklok"); Class and Member as they are declared.
// Constructors are named Create and destructors Destroy; property accessors go by
// the names of the methods they are. Members that are no declared member begin
// with "#", which no declared name can:
//   #Class           the class reference (Class is the class)
//   #TypeInfo        the type information of a class, enumeration or subrange
//                    type (Class is the type)
//   #Initialization  the unit's initialisation procedure (no Class)
//   #Finalization    the unit's finalisation procedure (no Class)
// Examples: "@Vormen.TVorm.Create", "@Vormen.TVormen.#TypeInfo",
// "@Vormklok.#Initialization", "@Lichtkrant.Register".
// A class declares no two exported members of one name, so no parameter types
// are written.
//
// Name hash (the hash bytes of PACKAGEINFO)
//   h = 0; for each character of the name, small letters taken as capitals:
//   h = (h * 33 + character) mod 256.
// A package whose information was first written elsewhere may carry other hash
// values for names it did not make itself; the host does not check them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace Packages {

inline constexpr std::string_view kClassMember = "#Class";
inline constexpr std::string_view kTypeInfoMember = "#TypeInfo";
inline constexpr std::string_view kInitializationMember = "#Initialization";
inline constexpr std::string_view kFinalizationMember = "#Finalization";

constexpr char ToUpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }
constexpr char ToLowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

constexpr std::size_t DecoratedNameLength(std::string_view unit, std::string_view cls,
                                          std::string_view member) {
  return 1 + unit.size() + 1 + (cls.empty() ? 0 : cls.size() + 1) + member.size();
}

// Writes the decorated name into `out` (DecoratedNameLength characters, no zero).
constexpr void WriteDecoratedName(char* out, std::string_view unit, std::string_view cls,
                                  std::string_view member) {
  *out++ = '@';
  for (std::size_t i = 0; i < unit.size(); ++i)
    *out++ = i == 0 ? ToUpperAscii(unit[i]) : ToLowerAscii(unit[i]);
  *out++ = '.';
  if (!cls.empty()) {
    for (char c : cls) *out++ = c;
    *out++ = '.';
  }
  for (char c : member) *out++ = c;
}

std::string DecoratedName(std::string_view unit, std::string_view cls, std::string_view member);

// Whether `name` is decorated as a class reference.
bool IsClassReference(std::string_view name);

// A string literal as a template argument, for names made at compile time.
template <std::size_t N>
struct TNameLiteral {
  char Text[N]{};
  constexpr TNameLiteral(const char (&text)[N]) {  // NOLINT: taken from a literal
    for (std::size_t i = 0; i < N; ++i) Text[i] = text[i];
  }
  constexpr std::string_view View() const { return {Text, N - 1}; }
};

// The decorated name of Unit.Class.Member, made at compile time, ended by a zero.
template <TNameLiteral Unit, TNameLiteral Class, TNameLiteral Member>
inline constexpr auto kDecoratedName = [] {
  std::array<char, DecoratedNameLength(Unit.View(), Class.View(), Member.View()) + 1> name{};
  WriteDecoratedName(name.data(), Unit.View(), Class.View(), Member.View());
  return name;
}();

constexpr std::uint8_t PackageNameHash(std::string_view name) {
  unsigned hash = 0;
  for (char c : name) hash = (hash * 33 + static_cast<unsigned char>(ToUpperAscii(c))) & 0xFF;
  return static_cast<std::uint8_t>(hash);
}

}  // namespace Packages
