// TVorm as a component: construction, setters and their repaints, published properties.
#include <gtest/gtest.h>

#include "TypInfo.h"
#include "Vormen.h"
#include "support/ShapeForm.h"

namespace {

using namespace Vormen;

struct TShape : TestSupport::TOneControlForm<TVorm> {
  TShape() { SettlePaints(); }
  TVorm& V() { return Control(); }
};

TEST(Vorm, ANewShapeIsADefaultRectangleWithAClearBackground) {
  TVorm v(nullptr);
  EXPECT_EQ(v.Width(), 62);
  EXPECT_EQ(v.Height(), 62);
  EXPECT_EQ(v.Vorm(), Rechthoek);
  EXPECT_EQ(v.Achtergrond().Style(), Graphics::bsClear);
  EXPECT_EQ(v.Pen().Data(), Graphics::TPenData{});
  EXPECT_EQ(v.Brush().Data(), Graphics::TBrushData{});
}

TEST(Vorm, AnEqualFigureDoesNotRepaintAnotherOneDoes) {
  TShape s;
  s.V().SetVorm(Rechthoek);
  EXPECT_FALSE(s.PaintPending());
  s.V().SetVorm(Cirkel);
  EXPECT_TRUE(s.PaintPending());
}

TEST(Vorm, ChangingADrawingObjectInPlaceRepaints) {
  for (auto change : {+[](TVorm& v) { v.Pen().SetColor(Graphics::clRed); },
                      +[](TVorm& v) { v.Brush().SetColor(Graphics::clRed); },
                      +[](TVorm& v) { v.Achtergrond().SetStyle(Graphics::bsSolid); }}) {
    TShape s;
    change(s.V());
    EXPECT_TRUE(s.PaintPending());
  }
}

TEST(Vorm, SettersCopyTheGivenObjectWhichStaysTheCallers) {
  TShape s;
  Graphics::TPen* own = &s.V().Pen();
  Graphics::TPen pen;
  pen.SetWidth(3);
  s.V().SetPen(pen);
  EXPECT_TRUE(s.PaintPending());
  pen.SetWidth(9);
  EXPECT_EQ(s.V().Pen().Width(), 3);
  EXPECT_EQ(&s.V().Pen(), own);

  s.SettlePaints();
  Graphics::TBrush brush;
  brush.SetColor(Graphics::clLime);
  s.V().SetAchterBrush(brush);  // an equal-looking assign still notifies
  EXPECT_TRUE(s.PaintPending());
  EXPECT_EQ(s.V().Achtergrond().Style(), Graphics::bsSolid);
  s.SettlePaints();
  s.V().SetBrush(brush);
  EXPECT_TRUE(s.PaintPending());
}

TEST(Vorm, StyleChangedIsAPublishedMethod) {
  TShape s;
  const TypInfo::TMethodInfo* m = TypInfo::FindMethod(TVorm::StaticClass(), "StyleChanged");
  ASSERT_NE(m, nullptr);
  auto handler = std::any_cast<std::function<void(System::TObject*)>>(m->Bind(s.V()));
  handler(nullptr);
  EXPECT_TRUE(s.PaintPending());
}

TEST(Vorm, PublishesTwentyThreePropertiesInOrder) {
  std::vector<std::string_view> names;
  for (const auto& p : TypInfo::GetPropList(TVorm::StaticClass())) names.push_back(p.Name);
  EXPECT_EQ(names,
            (std::vector<std::string_view>{
                "Name",       "Tag",       "Left",        "Top",         "Width",      "Height",
                "Cursor",     "Hint",      "Achtergrond", "Brush",       "Pen",        "Vorm",
                "DragCursor", "DragMode",  "Visible",     "OnClick",     "OnDblClick", "OnDragDrop",
                "OnDragOver", "OnEndDrag", "OnMouseDown", "OnMouseMove", "OnMouseUp"}));
}

TEST(Vorm, StoresItsFigureAlwaysAndItsSizeOnlyWhenNotSixtyTwo) {
  TVorm v(nullptr);
  auto stored = [&](std::string_view name) {
    return TypInfo::GetPropInfo(TVorm::StaticClass(), name)->IsStored(v);
  };
  EXPECT_TRUE(stored("Vorm"));
  EXPECT_FALSE(stored("Width"));
  EXPECT_FALSE(stored("Height"));
  EXPECT_FALSE(stored("Visible"));
  EXPECT_FALSE(stored("DragCursor"));
  v.SetWidth(63);
  v.SetVisible(false);
  EXPECT_TRUE(stored("Width"));
  EXPECT_TRUE(stored("Visible"));
  auto vorm = *TypInfo::GetPropInfo(TVorm::StaticClass(), "Vorm");
  EXPECT_EQ(vorm.Type->NameOf(vorm.GetOrd(v)), "Rechthoek");
  vorm.SetOrd(v, *vorm.Type->ValueOf("DriehoekOmlaag"));
  EXPECT_EQ(v.Vorm(), DriehoekOmlaag);
}

TEST(Vorm, CanBeCreatedByItsClass) {
  Forms::TForm form(nullptr);
  Classes::TComponent* c = TVorm::StaticClass()->Create(&form);
  ASSERT_NE(dynamic_cast<TVorm*>(c), nullptr);
  EXPECT_EQ(form.ComponentCount(), 1);
}

}  // namespace
