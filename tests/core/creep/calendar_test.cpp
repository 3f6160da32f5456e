#include "core/creep/calendar.h"

#include <gtest/gtest.h>

namespace kolvane {
namespace {

TEST(Calendar, MonthLengthsDatesAndDayCounts) {
  // A date of each month and the days of that month.
  const std::pair<CalendarDate, std::int32_t> cases[] = {{{29, 2, 2000}, 29}, {{29, 2, 2100}, 28}, {{1, 2, 2004}, 29},
                                                         {{1, 2, 1900}, 28},  {{31, 4, 2001}, 30}, {{31, 12, 2100}, 31},
                                                         {{1, 13, 2001}, 0},  {{0, 1, 2001}, 31}};
  for (const auto& [date, days] : cases) EXPECT_EQ(DaysInMonth(date.Month, date.Year), days) << FormatDate(date);
  EXPECT_EQ(FormatDate(NextDate({28, 2, 2100})), "1/3/2100");
  EXPECT_EQ(DaysFromTo({28, 2, 2000}, {1, 3, 2000}), 3);
  EXPECT_EQ(DaysFromTo({2, 1, 2001}, {1, 1, 2001}), 0);
  EXPECT_EQ(DaysFromTo({1, 1, 2000}, {31, 12, 2100}), 36890);
}

}  // namespace
}  // namespace kolvane
