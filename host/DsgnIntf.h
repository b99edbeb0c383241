// Design time: the designer's registries and the editor classes a package extends.
//
// A package's Register procedures fill three registries: palette pages with their
// component classes, property editors (by property type, component class and
// property name) and component editors (by component class). The designer asks
// for the editor of a property or a component; the most specific registration
// wins, and among equals the latest. Editors are made when needed and hold no
// state of their own beyond what they edit.
#pragma once

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Classes.h"
#include "TypInfo.h"
#include "Windows.h"

namespace DsgnIntf {

enum class TPropertyAttribute {
  paValueList,
  paSubProperties,
  paDialog,
  paMultiSelect,
  paAutoUpdate,
  paSortList,
  paReadOnly,
  paRevertable
};
using TPropertyAttributes = System::TSet<TPropertyAttribute>;
using enum TPropertyAttribute;

// The form being designed, as editors see it.
class TDesigner {
 public:
  explicit TDesigner(Classes::TComponent& root) : FRoot(root) {}
  Classes::TComponent& Root() const { return FRoot; }
  void Modified() { FModified = true; }
  bool IsModified() const { return FModified; }
  void ClearModified() { FModified = false; }

 private:
  Classes::TComponent& FRoot;
  bool FModified = false;
};

// Edits one property of one object. The base shows and takes the value as form
// files write it; Edit does nothing unless a subclass opens a dialog.
class TPropertyEditor {
 public:
  TPropertyEditor(TDesigner& designer, Classes::TPersistent& instance, TypInfo::TPropInfo prop);
  virtual ~TPropertyEditor() = default;
  TPropertyEditor(const TPropertyEditor&) = delete;
  TPropertyEditor& operator=(const TPropertyEditor&) = delete;

  virtual TPropertyAttributes GetAttributes();
  virtual std::string GetValue();
  // Raises Classes::EReadError when the text does not fit the property.
  virtual void SetValue(const std::string& value);
  virtual void Edit() {}
  // The values a paValueList property offers, in order: an enumeration's names
  // (False, True for a boolean); none for other kinds.
  virtual void GetValues(const std::function<void(const std::string&)>& proc);

  std::string GetName() const { return std::string(FProp.Name); }
  Classes::TPersistent* GetComponent(int index) const { return index == 0 ? &FInstance : nullptr; }
  const TypInfo::TPropInfo& PropInfo() const { return FProp; }
  TDesigner& Designer() const { return FDesigner; }

 protected:
  std::string GetStrValue() const;
  void SetStrValue(const std::string& value);

 private:
  TDesigner& FDesigner;
  Classes::TPersistent& FInstance;
  TypInfo::TPropInfo FProp;
};

class TStringProperty : public TPropertyEditor {
 public:
  using TPropertyEditor::TPropertyEditor;
  TPropertyAttributes GetAttributes() override;
  std::string GetValue() override { return GetStrValue(); }
  void SetValue(const std::string& value) override { SetStrValue(value); }
};

// Colours: the host's colour names to choose from (as for any integer with
// names); a colour without a name shows as $00BBGGRR. The editor of TColor
// properties unless a package registers another.
class TColorProperty : public TPropertyEditor {
 public:
  using TPropertyEditor::TPropertyEditor;
  TPropertyAttributes GetAttributes() override;
  std::string GetValue() override;
};

// Whether a property of this type holds a string list (TStrings or a descendant).
bool IsStringList(const TypInfo::TTypeInfo& type);

// String lists: the lines as one list of quoted strings, "('one' 'two')", as form
// files write them, and the same text sets them through the property's setter.
class TStringsProperty : public TPropertyEditor {
 public:
  using TPropertyEditor::TPropertyEditor;
  TPropertyAttributes GetAttributes() override { return {paRevertable}; }
  std::string GetValue() override;
  void SetValue(const std::string& value) override;
};

// Events: the name of a published method of the form being designed, bound to
// the event when the method fits it.
class TMethodProperty : public TPropertyEditor {
 public:
  using TPropertyEditor::TPropertyEditor;
  TPropertyAttributes GetAttributes() override { return {paMultiSelect, paRevertable}; }
  // Raises SysUtils::Exception when the form has no such method or it does not fit.
  void SetValue(const std::string& value) override;
};

// A string list's lines as its editor's text, and back; StringListLines raises
// Classes::EReadError for text that is not a list of strings.
std::string StringListValue(const std::vector<std::string>& lines);
std::vector<std::string> StringListLines(const std::string& value);

// The verbs of a component's context menu in the designer.
class TComponentEditor {
 public:
  TComponentEditor(Classes::TComponent& component, TDesigner& designer)
      : FComponent(component), FDesigner(designer) {}
  virtual ~TComponentEditor() = default;
  TComponentEditor(const TComponentEditor&) = delete;
  TComponentEditor& operator=(const TComponentEditor&) = delete;

  Classes::TComponent& Component() const { return FComponent; }
  TDesigner& Designer() const { return FDesigner; }
  virtual int GetVerbCount() { return 0; }
  virtual std::string GetVerb(int) { return {}; }
  virtual void ExecuteVerb(int) {}
  // The designer's double-click: the first verb, when there is one.
  virtual void Edit();
  virtual void Copy() {}

 private:
  Classes::TComponent& FComponent;
  TDesigner& FDesigner;
};

// Editor classes, as the registries keep them: a name and how to make one.
struct TPropertyEditorClass {
  std::string_view Name;
  std::unique_ptr<TPropertyEditor> (*Create)(TDesigner&, Classes::TPersistent&,
                                             const TypInfo::TPropInfo&);
};
struct TComponentEditorClass {
  std::string_view Name;
  std::unique_ptr<TComponentEditor> (*Create)(Classes::TComponent&, TDesigner&);
};

template <typename T>
TPropertyEditorClass PropertyEditorClass(std::string_view name) {
  return {name,
          [](TDesigner& d, Classes::TPersistent& p, const TypInfo::TPropInfo& i)
              -> std::unique_ptr<TPropertyEditor> { return std::make_unique<T>(d, p, i); }};
}
template <typename T>
TComponentEditorClass ComponentEditorClass(std::string_view name) {
  return {name, [](Classes::TComponent& c, TDesigner& d) -> std::unique_ptr<TComponentEditor> {
            return std::make_unique<T>(c, d);
          }};
}

struct TPalettePage {
  std::string Name;
  std::vector<System::TClass> Classes;
};

void RegisterComponents(const std::string& page, std::initializer_list<System::TClass> classes);
// `componentClass` null: any class; `propertyName` empty: any property of the type.
void RegisterPropertyEditor(const TypInfo::TTypeInfo* propertyType, System::TClass componentClass,
                            const std::string& propertyName, TPropertyEditorClass editorClass);
void RegisterComponentEditor(System::TClass componentClass, TComponentEditorClass editorClass);

const std::vector<TPalettePage>& PalettePages();
const TPalettePage* FindPalettePage(std::string_view name);
// The editor registered for this property of this object, else the host's for its
// type (colours, strings, string lists, events), else the default one.
std::unique_ptr<TPropertyEditor> GetPropertyEditor(TDesigner& designer,
                                                   Classes::TPersistent& instance,
                                                   const TypInfo::TPropInfo& prop);
std::unique_ptr<TComponentEditor> GetComponentEditor(Classes::TComponent& component,
                                                     TDesigner& designer);
// Forgets every package's registration, as when the designer unloads its
// packages.
void ClearRegistrations();

// What the designer does after loading a package: runs each unit's Register
// procedure (the exports named "@Unit.Register"), in the order the package lists
// them. Returns the names it ran.
std::vector<std::string> RegisterPackage(Windows::HMODULE module);

}  // namespace DsgnIntf
