// The fast evaluation of a day against the plain one, step by step as the
// rules are written.
#include "core/creep/creep_day.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <random>

#include "core/creep/creep_step.h"
#include "core/creep/time_steps.h"
#include "core/engine/stages.h"
#include "core/support/engine_test_support.h"

namespace kolvane {
namespace {

using testing::ChimneyGrid;

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

// Changes between two days, made alike to the plain and the fast grid; the
// fast day keeps its steps' free strains and factors only while none of what
// they are formed from changed. One bit is enough to count.
void NudgeDiagram(SectionGrid& grid, DiagramKind kind) {
  Diagram diagram = grid.LoadedDiagram(kind);
  for (DiagramPoint& point : diagram.Points) point.Y = std::nextafter(point.Y, 1e300);
  grid.SetLoadedDiagram(kind, diagram);
}
using DayChange = void (*)(SectionGrid&, std::vector<double>& hours);
const DayChange kDayChanges[] = {
    [](SectionGrid&, std::vector<double>&) {},  // the same inputs again: the steps are kept
    [](SectionGrid& grid, std::vector<double>&) { NudgeDiagram(grid, 1); },
    [](SectionGrid& grid, std::vector<double>&) { NudgeDiagram(grid, 2); },
    [](SectionGrid& grid, std::vector<double>&) { NudgeDiagram(grid, 3); },
    [](SectionGrid& grid, std::vector<double>&) { NudgeDiagram(grid, 4); },
    [](SectionGrid& grid, std::vector<double>&) { NudgeDiagram(grid, 5); },
    [](SectionGrid& grid, std::vector<double>&) { NudgeDiagram(grid, kNormalisedCreep); },
    [](SectionGrid& grid, std::vector<double>&) { NudgeDiagram(grid, kNormalisedTemperature); },
    [](SectionGrid& grid, std::vector<double>&) { grid.RefTemp = std::nextafter(grid.RefTemp, 1e300); },
    [](SectionGrid& grid, std::vector<double>&) { grid.AThermal = std::nextafter(grid.AThermal, 1e300); },
    [](SectionGrid& grid, std::vector<double>& hours) {
      grid.TimeStep = grid.TimeStep == 1 ? 2 : 1;
      hours = StepHoursOfDay(grid.TimeStep);
    },
};
constexpr int kDays = 3;

// Day after day on one CreepDay, with a change before every day but the
// first and, before the last, a profile's curvatures at another hour.
TEST(CreepDay, EqualsThePlainEvaluationBitForBitDayAfterDay) {
  const struct {
    unsigned Threads;
    std::uint64_t Budget;  // of the step buffers: 1 byte runs one step at a time
    KernelCopy Copy;       // where the processor lacks it, the widest it has
  } setups[] = {{1, CreepDay::kStepBufferBudget, KernelCopy::Avx512},
                {2, CreepDay::kStepBufferBudget, KernelCopy::Avx2},
                {3, 1, KernelCopy::Avx512},
                {2, 20000, KernelCopy::Baseline}};
  std::mt19937 random(20261206);
  int changed = 0;
  for (int n = 0; n < 40; ++n) {
    const SectionGrid start = RandomCreepingGrid(random);
    const double profileHour = std::uniform_real_distribution<double>(0, 24)(random);
    std::vector<SectionGrid> plainDays;
    std::vector<double> hours = StepHoursOfDay(start.TimeStep);
    for (SectionGrid plain = start; plainDays.size() < kDays; plainDays.push_back(plain)) {
      if (!plainDays.empty()) {
        kDayChanges[(n + plainDays.size()) % std::size(kDayChanges)](plain, hours);
        plain.DayNumber = plain.DayNumber + 1;
      }
      if (plainDays.size() + 1 == kDays) {
        plain.Hour = profileHour;
        CalculateTemperatures(plain);
        CalculateFreeStrains(plain);
        CalculateCurvatures(plain);
      }
      PlainDay(plain, hours);
    }
    for (const auto& setup : setups) {
      SectionGrid fast = start;
      CreepDay day(setup.Threads, setup.Budget, setup.Copy);
      hours = StepHoursOfDay(start.TimeStep);
      for (int d = 0; d < kDays; ++d) {
        if (d > 0) {
          kDayChanges[(n + d) % std::size(kDayChanges)](fast, hours);
          fast.DayNumber = fast.DayNumber + 1;
        }
        if (d + 1 == kDays) day.Curvatures(fast, profileHour);
        day.Run(fast, hours);
        const SectionGrid& plain = plainDays[d];
        SCOPED_TRACE(::testing::Message() << "case " << n << ", day " << d << ", " << start.I << "x" << start.J << "x"
                                          << start.K << ", threads " << setup.Threads << ", budget " << setup.Budget
                                          << ", copy " << static_cast<int>(day.Copy()));
        ASSERT_EQ(fast.CreepStrain, plain.CreepStrain);
        EXPECT_EQ(fast.Eo, plain.Eo);
        EXPECT_EQ(fast.Kx, plain.Kx);
        EXPECT_EQ(fast.Ky, plain.Ky);
        EXPECT_EQ(fast.FreeStrain, plain.FreeStrain);
        EXPECT_EQ(fast.BlockTemp, plain.BlockTemp);
      }
    }
    changed += plainDays.back().CreepStrain != start.CreepStrain;
  }
  EXPECT_GT(changed, 10);  // many days did creep: the comparison is not of idle days only
}

}  // namespace
}  // namespace kolvane
