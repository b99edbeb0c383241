#include <fstream>
#include <map>
#include <memory>
#include <vector>

#include "Classes/PropertyText.h"
#include "Classes/Streaming.h"
#include "Classes/Strings.h"
#include "TypInfo.h"

namespace Classes {

namespace {

using TypInfo::TPropInfo;
using TypInfo::TTypeKind;

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
    WriteProperties(c, "", depth + 1, Fresh(c.ClassType()));
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

  // A component of `cls` as its constructor makes it, or null when the class
  // cannot be made; one of each class for the whole text.
  const TObject* Fresh(System::TClass cls) {
    auto [at, isNew] = FFresh.try_emplace(cls);
    if (isNew && cls->Create != nullptr) at->second.reset(cls->Create(nullptr));
    return at->second.get();
  }

  // A property is written when it differs from its declared default or, within a
  // sub-object, from what the owner's constructor gives it: a shape's background
  // brush starts clear, so a solid one must be written though solid is a brush's
  // default, or reading the text back would lose it.
  static bool Differs(const TObject& obj, const TPropInfo& p, const TObject* fresh, bool nested) {
    if (p.StoredRule && !p.StoredRule(obj)) return false;
    if (p.IsStored(obj)) return true;
    return nested && fresh != nullptr && p.Type->Kind != TTypeKind::Class &&
           ValueText(obj, p) != ValueText(*fresh, p);
  }

  void WriteProperties(const TObject& obj, const std::string& prefix, int depth,
                       const TObject* fresh) {
    for (const TPropInfo& p : TypInfo::GetPropList(obj.ClassType())) {
      if (p.Name == "Name" && prefix.empty()) continue;  // in the object line
      if (!Differs(obj, p, fresh, !prefix.empty())) continue;
      WriteProperty(obj, p, prefix, depth, fresh);
    }
  }

  void WriteProperty(const TObject& obj, const TPropInfo& p, const std::string& prefix, int depth,
                     const TObject* fresh) {
    const std::string name = prefix + std::string(p.Name);
    if (p.Type->Kind == TTypeKind::Class) {
      const TObject* freshValue = fresh != nullptr ? p.GetObject(*fresh) : nullptr;
      WriteObjectProperty(p.GetObject(obj), name, depth, freshValue);
      return;
    }
    std::string value = ValueText(obj, p);
    if (p.Type->Kind == TTypeKind::Method && value.empty()) return;
    Line(depth, name + " = " + value);
  }

  void WriteObjectProperty(const TObject* value, const std::string& name, int depth,
                           const TObject* fresh) {
    if (value == nullptr || dynamic_cast<const TComponent*>(value) != nullptr) return;
    if (const auto* list = dynamic_cast<const TStrings*>(value)) {
      if (list->Count() == 0) return;
      Line(depth, name + ".Strings = (");
      for (int i = 0; i < list->Count(); ++i) Line(depth + 1, QuotedString(list->Get(i)));
      Line(depth + 1, ")");
      return;
    }
    const bool sameClass = fresh != nullptr && fresh->ClassType() == value->ClassType();
    WriteProperties(*value, name + ".", depth, sameClass ? fresh : nullptr);
  }

  const TComponent& FRoot;
  std::string FOut;
  std::map<System::TClass, std::unique_ptr<TObject>> FFresh;
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
