#include "DesignShell.h"

#include <iostream>
#include <sstream>

#include "Classes/Streaming.h"
#include "PackageCommand.h"
#include "Tollenspiegel.h"

namespace Tools {

namespace {

std::vector<std::string> Words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

[[noreturn]] void Bad(const std::string& what) { throw SysUtils::Exception(what); }

void Need(const std::vector<std::string>& args, std::size_t count, const char* usage) {
  if (args.size() != count) Bad(std::string("usage: ") + usage);
}

}  // namespace

TDesignShell::TDesignShell(std::istream& in, std::ostream& out)
    : FIn(in), FOut(out), FDialogs(in, out), FForm(std::make_unique<Forms::TForm>(nullptr)) {
  Dialogs::UseDialogService(&FDialogs);
  FForm->SetName("Form1");
  FForm->SetCaption("Form1");
  FForm->SetBounds(0, 0, 640, 400);
  FForm->SetDesigning(true);
  FDesigner = std::make_unique<DsgnIntf::TDesigner>(*FForm);
}

TDesignShell::~TDesignShell() { Dialogs::UseDialogService(nullptr); }

int TDesignShell::Run() {
  FOut << "Tollenspiegel designer; \"help\" lists the commands.\n";
  for (std::string line; std::getline(FIn, line);)
    if (!Execute(line)) break;
  return 0;
}

bool TDesignShell::Execute(const std::string& line) {
  std::vector<std::string> words = Words(line);
  if (words.empty() || words[0][0] == '#') return true;
  const std::string command = words[0];
  std::vector<std::string> args(words.begin() + 1, words.end());
  try {
    if (command == "quit" || command == "exit") return false;
    if (command == "palette")
      Palette();
    else if (command == "new")
      New(args);
    else if (command == "props")
      Props(args);
    else if (command == "set")
      Set(args, line);
    else if (command == "edit")
      Edit(args);
    else if (command == "verbs")
      Verbs(args);
    else if (command == "verb")
      Verb(args);
    else if (command == "save")
      Save(args);
    else if (command == "wait")
      Wait(args);
    else if (command == "help")
      Help();
    else
      Bad("unknown command \"" + command + "\"; \"help\" lists the commands");
  } catch (const std::exception& e) {
    FOut << "error: " << e.what() << "\n";
  }
  return true;
}

void TDesignShell::Palette() {
  for (const DsgnIntf::TPalettePage& page : DsgnIntf::PalettePages()) {
    FOut << page.Name << ":";
    for (System::TClass c : page.Classes) FOut << " " << c->Name;
    FOut << "\n";
  }
}

std::string TDesignShell::NewName(System::TClass cls) const {
  std::string base(cls->Name.substr(cls->Name[0] == 'T' ? 1 : 0));
  for (int n = 1;; ++n)
    if (FForm->FindComponent(base + std::to_string(n)) == nullptr) return base + std::to_string(n);
}

void TDesignShell::New(const std::vector<std::string>& args) {
  if (args.empty() || args.size() > 2) Bad("usage: new CLASS [NAME]");
  System::TClass cls = Classes::GetClass(args[0]);
  if (cls == nullptr || cls->Create == nullptr) Bad("unknown class \"" + args[0] + "\"");
  std::string name = args.size() == 2 ? args[1] : NewName(cls);
  if (FForm->FindComponent(name) != nullptr || name == FForm->Name())
    Bad("a component named " + name + " already exists");
  Classes::TComponent* c = cls->Create(FForm.get());
  c->SetName(name);
  c->SetDesigning(true);
  if (auto* control = dynamic_cast<Controls::TControl*>(c)) {
    control->SetLeft(8 + (FPlaced % 6) * 104);
    control->SetTop(8 + (FPlaced / 6) % 4 * 96);
    control->SetParent(FForm.get());
  }
  ++FPlaced;
  FDesigner->Modified();
  FOut << name << ": " << cls->Name << "\n";
}

Classes::TComponent& TDesignShell::Component(const std::string& name) {
  if (name == FForm->Name()) return *FForm;
  Classes::TComponent* c = FForm->FindComponent(name);
  if (c == nullptr) Bad("no component named " + name);
  return *c;
}

void TDesignShell::ListProperties(Classes::TPersistent& object, const std::string& prefix) {
  for (const TypInfo::TPropInfo& p : TypInfo::GetPropList(object.ClassType())) {
    if (prefix.empty() && p.Name == "Name") continue;
    auto editor = DsgnIntf::GetPropertyEditor(*FDesigner, object, p);
    const std::string name = prefix + std::string(p.Name);
    if (editor->GetAttributes().Contains(DsgnIntf::paSubProperties)) {
      auto* sub = dynamic_cast<Classes::TPersistent*>(p.GetObject(object));
      if (sub != nullptr && dynamic_cast<Classes::TComponent*>(sub) == nullptr) {
        ListProperties(*sub, name + ".");
        continue;
      }
    }
    std::string marks = editor->GetAttributes().Contains(DsgnIntf::paDialog) ? " [...]" : "";
    FOut << name << " = " << editor->GetValue() << marks << "\n";
  }
}

void TDesignShell::Props(const std::vector<std::string>& args) {
  Need(args, 1, "props NAME");
  ListProperties(Component(args[0]), "");
}

// "Klok1.WijzerUur.Lengte": the component, then the path through sub-objects.
std::unique_ptr<DsgnIntf::TPropertyEditor> TDesignShell::Editor(const std::string& path) {
  std::vector<std::string> parts;
  std::istringstream in(path);
  for (std::string part; std::getline(in, part, '.');) parts.push_back(part);
  if (parts.size() < 2) Bad("name a property as NAME.PROPERTY");
  Classes::TPersistent* object = &Component(parts[0]);
  for (std::size_t i = 1;; ++i) {
    auto info = TypInfo::GetPropInfo(object->ClassType(), parts[i]);
    if (!info) Bad(std::string(object->ClassName()) + " has no property \"" + parts[i] + "\"");
    if (i + 1 == parts.size()) return DsgnIntf::GetPropertyEditor(*FDesigner, *object, *info);
    auto* sub =
        info->GetObject ? dynamic_cast<Classes::TPersistent*>(info->GetObject(*object)) : nullptr;
    if (sub == nullptr) Bad("\"" + parts[i] + "\" has no properties of its own");
    object = sub;
  }
}

void TDesignShell::Set(const std::vector<std::string>& args, const std::string& line) {
  if (args.size() < 2) Bad("usage: set NAME.PROPERTY VALUE");
  // The value is the rest of the line after the command and the path, spaces and all.
  std::size_t at = line.find_first_not_of(" \t");
  for (int word = 0; word < 2; ++word) {
    at = line.find_first_of(" \t", at);
    at = line.find_first_not_of(" \t", at);
  }
  std::string value = line.substr(at);
  auto editor = Editor(args[0]);
  editor->SetValue(value);
  FOut << args[0] << " = " << editor->GetValue() << "\n";
}

void TDesignShell::Edit(const std::vector<std::string>& args) {
  Need(args, 1, "edit NAME.PROPERTY");
  auto editor = Editor(args[0]);
  if (!editor->GetAttributes().Contains(DsgnIntf::paDialog))
    Bad(args[0] + " has no dialog; use set");
  editor->Edit();
  FOut << args[0] << " = " << editor->GetValue() << "\n";
}

void TDesignShell::Verbs(const std::vector<std::string>& args) {
  Need(args, 1, "verbs NAME");
  auto editor = DsgnIntf::GetComponentEditor(Component(args[0]), *FDesigner);
  int count = editor->GetVerbCount();
  if (count == 0) FOut << "(no verbs)\n";
  for (int i = 0; i < count; ++i) FOut << i << ": " << editor->GetVerb(i) << "\n";
}

void TDesignShell::Verb(const std::vector<std::string>& args) {
  Need(args, 2, "verb NAME INDEX");
  auto editor = DsgnIntf::GetComponentEditor(Component(args[0]), *FDesigner);
  int index = 0;
  try {
    index = std::stoi(args[1]);
  } catch (const std::exception&) {
    Bad("a verb is chosen by its number, not \"" + args[1] + "\"");
  }
  if (index < 0 || index >= editor->GetVerbCount()) Bad(args[0] + " has no verb " + args[1]);
  FOut << "running \"" << editor->GetVerb(index) << "\"\n";
  editor->ExecuteVerb(index);
}

void TDesignShell::Save(const std::vector<std::string>& args) {
  Need(args, 1, "save FILE");
  Classes::WriteComponentFile(*FForm, args[0]);
  FDesigner->ClearModified();
  FOut << "wrote " << args[0] << "\n";
}

void TDesignShell::Wait(const std::vector<std::string>& args) {
  Need(args, 1, "wait MS");
  long long ms = 0;
  try {
    ms = std::stoll(args[0]);
  } catch (const std::exception&) {
    Bad("wait takes milliseconds, not \"" + args[0] + "\"");
  }
  if (ms < 0 || ms > 3'600'000) Bad("wait takes 0 to 3600000 milliseconds");
  Forms::Application().RunFor(ms);
  FOut << "waited " << ms << " ms\n";
}

void TDesignShell::Help() {
  FOut << "palette                 the palette pages and their controls\n"
          "new CLASS [NAME]        puts a control on the form\n"
          "props NAME              lists its properties\n"
          "set NAME.PROP VALUE     sets one through its property editor\n"
          "edit NAME.PROP          opens the property editor's dialog\n"
          "verbs NAME              lists the component editor's verbs\n"
          "verb NAME INDEX         runs one\n"
          "save FILE               writes the form file\n"
          "wait MS                 lets the form's timers run for MS milliseconds\n"
          "quit                    leaves the designer\n";
}

}  // namespace Tools
