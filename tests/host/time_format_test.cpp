#include <gtest/gtest.h>

#include "SysUtils.h"
#include "support/Time.h"

namespace {

SysUtils::TDateTime At(int h, int m, int s, int ms = 0) {
  return SysUtils::MillisecondsToDateTime(Platform::LocalMs(2026, 12, 8, h, m, s, ms));
}

TEST(TimeFormat, FormatsHoursMinutesAndSeconds) {
  EXPECT_EQ(SysUtils::FormatTime("hh:mm:ss", At(9, 5, 7)), "09:05:07");
  EXPECT_EQ(SysUtils::FormatTime("hh:mm", At(23, 59, 59)), "23:59");
  EXPECT_EQ(SysUtils::FormatTime("h:nn:ss.zzz", At(0, 0, 1, 42)), "0:00:01.042");
  EXPECT_EQ(SysUtils::FormatTime("h:mm am/pm", At(13, 4, 0)), "1:04 pm");
  EXPECT_EQ(SysUtils::FormatTime("h:mm a/p", At(0, 4, 0)), "12:04 a");
  EXPECT_EQ(SysUtils::FormatTime("'at' hh", At(7, 0, 0)), "at 07");
}

TEST(TimeFormat, TimeToStrUsesTheProcessFormatAndSeparator) {
  std::string saved = SysUtils::LongTimeFormat;
  SysUtils::LongTimeFormat = "hh:mm";
  SysUtils::TimeSeparator = '.';
  EXPECT_EQ(SysUtils::TimeToStr(At(10, 9, 30)), "10.09");
  SysUtils::TimeSeparator = ':';
  SysUtils::LongTimeFormat = saved;
  EXPECT_EQ(SysUtils::TimeToStr(At(10, 9, 30)), "10:09:30");
}

}  // namespace
