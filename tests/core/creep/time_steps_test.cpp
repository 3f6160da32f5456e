#include "core/creep/time_steps.h"

#include <gtest/gtest.h>

namespace kolvane {

TEST(TimeSteps, OfferedStepsDivideTheDayInYearsOf8766Hours) {
  EXPECT_EQ(OfferedTimeStepsText(" or "), "0.25, 0.5, 1, 2, 3 or 4");
  EXPECT_EQ(StepHoursOfDay(4), (std::vector<double>{2, 6, 10, 14, 18, 22}));
  // The second day starts 24 hours in.
  EXPECT_EQ(YearsOfStep(1, 2, 4).End, 4.0 / 8766);
  EXPECT_EQ(YearsOfStep(2, 0.125, 0.25).Start, (24.0 + 0.125 - 0.125) / 8766);
}

}  // namespace kolvane
