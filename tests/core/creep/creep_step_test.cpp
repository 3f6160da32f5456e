#include "core/creep/creep_step.h"

#include <gtest/gtest.h>

#include "core/creep/time_steps.h"
#include "core/diagrams/diagram_reader.h"

namespace kolvane {

TEST(CreepStep, PastTheEndOfTheCreepFunctionCreepStops) {
  // A creep function that ends after 0.001 years (8.766 hours): the last
  // value holds beyond it.
  const Diagram shortCreep{{{0, 0}, {0.001, 1e-6}}};
  SectionGrid grid;
  grid.SetLoadedDiagram(kNormalisedCreep, shortCreep);
  grid.TimeStep = 1;
  grid.DayNumber = 1;
  grid.Hour = 8.5;  // the step from 8 to 9 hours passes the end
  const StepYears years = YearsOfStep(grid.DayNumber, grid.Hour, grid.TimeStep);
  ASSERT_LT(years.Start, 0.001);
  ASSERT_GT(years.End, 0.001);
  EXPECT_EQ(NormalisedCreepGrowth(grid), 1e-6 - DiagramValueNearestEnd(shortCreep, years.Start));
  grid.DayNumber = 2;
  EXPECT_EQ(NormalisedCreepGrowth(grid), 0);
}

// The largest E' * Phi * dC of a step's blocks, however small: a quiet step is
// not reported as relaxing a whole stress.
TEST(CreepStep, LargestRelaxationIsTheLargestBlocksProduct) {
  const double factors[] = {0.5, 0.25, 0.125};  // the largest first: every block counts
  EXPECT_EQ(LargestStepRelaxation(4, factors, 3, 0.125), 4 * 0.5 * 0.125);
  EXPECT_EQ(LargestStepRelaxation(4, factors, 0, 0.125), 0);
}

}  // namespace kolvane
