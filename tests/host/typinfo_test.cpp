#include "TypInfo.h"

#include <gtest/gtest.h>

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
      TypInfo::OrdProp<TSample>(
          "Level", TypInfo::IntegerType(), [](const TSample& s) { return s.Level; },
          [](TSample& s, std::int64_t v) { s.Level = static_cast<int>(v); }, 3),
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

}  // namespace
