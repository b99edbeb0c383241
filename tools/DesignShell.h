// `tollenspiegel design`: the designer on a terminal, over the design session.
//
// One command a line ("help" lists them). Words are separated by blanks and may be
// quoted ("a b" or 'a b'); `set` takes the rest of the line as the value, where a
// 'quoted' value is a string as form files write it. Each command answers in plain
// lines on the output; a bad command or value is reported in one line on the
// error stream without leaving the shell, and the run then ends with status 1.
// Dialogs (a sound to choose, pictures to add, a question) are asked on the same
// terminal. The form itself is named by its own name (Form1 at the start).
#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "DesignSession.h"
#include "TerminalDialogs.h"

namespace Tools {

class TDesignShell {
 public:
  // `prompt`: show a prompt before each line (for a person at a terminal).
  TDesignShell(std::istream& in, std::ostream& out, std::ostream& err, bool prompt = false);
  // A shell over a session that another front end (the designer window) shows.
  TDesignShell(TDesignSession& session, std::istream& in, std::ostream& out, std::ostream& err);
  ~TDesignShell();
  TDesignShell(const TDesignShell&) = delete;
  TDesignShell& operator=(const TDesignShell&) = delete;

  // Reads and runs commands until "quit" or the end of the input; 0 when every
  // command succeeded, else 1.
  int Run();
  // Runs one command line; false after "quit".
  bool Execute(const std::string& line);

  TDesignSession& Session() { return FSession; }

 private:
  using TArgs = std::vector<std::string>;
  struct TCommand;
  static const std::vector<TCommand>& Commands();

  void Palette(const TArgs& args);
  void New(const TArgs& args);
  void List(const TArgs& args);
  void Select(const TArgs& args);
  void Props(const TArgs& args);
  void Set(const TArgs& args);
  void Edit(const TArgs& args);
  void Verbs(const TArgs& args);
  void Verb(const TArgs& args);
  void DoubleClick(const TArgs& args);
  void Move(const TArgs& args);
  void Size(const TArgs& args);
  void Delete(const TArgs& args);
  void Cut(const TArgs& args);
  void Copy(const TArgs& args);
  void Paste(const TArgs& args);
  void Front(const TArgs& args);
  void Back(const TArgs& args);
  void Undo(const TArgs& args);
  void Redo(const TArgs& args);
  void Open(const TArgs& args);
  void Save(const TArgs& args);
  void Wait(const TArgs& args);
  void Help(const TArgs& args);

  void SelectGiven(const TArgs& names);
  Controls::TControl& Control(const std::string& name);

  std::istream& FIn;
  std::ostream& FOut;
  std::ostream& FErr;
  bool FPrompt;
  TTerminalDialogs FDialogs;
  std::unique_ptr<TDesignSession> FOwnSession;
  TDesignSession& FSession;
  Dialogs::TDialogService* FPreviousDialogs;  // given back when the shell ends
  std::string FClipboard;
  std::string FLine;  // the line being run, for `set`, which takes its rest
  int FPlaced = 0;
  bool FFailed = false;
};

}  // namespace Tools
