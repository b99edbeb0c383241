#include "System.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(Round, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(System::Round(6.5), 6);
  EXPECT_EQ(System::Round(7.5), 8);
  EXPECT_EQ(System::Round(-2.5), -2);
  EXPECT_EQ(System::Round(-3.5), -4);
  EXPECT_EQ(System::Round(15.5), 16);
  EXPECT_EQ(System::Round(53.69357503463), 54);
  EXPECT_EQ(System::Round(2.4999999), 2);
  EXPECT_EQ(System::Round(-0.4), 0);
  EXPECT_EQ(System::Round(0.5L), 0);
  EXPECT_EQ(System::Round(1.5L), 2);
}

TEST(Round, NonFiniteValuesAreBounded) {
  EXPECT_EQ(System::Round(std::nan("")), 0);
  EXPECT_EQ(System::Round(1e300), INT64_MAX);
  EXPECT_EQ(System::Round(-1e300), INT64_MIN);
}

}  // namespace
