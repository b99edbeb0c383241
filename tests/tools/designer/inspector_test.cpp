// The object inspector driven with pushed events, and the values its editors
// compute without a window.
#include "Inspector.h"

#include <algorithm>
#include <map>

#include "Film.h"
#include "FormCanvas.h"
#include "Graphics/Colors.h"
#include "Vormen.h"
#include "WindowHarness.h"

namespace DesignerTest {
namespace {

class InspectorTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    session->Add("TVorm", {20, 20});
    session->Select({"Vorm1"});
    Frames();
  }
  Designer::TInspector& Inspector() { return window->Inspector(); }
  Types::TPoint Row(const std::string& path) {
    const Types::TRect r = Inspector().RowRect(path);
    EXPECT_FALSE(r.IsEmpty()) << path << " is not in view";
    return Centre(r);
  }
  // Clicks into a text field, replaces what it holds and presses Enter.
  void Retype(const std::string& path, const std::string& text) {
    TypeOver(path, text);
    Key(SDL_SCANCODE_RETURN);
  }
  void TypeOver(const std::string& path, const std::string& text) {
    SelectAllIn(Row(path));
    Type(text);
  }
  std::string Value(const std::string& component, const std::string& path) {
    for (const Tools::TPropertyRow& row : session->Properties(component))
      if (row.Path == path) return row.Value;
    ADD_FAILURE() << component << " has no row " << path;
    return {};
  }
  Vormen::TVorm& Vorm() { return dynamic_cast<Vormen::TVorm&>(session->Component("Vorm1")); }
};

TEST_F(InspectorTest, ADropDownChoosesAnEnumerationValueAsOneUndoStep) {
  Click(Row("Vorm"));
  const Types::TRect item = Inspector().ItemRect("Vorm", "Cirkel");
  ASSERT_FALSE(item.IsEmpty());
  Click(Centre(item));
  EXPECT_EQ(Vorm().Vorm(), Vormen::Cirkel);
  ASSERT_TRUE(session->Undo());
  EXPECT_EQ(Vorm().Vorm(), Vormen::Rechthoek);
}

TEST_F(InspectorTest, ARefusedValueKeepsTheOldOneAndShowsWhyUntilAGoodOneComes) {
  Retype("Width", "wide");
  EXPECT_EQ(Vorm().Width(), 62);
  EXPECT_NE(Inspector().Error("Width").find("expected an integer"), std::string::npos);
  Frames();
  EXPECT_EQ(Value("Vorm1", "Width"), "62");
  Retype("Width", "80");
  EXPECT_EQ(Vorm().Width(), 80);
  EXPECT_EQ(Inspector().Error("Width"), "");
}

TEST_F(InspectorTest, WhatWasTypedIsSetWhenAnotherComponentIsChosen) {
  session->Add("TVorm", {120, 20});
  session->Select({"Vorm1"});
  Frames();
  TypeOver("Width", "90");
  Click(window->Canvas().WindowPoint({130, 30}));
  EXPECT_EQ(session->Selection(), std::vector<std::string>{"Vorm2"});
  EXPECT_EQ(Vorm().Width(), 90);
  EXPECT_EQ(dynamic_cast<Vormen::TVorm&>(session->Component("Vorm2")).Width(), 62);
}

TEST_F(InspectorTest, TheNameRowRenamesAndRefusesWhatCannotBeAName) {
  Retype("Name", "9x");
  EXPECT_NE(Inspector().Error("Name").find("cannot name a component"), std::string::npos);
  Retype("Name", "Rond");
  EXPECT_EQ(session->ComponentNames(), std::vector<std::string>{"Rond"});
  EXPECT_EQ(session->Selection(), std::vector<std::string>{"Rond"});
}

TEST_F(InspectorTest, ACheckBoxTogglesABoolean) {
  Click(Row("Visible"));
  EXPECT_FALSE(Vorm().Visible());
  Click(Row("Visible"));
  EXPECT_TRUE(Vorm().Visible());
}

TEST_F(InspectorTest, ASubObjectOpensIntoItsOwnRows) {
  EXPECT_TRUE(Inspector().RowRect("Pen.Width").IsEmpty());  // closed at first
  Click(Row("Pen"));
  Retype("Pen.Width", "3");
  EXPECT_EQ(Vorm().Pen().Width(), 3);
  Click(Row("Brush"));
  Click(Row("Brush.Color"));
  Click(Centre(Inspector().ItemRect("Brush.Color", "clYellow")));
  EXPECT_EQ(Vorm().Brush().Color(), Graphics::clYellow);
}

TEST_F(InspectorTest, TheSwatchOpensAPickerThatSetsTheColourItPicks) {
  Click(Row("Brush"));
  Click(Row("Brush.Color.swatch"));
  const Types::TRect picker = Inspector().RowRect("Brush.Color.picker");
  ASSERT_FALSE(picker.IsEmpty());
  // Half way down the left part of the square: a grey, which has no name.
  Click({picker.Left + picker.Width() / 10, picker.Top + picker.Height() / 2});
  const std::string value = Value("Vorm1", "Brush.Color");
  EXPECT_EQ(value.substr(0, 3), "$00") << value;
  // Near grey, and darker than the white it replaced: the colour at that point.
  const auto picked = static_cast<std::uint32_t>(Vorm().Brush().Color());
  const int channels[] = {static_cast<int>(picked & 0xFF), static_cast<int>((picked >> 8) & 0xFF),
                          static_cast<int>(picked >> 16)};
  const auto [least, most] = std::minmax_element(std::begin(channels), std::end(channels));
  EXPECT_LE(*most - *least, 16) << value;
  EXPECT_LT(*most, 0xC0) << value;
  ASSERT_TRUE(session->Undo());
  EXPECT_EQ(Vorm().Brush().Color(), Graphics::clWhite);
}

TEST_F(InspectorTest, ASetIsACheckBoxPerElement) {
  session->Add("TLichtKrant", {20, 120});
  session->Select({"LichtKrant1"});
  Frames();
  Click(Row("Font"));
  Click(Row("Font.Style[]"));
  Click(Row("Font.Style.fsItalic"));
  Click(Row("Font.Style.fsBold"));
  EXPECT_EQ(Value("LichtKrant1", "Font.Style"), "[fsBold, fsItalic]");
  Click(Row("Font.Style.fsItalic"));
  EXPECT_EQ(Value("LichtKrant1", "Font.Style"), "[fsBold]");
}

TEST_F(InspectorTest, AStringListIsEditedALineAnItem) {
  session->Add("TFilm", {120, 20});
  session->Select({"Film1"});
  Frames();
  Click(Row("Frames"));
  Click(Row("Frames.lines"));
  Type("een.bmp");
  Key(SDL_SCANCODE_RETURN);
  Type("twee.bmp");
  Click(Row("Frames.ok"));
  auto& film = dynamic_cast<Film::TFilm&>(session->Component("Film1"));
  EXPECT_EQ(film.Frames().ToVector(), (std::vector<std::string>{"een.bmp", "twee.bmp"}));
}

TEST_F(InspectorTest, EscapeClosesADropDownWithoutChoosing) {
  Click(Row("Vorm"));
  ASSERT_FALSE(Inspector().ItemRect("Vorm", "Cirkel").IsEmpty());
  Key(SDL_SCANCODE_ESCAPE);
  EXPECT_TRUE(Inspector().ItemRect("Vorm", "Cirkel").IsEmpty());
  Click(Row("DragMode"));  // the next click is the next drop-down's
  EXPECT_FALSE(Inspector().ItemRect("DragMode", "dmAutomatic").IsEmpty());
  EXPECT_EQ(Vorm().Vorm(), Vormen::Rechthoek);
}

TEST_F(InspectorTest, TheEllipsisRunsTheEditorsDialog) {
  session->Add("TFilm", {120, 20});
  session->Select({"Film1"});
  Frames();
  Dialogs::TScriptedDialogs dialogs;
  dialogs.Choose({"klik.wav"});
  Dialogs::UseDialogService(&dialogs);
  Click(Row("Geluid..."));
  Dialogs::UseDialogService(nullptr);
  ASSERT_EQ(dialogs.OpenRequests().size(), 1u);
  EXPECT_EQ(dynamic_cast<Film::TFilm&>(session->Component("Film1")).Geluid(), "klik.wav");
  EXPECT_TRUE(Inspector().RowRect("Hint...").IsEmpty());  // no dialog, no button
}

// ---- without a window ----

TEST(InspectorValues, SetsTakeAndDropElementsInTheirOwnOrder) {
  const std::vector<std::string> all{"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
  struct TCase {
    const char* Value;
    const char* Element;
    bool In;
    const char* Expected;
  };
  const TCase cases[] = {
      {"[]", "fsItalic", true, "[fsItalic]"},
      {"[fsItalic]", "fsBold", true, "[fsBold, fsItalic]"},
      {"[fsBold, fsItalic]", "fsBold", false, "[fsItalic]"},
      {"[fsBold,fsStrikeOut]", "fsstrikeout", false, "[fsBold]"},
      {"[fsBold]", "fsBold", true, "[fsBold]"},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(Designer::SetWith(c.Value, c.Element, c.In, all), c.Expected) << c.Value;
  EXPECT_FALSE(Designer::SetHas("[fsBoldish]", "fsBold"));
}

TEST(InspectorValues, StringListsAreALineAnItem) {
  EXPECT_EQ(Designer::LinesText("('a.bmp' 'it''s.bmp')"), "a.bmp\nit's.bmp\n");
  EXPECT_EQ(Designer::LinesValue("a.bmp\r\n\nit's.bmp\n"), "('a.bmp' '' 'it''s.bmp')");
  EXPECT_EQ(Designer::LinesValue(""), "()");
  EXPECT_EQ(Designer::LinesValue(Designer::LinesText("('x' '')")), "('x' '')");
}

TEST(InspectorValues, PickedColoursAreNamedWhenTheyHaveAName) {
  EXPECT_EQ(Designer::ColorValue({1, 0, 0}), "clRed");
  EXPECT_EQ(Designer::ColorValue({0x56 / 255.0f, 0x34 / 255.0f, 0x12 / 255.0f}), "$00123456");
  EXPECT_EQ(Designer::ColorRgb("$00123456"),
            (std::array<float, 3>{0x56 / 255.0f, 0x34 / 255.0f, 0x12 / 255.0f}));
  EXPECT_EQ(Designer::ColorRgb("clWhite"), (std::array<float, 3>{1, 1, 1}));
}

TEST(InspectorValues, EachRowGetsTheEditorOfItsType) {
  using Designer::TRowEditor;
  Tools::RegisterForDesign();
  Tools::TDesignSession s;
  s.Add("TFilm", {8, 8});
  std::map<std::string, TRowEditor> editors;
  for (const Tools::TPropertyRow& row : s.Properties("Film1"))
    editors[row.Path] = Designer::EditorFor(row);
  EXPECT_EQ(editors["Hint"], TRowEditor::Text);
  EXPECT_EQ(editors["TijdPerFrame"], TRowEditor::Text);
  EXPECT_EQ(editors["OnClick"], TRowEditor::Text);
  EXPECT_EQ(editors["Transparent"], TRowEditor::Check);
  EXPECT_EQ(editors["FilmType"], TRowEditor::Choice);
  EXPECT_EQ(editors["Pen.Color"], TRowEditor::Color);
  EXPECT_EQ(editors["Frames"], TRowEditor::Lines);
}

}  // namespace
}  // namespace DesignerTest
