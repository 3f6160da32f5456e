// The column's motion over time, on the realistic chimney (4 x 72 x 100):
//  - the daily orbit at 0.25-hour steps (97 hours) as `kolvane-batch orbit`
//    runs it, beside ten `kolvane-batch elastic` runs of one hour each, both
//    in-process (files read, run, file written; no process start-up, which
//    would only add to the ten runs);
//  - a creep run at 0.25-hour steps with and without recording the tip's
//    history (the recording should cost under 3 % of the run).
#include <benchmark/benchmark.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "batch/batch_main.h"
#include "core/creep/creep_run.h"

namespace kolvane {
namespace {

// A scratch folder holding the chimney's main.dat and a summer day's diagrams.
class ChimneyFolder {
 public:
  ChimneyFolder() : path_("/tmp/kolvane_motion_bench_" + std::to_string(getpid())) {
    std::filesystem::create_directory(path_);
    Write("main.dat", "150\r\n3.5\r\n3.9\r\n25\r\n30\r\n5\r\n4\r\n72\r\n100\r\n15\r\n1E-05\r\n");
    const char* days[] = {"0\t0\r\n6\t0\r\n12\t90\r\n18\t180\r\n24\t180\r\n", "0\t14\r\n14\t28\r\n24\t16\r\n",
                          "0\t14\r\n14\t50\r\n24\t16\r\n", "0\t100\r\n90\t25\r\n180\t0\r\n",
                          "0\t30\r\n90\t5\r\n180\t0\r\n"};
    for (const DiagramKind kind : kTemperatureKinds)
      Write("day.dg" + std::to_string(kind), days[TemperatureSlot(kind)]);
    Write("c.dg6", "0\t0\r\n.02\t9.92E-07\r\n.1\t1.86E-06\r\n1\t3.1E-06\r\n10\t3.73E-06\r\n100\t4E-06\r\n");
    Write("c.dg7", "0\t.5\r\n20\t1\r\n40\t1.6\r\n60\t2.4\r\n80\t3.5\r\n");
  }
  ~ChimneyFolder() { std::filesystem::remove_all(path_); }

  const std::string& Path() const { return path_; }

 private:
  void Write(const std::string& name, const std::string& text) {
    std::ofstream(path_ + "/" + name, std::ios::binary) << text;
  }
  std::string path_;
};

int Batch(const std::vector<std::string>& arguments) {
  std::ostringstream out, err;
  return batch::RunBatch(arguments, out, err);
}

void BmOrbitCommandQuarterHour(benchmark::State& state) {
  const ChimneyFolder folder;
  for (auto _ : state)
    if (Batch({"orbit", "--folder", folder.Path(), "--diagrams", "day,day,day,day,day", "--step", "0.25"}) != 0)
      state.SkipWithError("orbit failed");
  state.counters["hours"] = 97;
}
BENCHMARK(BmOrbitCommandQuarterHour)->Unit(benchmark::kMillisecond)->UseRealTime();

void BmTenElasticCommands(benchmark::State& state) {
  const ChimneyFolder folder;
  for (auto _ : state)
    for (int hour = 5; hour < 15; ++hour)
      if (Batch({"elastic", "--folder", folder.Path(), "--hour", std::to_string(hour), "--diagrams",
                 "day,day,day,day,day"}) != 0)
        state.SkipWithError("elastic failed");
}
BENCHMARK(BmTenElasticCommands)->Unit(benchmark::kMillisecond)->UseRealTime();

// 60 days at 0.25-hour steps, a profile every 30 days at 14 h; the argument
// says whether the tip's history is recorded.
void BmCreepRunTipHistory(benchmark::State& state) {
  const ChimneyFolder folder;
  CreepRunInputs inputs;
  for (auto& month : inputs.MonthDiagrams) month.fill("day");
  inputs.CreepDiagram = inputs.TemperatureFactorDiagram = "c";
  inputs.TimeStep = 0.25;
  inputs.StartDate = ChoiceOf({1, 1, 2001});
  inputs.EndDate = ChoiceOf({1, 3, 2001});
  inputs.StoreEveryText = "30";
  inputs.StoreAtText = "14";
  inputs.RecordTipHistory = state.range(0) != 0;
  const MainDataTexts column{"150", "3.5", "3.9", "25", "30", "5", "4", "72", "100", "15", "1E-05"};
  std::size_t recorded = 0;
  for (auto _ : state) {
    SectionGrid grid;
    std::vector<std::string> lines;
    if (RunCreep(grid, Workspace(folder.Path()), column, inputs, NoFeedback(), lines, 0).End != RunEnd::Completed)
      state.SkipWithError("the run did not complete");
    recorded = grid.TipHistory.size();
  }
  state.counters["days_recorded"] = static_cast<double>(recorded);
}
BENCHMARK(BmCreepRunTipHistory)
    ->ArgName("record")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(5);

}  // namespace
}  // namespace kolvane
