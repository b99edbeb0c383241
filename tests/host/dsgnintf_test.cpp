#include "DsgnIntf.h"

#include <gtest/gtest.h>

#include "Classes/FormParser.h"
#include "ExtCtrls.h"
#include "Forms.h"
#include "Graphics/Colors.h"
#include "StdCtrls.h"

namespace {

using namespace DsgnIntf;

class TMarkedProperty : public TStringProperty {
 public:
  using TStringProperty::TStringProperty;
  TPropertyAttributes GetAttributes() override { return {paDialog}; }
  void Edit() override { SetValue("from the dialog"); }
};

class TOtherProperty : public TStringProperty {
 public:
  using TStringProperty::TStringProperty;
  TPropertyAttributes GetAttributes() override { return {paReadOnly}; }
};

class TCountingEditor : public TComponentEditor {
 public:
  using TComponentEditor::TComponentEditor;
  int GetVerbCount() override { return 2; }
  std::string GetVerb(int index) override { return index == 0 ? "&First" : "Second"; }
  void ExecuteVerb(int index) override { Executed.push_back(index); }
  static inline std::vector<int> Executed;
};

// A form with one published method, as a designed form's class has.
class TMethodsForm : public Forms::TForm {
  TOLLEN_CLASS(TMethodsForm)
 public:
  using TForm::TForm;
  void Clicked(System::TObject*) { ++Clicks; }
  int Clicks = 0;
};

System::TClass TMethodsForm::StaticClass() {
  static const TypInfo::TMethodTable methods{
      {TypInfo::NotifyMethod<TMethodsForm>("Clicked", &TMethodsForm::Clicked)}};
  static const System::TClassInfo info{"TMethodsForm", Forms::TForm::StaticClass(), nullptr,
                                       nullptr, &methods};
  return &info;
}

class Design : public ::testing::Test {
 protected:
  void SetUp() override { ClearRegistrations(); }
  void TearDown() override { ClearRegistrations(); }
  Forms::TForm Form{nullptr};
  TDesigner Designer{Form};
};

TEST_F(Design, TheMostSpecificPropertyEditorWins) {
  auto caption = *TypInfo::GetPropInfo(Forms::TForm::StaticClass(), "Caption");
  RegisterPropertyEditor(TypInfo::StringType(), nullptr, "",
                         PropertyEditorClass<TOtherProperty>("TOtherProperty"));
  RegisterPropertyEditor(TypInfo::StringType(), Forms::TForm::StaticClass(), "Caption",
                         PropertyEditorClass<TMarkedProperty>("TMarkedProperty"));
  RegisterPropertyEditor(TypInfo::StringType(), Controls::TControl::StaticClass(), "",
                         PropertyEditorClass<TOtherProperty>("TOtherProperty"));
  auto editor = GetPropertyEditor(Designer, Form, caption);
  EXPECT_EQ(editor->GetAttributes(), TPropertyAttributes{paDialog});
  editor->Edit();
  EXPECT_EQ(Form.Caption(), "from the dialog");
  EXPECT_TRUE(Designer.IsModified());
  // Another string property of the form gets the class-wide registration.
  auto hint = *TypInfo::GetPropInfo(Forms::TForm::StaticClass(), "Hint");
  EXPECT_EQ(GetPropertyEditor(Designer, Form, hint)->GetAttributes(),
            TPropertyAttributes{paReadOnly});
}

TEST_F(Design, DefaultEditorsTakeValuesAsFormFilesWriteThem) {
  auto color = *TypInfo::GetPropInfo(Forms::TForm::StaticClass(), "Color");
  auto editor = GetPropertyEditor(Designer, Form, color);
  EXPECT_EQ(editor->GetValue(), "clBtnFace");
  editor->SetValue("clRed");
  EXPECT_EQ(Form.Color(), Graphics::clRed);
  editor->SetValue("$00123456");
  EXPECT_EQ(Form.Color(), 0x123456);
  EXPECT_THROW(editor->SetValue("purple-ish"), Classes::EReadError);
  auto caption = *TypInfo::GetPropInfo(Forms::TForm::StaticClass(), "Caption");
  auto text = GetPropertyEditor(Designer, Form, caption);
  EXPECT_EQ(text->GetAttributes(), (TPropertyAttributes{paMultiSelect, paRevertable}));
  text->SetValue("typed as it stands");
  EXPECT_EQ(Form.Caption(), "typed as it stands");
  auto font = *TypInfo::GetPropInfo(Forms::TForm::StaticClass(), "Font");
  EXPECT_TRUE(GetPropertyEditor(Designer, Form, font)->GetAttributes().Contains(paSubProperties));
}

TEST_F(Design, ComponentEditorsFollowTheClassAndEditRunsTheFirstVerb) {
  RegisterComponentEditor(Controls::TWinControl::StaticClass(),
                          ComponentEditorClass<TCountingEditor>("TCountingEditor"));
  TCountingEditor::Executed.clear();
  auto editor = GetComponentEditor(Form, Designer);
  EXPECT_EQ(editor->GetVerbCount(), 2);
  EXPECT_EQ(editor->GetVerb(0), "&First");
  editor->Edit();
  EXPECT_EQ(TCountingEditor::Executed, std::vector<int>{0});
  ExtCtrls::TTimer timer(&Form);
  EXPECT_EQ(GetComponentEditor(timer, Designer)->GetVerbCount(), 0);  // the host's default
}

TEST_F(Design, PalettePagesCollectTheirClassesOnce) {
  RegisterComponents("Tools", {ExtCtrls::TTimer::StaticClass()});
  RegisterComponents("tools", {Forms::TForm::StaticClass(), ExtCtrls::TTimer::StaticClass()});
  ASSERT_EQ(PalettePages().size(), 1u);
  const TPalettePage* page = FindPalettePage("TOOLS");
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(page->Classes, (std::vector<System::TClass>{ExtCtrls::TTimer::StaticClass(),
                                                        Forms::TForm::StaticClass()}));
}

std::vector<std::string> ValuesOf(TPropertyEditor& editor) {
  std::vector<std::string> values;
  editor.GetValues([&values](const std::string& v) { values.push_back(v); });
  return values;
}

TEST_F(Design, ValueListsOfferEnumerationNamesBooleansAndColourNames) {
  StdCtrls::TLabel label(&Form);
  struct TCase {
    const char* Property;
    std::vector<std::string> First;
    std::size_t Count;
  };
  const TCase cases[] = {
      {"Alignment", {"taLeftJustify", "taRightJustify", "taCenter"}, 3},
      {"AutoSize", {"False", "True"}, 2},
      {"Color", {"clBlack", "clMaroon"}, 43},
      {"Cursor", {"crDefault", "crNone", "crArrow"}, 22},
      {"Caption", {}, 0},
  };
  for (const TCase& c : cases) {
    auto editor =
        GetPropertyEditor(Designer, label, *TypInfo::GetPropInfo(label.ClassType(), c.Property));
    const std::vector<std::string> values = ValuesOf(*editor);
    EXPECT_EQ(values.size(), c.Count) << c.Property;
    EXPECT_EQ(editor->GetAttributes().Contains(paValueList), c.Count > 0) << c.Property;
    ASSERT_GE(values.size(), c.First.size()) << c.Property;
    EXPECT_EQ(std::vector<std::string>(values.begin(), values.begin() + c.First.size()), c.First)
        << c.Property;
  }
}

TEST_F(Design, ColoursShowTheirNameOrHexadecimalDigits) {
  auto color = GetPropertyEditor(Designer, Form, *TypInfo::GetPropInfo(Form.ClassType(), "Color"));
  const std::pair<const char*, const char*> cases[] = {
      {"clRed", "clRed"},           {"$00123456", "$00123456"}, {"255", "clRed"},
      {"-2147483633", "clBtnFace"}, {"$80000019", "$80000019"}, {"cllime", "clLime"},
  };
  for (const auto& [typed, shown] : cases) {
    color->SetValue(typed);
    EXPECT_EQ(color->GetValue(), shown) << typed;
    EXPECT_EQ(Graphics::StringToColor(shown), Form.Color()) << typed;
  }
  for (const char* bad : {"", "$", "12x", "purple", "$1FFFFFFFF", "-$10"})
    EXPECT_EQ(Graphics::StringToColor(bad), std::nullopt) << bad;
}

TEST_F(Design, CursorsShowTheirNameOrTheirNumber) {
  StdCtrls::TLabel label(&Form);
  auto cursor =
      GetPropertyEditor(Designer, label, *TypInfo::GetPropInfo(label.ClassType(), "Cursor"));
  const std::pair<const char*, const char*> cases[] = {
      {"crHelp", "crHelp"}, {"-21", "crHandPoint"}, {"crsize", "crSizeAll"}, {"7", "7"}};
  for (const auto& [typed, shown] : cases) {
    cursor->SetValue(typed);
    EXPECT_EQ(cursor->GetValue(), shown) << typed;
  }
  EXPECT_ANY_THROW(cursor->SetValue("crPointer"));
  EXPECT_EQ(label.Cursor(), 7);
}

TEST_F(Design, StringListTextHoldsAnyLineAndRefusesWhatIsNotAList) {
  const std::vector<std::string> lines{"plain", "it's", "", "tab\there", "caf\xc3\xa9"};
  EXPECT_EQ(StringListLines(StringListValue(lines)), lines);
  EXPECT_EQ(StringListValue({"one", "two"}), "('one' 'two')");
  EXPECT_TRUE(StringListLines("()").empty());
  for (const char* bad : {"'one'", "('one' 2)", "(", "[a]"})
    EXPECT_THROW(StringListLines(bad), Classes::EReadError) << bad;
}

TEST_F(Design, EventsTakeAFittingMethodOfTheFormByName) {
  TMethodsForm root(nullptr);
  TDesigner designer(root);
  StdCtrls::TLabel label(&root);
  auto editor = [&](const char* event) {
    return GetPropertyEditor(designer, label, *TypInfo::GetPropInfo(label.ClassType(), event));
  };
  editor("OnClick")->SetValue("Clicked");
  EXPECT_EQ(editor("OnClick")->GetValue(), "Clicked");
  label.OnClick(&label);
  EXPECT_EQ(root.Clicks, 1);
  EXPECT_TRUE(designer.IsModified());
  EXPECT_THROW(editor("OnClick")->SetValue("Missing"), SysUtils::Exception);
  EXPECT_THROW(editor("OnMouseDown")->SetValue("Clicked"), SysUtils::Exception);
  EXPECT_EQ(editor("OnMouseDown")->GetValue(), "");
}

}  // namespace
