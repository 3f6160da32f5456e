// The creep loop: a day of 0.25-hour steps evaluated plainly (the stages one
// after another, as the rules are written) and by the fast day, side by side,
// in block-steps per second; and the whole ten-year run a user would start on
// a realistic chimney.
#include <benchmark/benchmark.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "bench_support.h"
#include "core/creep/creep_day.h"
#include "core/creep/creep_run.h"
#include "core/creep/creep_step.h"
#include "core/creep/time_steps.h"
#include "core/engine/stages.h"

namespace kolvane {
namespace {

void LoadSummerDay(SectionGrid& grid) {
  bench::LoadSummerDay(grid);
  grid.SetLoadedDiagram(kNormalisedCreep,
                        Diagram{{{0, 0}, {0.02, 9.92e-7}, {0.1, 1.86e-6}, {1, 3.1e-6}, {10, 3.73e-6}, {100, 4e-6}}});
  grid.SetLoadedDiagram(kNormalisedTemperature, Diagram{{{0, 0.5}, {20, 1}, {40, 1.6}, {60, 2.4}, {80, 3.5}}});
}

// A chimney of I rings, J sectors and K slices, ready for its first day.
SectionGrid CreepingChimney(std::int32_t I, std::int32_t J, std::int32_t K) {
  SectionGrid grid;
  grid.I = I;
  grid.J = J;
  grid.K = K;
  grid.Height = 150;
  grid.IRadius = 3.5;
  grid.ERadius = 3.9;
  grid.UnitLoad = 25;
  grid.E = 30;
  grid.F = 5;
  grid.RefTemp = 15;
  grid.AThermal = 1e-5;
  LoadSummerDay(grid);
  CalculateGeometry(grid);
  CalculatePreliminaries(grid);
  ResetCreepStrains(grid);
  grid.TimeStep = 0.25;
  grid.DayNumber = 1;
  return grid;
}

void SetBlockSteps(benchmark::State& state, const SectionGrid& grid, std::size_t steps) {
  const double blockSteps = static_cast<double>(grid.BlockCount()) * grid.K * static_cast<double>(steps);
  state.counters["block_steps_per_s"] =
      benchmark::Counter(blockSteps * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BmCreepDayPlain(benchmark::State& state) {
  SectionGrid grid =
      CreepingChimney(static_cast<std::int32_t>(state.range(0)), static_cast<std::int32_t>(state.range(1)),
                      static_cast<std::int32_t>(state.range(2)));
  const std::vector<double> hours = StepHoursOfDay(grid.TimeStep);
  for (auto _ : state) {
    for (double hour : hours) {
      grid.Hour = hour;
      CalculateTemperatures(grid);
      CalculateFreeStrains(grid);
      CalculateCurvatures(grid);
      CreepStep(grid);
    }
    grid.DayNumber = grid.DayNumber + 1;
  }
  SetBlockSteps(state, grid, hours.size());
}

void BmCreepDayFast(benchmark::State& state) {
  SectionGrid grid =
      CreepingChimney(static_cast<std::int32_t>(state.range(0)), static_cast<std::int32_t>(state.range(1)),
                      static_cast<std::int32_t>(state.range(2)));
  const std::vector<double> hours = StepHoursOfDay(grid.TimeStep);
  CreepDay day(static_cast<unsigned>(state.range(3)));
  for (auto _ : state) {
    day.Run(grid, hours);
    grid.DayNumber = grid.DayNumber + 1;
  }
  SetBlockSteps(state, grid, hours.size());
}

// Realistic: 4 x 72 x 100. Large: 20 x 360 x 1000 (7.2 million block-slices).
BENCHMARK(BmCreepDayPlain)
    ->ArgNames({"I", "J", "K"})
    ->Args({4, 72, 100})
    ->Args({20, 360, 1000})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2)
    ->UseRealTime();
// The last argument is the number of threads, 0 for one per core.
BENCHMARK(BmCreepDayFast)
    ->ArgNames({"I", "J", "K", "threads"})
    ->Args({4, 72, 100, 1})
    ->Args({4, 72, 100, 0})
    ->Args({20, 360, 1000, 1})
    ->Args({20, 360, 1000, 0})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2)
    ->UseRealTime();

void WriteFile(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// Ten years at 0.25-hour steps on the realistic chimney, as the batch tool
// runs it: about 10^10 block-steps, with a profile every 30 days.
void BmCreepTenYears(benchmark::State& state) {
  const std::string folder = "/tmp/kolvane_creep_bench_" + std::to_string(getpid());
  if (mkdir(folder.c_str(), 0700) != 0) state.SkipWithError("no scratch folder");
  const char* days[] = {"0\t0\r\n6\t0\r\n12\t90\r\n18\t180\r\n24\t180\r\n", "0\t14\r\n14\t28\r\n24\t16\r\n",
                        "0\t14\r\n14\t50\r\n24\t16\r\n", "0\t100\r\n90\t25\r\n180\t0\r\n",
                        "0\t30\r\n90\t5\r\n180\t0\r\n"};
  for (const DiagramKind kind : kTemperatureKinds)
    WriteFile(folder + "/day.dg" + std::to_string(kind), days[TemperatureSlot(kind)]);
  WriteFile(folder + "/c.dg6", "0\t0\r\n.02\t9.92E-07\r\n.1\t1.86E-06\r\n1\t3.1E-06\r\n10\t3.73E-06\r\n100\t4E-06\r\n");
  WriteFile(folder + "/c.dg7", "0\t.5\r\n20\t1\r\n40\t1.6\r\n60\t2.4\r\n80\t3.5\r\n");
  CreepRunInputs inputs;
  for (auto& month : inputs.MonthDiagrams) month.fill("day");
  inputs.CreepDiagram = inputs.TemperatureFactorDiagram = "c";
  inputs.TimeStep = 0.25;
  inputs.StartDate = ChoiceOf({1, 1, 2001});
  inputs.EndDate = ChoiceOf({31, 12, 2010});
  inputs.StoreEveryText = "30";
  inputs.StoreAtText = "14";
  const MainDataTexts column{"150", "3.5", "3.9", "25", "30", "5", "4", "72", "100", "15", "1E-05"};
  std::int32_t daysRun = 0;
  for (auto _ : state) {
    SectionGrid grid;
    std::vector<std::string> lines;
    const CreepOutcome outcome = RunCreep(grid, Workspace(folder), column, inputs, NoFeedback(), lines, 0);
    if (outcome.End != RunEnd::Completed) state.SkipWithError("the run did not complete");
    daysRun = outcome.Days;
  }
  state.counters["days"] = daysRun;
  state.counters["block_steps"] = 4.0 * 72 * 100 * 96 * daysRun;
  for (const char* name : {"day.dg1", "day.dg2", "day.dg3", "day.dg4", "day.dg5", "c.dg6", "c.dg7"})
    std::remove((folder + "/" + name).c_str());
  rmdir(folder.c_str());
}
BENCHMARK(BmCreepTenYears)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
}  // namespace kolvane
