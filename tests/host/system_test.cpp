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

TEST(Round, ValuesNearTheEdgesOfTheFraction) {
  const struct {
    double Value;
    std::int64_t Rounded;
  } cases[] = {
      {0.49999999999999994, 0},  // the largest double under a half
      {-0.49999999999999994, 0},
      {0.5000000000000001, 1},
      {2251799813685248.5, 2251799813685248},  // 2^51 + 1/2: to even
      {2251799813685249.5, 2251799813685250},
      {4503599627370495.5, 4503599627370496},  // 2^52 - 1/2: the last with a fraction
      {-4503599627370495.5, -4503599627370496},
      {4503599627370497.0, 4503599627370497},    // whole from here on
      {-9007199254740993.0, -9007199254740992},  // not a double: its neighbour, kept
      {-0.0, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(System::Round(c.Value), c.Rounded) << c.Value;
  EXPECT_EQ(System::Round(2.5L), 2);
  EXPECT_EQ(System::Round(4611686018427387903.5L), 4611686018427387904);  // 2^62 - 1/2
}

TEST(Round, NonFiniteValuesAreBounded) {
  EXPECT_EQ(System::Round(std::nan("")), 0);
  EXPECT_EQ(System::Round(1e300), INT64_MAX);
  EXPECT_EQ(System::Round(-1e300), INT64_MIN);
}

}  // namespace
