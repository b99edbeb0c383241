// The reference of the controls: complete, and the committed copy up to date.
#include "Reference.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "Tollenspiegel.h"
#include "TypInfo.h"

namespace {

TEST(Reference, EveryPublishedPropertySaysWhatItDoes) {
  const std::string text = Tools::ReferenceText(Tollenspiegel::ControlClasses());
  for (System::TClass control : Tollenspiegel::ControlClasses()) {
    EXPECT_NE(text.find("## " + std::string(control->Name) + "\n"), std::string::npos);
    for (const TypInfo::TPropInfo& p : TypInfo::GetPropList(control)) {
      EXPECT_FALSE(p.Help.empty()) << control->Name << "." << p.Name;
      EXPECT_NE(text.find("| " + std::string(p.Name) + " | "), std::string::npos) << p.Name;
    }
  }
  for (const char* row : {"| Vorm | TVormen | always stored | Rechthoek, Vierkant, RondeRechthoek",
                          "| StopFrame | Integer | -1 | a whole number |",
                          "| Style | TFontStyles | always stored | any of fsBold, fsItalic",
                          "| Color | TColor | clBlack | a colour name such as clRed, or a number",
                          "| Fijnheid | TFijnheid | 1 | 1 to 10 |"})
    EXPECT_NE(text.find(row), std::string::npos) << row;
}

TEST(Reference, TheCommittedReferenceIsUpToDate) {
  std::ifstream committed(std::string(TOLLEN_SOURCE_ROOT) + "/docs/reference.md");
  std::stringstream text;
  text << committed.rdbuf();
  EXPECT_EQ(text.str(), Tools::ReferenceText(Tollenspiegel::ControlClasses()))
      << "docs/reference.md is out of date: run `tollenspiegel reference` in the repository";
}

}  // namespace
