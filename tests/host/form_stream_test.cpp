// Reading and writing the text form format with host classes.
#include <gtest/gtest.h>

#include "Classes/Streaming.h"
#include "Classes/Strings.h"
#include "Forms.h"

namespace {

using Classes::EReadError;
using Classes::ReadComponentText;
using Classes::WriteComponentText;

// A control with one property of every kind, which logs the order of its writes.
class TSampleControl : public Controls::TGraphicControl {
  TOLLEN_CLASS(TSampleControl)
 public:
  explicit TSampleControl(Classes::TComponent* owner) : TGraphicControl(owner) {
    FLines.OnChange = [this](System::TObject*) { Log += "Lines "; };
  }
  void SetLevel(int v) {
    Level = v;
    Log += "Level ";
  }
  void SetLines(const Classes::TStrings& v) { FLines.Assign(&v); }
  void Loaded() override {
    TGraphicControl::Loaded();
    LoadedWithWidth = Width();
    ++LoadedCalls;
  }
  int Level = 0;
  double Ratio = 0;
  Graphics::TFontStyles Styles;
  Classes::TStringList FLines;
  std::string Log;
  int LoadedWithWidth = -1;
  int LoadedCalls = 0;
};

const TypInfo::TTypeInfo* StylesType() { return Graphics::FontStylesType(); }

System::TClass TSampleControl::StaticClass() {
  namespace P = Controls::Published;
  using S = TSampleControl;
  static const TypInfo::TPropTable props{{
      TypInfo::Prop<&S::Level, &S::SetLevel>("Level", {.Default = 0}),
      TypInfo::Prop<&S::Ratio>("Ratio"),
      TypInfo::Prop<&S::Styles>("Styles", {.Type = StylesType(), .Default = 0}),
      TypInfo::Prop<&S::FLines, &S::SetLines>("Lines"),
      P::Caption(),
      P::Color(),
      P::DragCursor(),
      P::Font(),
      P::Visible(),
      P::OnClick(),
  }};
  static const System::TClassInfo info{
      "TSampleControl", Controls::TGraphicControl::StaticClass(),
      [](Classes::TComponent* owner) -> Classes::TComponent* { return new TSampleControl(owner); },
      &props};
  return &info;
}

// A form class with a published method that events can name.
class TSampleForm : public Forms::TForm {
  TOLLEN_CLASS(TSampleForm)
 public:
  using TForm::TForm;
  void SampleClick(System::TObject*) { ++Clicks; }
  int Clicks = 0;
};

System::TClass TSampleForm::StaticClass() {
  static const TypInfo::TMethodTable methods{
      {TypInfo::NotifyMethod<TSampleForm>("SampleClick", &TSampleForm::SampleClick)}};
  static const System::TClassInfo info{
      "TSampleForm", Forms::TForm::StaticClass(),
      [](Classes::TComponent* owner) -> Classes::TComponent* { return new TSampleForm(owner); },
      nullptr, &methods};
  return &info;
}

class FormStream : public ::testing::Test {
 protected:
  void SetUp() override {
    Classes::RegisterClass(Forms::TForm::StaticClass());
    Classes::RegisterClass(TSampleForm::StaticClass());
    Classes::RegisterClass(TSampleControl::StaticClass());
  }
};

const char* kSample = R"(object Sample: TSampleForm
  Width = 200
  Height = 100
  Caption = 'It''s a'#13#10'test'
  object First: TSampleControl
    Width = 30
    Level = -7
    Ratio = 2.5
    Styles = [fsBold, fsUnderline]
    Lines.Strings = (
      'a.bmp'
      'b.bmp')
    Color = clRed
    Cursor = crhandpoint
    DragCursor = -5
    Font.Color = $00123456
    OnClick = SampleClick
  end
end
)";

TEST_F(FormStream, ReadsEveryKindOfValue) {
  auto root = ReadComponentText(kSample, "sample.form");
  auto* form = dynamic_cast<TSampleForm*>(root.get());
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->Name(), "Sample");
  EXPECT_EQ(form->Caption(), "It's a\r\ntest");
  ASSERT_EQ(form->ComponentCount(), 1);
  auto* c = dynamic_cast<TSampleControl*>(form->Components(0));
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->Name(), "First");
  EXPECT_EQ(c->Parent(), form);
  EXPECT_EQ(c->Level, -7);
  EXPECT_DOUBLE_EQ(c->Ratio, 2.5);
  EXPECT_EQ(c->Styles, (Graphics::TFontStyles{Graphics::fsBold, Graphics::fsUnderline}));
  EXPECT_EQ(c->FLines.ToVector(), (std::vector<std::string>{"a.bmp", "b.bmp"}));
  EXPECT_EQ(c->Color(), Graphics::clRed);
  EXPECT_EQ(c->Cursor(), Controls::crHandPoint);  // a cursor's name in any case
  EXPECT_EQ(c->DragCursor(), -5);                 // one without a name, by number
  EXPECT_EQ(c->Font().Color(), 0x123456);
  c->Click();
  EXPECT_EQ(form->Clicks, 1);
}

TEST_F(FormStream, AppliesPropertiesInFileOrderAndCallsLoadedAfterAll) {
  auto root = ReadComponentText(R"(object F: TForm
  object A: TSampleControl
    Lines.Strings = ('x')
    Level = 1
  end
  object B: TSampleControl
    Level = 2
    Lines.Strings = ('y')
    Width = 77
  end
end)");
  auto* a = dynamic_cast<TSampleControl*>(root->FindComponent("A"));
  auto* b = dynamic_cast<TSampleControl*>(root->FindComponent("B"));
  EXPECT_EQ(a->Log, "Lines Level ");
  EXPECT_EQ(b->Log, "Level Lines ");
  EXPECT_EQ(b->LoadedWithWidth, 77);
  EXPECT_EQ(a->LoadedCalls, 1);
  EXPECT_FALSE(a->ComponentState().Contains(Classes::csLoading));
}

TEST_F(FormStream, WritesOnlyStoredValuesAndReadsBackTheSame) {
  auto root = ReadComponentText(kSample);
  std::string text = WriteComponentText(*root);
  EXPECT_EQ(text, R"(object Sample: TSampleForm
  Left = 0
  Top = 0
  Width = 200
  Height = 100
  Caption = 'It''s a'#13#10'test'
  Font.Charset = 1
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  object First: TSampleControl
    Left = 0
    Top = 0
    Width = 30
    Height = 0
    Cursor = crHandPoint
    Level = -7
    Ratio = 2.5
    Styles = [fsBold, fsUnderline]
    Lines.Strings = (
      'a.bmp'
      'b.bmp'
      )
    Color = clRed
    DragCursor = -5
    Font.Charset = 1
    Font.Color = 1193046
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    OnClick = SampleClick
  end
end
)");
  auto again = ReadComponentText(text);
  EXPECT_EQ(WriteComponentText(*again), text);
}

// Each bad file names its line and column and what was expected.
TEST_F(FormStream, BadFilesGiveTheirPlace) {
  using namespace std::string_view_literals;  // "..."sv keeps a NUL
  struct TCase {
    std::string_view Text;
    const char* Message;
  };
  const TCase cases[] = {
      {"object F: TNoSuch\nend", "f:1:1: unknown class \"TNoSuch\""},
      {"object F: TForm\n  Colr = clRed\nend", "f:2:3: unknown property \"Colr\" of TForm"},
      {"object F: TForm\n  Width = 'wide'\nend", "f:2:11: expected an integer for Width"},
      {"object F: TForm\n  Font.Pitch = fpWobbly\nend",
       "f:2:16: \"fpWobbly\" is not a value of TFontPitch (fpDefault, fpVariable, fpFixed)"},
      {"object F: TForm\n  Caption = 'open\nend", "f:2:13: unterminated string"},
      {"object F: TForm\n  object A: TSampleControl\n  end\n",
       "f:4:1: missing \"end\" of object F (line 1)"},
      {"object F: TForm\n  Width 5\nend", "f:2:9: expected '=' but found a number"},
      {"object F: TForm\n  Color = clChartreuse\nend",
       "f:2:11: \"clChartreuse\" is not a name of TColor"},
      {"object F: TForm\n  object A: TSampleControl\n    OnClick = Nowhere\n  end\nend",
       "f:3:15: method \"Nowhere\" not found in TForm"},
      {"object F: TForm\n  object A: TSampleControl\n  end\n  object A: TSampleControl\n  end\nend",
       "f:4:3: a component named A already exists"},
      {"object F: TForm\n  Font.Style = [fsBold,]\nend",
       "f:2:24: expected a set element but found ']'"},
      {"object F: TForm\n  Font = 3\nend",
       "f:2:10: Font is an object: set its properties, as Font.Name = ..."},
      {"inherited F: TForm\nend", "f:1:1: inherited forms are not supported"},
      {"object F: TForm\nend\nend", "f:3:1: expected the end of the file but found \"end\""},
      {"object F: TForm\n  Width = 99999999999999999999\nend",
       "f:2:11: the number 99999999999999999999 is too large"},
      // A setter's refusal is placed at its value; a few bytes cannot claim a
      // gigabyte of form.
      {"object F: TForm\n  Width = 16383\n  Height = 16382\nend",
       "f:2:11: Form size 16383 x 0 beyond the limit of 7680 pixels a side"},
      // Control characters are escaped: a NUL would end the message.
      {"object F: TForm\n  \0 = 1\nend"sv, "f:2:3: expected a property name but found '\\x00'"},
      {"object F: TForm\n  Caption = 'a'\x1b\nend",
       "f:2:16: expected a property name but found '\\x1B'"},
  };
  for (const TCase& c : cases) {
    try {
      ReadComponentText(c.Text, "f");
      ADD_FAILURE() << "no error for:\n" << c.Text;
    } catch (const EReadError& e) {
      EXPECT_STREQ(e.what(), c.Message);
    }
  }
}

TEST_F(FormStream, ARootOfAnotherClassThanAskedForIsRefusedAtItsLine) {
  const std::string text = "\n  object A: TSampleControl\n  end\n";
  try {
    Classes::ReadComponentText(text, "f", Forms::TForm::StaticClass());
    ADD_FAILURE() << "no error";
  } catch (const EReadError& e) {
    EXPECT_STREQ(e.what(), "f:2:3: holds a TSampleControl, not a TForm");
  }
  const std::string derived = "object S: TSampleForm\nend\n";
  EXPECT_NO_THROW(Classes::ReadComponentText(derived, "f", Forms::TForm::StaticClass()));
}

TEST_F(FormStream, DeepNestingIsRefusedNotOverflowed) {
  std::string text;
  for (int i = 0; i < 10000; ++i) text += "object F" + std::to_string(i) + ": TForm\n";
  EXPECT_THROW(ReadComponentText(text), EReadError);
  std::string lists = "object F: TSampleControl\n  Lines.Strings = " + std::string(10000, '(');
  EXPECT_THROW(ReadComponentText(lists), EReadError);
}

TEST_F(FormStream, TenThousandComponentsReadAndFree) {
  std::string text = "object F: TForm\n";
  for (int i = 0; i < 10000; ++i)
    text += "  object C" + std::to_string(i) +
            ": TSampleControl\n    Level = " + std::to_string(i) + "\n  end\n";
  text += "end\n";
  auto root = ReadComponentText(text);
  EXPECT_EQ(root->ComponentCount(), 10000);
  EXPECT_EQ(dynamic_cast<TSampleControl*>(root->Components(9999))->Level, 9999);
}

}  // namespace
