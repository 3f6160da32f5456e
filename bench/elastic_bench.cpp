// The thermo-elastic run and its report on a fine grid: 100 rings, 3600
// sectors, 1000 slices (1.44 million report lines).
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdio>
#include <string>

#include "bench_support.h"
#include "core/thermoelastic/elastic_report.h"
#include "core/thermoelastic/thermo_elastic_run.h"

namespace kolvane {
namespace {

const MainDataTexts kFineGrid{"150", "4", "4.4", "25", "32", "5", "100", "3600", "1000", "15", "1E-05"};

double PeakMemoryMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BmThermoElasticRun(benchmark::State& state) {
  SectionGrid grid;
  bench::LoadSummerDay(grid);
  for (auto _ : state) {
    const auto outcome = RunThermoElasticOnLoadedDiagrams(grid, kFineGrid, "14", 0);
    benchmark::DoNotOptimize(outcome.End);
  }
  state.counters["peak_MB"] = PeakMemoryMegabytes();
}
BENCHMARK(BmThermoElasticRun)->Unit(benchmark::kMillisecond)->Iterations(3);

void BmThermoElasticRunAndSave(benchmark::State& state) {
  SectionGrid grid;
  bench::LoadSummerDay(grid);
  const std::string path = "/tmp/kolvane_bench_Elastic.txt";
  std::int64_t lines = 0;
  for (auto _ : state) {
    RunThermoElasticOnLoadedDiagrams(grid, kFineGrid, "14", 0);
    const ElasticReport report(grid);
    lines = report.LineCount();
    if (!SaveElasticReport(report, path).Ok) state.SkipWithError("the report could not be written");
  }
  std::remove(path.c_str());
  state.counters["lines"] = static_cast<double>(lines);
  state.counters["peak_MB"] = PeakMemoryMegabytes();
}
BENCHMARK(BmThermoElasticRunAndSave)->Unit(benchmark::kMillisecond)->Iterations(3);

// What the results list asks for when the user drags its scroll bar to a
// place in a report of 1.44 million lines: one screenful of lines there.
void BmElasticReportScreenful(benchmark::State& state) {
  SectionGrid grid;
  bench::LoadSummerDay(grid);
  RunThermoElasticOnLoadedDiagrams(grid, kFineGrid, "14", 0);
  const ElasticReport report(grid);
  constexpr std::int64_t kScreenful = 40;
  std::int64_t place = 0;
  for (auto _ : state) {
    place = (place * 7919 + 104729) % (report.LineCount() - kScreenful);  // somewhere else every time
    for (std::int64_t line = place; line < place + kScreenful; ++line) benchmark::DoNotOptimize(report.Line(line));
  }
  state.counters["lines"] = static_cast<double>(report.LineCount());
}
BENCHMARK(BmElasticReportScreenful)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kolvane
