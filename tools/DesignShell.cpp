#include "DesignShell.h"

#include <iostream>

#include "Classes/PropertyText.h"
#include "ShellWords.h"

namespace Tools {

namespace {

[[noreturn]] void Bad(const std::string& what) { throw SysUtils::Exception(what); }

int Number(const std::string& text, const std::string& what) {
  try {
    std::size_t used = 0;
    int n = std::stoi(text, &used);
    if (used == text.size()) return n;
  } catch (const std::exception&) {
  }
  Bad(what + " is a whole number, not \"" + text + "\"");
}

// What follows the first `words` words of a typed line, blanks inside kept.
std::string RestOfLine(const std::string& line, int words) {
  std::size_t at = line.find_first_not_of(" \t");
  for (int word = 0; word < words && at != std::string::npos; ++word) {
    at = line.find_first_of(" \t", at);
    at = line.find_first_not_of(" \t", at);
  }
  return at == std::string::npos ? std::string() : line.substr(at);
}

// A value typed for `set`: 'quoted' text is a string as form files write it
// ('' for a quote, #n for a character); anything else is taken as it stands.
std::string TypedValue(const std::string& text) {
  if (text.empty() || (text[0] != '\'' && text[0] != '#')) return text;
  Classes::TFormValue value = Classes::ParseFormValue(text, "value");
  if (value.Kind != Classes::TFormValue::TKind::String) Bad("a quoted value must be one string");
  return value.Text;
}

}  // namespace

struct TDesignShell::TCommand {
  const char* Name;
  const char* Usage;
  const char* Help;
  void (TDesignShell::*Run)(const TArgs&);
  std::size_t MinArgs;
  std::size_t MaxArgs;
};

const std::vector<TDesignShell::TCommand>& TDesignShell::Commands() {
  constexpr std::size_t kAny = 1000;
  static const std::vector<TCommand> commands{
      {"palette", "palette", "the palette pages and their controls", &TDesignShell::Palette, 0, 0},
      {"new", "new CLASS [NAME] [LEFT TOP]", "puts a control of the palette on the form",
       &TDesignShell::New, 1, 4},
      {"list", "list", "the form's components, with their places", &TDesignShell::List, 0, 0},
      {"select", "select [NAME...]", "selects components (shows the selection)",
       &TDesignShell::Select, 0, kAny},
      {"props", "props NAME", "its published properties through their editors",
       &TDesignShell::Props, 1, 1},
      {"set", "set NAME.PROP VALUE", "sets one through its editor ('quoted' for text)",
       &TDesignShell::Set, 2, kAny},
      {"edit", "edit NAME.PROP", "opens the property editor's dialog", &TDesignShell::Edit, 1, 1},
      {"verbs", "verbs NAME", "lists the component editor's verbs", &TDesignShell::Verbs, 1, 1},
      {"verb", "verb NAME INDEX", "runs one", &TDesignShell::Verb, 2, 2},
      {"dblclick", "dblclick NAME", "the designer's double-click on it", &TDesignShell::DoubleClick,
       1, 1},
      {"move", "move NAME LEFT TOP", "moves a control", &TDesignShell::Move, 3, 3},
      {"size", "size NAME WIDTH HEIGHT", "resizes a control", &TDesignShell::Size, 3, 3},
      {"delete", "delete [NAME...]", "deletes them, or the selection", &TDesignShell::Delete, 0,
       kAny},
      {"cut", "cut [NAME...]", "cuts them, or the selection", &TDesignShell::Cut, 0, kAny},
      {"copy", "copy [NAME...]", "copies them, or the selection", &TDesignShell::Copy, 0, kAny},
      {"paste", "paste", "puts what was cut or copied on the form", &TDesignShell::Paste, 0, 0},
      {"front", "front [NAME...]", "brings them to the front", &TDesignShell::Front, 0, kAny},
      {"back", "back [NAME...]", "sends them to the back", &TDesignShell::Back, 0, kAny},
      {"undo", "undo", "takes back the last change", &TDesignShell::Undo, 0, 0},
      {"redo", "redo", "makes the change undone again", &TDesignShell::Redo, 0, 0},
      {"open", "open FILE", "opens a form file", &TDesignShell::Open, 1, 1},
      {"save", "save [FILE]", "writes the form file (under its name)", &TDesignShell::Save, 0, 1},
      {"wait", "wait MS", "lets the form's timers run for MS milliseconds", &TDesignShell::Wait, 1,
       1},
      {"help", "help", "lists the commands", &TDesignShell::Help, 0, 0},
  };
  return commands;
}

TDesignShell::TDesignShell(std::istream& in, std::ostream& out, std::ostream& err, bool prompt)
    : FIn(in),
      FOut(out),
      FErr(err),
      FPrompt(prompt),
      FDialogs(in, out),
      FOwnSession(std::make_unique<TDesignSession>()),
      FSession(*FOwnSession),
      FPreviousDialogs(&Dialogs::DialogService()) {
  Dialogs::UseDialogService(&FDialogs);
}

TDesignShell::TDesignShell(TDesignSession& session, std::istream& in, std::ostream& out,
                           std::ostream& err)
    : FIn(in),
      FOut(out),
      FErr(err),
      FPrompt(false),
      FDialogs(in, out),
      FSession(session),
      FPreviousDialogs(&Dialogs::DialogService()) {
  Dialogs::UseDialogService(&FDialogs);
}

TDesignShell::~TDesignShell() { Dialogs::UseDialogService(FPreviousDialogs); }

int TDesignShell::Run() {
  if (FPrompt) FOut << "Tollenspiegel designer; \"help\" lists the commands.\n";
  for (std::string line;;) {
    if (FPrompt) FOut << "design> " << std::flush;
    if (!std::getline(FIn, line) || !Execute(line)) break;
  }
  return FFailed ? 1 : 0;
}

bool TDesignShell::Execute(const std::string& line) {
  try {
    std::vector<std::string> words = ShellWords(line);
    if (words.empty() || words[0][0] == '#') return true;
    if (words[0] == "quit" || words[0] == "exit") return false;
    const TArgs args(words.begin() + 1, words.end());
    for (const TCommand& c : Commands()) {
      if (words[0] != c.Name) continue;
      if (args.size() < c.MinArgs || args.size() > c.MaxArgs) Bad(std::string("usage: ") + c.Usage);
      FLine = line;
      (this->*c.Run)(args);
      return true;
    }
    Bad("unknown command \"" + words[0] + "\"; \"help\" lists the commands");
  } catch (const std::exception& e) {
    FErr << "error: " << e.what() << "\n";
    FFailed = true;
  }
  return true;
}

void TDesignShell::Help(const TArgs&) {
  for (const TCommand& c : Commands()) {
    std::string usage = c.Usage;
    usage.resize(std::max<std::size_t>(usage.size() + 1, 30), ' ');
    FOut << usage << c.Help << "\n";
  }
  FOut << std::string("quit").append(26, ' ') << "leaves the designer\n";
}

// ---- components ----

void TDesignShell::Palette(const TArgs&) {
  for (const DsgnIntf::TPalettePage& page : DsgnIntf::PalettePages()) {
    FOut << page.Name << ":";
    for (System::TClass c : page.Classes) FOut << " " << c->Name;
    FOut << "\n";
  }
}

void TDesignShell::New(const TArgs& args) {
  // Without a place, controls go in rows over the form.
  Types::TPoint at{8 + (FPlaced % 6) * 104, 8 + (FPlaced / 6) % 4 * 96};
  const bool placed = args.size() >= 3;
  if (placed) at = {Number(args[args.size() - 2], "LEFT"), Number(args[args.size() - 1], "TOP")};
  const std::string name = args.size() == 2 || args.size() == 4 ? args[1] : "";
  Classes::TComponent& c = FSession.Add(args[0], at, name);
  if (!placed) ++FPlaced;
  FOut << c.Name() << ": " << c.ClassName() << "\n";
}

void TDesignShell::List(const TArgs&) {
  for (const std::string& name : FSession.ComponentNames()) {
    Classes::TComponent& c = FSession.Component(name);
    FOut << name << ": " << c.ClassName();
    if (auto* control = dynamic_cast<Controls::TControl*>(&c))
      FOut << " at " << control->Left() << "," << control->Top() << " size " << control->Width()
           << "x" << control->Height();
    FOut << "\n";
  }
}

void TDesignShell::Select(const TArgs& args) {
  if (!args.empty()) FSession.Select(args);
  FOut << "selected:";
  for (const std::string& n : FSession.Selection()) FOut << " " << n;
  FOut << "\n";
}

void TDesignShell::SelectGiven(const TArgs& names) {
  if (!names.empty()) FSession.Select(names);
}

Controls::TControl& TDesignShell::Control(const std::string& name) {
  auto* control = dynamic_cast<Controls::TControl*>(&FSession.Component(name));
  if (control == nullptr || control == &FSession.Form()) Bad(name + " has no place on the form");
  return *control;
}

void TDesignShell::Move(const TArgs& args) {
  Controls::TControl& c = Control(args[0]);
  const int left = Number(args[1], "LEFT"), top = Number(args[2], "TOP");
  FSession.SetBounds(args[0], {left, top, left + c.Width(), top + c.Height()});
  FOut << args[0] << " at " << left << "," << top << "\n";
}

void TDesignShell::Size(const TArgs& args) {
  Controls::TControl& c = Control(args[0]);
  const int width = Number(args[1], "WIDTH"), height = Number(args[2], "HEIGHT");
  FSession.SetBounds(args[0], {c.Left(), c.Top(), c.Left() + width, c.Top() + height});
  FOut << args[0] << " size " << c.Width() << "x" << c.Height() << "\n";
}

void TDesignShell::Delete(const TArgs& args) {
  SelectGiven(args);
  const std::vector<std::string> gone = FSession.Selection();
  FSession.DeleteSelection();
  FOut << "deleted";
  for (const std::string& n : gone) FOut << " " << n;
  FOut << "\n";
}

void TDesignShell::Cut(const TArgs& args) {
  SelectGiven(args);
  FClipboard = FSession.CutSelection();
  FOut << "cut\n";
}

void TDesignShell::Copy(const TArgs& args) {
  SelectGiven(args);
  FClipboard = FSession.CopySelection();
  FOut << "copied\n";
}

void TDesignShell::Paste(const TArgs&) {
  if (FClipboard.empty()) Bad("nothing has been cut or copied");
  FSession.Paste(FClipboard);
  FOut << "pasted";
  for (const std::string& n : FSession.Selection()) FOut << " " << n;
  FOut << "\n";
}

void TDesignShell::Front(const TArgs& args) {
  SelectGiven(args);
  FSession.BringToFront();
  FOut << "brought to the front\n";
}

void TDesignShell::Back(const TArgs& args) {
  SelectGiven(args);
  FSession.SendToBack();
  FOut << "sent to the back\n";
}

// ---- properties and verbs ----

void TDesignShell::Props(const TArgs& args) {
  for (const TPropertyRow& row : FSession.Properties(args[0])) {
    const bool dialog = row.Attributes.Contains(DsgnIntf::paDialog);
    FOut << row.Path << " = " << row.Value << (dialog ? " [...]" : "") << "\n";
  }
}

void TDesignShell::Set(const TArgs& args) {
  const std::string value = FSession.SetProperty(args[0], TypedValue(RestOfLine(FLine, 2)));
  FOut << args[0] << " = " << value << "\n";
}

void TDesignShell::Edit(const TArgs& args) {
  const std::string value = FSession.EditProperty(args[0]);  // the dialog talks first
  FOut << args[0] << " = " << value << "\n";
}

void TDesignShell::Verbs(const TArgs& args) {
  const std::vector<std::string> verbs = FSession.Verbs(args[0]);
  if (verbs.empty()) FOut << "(no verbs)\n";
  for (std::size_t i = 0; i < verbs.size(); ++i) FOut << i << ": " << verbs[i] << "\n";
}

void TDesignShell::Verb(const TArgs& args) {
  const int index = Number(args[1], "INDEX");
  const std::vector<std::string> verbs = FSession.Verbs(args[0]);
  if (index < 0 || index >= static_cast<int>(verbs.size()))
    Bad(args[0] + " has no verb " + args[1]);
  FOut << "running \"" << verbs[static_cast<std::size_t>(index)] << "\"\n";
  FSession.ExecuteVerb(args[0], index);
}

void TDesignShell::DoubleClick(const TArgs& args) {
  FSession.DoubleClick(args[0]);
  FOut << "double-clicked " << args[0] << "\n";
}

// ---- undo and files ----

void TDesignShell::Undo(const TArgs&) {
  FOut << (FSession.Undo() ? "undone\n" : "nothing to undo\n");
}

void TDesignShell::Redo(const TArgs&) {
  FOut << (FSession.Redo() ? "redone\n" : "nothing to redo\n");
}

void TDesignShell::Open(const TArgs& args) {
  FSession.Open(args[0]);
  FOut << "opened " << args[0] << " (" << FSession.ComponentNames().size() << " components)\n";
}

void TDesignShell::Save(const TArgs& args) {
  if (args.empty())
    FSession.Save();
  else
    FSession.SaveAs(args[0]);
  FOut << "wrote " << FSession.FileName() << "\n";
}

void TDesignShell::Wait(const TArgs& args) {
  const int ms = Number(args[0], "MS");
  if (ms < 0 || ms > 3'600'000) Bad("wait takes 0 to 3600000 milliseconds");
  Forms::Application().RunFor(ms);
  FOut << "waited " << ms << " ms\n";
}

}  // namespace Tools
