// TLabel: sizing to its text, accelerator marks, line breaks and wrapping, where
// the text is drawn, its published properties, and the control it leads to.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Classes/Streaming.h"
#include "Forms.h"
#include "Graphics/Text.h"
#include "StdCtrls.h"
#include "support/ShapeForm.h"

namespace {

using Graphics::TCall;
using Graphics::TCallKind;
using namespace StdCtrls;

// A label in the fixed-metric face: characters 5 wide, lines 10 high.
struct TFixedLabel : TestSupport::TOneControlForm<TLabel> {
  TFixedLabel() : TOneControlForm(65, 17) {
    L().Font().SetName(std::string(Graphics::Text::kFixedFaceName));
    L().Font().SetHeight(10);
  }
  TLabel& L() { return Control(); }
  Types::TSize Size() { return {L().Width(), L().Height()}; }

  std::vector<TCall> Texts() {
    std::vector<TCall> out;
    for (const TCall& c : Paint())
      if (c.Kind == TCallKind::TextOut) out.push_back(c);
    return out;
  }
  std::vector<std::string> LineTexts() {
    std::vector<std::string> out;
    for (const TLabelLine& line : L().Lines()) out.push_back(line.Text);
    return out;
  }
};

TEST(Label, AutoSizeFollowsTheCaptionAndTheFont) {
  TFixedLabel f;
  f.L().SetCaption("abc");
  EXPECT_EQ(f.Size(), (Types::TSize{15, 10}));
  f.L().Font().SetHeight(20);
  EXPECT_EQ(f.Size(), (Types::TSize{30, 20}));
  f.L().SetCaption("");  // one space wide, so the label can still be found
  EXPECT_EQ(f.Size(), (Types::TSize{10, 20}));
  f.L().SetAutoSize(false);
  f.L().SetCaption("abcdef");
  EXPECT_EQ(f.Size(), (Types::TSize{10, 20}));
  f.L().SetAutoSize(true);
  EXPECT_EQ(f.Size(), (Types::TSize{60, 20}));
  f.L().SetAlignment(taRightJustify);  // keeps the right edge
  const int right = f.L().Left() + f.L().Width();
  f.L().SetCaption("abcdefg");
  EXPECT_EQ(f.L().Width(), 70);
  EXPECT_EQ(f.L().Left() + f.L().Width(), right);
}

TEST(Label, AFormSizesItsLabelsOnlyOnceLoaded) {
  auto root = Classes::ReadComponentText(R"(object F: TForm
  object L: TLabel
    Left = 8
    Width = 100
    Height = 40
    Caption = 'abcd'
    Font.Name = 'Tollen Fixed'
    Font.Height = 10
  end
end)");
  auto* l = dynamic_cast<TLabel*>(root->FindComponent("L"));
  ASSERT_NE(l, nullptr);
  EXPECT_FALSE(l->ParentFont());
  EXPECT_EQ(l->Width(), 20);
  EXPECT_EQ(l->Height(), 10);
}

TEST(Label, AnAmpersandMarksTheNextCharacter) {
  TFixedLabel f;
  auto one = [&f](const std::string& caption) {
    f.L().SetCaption(caption);
    std::vector<TLabelLine> lines = f.L().Lines();
    EXPECT_EQ(lines.size(), 1u);
    return lines.front();
  };
  EXPECT_EQ(one("&File").Text, "File");
  EXPECT_EQ(one("&File").Accelerators, std::vector<std::size_t>{0});
  EXPECT_EQ(f.L().Width(), 20);  // the mark takes no room
  EXPECT_EQ(one("a&&b").Text, "a&b");
  EXPECT_TRUE(one("a&&b").Accelerators.empty());
  EXPECT_EQ(one("x&").Text, "x");  // nothing follows: nothing marked
  EXPECT_EQ(one("&").Text, "");
  EXPECT_EQ(f.L().Width(), 5);
  f.L().SetCaption("Sa&ve");  // the marked letter is drawn again, underlined
  auto texts = f.Texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].Text, "Save");
  EXPECT_FALSE(texts[0].State.Font.Style.Contains(Graphics::fsUnderline));
  EXPECT_EQ(texts[1].Text, "v");
  EXPECT_EQ(texts[1].Points[0], (Types::TPoint{10, 0}));
  EXPECT_TRUE(texts[1].State.Font.Style.Contains(Graphics::fsUnderline));
  f.L().SetShowAccelChar(false);
  EXPECT_EQ(one("&File").Text, "&File");
  EXPECT_EQ(f.L().Width(), 25);
}

TEST(Label, LineBreaksStartNewLinesAndAutoSizeTakesTheWidest) {
  TFixedLabel f;
  f.L().SetCaption("ab\r\ncdef\rgh\n\nx");
  EXPECT_EQ(f.LineTexts(), (std::vector<std::string>{"ab", "cdef", "gh", "", "x"}));
  EXPECT_EQ(f.Size(), (Types::TSize{20, 50}));
  auto texts = f.Texts();
  ASSERT_EQ(texts.size(), 4u);  // the empty line draws nothing
  EXPECT_EQ(texts[3].Points[0], (Types::TPoint{0, 40}));
}

TEST(Label, WordWrapBreaksBetweenWordsAtTheLabelsWidth) {
  TFixedLabel f;
  f.L().SetAutoSize(false);
  f.L().SetWidth(40);
  f.L().SetWordWrap(true);
  f.L().SetCaption("aaa bbb ccc");
  EXPECT_EQ(f.LineTexts(), (std::vector<std::string>{"aaa bbb", "ccc"}));
  f.L().SetCaption("aaa    bbb   ");  // the spaces at a break go
  EXPECT_EQ(f.LineTexts(), (std::vector<std::string>{"aaa", "bbb   "}));
  f.L().SetCaption("abcdefghijk x");  // a word wider than the label has a line to itself
  EXPECT_EQ(f.LineTexts(), (std::vector<std::string>{"abcdefghijk", "x"}));
  f.L().SetAutoSize(true);  // keeps the width unless a word needs more
  EXPECT_EQ(f.Size(), (Types::TSize{55, 20}));
  f.L().SetCaption("aaa bbb ccc dd");
  EXPECT_EQ(f.LineTexts(), (std::vector<std::string>{"aaa bbb ccc", "dd"}));
  EXPECT_EQ(f.Size(), (Types::TSize{55, 20}));
  f.L().SetWordWrap(false);
  EXPECT_EQ(f.Size(), (Types::TSize{70, 10}));
}

TEST(Label, AlignmentAndLayoutPlaceEachLine) {
  TFixedLabel f;
  f.L().SetAutoSize(false);
  f.L().SetBounds(10, 10, 65, 30);
  f.L().SetCaption("a\nabc");  // 5 and 15 wide, 20 high
  auto at = [&f] {
    std::vector<Types::TPoint> out;
    for (const TCall& c : f.Texts()) out.push_back(c.Points[0]);
    return out;
  };
  EXPECT_EQ(at(), (std::vector<Types::TPoint>{{0, 0}, {0, 10}}));
  f.L().SetAlignment(taRightJustify);
  f.L().SetLayout(tlBottom);
  EXPECT_EQ(at(), (std::vector<Types::TPoint>{{60, 10}, {50, 20}}));
  f.L().SetAlignment(taCenter);
  f.L().SetLayout(tlCenter);
  EXPECT_EQ(at(), (std::vector<Types::TPoint>{{30, 5}, {25, 15}}));
}

TEST(Label, AnOpaqueLabelFillsItsAreaATransparentOneDoesNot) {
  TFixedLabel f;
  f.L().SetColor(Graphics::clYellow);
  f.L().SetCaption("ab");
  auto calls = f.Paint();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].Kind, TCallKind::FillRect);
  EXPECT_EQ(calls[0].Rect, (Types::TRect{0, 0, 10, 10}));
  EXPECT_EQ(calls[0].State.Brush.Color, Graphics::clYellow);
  EXPECT_EQ(calls[1].State.Brush.Style, Graphics::bsClear);  // text without a cell fill
  f.SettlePaints();
  f.L().SetTransparent(true);
  EXPECT_TRUE(f.PaintPending());
  calls = f.Paint();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].Kind, TCallKind::TextOut);
}

TEST(Label, PublishesTheLabelsPropertiesWithTheirStoredRules) {
  Forms::TForm form(nullptr);
  form.SetName("F");
  auto* l = new TLabel(&form);
  l->SetName("L");
  l->SetParent(&form);
  l->SetCaption("abc");
  EXPECT_TRUE(l->ControlStyle().Contains(Controls::csOpaque));
  std::string text = Classes::WriteComponentText(form);
  // Defaults are left out: AutoSize, ShowAccelChar, opaque, left and top, no wrap.
  EXPECT_NE(text.find("\n    Caption = 'abc'\n  end\n"), std::string::npos) << text;
  l->SetTransparent(true);
  l->SetAutoSize(false);
  l->SetShowAccelChar(false);
  l->SetLayout(tlBottom);
  l->SetWordWrap(true);
  l->SetAlignment(taCenter);
  text = Classes::WriteComponentText(form);
  for (const char* line : {"Alignment = taCenter", "AutoSize = False", "Layout = tlBottom",
                           "ShowAccelChar = False", "Transparent = True", "WordWrap = True"})
    EXPECT_NE(text.find(line), std::string::npos) << line;
  auto root = Classes::ReadComponentText(text);
  EXPECT_EQ(Classes::WriteComponentText(*root), text);

  auto focus = *TypInfo::GetPropInfo(TLabel::StaticClass(), "FocusControl");
  EXPECT_FALSE(focus.IsStored(*l));
  l->SetFocusControl(&form);
  EXPECT_TRUE(focus.IsStored(*l));
  for (const char* name :
       {"DragCursor", "DragMode", "ParentColor", "ParentFont", "Visible", "OnClick", "OnDblClick",
        "OnDragDrop", "OnDragOver", "OnEndDrag", "OnMouseDown", "OnMouseMove", "OnMouseUp"})
    EXPECT_TRUE(TypInfo::GetPropInfo(TLabel::StaticClass(), name)) << name;
}

TEST(Label, TheFocusControlIsForgottenWhenItGoes) {
  Forms::TForm form(nullptr);
  auto* l = new TLabel(&form);
  auto* target = new Controls::TWinControl(&form);
  l->SetFocusControl(target);
  delete target;
  EXPECT_EQ(l->FocusControl(), nullptr);
}

}  // namespace
