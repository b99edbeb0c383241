#include <charconv>
#include <fstream>
#include <vector>

#include "Classes/Strings.h"
#include "Classes/Streaming.h"
#include "TypInfo.h"

namespace Classes {

namespace {

using TypInfo::TPropInfo;
using TypInfo::TTypeKind;

// 'quoted' text, with '' for a quote and #n for control and non-ASCII characters.
std::string Quote(std::string_view s) {
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

std::string FloatText(double v) {
  char buffer[64];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v);
  std::string text(buffer, end);
  if (text.find_first_of(".e") == std::string::npos) text += ".0";
  return text;
}

class TWriter {
 public:
  explicit TWriter(const TComponent& root) : FRoot(root) {}

  std::string Write() {
    WriteObject(FRoot, 0);
    return FOut;
  }

 private:
  void Line(int depth, const std::string& text) {
    FOut.append(static_cast<std::size_t>(depth) * 2, ' ');
    FOut += text;
    FOut += '\n';
  }

  void WriteObject(const TComponent& c, int depth) {
    std::string header = "object ";
    if (!c.Name().empty()) header += c.Name() + ": ";
    Line(depth, header + std::string(c.ClassName()));
    WriteProperties(c, "", depth + 1);
    for (int i = 0; i < FRoot.ComponentCount(); ++i) {
      const TComponent* child = FRoot.Components(i);
      const TComponent* parent = child->GetParentComponent();
      bool placedHere = parent == &c || (&c == &FRoot && !IsWrittenInside(parent));
      if (placedHere) WriteObject(*child, depth + 1);
    }
    Line(depth, "end");
  }

  // Whether `parent` is a component that the written tree holds (the root or one
  // of its own), so a child can be nested inside it.
  bool IsWrittenInside(const TComponent* parent) const {
    if (parent == nullptr) return false;
    if (parent == &FRoot) return true;
    return parent->Owner() == &FRoot;
  }

  void WriteProperties(const TObject& obj, const std::string& prefix, int depth) {
    for (const TPropInfo& p : TypInfo::GetPropList(obj.ClassType())) {
      if (p.Name == "Name" && prefix.empty()) continue;  // in the object line
      if (!p.IsStored(obj)) continue;
      WriteProperty(obj, p, prefix, depth);
    }
  }

  void WriteProperty(const TObject& obj, const TPropInfo& p, const std::string& prefix, int depth) {
    const std::string name = prefix + std::string(p.Name);
    const TypInfo::TTypeInfo& type = *p.Type;
    switch (type.Kind) {
      case TTypeKind::Integer:
      case TTypeKind::Char: {
        std::int64_t v = p.GetOrd(obj);
        std::optional<std::string_view> ident;
        if (type.IntToIdent) ident = type.IntToIdent(v);
        Line(depth, name + " = " + (ident ? std::string(*ident) : std::to_string(v)));
        return;
      }
      case TTypeKind::Enumeration:
        Line(depth, name + " = " + std::string(type.NameOf(p.GetOrd(obj))));
        return;
      case TTypeKind::Set:
        Line(depth, name + " = " + SetText(type, p.GetOrd(obj)));
        return;
      case TTypeKind::Float:
        Line(depth, name + " = " + FloatText(p.GetFloat(obj)));
        return;
      case TTypeKind::String:
        Line(depth, name + " = " + Quote(p.GetStr(obj)));
        return;
      case TTypeKind::Method: {
        std::string method = p.GetMethodName(obj);
        if (!method.empty()) Line(depth, name + " = " + method);
        return;
      }
      case TTypeKind::Class:
        WriteObjectProperty(p.GetObject(obj), name, depth);
        return;
    }
  }

  void WriteObjectProperty(const TObject* value, const std::string& name, int depth) {
    if (value == nullptr || dynamic_cast<const TComponent*>(value) != nullptr) return;
    if (const auto* list = dynamic_cast<const TStrings*>(value)) {
      if (list->Count() == 0) return;
      Line(depth, name + ".Strings = (");
      for (int i = 0; i < list->Count(); ++i) Line(depth + 1, Quote(list->Get(i)));
      Line(depth + 1, ")");
      return;
    }
    WriteProperties(*value, name + ".", depth);
  }

  static std::string SetText(const TypInfo::TTypeInfo& type, std::int64_t bits) {
    std::string out = "[";
    const TypInfo::TTypeInfo& elem = *type.ElemType;
    for (std::size_t i = 0; i < elem.Names.size() && i < 64; ++i) {
      if ((static_cast<std::uint64_t>(bits) >> i & 1u) == 0) continue;
      if (out.size() > 1) out += ", ";
      out += elem.Names[i];
    }
    return out + "]";
  }

  const TComponent& FRoot;
  std::string FOut;
};

}  // namespace

std::string WriteComponentText(const TComponent& root) { return TWriter(root).Write(); }

void WriteComponentFile(const TComponent& root, const std::string& path) {
  std::string text = WriteComponentText(root);
  std::ofstream out(path, std::ios::binary);
  out << text;
  out.close();
  if (!out) throw SysUtils::Exception("Cannot write form file \"" + path + "\"");
}

}  // namespace Classes
