// `tollenspiegel design`: the designer on a terminal.
//
// One command a line; each answers in plain lines, and a bad command or value is
// reported in one line without leaving the shell:
//   palette                  the palette pages and their controls
//   new CLASS [NAME]         a control on the form being designed
//   props NAME               its published properties through their editors
//   set NAME.PROP VALUE      a value through the property's editor
//   edit NAME.PROP           the property editor's dialog
//   verbs NAME               the component editor's verbs
//   verb NAME INDEX          runs one
//   save FILE                writes the form file
//   wait MS                  lets the form's timers run (a film's test run)
//   help, quit
// Dialogs (a sound to choose, pictures to add, a question) are asked on the same
// terminal.
// The form itself is named by its own name (Form1 at the start).
#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "DesignSession.h"
#include "DsgnIntf.h"
#include "Forms.h"
#include "TerminalDialogs.h"

namespace Tools {

class TDesignShell {
 public:
  TDesignShell(std::istream& in, std::ostream& out);
  ~TDesignShell();

  // Reads and runs commands until "quit" or the end of the input.
  int Run();
  // Runs one command line; false after "quit".
  bool Execute(const std::string& line);

  Forms::TForm& Form() { return *FForm; }

 private:
  void Palette();
  void New(const std::vector<std::string>& args);
  void Props(const std::vector<std::string>& args);
  void Set(const std::vector<std::string>& args, const std::string& line);
  void Edit(const std::vector<std::string>& args);
  void Verbs(const std::vector<std::string>& args);
  void Verb(const std::vector<std::string>& args);
  void Save(const std::vector<std::string>& args);
  void Wait(const std::vector<std::string>& args);
  void Help();

  Classes::TComponent& Component(const std::string& name);
  std::unique_ptr<DsgnIntf::TPropertyEditor> Editor(const std::string& path);
  void ListProperties(Classes::TPersistent& object, const std::string& prefix);
  std::string NewName(System::TClass cls) const;

  std::istream& FIn;
  std::ostream& FOut;
  TTerminalDialogs FDialogs;
  std::unique_ptr<Forms::TForm> FForm;
  std::unique_ptr<DsgnIntf::TDesigner> FDesigner;
  int FPlaced = 0;
};

}  // namespace Tools
