// The whole creep run against what the machine's multipliers allow, in one
// run of the benchmark binary:
//
//   build-bench/bench/kolvane_bench --benchmark_filter='MultiplyLimit|CreepProcess' \
//       --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
//
// BmMultiplyLimit runs independent chains of vector multiplies on every core
// the process may use at once. A block-step of the creep loop takes 10
// multiplications (5 for the slice's sums, 5 for the creep update), so a
// tenth of the lane multiplies per second is the most block-steps per second
// the multipliers allow. BmCreepProcess times the whole creep run as the
// batch tool makes it (diagrams read from files, the day walked, profiles
// stored, the report formed), and gives its block-steps per second as a share
// of the median limit measured before it ("of_limit"). Its rows show how the
// time grows with I x J, K, the steps per day, the days and the threads.
// On a machine shared with other work the wall-clock rates fall with every
// time slice the others take; "of_limit_cpu" compares the rates per second
// of processor time the process got instead (which counts no waiting, so it
// flatters a run whose threads wait for each other).
#include <benchmark/benchmark.h>

#include <sched.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "core/creep/calendar.h"
#include "core/creep/creep_run.h"

#if defined(__x86_64__)
#pragma GCC diagnostic ignored "-Wpsabi"
#endif

namespace kolvane {
namespace {

unsigned CoresToUse() {
  cpu_set_t set;
  if (sched_getaffinity(0, sizeof set, &set) == 0) return static_cast<unsigned>(std::max(1, CPU_COUNT(&set)));
  return std::max(1u, std::thread::hardware_concurrency());
}

// Enough independent chains to keep two multipliers of four cycles' latency busy.
constexpr int kChains = 16;
constexpr long kRounds = 4'000'000;

using Lanes2 = double __attribute__((vector_size(16)));
using Lanes4 = double __attribute__((vector_size(32)));
using Lanes8 = double __attribute__((vector_size(64)));

template <typename Vector>
[[gnu::always_inline]] inline double MultiplyChains() {
  Vector chain[kChains];
  for (int c = 0; c < kChains; ++c) chain[c] = Vector{} + (1.0 + c * 1e-3);
  Vector factor = Vector{} + 0.9999999999;
  benchmark::DoNotOptimize(factor);
  for (long r = 0; r < kRounds; ++r)
    for (int c = 0; c < kChains; ++c) chain[c] = chain[c] * factor;
  double total = 0;
  for (int c = 0; c < kChains; ++c) total += chain[c][0];
  return total;
}

double MultiplyChains2() { return MultiplyChains<Lanes2>(); }
#if defined(__x86_64__)
[[gnu::target("avx2")]] double MultiplyChains4() { return MultiplyChains<Lanes4>(); }
[[gnu::target("avx512f")]] double MultiplyChains8() { return MultiplyChains<Lanes8>(); }
#endif

// The widest vectors the processor has, and their lanes.
std::pair<double (*)(), int> WidestChains() {
#if defined(__x86_64__)
  if (__builtin_cpu_supports("avx512f")) return {MultiplyChains8, 8};
  if (__builtin_cpu_supports("avx2")) return {MultiplyChains4, 4};
#endif
  return {MultiplyChains2, 2};
}

constexpr double kMultipliesPerBlockStep = 10;

double ProcessSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Block-steps per second of wall-clock time and per second of processor time.
struct Rates {
  double Wall, Cpu;
};
Rates RatesOf(double blockSteps, double wallSeconds, double processorSeconds) {
  return {blockSteps / wallSeconds, blockSteps / processorSeconds};
}

std::vector<Rates>& LimitsMeasured() {
  static std::vector<Rates> limits;
  return limits;
}

double MedianLimit(double Rates::*rate) {
  std::vector<double> limits;
  for (const Rates& measured : LimitsMeasured()) limits.push_back(measured.*rate);
  if (limits.empty()) return 0;
  std::nth_element(limits.begin(), limits.begin() + static_cast<std::ptrdiff_t>(limits.size() / 2), limits.end());
  return limits[limits.size() / 2];
}

void BmMultiplyLimit(benchmark::State& state) {
  const auto [chains, lanes] = WidestChains();
  const unsigned cores = CoresToUse();
  double seconds = 0, processorSeconds = 0, multiplies = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    const double processorStart = ProcessSeconds();
    std::vector<std::thread> threads;
    std::vector<double> sinks(cores);
    for (unsigned t = 0; t < cores; ++t) threads.emplace_back([&sinks, t, f = chains] { sinks[t] = f(); });
    for (auto& thread : threads) thread.join();
    seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    processorSeconds += ProcessSeconds() - processorStart;
    multiplies += static_cast<double>(cores) * kChains * static_cast<double>(kRounds) * lanes;
    benchmark::DoNotOptimize(sinks.data());
  }
  const Rates limit = RatesOf(multiplies / kMultipliesPerBlockStep, seconds, processorSeconds);
  LimitsMeasured().push_back(limit);
  state.counters["cores"] = cores;
  state.counters["lanes"] = lanes;
  state.counters["block_steps_per_s"] = limit.Wall;
  state.counters["per_cpu_s"] = limit.Cpu;
}
BENCHMARK(BmMultiplyLimit)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(0.3);

void WriteFile(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// A column folder with a summer day's diagrams and an ordinary concrete's
// creep function and temperature factor, removed at the end of the program.
struct ScratchColumn {
  std::string Folder = "/tmp/kolvane_creep_limit_bench_" + std::to_string(getpid());
  ScratchColumn() {
    mkdir(Folder.c_str(), 0700);
    const char* days[] = {"0\t0\r\n6\t0\r\n12\t90\r\n18\t180\r\n24\t180\r\n", "0\t14\r\n14\t28\r\n24\t16\r\n",
                          "0\t14\r\n14\t50\r\n24\t16\r\n", "0\t100\r\n90\t25\r\n180\t0\r\n",
                          "0\t30\r\n90\t5\r\n180\t0\r\n"};
    for (const DiagramKind kind : kTemperatureKinds)
      WriteFile(Path("day.dg" + std::to_string(kind)), days[TemperatureSlot(kind)]);
    WriteFile(Path("c.dg6"), "0\t0\r\n.02\t9.92E-07\r\n.1\t1.86E-06\r\n1\t3.1E-06\r\n10\t3.73E-06\r\n100\t4E-06\r\n");
    WriteFile(Path("c.dg7"), "0\t.5\r\n20\t1\r\n40\t1.6\r\n60\t2.4\r\n80\t3.5\r\n");
  }
  ~ScratchColumn() {
    for (const char* name : {"day.dg1", "day.dg2", "day.dg3", "day.dg4", "day.dg5", "c.dg6", "c.dg7"})
      std::remove(Path(name).c_str());
    rmdir(Folder.c_str());
  }
  std::string Path(const std::string& name) const { return Folder + "/" + name; }
};

// Arguments: I, J, K, steps per day (96, 24 or 6), days from 1/1/2001, threads (0: every core).
void BmCreepProcess(benchmark::State& state) {
  static const ScratchColumn kColumn;
  const auto I = state.range(0), J = state.range(1), K = state.range(2), steps = state.range(3), days = state.range(4);
  CreepRunInputs inputs;
  for (auto& month : inputs.MonthDiagrams) month.fill("day");
  inputs.CreepDiagram = inputs.TemperatureFactorDiagram = "c";
  inputs.TimeStep = 24.0 / static_cast<double>(steps);
  CalendarDate end{1, 1, 2001};
  for (auto d = 1; d < days; ++d) end = NextDate(end);
  inputs.StartDate = ChoiceOf({1, 1, 2001});
  inputs.EndDate = ChoiceOf(end);
  inputs.StoreEveryText = "30";
  inputs.StoreAtText = "14";
  const MainDataTexts mainData{
      "150", "3.5", "3.9", "25", "30", "5", std::to_string(I), std::to_string(J), std::to_string(K), "15", "1E-05"};
  double seconds = 0, processorSeconds = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    const double processorStart = ProcessSeconds();
    SectionGrid grid;
    std::vector<std::string> lines;
    const CreepOutcome outcome = RunCreep(grid, Workspace(kColumn.Folder), mainData, inputs, NoFeedback(), lines, 0,
                                          static_cast<unsigned>(state.range(5)));
    seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    processorSeconds += ProcessSeconds() - processorStart;
    if (outcome.End != RunEnd::Completed || outcome.Days != days) state.SkipWithError("the run did not complete");
  }
  const Rates rate = RatesOf(static_cast<double>(I * J * K * steps * days) * static_cast<double>(state.iterations()),
                             seconds, processorSeconds);
  state.counters["block_steps_per_s"] = rate.Wall;
  state.counters["per_cpu_s"] = rate.Cpu;
  if (LimitsMeasured().empty()) return;
  state.counters["of_limit"] = rate.Wall / MedianLimit(&Rates::Wall);
  state.counters["of_limit_cpu"] = rate.Cpu / MedianLimit(&Rates::Cpu);
}
BENCHMARK(BmCreepProcess)
    ->ArgNames({"I", "J", "K", "steps", "days", "threads"})
    ->Args({4, 72, 100, 96, 60, 0})  // the reference run
    ->Args({4, 72, 100, 96, 60, 1})
    ->Args({4, 36, 100, 96, 60, 0})  // I x J
    ->Args({4, 144, 100, 96, 60, 0})
    ->Args({8, 144, 100, 96, 60, 0})
    ->Args({4, 72, 25, 96, 60, 0})  // K
    ->Args({4, 72, 50, 96, 60, 0})
    ->Args({4, 72, 200, 96, 60, 0})
    ->Args({4, 72, 400, 96, 60, 0})
    ->Args({4, 72, 100, 24, 60, 0})  // steps per day
    ->Args({4, 72, 100, 6, 60, 0})
    ->Args({4, 72, 100, 96, 30, 0})  // days
    ->Args({4, 72, 100, 96, 120, 0})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(0.3);

}  // namespace
}  // namespace kolvane
