#include "core/creep/calendar.h"

#include <gtest/gtest.h>

#include "core/creep/creep_run.h"
#include "core/diagrams/diagram_kinds.h"

namespace kolvane {
namespace {

TEST(Calendar, MonthLengthsDatesAndDayCounts) {
  const struct {
    std::int32_t day, month, year, days;  // days: of the month
    CreepDateCheck check;
  } cases[] = {
      {29, 2, 2000, 29, CreepDateCheck::Valid},        {29, 2, 2100, 28, CreepDateCheck::DoesNotExist},
      {1, 2, 2004, 29, CreepDateCheck::Valid},         {1, 2, 1900, 28, CreepDateCheck::OutsideYears},
      {31, 4, 2001, 30, CreepDateCheck::DoesNotExist}, {31, 12, 2100, 31, CreepDateCheck::Valid},
      {1, 1, 2000, 31, CreepDateCheck::Valid},         {1, 13, 2001, 0, CreepDateCheck::DoesNotExist},
      {0, 1, 2001, 31, CreepDateCheck::DoesNotExist},  {31, 12, 1999, 31, CreepDateCheck::OutsideYears},
      {1, 1, 2101, 31, CreepDateCheck::OutsideYears},
  };
  for (const auto& c : cases) {
    const CalendarDate date{c.day, c.month, c.year};
    EXPECT_EQ(DaysInMonth(c.month, c.year), c.days) << FormatDate(date);
    EXPECT_EQ(CheckCreepDate(date), c.check) << FormatDate(date);
  }
  // The run's years are the creep function's time axis, in years from the first.
  EXPECT_EQ(kLastCreepYear - kFirstCreepYear, DiagramKindTable(kNormalisedCreep).XMax);
  EXPECT_EQ(FormatDate(NextDate({28, 2, 2100})), "1/3/2100");
  EXPECT_EQ(DaysFromTo({28, 2, 2000}, {1, 3, 2000}), 3);
  EXPECT_EQ(DaysFromTo({2, 1, 2001}, {1, 1, 2001}), 0);
  EXPECT_EQ(DaysFromTo({1, 1, 2000}, {31, 12, 2100}), 36890);
}

}  // namespace
}  // namespace kolvane
