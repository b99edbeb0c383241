#include "DesignSession.h"

#include <algorithm>
#include <sstream>

#include "Classes/Streaming.h"
#include "Film.h"
#include "FormRun.h"
#include "FormText.h"
#include "PackageCommand.h"
#include "Tollenspiegel.h"

namespace Tools {

namespace {

[[noreturn]] void Fail(const std::string& what) { throw SysUtils::Exception(what); }

// Where a control of `size` starts so that it lies inside `room`, where it fits.
int Inside(int at, int size, int room) { return std::clamp(at, 0, std::max(0, room - size)); }

std::unique_ptr<Forms::TForm> NewForm() {
  auto form = std::make_unique<Forms::TForm>(nullptr);
  form->SetName("Form1");
  form->SetCaption("Form1");
  form->SetBounds(0, 0, 640, 400);
  return form;
}

bool OnPalette(System::TClass cls) {
  for (const DsgnIntf::TPalettePage& page : DsgnIntf::PalettePages())
    if (std::find(page.Classes.begin(), page.Classes.end(), cls) != page.Classes.end()) return true;
  return false;
}

std::vector<std::string> SplitPath(const std::string& path) {
  std::vector<std::string> parts;
  std::istringstream in(path);
  for (std::string part; std::getline(in, part, '.');) parts.push_back(part);
  return parts;
}

}  // namespace

std::vector<std::string> RegisterForDesign() {
  Tollenspiegel::RegisterClasses();
  return DsgnIntf::RegisterPackage(LinkedPackage());
}

TDesignSession::TDesignSession() { New(); }

TDesignSession::~TDesignSession() = default;

// ---- the form and its file ----

void TDesignSession::Replace(std::unique_ptr<Forms::TForm> form) {
  form->SetDesigning(true);
  std::unique_ptr<Forms::TForm> old = std::move(FForm);
  FForm = std::move(form);
  FDesigner = std::make_unique<DsgnIntf::TDesigner>(*FForm);
  std::erase_if(FSelection, [&](const std::string& n) {
    return !SysUtils::SameText(n, FForm->Name()) && FForm->FindComponent(n) == nullptr;
  });
  old.reset();
  if (OnFormReplaced) OnFormReplaced();
}

std::string TDesignSession::Text() const { return Classes::WriteComponentText(*FForm); }

void TDesignSession::Restore(const std::string& text) {
  Replace(Forms::ReadFormText(text, FFileName.empty() ? "<form>" : FFileName, FForm->FileFolder(),
                              true));
  if (Text() == FSavedText)
    FDesigner->ClearModified();
  else
    FDesigner->Modified();
}

void TDesignSession::New() {
  Replace(NewForm());
  FFileName.clear();
  FSavedText = Text();
  FSelection.clear();
  FUndo.Clear();
}

void TDesignSession::Open(const std::string& path) {
  Replace(Forms::ReadFormFile(path, true));
  FFileName = path;
  FSavedText = Text();
  FSelection.clear();
  FUndo.Clear();
}

void TDesignSession::Save() {
  if (FFileName.empty()) Fail("the form has no file name yet; save it as a file");
  SaveAs(FFileName);
}

void TDesignSession::SaveAs(const std::string& path) {
  Classes::WriteComponentFile(*FForm, path);
  FFileName = path;
  FSavedText = Text();
  FDesigner->ClearModified();
}

void TDesignSession::Change(const std::function<void()>& step) {
  std::string before = Text();
  try {
    step();
  } catch (...) {
    if (Text() != before) Restore(before);
    throw;
  }
  if (Text() == before) return;
  FUndo.Push(std::move(before));
  FDesigner->Modified();
}

// ---- components ----

Classes::TComponent& TDesignSession::Component(const std::string& name) {
  if (SysUtils::SameText(name, FForm->Name())) return *FForm;
  Classes::TComponent* c = FForm->FindComponent(name);
  if (c == nullptr) Fail("no component named " + name);
  return *c;
}

std::vector<std::string> TDesignSession::ComponentNames() const {
  std::vector<std::string> names;
  for (int i = 0; i < FForm->ComponentCount(); ++i) names.push_back(FForm->Components(i)->Name());
  return names;
}

bool TDesignSession::IsTaken(const std::string& name,
                             const std::vector<std::string>& alsoTaken) const {
  auto same = [&](const std::string& n) { return SysUtils::SameText(n, name); };
  return FForm->FindComponent(name) != nullptr || same(FForm->Name()) ||
         std::any_of(alsoTaken.begin(), alsoTaken.end(), same);
}

std::string TDesignSession::FreeName(const std::string& className,
                                     const std::vector<std::string>& alsoTaken) const {
  const std::string base = className.substr(className.size() > 1 && className[0] == 'T' ? 1 : 0);
  for (int n = 1;; ++n) {
    std::string name = base + std::to_string(n);
    if (!IsTaken(name, alsoTaken)) return name;
  }
}

void TDesignSession::CheckNewName(const std::string& name,
                                  const Classes::TComponent* except) const {
  if (!IsValidIdent(name))
    Fail("\"" + name + "\" cannot name a component: use a letter or _, then letters, digits or _");
  const Classes::TComponent* same =
      SysUtils::SameText(name, FForm->Name()) ? FForm.get() : FForm->FindComponent(name);
  if (same != nullptr && same != except) Fail("a component named " + name + " already exists");
}

Classes::TComponent& TDesignSession::Add(const std::string& className, Types::TPoint at,
                                         const std::string& name) {
  System::TClass cls = Classes::GetClass(className);
  if (cls == nullptr || cls->Create == nullptr || !OnPalette(cls))
    Fail("\"" + className + "\" is not on the palette");
  const std::string chosen = name.empty() ? FreeName(std::string(cls->Name)) : name;
  CheckNewName(chosen, nullptr);
  Change([&] {
    Classes::TComponent* c = cls->Create(FForm.get());
    c->SetName(chosen);
    if (auto* control = dynamic_cast<Controls::TControl*>(c)) {
      control->SetLeft(Inside(at.X, control->Width(), FForm->Width()));
      control->SetTop(Inside(at.Y, control->Height(), FForm->Height()));
      control->SetParent(FForm.get());
    }
  });
  FSelection = {chosen};
  return Component(chosen);
}

void TDesignSession::Rename(const std::string& name, const std::string& newName) {
  Classes::TComponent& c = Component(name);
  CheckNewName(newName, &c);
  Change([&] { c.SetName(newName); });
  for (std::string& s : FSelection)
    if (SysUtils::SameText(s, name)) s = newName;
}

// ---- the selection ----

void TDesignSession::Select(const std::vector<std::string>& names) {
  std::vector<std::string> chosen;
  for (const std::string& n : names) chosen.push_back(Component(n).Name());
  FSelection = std::move(chosen);
}

std::vector<Classes::TComponent*> TDesignSession::Selected() {
  if (FSelection.empty()) Fail("nothing is selected");
  std::vector<Classes::TComponent*> out;
  for (const std::string& n : FSelection) {
    Classes::TComponent& c = Component(n);
    if (&c == FForm.get()) Fail("the form itself cannot be moved, copied or deleted");
    out.push_back(&c);
  }
  return out;
}

void TDesignSession::SetBounds(const std::string& name, const Types::TRect& r) {
  auto* control = dynamic_cast<Controls::TControl*>(&Component(name));
  if (control == nullptr || control == FForm.get()) Fail(name + " has no place on the form");
  if (r.Width() < 0 || r.Height() < 0) Fail("a control cannot be smaller than nothing");
  Change([&] { control->SetBounds(r.Left, r.Top, r.Width(), r.Height()); });
}

void TDesignSession::MoveSelection(int dx, int dy) {
  std::vector<Classes::TComponent*> chosen = Selected();
  Change([&] {
    for (Classes::TComponent* c : chosen)
      if (auto* control = dynamic_cast<Controls::TControl*>(c))
        control->SetBounds(control->Left() + dx, control->Top() + dy, control->Width(),
                           control->Height());
  });
}

void TDesignSession::DeleteSelection() {
  std::vector<Classes::TComponent*> chosen = Selected();
  Change([&] {
    for (Classes::TComponent* c : chosen) delete c;
  });
  FSelection.clear();
}

std::string TDesignSession::CopySelection() {
  const std::string form = Text();
  std::string text;
  for (Classes::TComponent* c : Selected()) text += ObjectOf(form, c->Name()).Text;
  return text;
}

std::string TDesignSession::CutSelection() {
  std::string text = CopySelection();
  DeleteSelection();
  return text;
}

void TDesignSession::Paste(const std::string& text) {
  std::vector<TObjectBlock> blocks = SplitObjects(text);
  if (blocks.empty()) Fail("the clipboard holds no components");
  std::vector<std::string> taken;
  for (TObjectBlock& b : blocks) {
    Classes::ParseForm(b.Text, "clipboard");  // says where a block is broken
    System::TClass cls = Classes::GetClass(b.ClassName);
    if (cls == nullptr || !OnPalette(cls)) Fail("\"" + b.ClassName + "\" is not on the palette");
    const bool free = IsValidIdent(b.Name) && !IsTaken(b.Name, taken);
    const std::string name = free ? b.Name : FreeName(b.ClassName, taken);
    taken.push_back(name);
    b = Renamed(b, name);
  }
  const std::string pasted = InsertObjects(Text(), blocks, false);
  Change([&] { Restore(pasted); });
  FSelection.clear();
  for (const TObjectBlock& b : blocks) FSelection.push_back(b.Name);
}

void TDesignSession::Restack(bool atBack) {
  std::vector<TObjectBlock> blocks = SplitObjects(CopySelection());
  std::vector<Classes::TComponent*> chosen = Selected();
  Change([&] {
    for (Classes::TComponent* c : chosen) delete c;
    Restore(InsertObjects(Text(), blocks, atBack));
  });
}

void TDesignSession::BringToFront() { Restack(false); }

void TDesignSession::SendToBack() { Restack(true); }

// ---- properties and verbs ----

void TDesignSession::AddRows(Classes::TPersistent& object, const std::string& prefix,
                             std::vector<TPropertyRow>& rows) {
  for (const TypInfo::TPropInfo& p : TypInfo::GetPropList(object.ClassType())) {
    if (prefix.empty() && p.Name == "Name") continue;
    auto editor = DsgnIntf::GetPropertyEditor(*FDesigner, object, p);
    const std::string path = prefix + std::string(p.Name);
    if (editor->GetAttributes().Contains(DsgnIntf::paSubProperties)) {
      auto* sub = dynamic_cast<Classes::TPersistent*>(p.GetObject(object));
      if (sub != nullptr && dynamic_cast<Classes::TComponent*>(sub) == nullptr &&
          !TypInfo::GetPropList(sub->ClassType()).empty()) {
        AddRows(*sub, path + ".", rows);
        continue;
      }
    }
    TPropertyRow row{path, editor->GetValue(), editor->GetAttributes(), p.Type, {}};
    if (row.Attributes.Contains(DsgnIntf::paValueList))
      editor->GetValues([&row](const std::string& value) { row.Values.push_back(value); });
    rows.push_back(std::move(row));
  }
}

std::vector<TPropertyRow> TDesignSession::Properties(const std::string& name) {
  std::vector<TPropertyRow> rows;
  AddRows(Component(name), "", rows);
  return rows;
}

std::unique_ptr<DsgnIntf::TPropertyEditor> TDesignSession::PropertyEditor(const std::string& path) {
  std::vector<std::string> parts = SplitPath(path);
  if (parts.size() < 2) Fail("name a property as NAME.PROPERTY");
  Classes::TPersistent* object = &Component(parts[0]);
  for (std::size_t i = 1;; ++i) {
    auto info = TypInfo::GetPropInfo(object->ClassType(), parts[i]);
    if (!info) Fail(std::string(object->ClassName()) + " has no property \"" + parts[i] + "\"");
    if (i + 1 == parts.size()) return DsgnIntf::GetPropertyEditor(*FDesigner, *object, *info);
    auto* sub =
        info->GetObject ? dynamic_cast<Classes::TPersistent*>(info->GetObject(*object)) : nullptr;
    if (sub == nullptr) Fail("\"" + parts[i] + "\" has no properties of its own");
    object = sub;
  }
}

std::string TDesignSession::SetProperty(const std::string& path, const std::string& value) {
  std::vector<std::string> parts = SplitPath(path);
  if (parts.size() == 2 && SysUtils::SameText(parts[1], "Name")) {
    Rename(parts[0], value);
    return value;
  }
  auto editor = PropertyEditor(path);
  Change([&] { editor->SetValue(value); });
  return PropertyEditor(path)->GetValue();
}

std::string TDesignSession::EditProperty(const std::string& path) {
  auto editor = PropertyEditor(path);
  if (!editor->GetAttributes().Contains(DsgnIntf::paDialog)) Fail(path + " has no dialog");
  Change([&] { editor->Edit(); });
  return PropertyEditor(path)->GetValue();
}

std::vector<std::string> TDesignSession::Verbs(const std::string& name) {
  auto editor = DsgnIntf::GetComponentEditor(Component(name), *FDesigner);
  std::vector<std::string> verbs;
  for (int i = 0; i < editor->GetVerbCount(); ++i) verbs.push_back(editor->GetVerb(i));
  return verbs;
}

void TDesignSession::ExecuteVerb(const std::string& name, int index) {
  auto editor = DsgnIntf::GetComponentEditor(Component(name), *FDesigner);
  if (index < 0 || index >= editor->GetVerbCount())
    Fail(name + " has no verb " + std::to_string(index));
  Change([&] { editor->ExecuteVerb(index); });
}

void TDesignSession::DoubleClick(const std::string& name) {
  auto editor = DsgnIntf::GetComponentEditor(Component(name), *FDesigner);
  Change([&] { editor->Edit(); });
}

// ---- undo ----

bool TDesignSession::Undo() {
  std::optional<std::string> back = FUndo.Undo(Text());
  if (back) Restore(*back);
  return back.has_value();
}

bool TDesignSession::Redo() {
  std::optional<std::string> forward = FUndo.Redo(Text());
  if (forward) Restore(*forward);
  return forward.has_value();
}

}  // namespace Tools
