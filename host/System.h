// The base object, class references and the run-time library's arithmetic.
//
// Every class of the host and of the package derives from TObject and describes
// itself with one TClassInfo: its name, its parent, how to create it (for classes
// that stored forms may name) and its published properties and methods. A class
// declares the pair of functions with TOLLEN_CLASS and defines its info once in its
// source; the info is built on first use, so no static-initialisation order matters.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

namespace TypInfo {
struct TPropTable;
struct TMethodTable;
}  // namespace TypInfo

namespace Classes {
class TComponent;
}

namespace System {

class TObject;
struct TClassInfo;
using TClass = const TClassInfo*;

// Creates an instance of a component class with its owner, as the host's virtual
// constructor does; the owner (if any) takes ownership of the result.
using TComponentFactory = Classes::TComponent* (*)(Classes::TComponent* owner);

struct TClassInfo {
  std::string_view Name;
  TClass Parent = nullptr;
  TComponentFactory Create = nullptr;  // null: not creatable by name
  const TypInfo::TPropTable* Props = nullptr;
  const TypInfo::TMethodTable* Methods = nullptr;

  bool InheritsFrom(TClass other) const;
};

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;

  static TClass StaticClass();
  virtual TClass ClassType() const { return StaticClass(); }
  std::string_view ClassName() const { return ClassType()->Name; }
  bool InheritsFrom(TClass c) const { return ClassType()->InheritsFrom(c); }
};

// A set of enumeration values, as the host's set types (at most 64 values).
template <typename E>
class TSet {
 public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> values) {
    for (E v : values) Include(v);
  }
  static constexpr TSet FromBits(std::uint64_t bits) {
    TSet s;
    s.FBits = bits;
    return s;
  }
  constexpr std::uint64_t Bits() const { return FBits; }
  constexpr bool Contains(E v) const { return (FBits & Bit(v)) != 0; }
  constexpr TSet& Include(E v) {
    FBits |= Bit(v);
    return *this;
  }
  constexpr TSet& Exclude(E v) {
    FBits &= ~Bit(v);
    return *this;
  }
  constexpr bool Empty() const { return FBits == 0; }
  friend constexpr bool operator==(TSet, TSet) = default;

 private:
  static constexpr std::uint64_t Bit(E v) { return std::uint64_t{1} << static_cast<unsigned>(v); }
  std::uint64_t FBits = 0;
};

// Rounds to the nearest integer; an exact half goes to the even neighbour.
std::int64_t Round(double value);
std::int64_t Round(long double value);

}  // namespace System

// Declares a class's info accessors; put it in the public section of the class.
#define TOLLEN_CLASS(Name)               \
 public:                                 \
  static ::System::TClass StaticClass(); \
  ::System::TClass ClassType() const override { return StaticClass(); }
