#include "Classes/PropertyText.h"

#include <charconv>

namespace Classes {

namespace {

using TypInfo::TPropInfo;
using TypInfo::TTypeInfo;
using TypInfo::TTypeKind;
using TKind = TFormValue::TKind;

std::string FloatText(double v) {
  char buffer[64];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v);
  std::string text(buffer, end);
  if (text.find_first_of(".e") == std::string::npos) text += ".0";
  return text;
}

std::string SetText(const TTypeInfo& type, std::int64_t bits) {
  std::string out = "[";
  const TTypeInfo& elem = *type.ElemType;
  for (std::size_t i = 0; i < elem.Names.size() && i < 64; ++i) {
    if ((static_cast<std::uint64_t>(bits) >> i & 1u) == 0) continue;
    if (out.size() > 1) out += ", ";
    out += elem.Names[i];
  }
  return out + "]";
}

class TValueSetter {
 public:
  TValueSetter(const TPropInfo& prop, const std::string& source) : FProp(prop), FSource(source) {}

  void Set(System::TObject& target, const TFormValue& v) const {
    switch (FProp.Type->Kind) {
      case TTypeKind::Integer:
      case TTypeKind::Char:
        FProp.SetOrd(target, IntegerOf(v));
        return;
      case TTypeKind::Enumeration:
        FProp.SetOrd(target, EnumOf(*FProp.Type, v));
        return;
      case TTypeKind::Set:
        FProp.SetOrd(target, SetOf(v));
        return;
      case TTypeKind::Float:
        if (v.Kind == TKind::Float)
          FProp.SetFloat(target, v.Float);
        else if (v.Kind == TKind::Integer)
          FProp.SetFloat(target, static_cast<double>(v.Integer));
        else
          Fail(v.Pos, "expected a number for " + Name());
        return;
      case TTypeKind::String:
        if (v.Kind != TKind::String) Fail(v.Pos, "expected a string for " + Name());
        FProp.SetStr(target, v.Text);
        return;
      case TTypeKind::Method:
        Fail(v.Pos, Name() + " is an event: it takes a method name");
      case TTypeKind::Class:
        Fail(v.Pos, Name() + " is an object: set its properties, as " + Name() + ".Name = ...");
    }
  }

 private:
  [[noreturn]] void Fail(TSourcePos pos, const std::string& what) const {
    throw EReadError(FSource, pos, what);
  }
  std::string Name() const { return std::string(FProp.Name); }

  std::int64_t IntegerOf(const TFormValue& v) const {
    const TTypeInfo& t = *FProp.Type;
    std::int64_t value = 0;
    if (v.Kind == TKind::Integer) {
      value = v.Integer;
    } else if (v.Kind == TKind::Identifier && !t.Idents.empty()) {
      auto named = TypInfo::IdentToInt(v.Text, t.Idents);
      if (!named) Fail(v.Pos, "\"" + v.Text + "\" is not a name of " + std::string(t.Name));
      value = *named;
    } else {
      Fail(v.Pos, "expected an integer for " + Name());
    }
    if (t.MinValue < t.MaxValue && (value < t.MinValue || value > t.MaxValue))
      Fail(v.Pos, std::to_string(value) + " is out of range for " + Name() + " (" +
                      std::to_string(t.MinValue) + " to " + std::to_string(t.MaxValue) + ")");
    return value;
  }

  std::int64_t EnumOf(const TTypeInfo& type, const TFormValue& v) const {
    if (v.Kind != TKind::Identifier)
      Fail(v.Pos, "expected a value of " + std::string(type.Name) + " for " + Name());
    auto value = type.ValueOf(v.Text);
    if (!value)
      Fail(v.Pos, "\"" + v.Text + "\" is not a value of " + std::string(type.Name) + " (" +
                      type.NamesList() + ")");
    return *value;
  }

  std::int64_t SetOf(const TFormValue& v) const {
    if (v.Kind != TKind::Set) Fail(v.Pos, "expected a set in brackets for " + Name());
    std::uint64_t bits = 0;
    for (const TFormValue& item : v.Items)
      bits |= std::uint64_t{1} << EnumOf(*FProp.Type->ElemType, item);
    return static_cast<std::int64_t>(bits);
  }

  const TPropInfo& FProp;
  const std::string& FSource;
};

}  // namespace

std::string QuotedString(std::string_view s) {
  std::string out;
  bool open = false;
  for (char ch : s) {
    auto c = static_cast<unsigned char>(ch);
    if (c >= 32 && c < 127) {
      if (!open) out += '\'';
      open = true;
      out += ch == '\'' ? std::string("''") : std::string(1, ch);
    } else {
      if (open) out += '\'';
      open = false;
      out += '#' + std::to_string(c);
    }
  }
  if (open) out += '\'';
  return out.empty() ? "''" : out;
}

std::string ValueText(const System::TObject& obj, const TPropInfo& p) {
  const TTypeInfo& type = *p.Type;
  switch (type.Kind) {
    case TTypeKind::Integer:
    case TTypeKind::Char: {
      std::int64_t v = p.GetOrd(obj);
      if (auto ident = TypInfo::IntToIdent(v, type.Idents)) return std::string(*ident);
      return std::to_string(v);
    }
    case TTypeKind::Enumeration:
      return std::string(type.NameOf(p.GetOrd(obj)));
    case TTypeKind::Set:
      return SetText(type, p.GetOrd(obj));
    case TTypeKind::Float:
      return FloatText(p.GetFloat(obj));
    case TTypeKind::String:
      return QuotedString(p.GetStr(obj));
    case TTypeKind::Method:
      return p.GetMethodName(obj);
    case TTypeKind::Class: {
      std::string text = "(";  // built in steps: GCC 12 misreads "(" + name + ")" here
      text += type.Name;
      text += ')';
      return text;
    }
  }
  return {};
}

void SetValue(System::TObject& instance, const TPropInfo& prop, const TFormValue& value,
              const std::string& source) {
  TValueSetter(prop, source).Set(instance, value);
}

std::vector<std::string> StringsOf(const TFormValue& list, const std::string& source) {
  if (list.Kind != TKind::List)
    throw EReadError(source, list.Pos, "expected a list of strings in parentheses");
  std::vector<std::string> strings;
  for (const TFormValue& item : list.Items) {
    if (item.Kind != TKind::String)
      throw EReadError(source, item.Pos, "expected a string in the list");
    strings.push_back(item.Text);
  }
  return strings;
}

void SetValueText(System::TObject& instance, const TPropInfo& prop, const std::string& text) {
  const std::string source = std::string(prop.Name);
  bool quoted = !text.empty() && (text[0] == '\'' || text[0] == '#');
  if (prop.Type->Kind == TTypeKind::String && !quoted) {
    prop.SetStr(instance, text);
    return;
  }
  SetValue(instance, prop, ParseFormValue(text, source), source);
}

}  // namespace Classes
