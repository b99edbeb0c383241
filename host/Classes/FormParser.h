// The text form format: a small lexer and parser into a syntax tree.
//
//   object Name: TClass
//     Left = 8                     integers ($FF hexadecimal), floats
//     Caption = 'It''s'#13#10'x'   strings: quoted parts and #n characters
//     Vorm = Cirkel                identifiers: enumerations, colours, methods
//     Font.Style = [fsBold]        sets; nested property paths
//     Lines.Strings = ('a' 'b')    lists
//     object Child: TClass ... end
//   end
//
// Every node keeps where it stood (line and column from 1), so a reader can say
// where a value went wrong. Nesting is bounded (kMaxDepth) so a hostile file
// cannot exhaust the stack.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "SysUtils.h"

namespace Classes {

struct TSourcePos {
  int Line = 1;
  int Column = 1;
};

// A bad form file: the message names the file, line and column.
class EReadError : public SysUtils::Exception {
 public:
  EReadError(const std::string& source, TSourcePos pos, const std::string& what);
  TSourcePos Pos;
};

struct TFormValue {
  enum class TKind { Integer, Float, String, Identifier, Set, List };
  TKind Kind = TKind::Integer;
  std::int64_t Integer = 0;
  double Float = 0;
  std::string Text;               // String, Identifier
  std::vector<TFormValue> Items;  // Set (identifiers), List
  TSourcePos Pos;
};

struct TFormProperty {
  std::vector<std::string> Path;  // "Pen.Color" is {"Pen", "Color"}
  TFormValue Value;
  TSourcePos Pos;
};

struct TFormObject {
  std::string Name;
  std::string ClassName;
  TSourcePos Pos;
  std::vector<TFormProperty> Properties;
  std::vector<TFormObject> Children;
};

inline constexpr int kMaxDepth = 64;

// Parses a whole form; `source` names it in error messages.
TFormObject ParseForm(std::string_view text, const std::string& source);
// Parses one value (as after "Name = "), and nothing after it.
TFormValue ParseFormValue(std::string_view text, const std::string& source);

}  // namespace Classes
