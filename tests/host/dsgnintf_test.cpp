#include "DsgnIntf.h"

#include <gtest/gtest.h>

#include "Classes/FormParser.h"
#include "ExtCtrls.h"
#include "Forms.h"

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

}  // namespace
