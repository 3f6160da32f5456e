// The creep run's calendar and its steps through a day.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "core/creep/calendar.h"
#include "core/creep/time_steps.h"

namespace kolvane {
namespace {

TEST(Calendar, MonthLengthsFollowTheGregorianRule) {
  const struct {
    std::int32_t month, year, days;
  } cases[] = {
      {2, 2000, 29}, {2, 2100, 28}, {2, 2004, 29}, {2, 2001, 28}, {12, 2001, 31}, {4, 2001, 30},
      {2, 0, 29},    {2, 1900, 28}, {1, 2001, 31}, {0, 2001, 0},  {13, 2001, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(DaysInMonth(c.month, c.year), c.days) << c.month << "/" << c.year;
}

TEST(Calendar, DatesAreWrittenWithoutLeadingZeros) {
  EXPECT_EQ(FormatDate(1, 12, 2000), "1/12/2000");
  EXPECT_EQ(FormatDate(5, 3, 2001), "5/3/2001");
  EXPECT_EQ(FormatDate(CalendarDate{31, 12, 2100}), "31/12/2100");
}

std::vector<std::string> Walk(CalendarDate from, const CalendarDate& to) {
  std::vector<std::string> visited{FormatDate(from)};
  while (!(from == to)) {
    from = NextDate(from);
    visited.push_back(FormatDate(from));
  }
  return visited;
}

TEST(Calendar, TheWalkCrossesMonthAndYearEnds) {
  EXPECT_EQ(Walk({30, 12, 2000}, {2, 1, 2001}),
            (std::vector<std::string>{"30/12/2000", "31/12/2000", "1/1/2001", "2/1/2001"}));
  EXPECT_EQ(Walk({28, 2, 2000}, {1, 3, 2000}), (std::vector<std::string>{"28/2/2000", "29/2/2000", "1/3/2000"}));
  EXPECT_EQ(Walk({28, 2, 2100}, {1, 3, 2100}), (std::vector<std::string>{"28/2/2100", "1/3/2100"}));
  EXPECT_EQ(Walk({30, 4, 2001}, {1, 5, 2001}), (std::vector<std::string>{"30/4/2001", "1/5/2001"}));
}

TEST(Calendar, DayCountsAgreeWithTheWalk) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> year(2000, 2100), month(1, 12), span(0, 1500);
  for (int n = 0; n < 200; ++n) {
    CalendarDate first{1, month(random), year(random)};
    first.Day = std::uniform_int_distribution<int>(1, DaysInMonth(first.Month, first.Year))(random);
    CalendarDate last = first;
    const int steps = span(random);
    for (int s = 0; s < steps; ++s) last = NextDate(last);
    EXPECT_EQ(DaysFromTo(first, last), steps + 1) << FormatDate(first) << " to " << FormatDate(last);
    if (steps > 0) {
      EXPECT_EQ(DaysFromTo(last, first), 0);
    }
  }
  EXPECT_EQ(DaysFromTo({1, 1, 2000}, {31, 12, 2100}), 36890);
}

TEST(Calendar, OnlyExistingDatesAreValid) {
  EXPECT_TRUE(IsValidDate({29, 2, 2000}));
  EXPECT_FALSE(IsValidDate({29, 2, 2100}));
  EXPECT_FALSE(IsValidDate({31, 4, 2001}));
  EXPECT_FALSE(IsValidDate({0, 4, 2001}));
  EXPECT_FALSE(IsValidDate({1, 13, 2001}));
}

TEST(TimeSteps, EveryOfferedStepDividesTheDay) {
  const struct {
    double step;
    std::size_t count;
  } cases[] = {{0.25, 96}, {0.5, 48}, {1, 24}, {2, 12}, {3, 8}, {4, 6}};
  for (const auto& c : cases) {
    const std::vector<double> hours = StepHoursOfDay(c.step);
    ASSERT_EQ(hours.size(), c.count) << c.step;
    EXPECT_EQ(hours.front(), c.step / 2);
    EXPECT_EQ(hours.back(), 24 - c.step / 2);
    EXPECT_TRUE(IsOfferedTimeStep(c.step));
  }
  EXPECT_EQ(StepHoursOfDay(4), (std::vector<double>{2, 6, 10, 14, 18, 22}));
  EXPECT_TRUE(StepHoursOfDay(0).empty());
  EXPECT_TRUE(StepHoursOfDay(-1).empty());
  EXPECT_FALSE(IsOfferedTimeStep(5));
}

TEST(TimeSteps, StepsAreTimedInYearsOf8766Hours) {
  const StepYears first = YearsOfStep(1, 2, 4);
  EXPECT_EQ(first.Start, 0);
  EXPECT_EQ(first.End, 4.0 / 8766);
  // The second day starts 24 hours in.
  const StepYears later = YearsOfStep(2, 0.125, 0.25);
  EXPECT_EQ(later.Start, (24.0 + 0.125 - 0.125) / 8766);
  EXPECT_EQ(later.End, (24.0 + 0.125 + 0.125) / 8766);
}

}  // namespace
}  // namespace kolvane
