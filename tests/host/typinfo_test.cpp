#include "TypInfo.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "Controls.h"

namespace {

// A control that republishes Width with a default of its own and adds one property.
class TSample : public Controls::TGraphicControl {
  TOLLEN_CLASS(TSample)
 public:
  using TGraphicControl::TGraphicControl;
  int Level = 3;
};

System::TClass TSample::StaticClass() {
  static const TypInfo::TPropTable props{{
      TypInfo::Prop<&TSample::Level>("Level", {.Default = 3}),
      Controls::Published::Width(40),
  }};
  static const System::TClassInfo info{"TSample", Controls::TGraphicControl::StaticClass(), nullptr,
                                       &props};
  return &info;
}

std::vector<std::string_view> Names(const std::vector<TypInfo::TPropInfo>& list) {
  std::vector<std::string_view> names;
  for (const auto& p : list) names.push_back(p.Name);
  return names;
}

TEST(PropList, BaseClassesFirstAndRedeclarationsKeepTheirSlot) {
  auto list = TypInfo::GetPropList(TSample::StaticClass());
  EXPECT_EQ(Names(list), (std::vector<std::string_view>{"Name", "Tag", "Left", "Top", "Width",
                                                        "Height", "Cursor", "Hint", "Level"}));
  for (std::size_t i = 0; i < list.size(); ++i) EXPECT_EQ(list[i].Index, static_cast<int>(i));
  EXPECT_EQ(list[4].Default, 40);  // the redeclared default replaced the base's none
}

TEST(PropList, ValuesEqualToTheirDefaultAreNotStored) {
  TSample s(nullptr);
  auto width = *TypInfo::GetPropInfo(TSample::StaticClass(), "width");
  auto level = *TypInfo::GetPropInfo(TSample::StaticClass(), "Level");
  auto left = *TypInfo::GetPropInfo(TSample::StaticClass(), "Left");
  width.SetOrd(s, 40);
  EXPECT_FALSE(width.IsStored(s));
  width.SetOrd(s, 41);
  EXPECT_TRUE(width.IsStored(s));
  EXPECT_EQ(s.Width(), 41);
  EXPECT_FALSE(level.IsStored(s));
  level.SetOrd(s, 4);
  EXPECT_TRUE(level.IsStored(s));
  EXPECT_TRUE(left.IsStored(s));  // no default: always stored
  EXPECT_FALSE(TypInfo::GetPropInfo(TSample::StaticClass(), "Nothing"));
}

TEST(PropList, AStoredRuleCanKeepAValueOut) {
  auto size = *TypInfo::GetPropInfo(Graphics::TFont::StaticClass(), "Size");
  Graphics::TFont font;
  font.SetSize(20);
  EXPECT_FALSE(size.IsStored(font));
  EXPECT_EQ(size.GetOrd(font), 20);
}

TEST(EnumerationType, NamesAndValuesIgnoreCase) {
  const auto* t = TypInfo::BooleanType();
  EXPECT_EQ(t->NameOf(1), "True");
  EXPECT_EQ(t->NameOf(2), "");
  EXPECT_EQ(t->ValueOf("false"), 0);
  EXPECT_EQ(t->ValueOf("maybe"), std::nullopt);
}

TOLLEN_ENUM(TSampleKind, std::uint8_t, Plain, Striped, Dotted);

// One property of each accessor shape the builder accepts.
class TBuilt : public Classes::TPersistent {
  TOLLEN_CLASS(TBuilt)
 public:
  TSampleKind Kind() const { return FKind; }
  void SetKind(TSampleKind v) { FKind = v; }
  std::uint16_t Count() const { return FCount; }
  void SetCount(std::uint16_t v) { FCount = v; }
  int Slot(int index) const { return FSlots.at(static_cast<std::size_t>(index)); }
  void SetSlot(int index, int v) { FSlots.at(static_cast<std::size_t>(index)) = v; }
  Graphics::TPen& Pen() const { return *FPen; }
  void SetPen(const Graphics::TPen& v) { FPen->Assign(&v); }
  Graphics::TPen* Taken() { return FTaken; }  // not const, as a read that repaints
  void Take(Graphics::TPen* v) { FTaken = v; }
  bool Flag = false;

 private:
  TSampleKind FKind = Plain;
  std::uint16_t FCount = 0;
  std::array<int, 3> FSlots{};
  std::unique_ptr<Graphics::TPen> FPen = std::make_unique<Graphics::TPen>();
  Graphics::TPen* FTaken = nullptr;
};

System::TClass TBuilt::StaticClass() {
  using TypInfo::Prop;
  static const TypInfo::TPropTable props{{
      Prop<&TBuilt::Kind, &TBuilt::SetKind>("Kind"),
      Prop<&TBuilt::Count, &TBuilt::SetCount>("Count"),
      Prop<&TBuilt::Slot, &TBuilt::SetSlot>("Slot2", {.Index = 2}),
      Prop<&TBuilt::Pen, &TBuilt::SetPen>("Pen"),
      Prop<&TBuilt::Taken, &TBuilt::Take>("Taken"),
      Prop<&TBuilt::Flag>("Flag", {.Default = true}),
  }};
  static const System::TClassInfo info{"TBuilt", Classes::TPersistent::StaticClass(), nullptr,
                                       &props};
  return &info;
}

TEST(EnumerationType, MadeFromTheDeclarationsList) {
  const auto* t = TypInfo::EnumType<TSampleKind>();
  EXPECT_EQ(t->Name, "TSampleKind");
  EXPECT_EQ(t->Kind, TypInfo::TTypeKind::Enumeration);
  EXPECT_EQ(t->Names, (std::vector<std::string_view>{"Plain", "Striped", "Dotted"}));
  EXPECT_EQ(t->MaxValue, 2);
}

TEST(PropBuilder, TypesFollowTheGetters) {
  struct TCase {
    std::string_view Name;
    const TypInfo::TTypeInfo* Type;
  };
  for (const TCase& c :
       {TCase{"Kind", TypInfo::EnumType<TSampleKind>()}, TCase{"Count", TypInfo::WordType()},
        TCase{"Slot2", TypInfo::IntegerType()},
        TCase{"Pen", TypInfo::ClassTypeOf<Graphics::TPen>()},
        TCase{"Flag", TypInfo::BooleanType()}})
    EXPECT_EQ(TypInfo::GetPropInfo(TBuilt::StaticClass(), c.Name)->Type, c.Type) << c.Name;
}

TEST(PropBuilder, AccessorsAreCalledWithTheirIndexAndObjectsAssignedOrTaken) {
  TBuilt b;
  auto prop = [](std::string_view name) {
    return *TypInfo::GetPropInfo(TBuilt::StaticClass(), name);
  };
  prop("Kind").SetOrd(b, 2);
  prop("Slot2").SetOrd(b, 7);
  prop("Flag").SetOrd(b, 1);
  EXPECT_EQ(b.Kind(), Dotted);
  EXPECT_EQ(b.Slot(2), 7);
  EXPECT_EQ(prop("Slot2").GetOrd(b), 7);
  EXPECT_FALSE(prop("Flag").IsStored(b));

  Graphics::TPen red;
  red.SetColor(Graphics::clRed);
  prop("Pen").SetObject(b, &red);
  prop("Pen").SetObject(b, nullptr);  // an assigned object is never null: ignored
  EXPECT_EQ(b.Pen().Color(), Graphics::clRed);
  EXPECT_NE(&b.Pen(), &red);
  prop("Taken").SetObject(b, &red);
  EXPECT_EQ(prop("Taken").GetObject(b), &red);
}

}  // namespace
