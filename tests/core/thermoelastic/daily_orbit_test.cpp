#include "core/thermoelastic/daily_orbit.h"

#include <gtest/gtest.h>

#include "core/common/number_text.h"
#include "core/engine/run_diagrams.h"
#include "core/support/bits.h"
#include "core/support/engine_test_support.h"
#include "core/support/test_support.h"
#include "core/thermoelastic/thermo_elastic_run.h"

namespace kolvane {
namespace {

using testing::Bits;
using testing::ColumnTexts;

// The summer day of the shared test files: the sun going round, air and
// surface warmest at 14 h.
SectionGrid SummerDay() {
  const ScratchFolder folder;
  testing::WriteDayAndConcrete(folder);
  SectionGrid grid;
  EXPECT_TRUE(OpenRunDiagrams(grid, Workspace(folder.Path()), {"day", "day", "day", "day", "day"}, {}));
  return grid;
}

// The orbit counts its hours done; a cancel leaves no points, on any number of threads.
TEST(DailyOrbit, CountsItsHoursAndACancelLeavesNoPoints) {
  const SectionGrid diagrams = SummerDay();
  for (unsigned threads : {1u, 2u}) {
    SCOPED_TRACE(threads);
    testing::RecordingFeedback told;
    ASSERT_EQ(RunDailyOrbitOnLoadedDiagrams(diagrams, ColumnTexts("2", "3", "4"), 3, 0, threads, told).End,
              RunEnd::Completed);
    auto expected = testing::StepsBefore(9);  // hours 0, 3, ... 24
    expected.emplace_back(9, 9);
    EXPECT_EQ(told.Steps, expected);
    testing::RecordingFeedback stopping;
    stopping.CancelWhen = [](const testing::RecordingFeedback& f) { return f.Steps.size() > 4; };
    const OrbitOutcome cancelled =
        RunDailyOrbitOnLoadedDiagrams(diagrams, ColumnTexts("2", "3", "4"), 3, 0, threads, stopping);
    EXPECT_EQ(cancelled.End, RunEnd::Cancelled);
    EXPECT_TRUE(cancelled.Points.empty());
    EXPECT_LT(stopping.Steps.size(), expected.size());
  }
}

TEST(DailyOrbit, EveryHourEqualsTheThermoElasticRunBitForBit) {
  const struct {
    const char *Rings, *Sectors, *Slices;
    double Step;
    unsigned Threads;
  } cases[] = {{"2", "3", "4", 0.25, 1}, {"4", "72", "100", 1, 0}, {"1", "5", "1", 3, 2}};
  const SectionGrid diagrams = SummerDay();
  for (const auto& c : cases) {
    const MainDataTexts column = ColumnTexts(c.Rings, c.Sectors, c.Slices);
    const OrbitOutcome orbit = RunDailyOrbitOnLoadedDiagrams(diagrams, column, c.Step, 0, c.Threads);
    ASSERT_EQ(orbit.End, RunEnd::Completed) << orbit.Message;
    ASSERT_EQ(orbit.Points.size(), static_cast<std::size_t>(24 / c.Step) + 1);
    for (std::size_t n = 0; n < orbit.Points.size(); ++n) {
      const OrbitPoint& point = orbit.Points[n];
      EXPECT_EQ(point.Hour, c.Step * static_cast<double>(n));  // each point at its own hour, in order
      SectionGrid grid = diagrams;
      ASSERT_EQ(RunThermoElasticOnLoadedDiagrams(grid, column, NumberText(point.Hour), 0).End, RunEnd::Completed);
      SCOPED_TRACE(std::string(c.Sectors) + " sectors, hour " + NumberText(point.Hour));
      EXPECT_EQ(Bits(point.TipX), Bits(grid.TipX));
      EXPECT_EQ(Bits(point.TipY), Bits(grid.TipY));
      EXPECT_EQ(Bits(point.TipZ), Bits(grid.TipZ));
      EXPECT_EQ(Bits(point.SunPosition), Bits(grid.SunPosition));
    }
  }
}

TEST(DailyOrbit, LargestTipMovementIsTheFarthestFromTheAxisInPlan) {
  const std::vector<OrbitPoint> points{{0, 0, 1, 1, 0}, {6, 0, -3, 4, 0}, {12, 0, 0, -4.5, 0}, {18, 0, 4, -3, 0}};
  const auto largest = LargestTipMovement(points);
  ASSERT_TRUE(largest);
  EXPECT_EQ(*largest, 1u);  // 5 m, the first of the two at 5 m
  EXPECT_EQ(LargestTipMovementText(points[*largest]), "Largest tip movement : 5 m at 6 h");
  EXPECT_EQ(LargestTipMovementText({14.25, 0, 0, .012, 0}), "Largest tip movement : .012 m at 14.25 h");
  // Finite movements too large or too small for a sum of squares.
  EXPECT_EQ(LargestTipMovementText({1, 0, 3E+160, 4E+160, 0}), "Largest tip movement : 5E+160 m at 1 h");
  EXPECT_EQ(LargestTipMovementText({1, 0, 3E-170, 4E-170, 0}), "Largest tip movement : 5E-170 m at 1 h");
  EXPECT_FALSE(LargestTipMovement({}));
}

}  // namespace
}  // namespace kolvane
