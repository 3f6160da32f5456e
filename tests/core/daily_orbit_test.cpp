// The daily tip orbit: every hour exactly as the thermo-elastic run gives it,
// its checks, and the physics of a column turning with the sun.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>

#include "core/common/number_text.h"
#include "core/thermoelastic/daily_orbit.h"
#include "core/thermoelastic/thermo_elastic_run.h"
#include "engine_test_support.h"
#include "test_support.h"

namespace kolvane {
namespace {

const RunDiagramNames kAllNamed{"day", "day", "day", "day", "day"};

std::uint64_t Bits(double value) { return std::bit_cast<std::uint64_t>(value); }

// A summer day: the sun from East (hour 6) to West (hour 18), air and
// surface warmest at 14, the outer face warmed most where the sun looks.
SectionGrid SummerDay() {
  SectionGrid d;
  d.SetLoadedDiagram(1, Diagram{{{0, 0}, {6, 0}, {12, 90}, {18, 180}, {24, 180}}});
  d.SetLoadedDiagram(2, Diagram{{{0, 14}, {14, 28}, {24, 16}}});
  d.SetLoadedDiagram(3, Diagram{{{0, 14}, {14, 50}, {24, 16}}});
  d.SetLoadedDiagram(4, Diagram{{{0, 100}, {90, 25}, {180, 0}}});
  d.SetLoadedDiagram(5, Diagram{{{0, 30}, {90, 5}, {180, 0}}});
  return d;
}

MainDataTexts Column(const char* rings, const char* sectors, const char* slices) {
  return {"150", "3.5", "3.9", "25", "30", "5", rings, sectors, slices, "15", "1E-05"};
}

TEST(DailyOrbit, EveryHourEqualsTheThermoElasticRunBitForBit) {
  const struct {
    const char* rings;
    const char* sectors;
    const char* slices;
    double step;
    unsigned threads;
  } cases[] = {
      {"2", "3", "4", 0.25, 1},
      {"3", "36", "10", 0.5, 3},
      {"4", "72", "100", 1, 0},
      {"1", "5", "1", 3, 2},
  };
  const auto diagrams = SummerDay();
  for (const auto& c : cases) {
    const MainDataTexts column = Column(c.rings, c.sectors, c.slices);
    const OrbitOutcome orbit = RunDailyOrbitOnLoadedDiagrams(diagrams, column, c.step, 0, c.threads);
    ASSERT_EQ(orbit.End, RunEnd::Completed) << orbit.Message;
    ASSERT_EQ(orbit.Points.size(), static_cast<std::size_t>(24 / c.step) + 1);
    for (std::size_t n = 0; n < orbit.Points.size(); ++n) {
      const OrbitPoint& point = orbit.Points[n];
      EXPECT_EQ(point.Hour, c.step * static_cast<double>(n));  // each point at its own hour, in order
      SectionGrid grid = diagrams;
      ASSERT_EQ(RunThermoElasticOnLoadedDiagrams(grid, column, NumberText(point.Hour), 0).End, RunEnd::Completed);
      SCOPED_TRACE(std::string(c.sectors) + " sectors, hour " + NumberText(point.Hour));
      EXPECT_EQ(Bits(point.TipX), Bits(grid.TipX));
      EXPECT_EQ(Bits(point.TipY), Bits(grid.TipY));
      EXPECT_EQ(Bits(point.TipZ), Bits(grid.TipZ));
      EXPECT_EQ(Bits(point.SunPosition), Bits(grid.SunPosition));
    }
  }
}

TEST(DailyOrbit, HoursAreWholeMultiplesOfTheStepUpToTwentyFour) {
  const struct {
    double step;
    std::size_t count;
    double second;
  } cases[] = {{0.25, 97, 0.25}, {0.5, 49, 0.5}, {1, 25, 1}, {2, 13, 2}, {3, 9, 3}, {4, 7, 4}};
  for (const auto& c : cases) {
    const std::vector<double> hours = OrbitHours(c.step);
    ASSERT_EQ(hours.size(), c.count) << c.step;
    EXPECT_EQ(hours.front(), 0);
    EXPECT_EQ(hours[1], c.second);
    EXPECT_EQ(hours.back(), 24);
  }
  EXPECT_TRUE(OrbitHours(5).empty());
  EXPECT_TRUE(OrbitHours(0).empty());
}

TEST(DailyOrbit, InputChecks) {
  const struct {
    double step;
    RunDiagramNames chosen;
    const char* message;  // nullptr: the orbit may start
  } cases[] = {
      {1, kAllNamed, nullptr},
      {0.25, kAllNamed, nullptr},
      {0.3, kAllNamed, "The step of the orbit must be 0.25, 0.5, 1, 2, 3 or 4 hours."},
      {0, kAllNamed, "The step of the orbit must be 0.25, 0.5, 1, 2, 3 or 4 hours."},
      {1, {"day", "day", "", "day", "day"}, "You haven't selected the Surface temperature diagram."},
      {7, {"", "day", "day", "day", "day"}, "The step of the orbit must be 0.25, 0.5, 1, 2, 3 or 4 hours."},
  };
  for (const auto& c : cases) {
    const auto message = CheckOrbitInputs(c.step, c.chosen);
    EXPECT_EQ(message.value_or("(none)"), c.message ? c.message : "(none)") << c.step;
  }
}

// The orbit opens its diagrams by name, as the thermo-elastic run does, and
// checks before it opens any.
TEST(DailyOrbit, OpensItsDiagramsByNameAfterItsChecks) {
  testing::ScratchFolder folder;
  testing::WriteBytes(folder.File("day.dg1"), "0\t0\r\n6\t0\r\n12\t90\r\n18\t180\r\n24\t180\r\n");
  testing::WriteBytes(folder.File("day.dg2"), "0\t14\r\n14\t28\r\n24\t16\r\n");
  testing::WriteBytes(folder.File("day.dg3"), "0\t14\r\n14\t50\r\n24\t16\r\n");
  testing::WriteBytes(folder.File("day.dg4"), "0\t100\r\n90\t25\r\n180\t0\r\n");
  testing::WriteBytes(folder.File("day.dg5"), "0\t30\r\n90\t5\r\n180\t0\r\n");
  testing::WriteBytes(folder.File("broken.dg2"), "0\t1E400\r\n");
  const Workspace workspace(folder.Path());
  std::vector<std::string> incidents;
  const IncidentReport incident = [&](DiagramIncident, const std::string& m) { incidents.push_back(m); };
  const MainDataTexts column = Column("2", "8", "3");

  const OrbitOutcome byName = RunDailyOrbit(workspace, column, kAllNamed, 2, incident, 0);
  ASSERT_EQ(byName.End, RunEnd::Completed);
  const OrbitOutcome inMemory = RunDailyOrbitOnLoadedDiagrams(SummerDay(), column, 2, 0);
  ASSERT_EQ(byName.Points.size(), inMemory.Points.size());
  for (std::size_t n = 0; n < byName.Points.size(); ++n) EXPECT_EQ(byName.Points[n].TipX, inMemory.Points[n].TipX);

  RunDiagramNames names = kAllNamed;
  names[1] = "broken";
  EXPECT_EQ(RunDailyOrbit(workspace, column, names, 0.3, incident, 0).Message,
            "The step of the orbit must be 0.25, 0.5, 1, 2, 3 or 4 hours.");
  EXPECT_TRUE(incidents.empty());  // refused before any diagram was opened
  EXPECT_EQ(RunDailyOrbit(workspace, column, names, 1, incident, 0).End, RunEnd::Stopped);
  EXPECT_EQ(incidents, (std::vector<std::string>{"LoadDiagram reported a critical error for broken."}));
}

TEST(DailyOrbit, AGridTooLargeForTheMachineIsRefused) {
  const OrbitOutcome outcome =
      RunDailyOrbitOnLoadedDiagrams(SummerDay(), Column("9999", "9999", "9999"), 1, 1ull << 30);
  EXPECT_EQ(outcome.End, RunEnd::Refused);
  EXPECT_EQ(outcome.Message.rfind("The grid is too large for this computer", 0), 0u) << outcome.Message;
  EXPECT_TRUE(outcome.Points.empty());
}

TEST(DailyOrbit, PhysicalChecks) {
  // A day whose sun and temperatures do not change: every hour the same
  // tip, an orbit of one point. The sun in the East warms the East face,
  // which grows: the column bends away from it, towards the West (X < 0);
  // with the sun in the North (90 degrees) it bends South (Y < 0).
  for (const double sun : {0.0, 90.0}) {
    SectionGrid flat;
    testing::LoadFlatDiagrams(flat, sun, 15, 40);
    flat.SetLoadedDiagram(4, Diagram{{{0, 100}, {180, 0}}});
    flat.SetLoadedDiagram(5, Diagram{{{0, 30}, {180, 0}}});
    const OrbitOutcome orbit = RunDailyOrbitOnLoadedDiagrams(flat, Column("3", "36", "10"), 0.5, 0);
    ASSERT_EQ(orbit.End, RunEnd::Completed);
    for (const OrbitPoint& point : orbit.Points) {
      EXPECT_EQ(Bits(point.TipX), Bits(orbit.Points[0].TipX)) << point.Hour;
      EXPECT_EQ(Bits(point.TipY), Bits(orbit.Points[0].TipY)) << point.Hour;
    }
    const OrbitPoint& tip = orbit.Points[0];
    const double away = sun == 0 ? tip.TipX : tip.TipY;
    const double across = sun == 0 ? tip.TipY : tip.TipX;
    EXPECT_LT(away, -1e-3) << sun;  // millimetres at least for 25 degrees across a 150 m column
    EXPECT_LT(std::fabs(across), 1e-9 * std::fabs(away)) << sun;
  }

  // Heated evenly all round, however the air and surface change over the
  // day: the column grows and shrinks but does not bend.
  SectionGrid even = SummerDay();
  even.SetLoadedDiagram(4, Diagram{{{0, 100}, {180, 100}}});
  even.SetLoadedDiagram(5, Diagram{{{0, 100}, {180, 100}}});
  const OrbitOutcome orbit = RunDailyOrbitOnLoadedDiagrams(even, Column("4", "72", "20"), 1, 0);
  ASSERT_EQ(orbit.End, RunEnd::Completed);
  for (const OrbitPoint& point : orbit.Points) {
    EXPECT_LT(std::fabs(point.TipX), 1e-12) << point.Hour;
    EXPECT_LT(std::fabs(point.TipY), 1e-12) << point.Hour;
  }
  EXPECT_NE(orbit.Points[0].TipZ, orbit.Points[14].TipZ);  // 14 h is warmer than midnight
}

TEST(DailyOrbit, LargestTipMovementIsTheFarthestFromTheAxisInPlan) {
  const std::vector<OrbitPoint> points{{0, 0, 1, 1, 0}, {6, 0, -3, 4, 0}, {12, 0, 0, -4.5, 0}, {18, 0, 4, -3, 0}};
  const auto largest = LargestTipMovement(points);
  ASSERT_TRUE(largest);
  EXPECT_EQ(*largest, 1u);  // 5 m, the first of the two at 5 m
  EXPECT_EQ(LargestTipMovementText(points[*largest]), "Largest tip movement : 5 m at 6 h");
  EXPECT_EQ(LargestTipMovementText({14.25, 0, 0, .012, 0}), "Largest tip movement : .012 m at 14.25 h");
  EXPECT_FALSE(LargestTipMovement({}));
}

}  // namespace
}  // namespace kolvane
