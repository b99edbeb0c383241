// A form being designed, without any window: what the designer's front ends (the
// terminal shell, a window) drive.
//
// The form and everything on it are in the designing state: a clock goes on
// ticking, a film plays only while its editor test-plays it, tickers and wave
// captions stand still. Every change goes through the session: components come
// from the palette registry, properties change through their registered editors,
// verbs through the component's editor. Each change that alters the form's text
// is one undo step (the text before it is kept), and marks the designer
// modified until the form is saved.
//
// Components are named by their names (the form by its own); a name must be an
// identifier and unique in the form. Failures raise SysUtils::Exception (a bad
// form file Classes::EReadError, with file, line and column) and change nothing.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "DsgnIntf.h"
#include "Forms.h"
#include "Types.h"
#include "UndoStack.h"

namespace Tools {

// One row of the object inspector: a property (sub-properties by their path,
// as "Pen.Width"), its value as its editor shows it, its editor's attributes, its
// type (how a front end offers it) and, for a paValueList editor, its values.
struct TPropertyRow {
  std::string Path;
  std::string Value;
  DsgnIntf::TPropertyAttributes Attributes;
  const TypInfo::TTypeInfo* Type = nullptr;
  std::vector<std::string> Values;
};

class TDesignSession {
 public:
  TDesignSession();
  ~TDesignSession();
  TDesignSession(const TDesignSession&) = delete;
  TDesignSession& operator=(const TDesignSession&) = delete;

  // ---- the form and its file ----
  Forms::TForm& Form() { return *FForm; }
  DsgnIntf::TDesigner& Designer() { return *FDesigner; }
  // The name the form was opened or saved under, as given; empty for a new form.
  const std::string& FileName() const { return FFileName; }
  bool IsModified() const { return FDesigner->IsModified(); }
  // Called whenever the form object is replaced (open, undo, paste...).
  std::function<void()> OnFormReplaced;

  void New();
  void Open(const std::string& path);
  // Saves under the file name; raises when the form has none yet.
  void Save();
  void SaveAs(const std::string& path);

  // ---- components ----
  // A component of the palette's class `className` with its constructor's size,
  // at `at` (moved to lie inside the form where it fits), named `name` or the
  // next free class name without its T and a number (Vorm1, Film2...).
  Classes::TComponent& Add(const std::string& className, Types::TPoint at,
                           const std::string& name = "");
  Classes::TComponent& Component(const std::string& name);
  // The form's components in their order (the form itself not included).
  std::vector<std::string> ComponentNames() const;
  void Rename(const std::string& name, const std::string& newName);

  // ---- the selection and what acts on it ----
  void Select(const std::vector<std::string>& names);
  const std::vector<std::string>& Selection() const { return FSelection; }
  void SetBounds(const std::string& name, const Types::TRect& bounds);
  void MoveSelection(int dx, int dy);
  void DeleteSelection();
  // The selection as form text, for the clipboard.
  std::string CopySelection();
  std::string CutSelection();
  // Puts the components of clipboard text on the form, renamed where their
  // names are taken, and selects them.
  void Paste(const std::string& text);
  void BringToFront();
  void SendToBack();

  // ---- properties and verbs ----
  // The published properties of a component through their editors, sub-objects
  // opened into their own properties.
  std::vector<TPropertyRow> Properties(const std::string& name);
  // The editor of "Name.Property[.Sub...]"; raises when there is none.
  std::unique_ptr<DsgnIntf::TPropertyEditor> PropertyEditor(const std::string& path);
  // Sets a value through the property's editor and gives its value after.
  std::string SetProperty(const std::string& path, const std::string& value);
  // Runs the editor's dialog (paDialog properties only) and gives the value after.
  std::string EditProperty(const std::string& path);
  std::vector<std::string> Verbs(const std::string& name);
  void ExecuteVerb(const std::string& name, int index);
  // The designer's double-click: the component editor's Edit.
  void DoubleClick(const std::string& name);

  // ---- undo ----
  bool Undo();
  bool Redo();
  bool CanUndo() const { return FUndo.CanUndo(); }
  bool CanRedo() const { return FUndo.CanRedo(); }

 private:
  // Runs one change: an undo step when the form's text differs after it; the
  // text before comes back when it fails.
  void Change(const std::function<void()>& step);
  void Replace(std::unique_ptr<Forms::TForm> form);
  void Restore(const std::string& text);
  std::string Text() const;
  bool IsTaken(const std::string& name, const std::vector<std::string>& alsoTaken = {}) const;
  std::string FreeName(const std::string& className,
                       const std::vector<std::string>& alsoTaken = {}) const;
  void CheckNewName(const std::string& name, const Classes::TComponent* except) const;
  std::vector<Classes::TComponent*> Selected();
  void Restack(bool atBack);
  void AddRows(Classes::TPersistent& object, const std::string& prefix,
               std::vector<TPropertyRow>& rows);

  std::unique_ptr<Forms::TForm> FForm;
  std::unique_ptr<DsgnIntf::TDesigner> FDesigner;
  std::string FFileName;
  std::string FSavedText;
  std::vector<std::string> FSelection;
  TUndoStack FUndo;
};

// Runs the registrations of the package the tool is linked with, as the designer
// does after loading it; returns the Register procedures it ran.
std::vector<std::string> RegisterForDesign();

}  // namespace Tools
