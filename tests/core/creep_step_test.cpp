// The creep step and the fast evaluation of a day against the plain one,
// step by step as the rules are written.
#include <gtest/gtest.h>

#include <random>

#include "core/creep/creep_day.h"
#include "core/creep/creep_step.h"
#include "core/creep/time_steps.h"
#include "core/diagrams/diagram_reader.h"
#include "core/engine/stages.h"
#include "engine_test_support.h"

namespace kolvane {
namespace {

using testing::ChimneyGrid;

TEST(NearestEndReader, ReadsExactlyAsTheDiagramDoes) {
  // Random diagrams (some with repeated X), read along wandering sequences
  // that hit points exactly, leave the diagram on both sides and come back.
  std::mt19937 random(11);
  std::uniform_real_distribution<double> unit(0, 1);
  for (int n = 0; n < 300; ++n) {
    Diagram diagram;
    double x = unit(random) * 10 - 5;
    for (int count = std::uniform_int_distribution<int>(0, 12)(random); count > 0; --count) {
      diagram.Points.push_back({x, unit(random) * 100 - 50});
      x += n % 7 == 0 && unit(random) < 0.3 ? 0 : unit(random) * 4;
    }
    NearestEndReader read(diagram);
    double at = unit(random) * 60 - 20;
    for (int r = 0; r < 200; ++r) {
      const double pick = unit(random);
      if (pick < 0.2 && !diagram.Points.empty())
        at = diagram.Points[std::uniform_int_distribution<std::size_t>(0, diagram.Points.size() - 1)(random)].X;
      else
        at += pick < 0.25 ? unit(random) * 100 - 50 - at : unit(random) * 2 - 1;
      ASSERT_EQ(read(at), DiagramValueNearestEnd(diagram, at)) << "diagram " << n << ", reading " << r << " at " << at;
    }
  }
}

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
  EXPECT_GT(NormalisedCreepGrowth(grid), 0);
  grid.DayNumber = 2;
  EXPECT_EQ(NormalisedCreepGrowth(grid), 0);
}

// A random state: any grid, diagrams reaching only part of their kinds' X
// ranges (so the factor's reading wanders off both ends and back), creep
// already under way, and a day anywhere within or beyond the creep function.
SectionGrid RandomCreepingGrid(std::mt19937& random) {
  auto pick = [&random](double low, double high) { return std::uniform_real_distribution<double>(low, high)(random); };
  auto count = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  const double inner = pick(1, 8);
  SectionGrid grid = ChimneyGrid(count(1, 6), count(3, 40), count(1, 23), inner, inner + pick(0.1, 1.5));
  grid.E = pick(20, 45);
  grid.F = pick(0, 20);
  grid.UnitLoad = pick(0, 26);
  grid.RefTemp = pick(-5, 25);
  auto diagram = [&](double x0, double x1, double y0, double y1) {
    Diagram d;
    double x = x0;
    for (int n = count(1, 8); n > 0 && x <= x1; --n, x += pick(0.01, (x1 - x0) / 3))
      d.Points.push_back({x, pick(y0, y1)});
    return d;
  };
  grid.SetLoadedDiagram(1, diagram(0, 24, 0, 180));
  grid.SetLoadedDiagram(2, diagram(0, 24, -10, 60));
  grid.SetLoadedDiagram(3, diagram(0, 24, -10, 60));
  grid.SetLoadedDiagram(4, diagram(0, 180, 0, 100));
  grid.SetLoadedDiagram(5, diagram(0, 180, 0, 100));
  grid.SetLoadedDiagram(kNormalisedCreep, diagram(0, 100, 0, 4e-6));
  grid.SetLoadedDiagram(kNormalisedTemperature, diagram(pick(0, 30), 80, 0, 100));
  CalculateGeometry(grid);
  CalculatePreliminaries(grid);
  ResetCreepStrains(grid);
  for (std::int32_t k = 1; k <= grid.K; ++k)  // the padding of the last tile stays 0
    for (std::int32_t i = 1; i <= grid.I; ++i)
      for (std::int32_t j = 1; j <= grid.J; ++j) grid.CreepStrain[grid.CreepIndex(i, j, k)] = pick(-2e-4, 2e-4);
  grid.TimeStep = kOfferedTimeSteps[count(0, 5)];
  grid.DayNumber = count(1, 40000);
  return grid;
}

void PlainDay(SectionGrid& grid, const std::vector<double>& hours) {
  for (double hour : hours) {
    grid.Hour = hour;
    CalculateTemperatures(grid);
    CalculateFreeStrains(grid);
    CalculateCurvatures(grid);
    CreepStep(grid);
  }
}

TEST(CreepDay, EqualsThePlainEvaluationBitForBit) {
  const struct {
    unsigned threads;
    std::uint64_t budget;  // of the step buffers: 1 byte runs one step at a time
    bool wide;
  } setups[] = {
      {1, CreepDay::kStepBufferBudget, true}, {2, CreepDay::kStepBufferBudget, false}, {3, 1, true}, {2, 20000, false}};
  std::mt19937 random(20261206);
  int changed = 0;
  for (int n = 0; n < 40; ++n) {
    const SectionGrid start = RandomCreepingGrid(random);
    const std::vector<double> hours = StepHoursOfDay(start.TimeStep);
    SectionGrid plain = start;
    PlainDay(plain, hours);
    for (const auto& setup : setups) {
      SectionGrid fast = start;
      CreepDay(setup.threads, setup.budget, setup.wide).Run(fast, hours);
      SCOPED_TRACE(::testing::Message() << "case " << n << ", " << start.I << "x" << start.J << "x" << start.K
                                        << ", threads " << setup.threads << ", budget " << setup.budget
                                        << (setup.wide ? ", wide vectors" : ""));
      ASSERT_EQ(fast.CreepStrain, plain.CreepStrain);
      EXPECT_EQ(fast.Eo, plain.Eo);
      EXPECT_EQ(fast.Kx, plain.Kx);
      EXPECT_EQ(fast.Ky, plain.Ky);
      EXPECT_EQ(fast.FreeStrain, plain.FreeStrain);
      EXPECT_EQ(fast.BlockTemp, plain.BlockTemp);
      EXPECT_EQ(fast.Hour, plain.Hour);
    }
    changed += plain.CreepStrain != start.CreepStrain;
  }
  EXPECT_GT(changed, 10);  // many days did creep: the comparison is not of idle days only
}

}  // namespace
}  // namespace kolvane
