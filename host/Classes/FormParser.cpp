#include "Classes/FormParser.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

#include "SysUtils.h"

namespace Classes {

EReadError::EReadError(const std::string& source, TSourcePos pos, const std::string& what)
    : Exception(source + ":" + std::to_string(pos.Line) + ":" + std::to_string(pos.Column) + ": " +
                what),
      Pos(pos) {}

namespace {

enum class TTok { End, Identifier, Integer, Float, String, Symbol };

struct TToken {
  TTok Kind = TTok::End;
  std::string Text;  // identifier, string value, or the symbol
  std::int64_t Integer = 0;
  double Float = 0;
  TSourcePos Pos;
};

std::string Describe(const TToken& t) {
  switch (t.Kind) {
    case TTok::End:
      return "the end of the file";
    case TTok::Identifier:
      return "\"" + t.Text + "\"";
    case TTok::Integer:
    case TTok::Float:
      return "a number";
    case TTok::String:
      return "a string";
    case TTok::Symbol:
      return "'" + t.Text + "'";
  }
  return "something else";
}

class TLexer {
 public:
  TLexer(std::string_view text, const std::string& source) : FText(text), FSource(source) {}

  TToken Next() {
    SkipSpace();
    TToken t;
    t.Pos = FPos;
    if (AtEnd()) return t;
    char c = Peek();
    if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') return Identifier(t);
    if (std::isdigit(static_cast<unsigned char>(c)) || c == '$' ||
        ((c == '-' || c == '+') && IsNumberAfterSign()))
      return Number(t);
    if (c == '\'' || c == '#') return String(t);
    Advance();
    t.Kind = TTok::Symbol;
    t.Text = std::string(1, c);
    return t;
  }

  [[noreturn]] void Fail(TSourcePos pos, const std::string& what) const {
    throw EReadError(FSource, pos, what);
  }

 private:
  bool AtEnd() const { return FIndex >= FText.size(); }
  char Peek(std::size_t ahead = 0) const {
    return FIndex + ahead < FText.size() ? FText[FIndex + ahead] : '\0';
  }
  void Advance() {
    if (FText[FIndex] == '\n') {
      ++FPos.Line;
      FPos.Column = 1;
    } else {
      ++FPos.Column;
    }
    ++FIndex;
  }
  void SkipSpace() {
    while (!AtEnd() && std::isspace(static_cast<unsigned char>(Peek()))) Advance();
  }
  bool IsNumberAfterSign() const {
    char n = Peek(1);
    return std::isdigit(static_cast<unsigned char>(n)) || n == '$';
  }

  TToken Identifier(TToken t) {
    t.Kind = TTok::Identifier;
    while (!AtEnd() && (std::isalnum(static_cast<unsigned char>(Peek())) || Peek() == '_')) {
      t.Text += Peek();
      Advance();
    }
    return t;
  }

  TToken Number(TToken t) {
    bool negative = false;
    if (Peek() == '-' || Peek() == '+') {
      negative = Peek() == '-';
      Advance();
    }
    if (Peek() == '$') return HexNumber(t, negative);
    std::string digits;
    bool real = false;
    while (!AtEnd()) {
      char c = Peek();
      bool exponentSign = (c == '-' || c == '+') && !digits.empty() &&
                          (digits.back() == 'e' || digits.back() == 'E');
      if (std::isdigit(static_cast<unsigned char>(c)) || exponentSign) {
      } else if (c == '.' || c == 'e' || c == 'E') {
        real = true;
      } else {
        break;
      }
      digits += c;
      Advance();
    }
    if (real) {
      t.Kind = TTok::Float;
      const char* end = digits.data() + digits.size();
      auto [ptr, ec] = std::from_chars(digits.data(), end, t.Float);
      if (ec != std::errc() || ptr != end || !std::isfinite(t.Float))
        Fail(t.Pos, "\"" + digits + "\" is not a number");
      if (negative) t.Float = -t.Float;
      return t;
    }
    t.Kind = TTok::Integer;
    std::uint64_t magnitude = 0;
    auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
    if (ec != std::errc() || magnitude > std::uint64_t{1} << 63 ||
        (!negative && magnitude == std::uint64_t{1} << 63))
      Fail(t.Pos, "the number " + digits + " is too large");
    t.Integer =
        negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
    return t;
  }

  TToken HexNumber(TToken t, bool negative) {
    Advance();  // $
    std::string digits;
    while (!AtEnd() && std::isxdigit(static_cast<unsigned char>(Peek()))) {
      digits += Peek();
      Advance();
    }
    std::uint64_t value = 0;
    auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    if (digits.empty() || ec != std::errc() || digits.size() > 16)
      Fail(t.Pos, "a bad hexadecimal number");
    t.Kind = TTok::Integer;
    // $FFFFFFFF style values are 32-bit patterns, as the host writes colours.
    std::int64_t v = digits.size() <= 8
                         ? static_cast<std::int64_t>(static_cast<std::int32_t>(value))
                         : static_cast<std::int64_t>(value);
    t.Integer = negative ? -v : v;
    return t;
  }

  // 'quoted''parts' joined with #13 character codes, as one string.
  TToken String(TToken t) {
    t.Kind = TTok::String;
    while (!AtEnd() && (Peek() == '\'' || Peek() == '#')) {
      if (Peek() == '#') {
        TSourcePos at = FPos;
        Advance();
        std::string digits;
        while (!AtEnd() && std::isdigit(static_cast<unsigned char>(Peek())) && digits.size() < 6) {
          digits += Peek();
          Advance();
        }
        int code = digits.empty() ? 256 : std::stoi(digits);
        if (code > 255) Fail(at, "a character code must be 0 to 255");
        t.Text += static_cast<char>(code);
        continue;
      }
      TSourcePos open = FPos;
      Advance();
      while (true) {
        if (AtEnd() || Peek() == '\n' || Peek() == '\r') Fail(open, "unterminated string");
        if (Peek() == '\'') {
          Advance();
          if (Peek() != '\'') break;
        }
        t.Text += Peek();
        Advance();
      }
    }
    return t;
  }

  std::string_view FText;
  const std::string& FSource;
  std::size_t FIndex = 0;
  TSourcePos FPos;
};

class TParser {
 public:
  TParser(std::string_view text, const std::string& source) : FLexer(text, source) { Take(); }

  TFormObject Form() {
    TFormObject root = Object(0);
    if (FToken.Kind != TTok::End) Fail("the end of the file");
    return root;
  }

  TFormValue SingleValue() {
    TFormValue v = Value(0);
    if (FToken.Kind != TTok::End) Fail("the end of the value");
    return v;
  }

 private:
  void Take() { FToken = FLexer.Next(); }
  [[noreturn]] void Fail(const std::string& expected) const {
    FLexer.Fail(FToken.Pos, "expected " + expected + " but found " + Describe(FToken));
  }
  bool IsSymbol(char c) const { return FToken.Kind == TTok::Symbol && FToken.Text[0] == c; }
  bool IsWord(std::string_view w) const {
    return FToken.Kind == TTok::Identifier && SysUtils::SameText(FToken.Text, w);
  }
  void Expect(char c) {
    if (!IsSymbol(c)) Fail(std::string("'") + c + "'");
    Take();
  }
  std::string Name(const char* what) {
    if (FToken.Kind != TTok::Identifier) Fail(what);
    std::string name = FToken.Text;
    Take();
    return name;
  }

  TFormObject Object(int depth) {
    if (depth >= kMaxDepth) FLexer.Fail(FToken.Pos, "objects are nested too deeply");
    if (IsWord("inherited") || IsWord("inline"))
      FLexer.Fail(FToken.Pos, "inherited forms are not supported");
    if (!IsWord("object")) Fail("\"object\"");
    TFormObject obj;
    obj.Pos = FToken.Pos;
    Take();
    std::string first = Name("a component name");
    if (IsSymbol(':')) {
      Take();
      obj.Name = first;
      obj.ClassName = Name("a class name");
    } else {
      obj.ClassName = first;
    }
    while (!IsWord("end")) {
      if (FToken.Kind == TTok::End)
        FLexer.Fail(FToken.Pos, "missing \"end\" of object " +
                                    (obj.Name.empty() ? obj.ClassName : obj.Name) + " (line " +
                                    std::to_string(obj.Pos.Line) + ")");
      if (IsWord("object") || IsWord("inherited") || IsWord("inline"))
        obj.Children.push_back(Object(depth + 1));
      else
        obj.Properties.push_back(Property());
    }
    Take();  // end
    return obj;
  }

  TFormProperty Property() {
    TFormProperty p;
    p.Pos = FToken.Pos;
    p.Path.push_back(Name("a property name"));
    while (IsSymbol('.')) {
      Take();
      p.Path.push_back(Name("a property name after '.'"));
    }
    Expect('=');
    p.Value = Value(0);
    return p;
  }

  TFormValue Value(int depth) {
    if (depth >= kMaxDepth) FLexer.Fail(FToken.Pos, "values are nested too deeply");
    TFormValue v;
    v.Pos = FToken.Pos;
    switch (FToken.Kind) {
      case TTok::Integer:
        v.Kind = TFormValue::TKind::Integer;
        v.Integer = FToken.Integer;
        Take();
        return v;
      case TTok::Float:
        v.Kind = TFormValue::TKind::Float;
        v.Float = FToken.Float;
        Take();
        return v;
      case TTok::String:
        return StringValue(v);
      case TTok::Identifier:
        v.Kind = TFormValue::TKind::Identifier;
        v.Text = FToken.Text;
        Take();
        return v;
      case TTok::Symbol:
        if (IsSymbol('[')) return SetValue(v);
        if (IsSymbol('(')) return ListValue(v, depth);
        break;
      case TTok::End:
        break;
    }
    Fail("a value");
  }

  TFormValue StringValue(TFormValue v) {
    v.Kind = TFormValue::TKind::String;
    v.Text = FToken.Text;
    Take();
    while (IsSymbol('+')) {  // long strings are split across lines with '+'
      Take();
      if (FToken.Kind != TTok::String) Fail("a string after '+'");
      v.Text += FToken.Text;
      Take();
    }
    return v;
  }

  TFormValue SetValue(TFormValue v) {
    v.Kind = TFormValue::TKind::Set;
    Take();
    while (!IsSymbol(']')) {
      TFormValue item;
      item.Kind = TFormValue::TKind::Identifier;
      item.Pos = FToken.Pos;
      item.Text = Name("a set element");
      v.Items.push_back(item);
      if (IsSymbol(',')) {
        Take();
        if (IsSymbol(']')) Fail("a set element");
      } else if (!IsSymbol(']')) {
        Fail("',' or ']'");
      }
    }
    Take();
    return v;
  }

  TFormValue ListValue(TFormValue v, int depth) {
    v.Kind = TFormValue::TKind::List;
    Take();
    while (!IsSymbol(')')) {
      if (FToken.Kind == TTok::End) Fail("')'");
      v.Items.push_back(Value(depth + 1));
    }
    Take();
    return v;
  }

  TLexer FLexer;
  TToken FToken;
};

}  // namespace

TFormObject ParseForm(std::string_view text, const std::string& source) {
  return TParser(text, source).Form();
}

TFormValue ParseFormValue(std::string_view text, const std::string& source) {
  return TParser(text, source).SingleValue();
}

}  // namespace Classes
