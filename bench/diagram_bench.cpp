// Timing of the diagram routines on a large diagram: 20,000 points of kind 1
// (sun position, 0..24 h x 0..180 degrees) in shuffled order, once with every
// X distinct and once with X rounded to 0.001 h, so that about a third of the
// points share their X with another.
//
//   cmake -S . -B build-bench -G Ninja -DKOLVANE_BENCH=ON -DKOLVANE_TESTS=OFF
//   cmake --build build-bench && build-bench/bench/kolvane_bench

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "core/common/workspace.h"
#include "core/diagrams/diagram.h"
#include "core/diagrams/diagram_file.h"
#include "core/diagrams/diagram_kinds.h"
#include "core/diagrams/diagram_repair.h"
#include "core/diagrams/open_diagram.h"

namespace kolvane {
namespace {

constexpr int kPointCount = 20000;
constexpr DiagramKind kKind = kSunPosition;

// The sun's angle across the sky, east 0 to west 180 degrees, between sunrise
// at 6 h and sunset at 18 h, with a little scatter as measured data has.
double SunAngle(double hour, std::mt19937& random) {
  std::uniform_real_distribution<double> scatter(-0.5, 0.5);
  const double angle = (hour - 6.0) * 15.0 + scatter(random);
  return std::clamp(angle, 0.0, 180.0);
}

std::vector<DiagramPoint> ShuffledPoints(bool repeatX) {
  std::mt19937 random(repeatX ? 2024 : 1024);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  std::vector<DiagramPoint> points;
  points.reserve(kPointCount);
  const double step = 24.0 / kPointCount;
  for (int i = 0; i < kPointCount; ++i) {
    double hour = repeatX ? 24.0 * unit(random) : (i + unit(random)) * step;
    if (repeatX) hour = std::round(hour * 1000.0) / 1000.0;
    points.push_back({hour, SunAngle(hour, random)});
  }
  std::shuffle(points.begin(), points.end(), random);
  return points;
}

std::int64_t DistinctX(const std::vector<DiagramPoint>& points) {
  std::set<double> xs;
  for (const DiagramPoint& p : points) xs.insert(p.X);
  return static_cast<std::int64_t>(xs.size());
}

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void PutFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The two diagram files, written once by the program's own writer into a
// folder of their own, and their points as loaded.
class LargeDiagrams {
 public:
  static const LargeDiagrams& Get() {
    static const LargeDiagrams kDiagrams;
    return kDiagrams;
  }

  struct File {
    std::string Name;
    std::string Path;
    std::string Bytes;                 // to put back what a rewrite changed
    std::vector<DiagramPoint> Points;  // as loaded: shuffled
    std::int64_t DistinctX = 0;
    bool Ready = false;
  };

  const Workspace& Folder() const { return workspace_; }
  const File& Distinct() const { return distinct_; }
  const File& Repeated() const { return repeated_; }

  ~LargeDiagrams() {
    std::error_code ignored;
    std::filesystem::remove_all(workspace_.Folder(), ignored);
  }

 private:
  LargeDiagrams() : workspace_(MakeFolder()) {
    Prepare(distinct_, "distinct", false);
    Prepare(repeated_, "repeated", true);
  }

  static std::string MakeFolder() {
    std::string folder = (std::filesystem::temp_directory_path() / "kolvane-bench-XXXXXX").string();
    return ::mkdtemp(folder.data()) ? folder : std::string();
  }

  void Prepare(File& file, const std::string& name, bool repeatX) {
    file.Name = name;
    file.Path = DiagramPath(workspace_, name, kKind);
    if (!SaveDiagram(file.Path, Diagram{ShuffledPoints(repeatX)}).Ok) return;
    Diagram loaded;
    if (LoadDiagram(file.Path, loaded) != DiagramLoadResult::Ok || loaded.PointCount() != kPointCount) return;
    file.Bytes = FileBytes(file.Path);
    file.Points = loaded.Points;
    file.DistinctX = DistinctX(file.Points);
    file.Ready = repeatX ? file.DistinctX < kPointCount : file.DistinctX == kPointCount;
  }

  Workspace workspace_;
  File distinct_, repeated_;
};

const LargeDiagrams::File* FileFor(benchmark::State& state, bool repeatX) {
  const LargeDiagrams& diagrams = LargeDiagrams::Get();
  const LargeDiagrams::File& file = repeatX ? diagrams.Repeated() : diagrams.Distinct();
  if (!file.Ready) {
    state.SkipWithError("could not prepare the diagram file");
    return nullptr;
  }
  state.counters["distinct_x"] = static_cast<double>(file.DistinctX);
  return &file;
}

void BmLoadDiagram(benchmark::State& state) {
  const auto* file = FileFor(state, false);
  if (!file) return;
  Diagram diagram;
  for (auto _ : state) {
    if (LoadDiagram(file->Path, diagram) != DiagramLoadResult::Ok) {
      state.SkipWithError("LoadDiagram failed");
      break;
    }
    benchmark::DoNotOptimize(diagram.Points.data());
  }
  state.SetItemsProcessed(state.iterations() * kPointCount);
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(file->Bytes.size()));
}

void FixShuffled(benchmark::State& state, bool repeatX) {
  const auto* file = FileFor(state, repeatX);
  if (!file) return;
  Diagram diagram;
  for (auto _ : state) {
    state.PauseTiming();
    diagram.Points = file->Points;
    state.ResumeTiming();
    if (FixDiagram(diagram, kKind) != DiagramFixResult::Changed) {
      state.SkipWithError("FixDiagram did not sort");
      break;
    }
    benchmark::DoNotOptimize(diagram.Points.data());
  }
  state.SetItemsProcessed(state.iterations() * kPointCount);
}

void BmFixDiagramDistinctX(benchmark::State& state) { FixShuffled(state, false); }
void BmFixDiagramRepeatedX(benchmark::State& state) { FixShuffled(state, true); }

// Load, repair and the rewrite the repair calls for (the file is shuffled, so
// it is always rewritten); the shuffled file is put back between runs.
void OpenShuffled(benchmark::State& state, bool repeatX) {
  const auto* file = FileFor(state, repeatX);
  if (!file) return;
  const Workspace& folder = LargeDiagrams::Get().Folder();
  Diagram target;
  int rewrites = 0;
  const IncidentReport report = [&](DiagramIncident incident, const std::string&) {
    if (incident == DiagramIncident::FixFixed) ++rewrites;
  };
  for (auto _ : state) {
    state.PauseTiming();
    PutFileBytes(file->Path, file->Bytes);
    state.ResumeTiming();
    if (!OpenDiagramForUse(folder, file->Name, kKind, target, IncidentWording::Manager, report)) {
      state.SkipWithError("OpenDiagramForUse failed");
      break;
    }
    benchmark::DoNotOptimize(target.Points.data());
  }
  if (rewrites != static_cast<int>(state.iterations()))
    state.SkipWithError("the repaired file was not rewritten every time");
  state.SetItemsProcessed(state.iterations() * kPointCount);
}

void BmOpenDiagramForUseDistinctX(benchmark::State& state) { OpenShuffled(state, false); }
void BmOpenDiagramForUseRepeatedX(benchmark::State& state) { OpenShuffled(state, true); }

BENCHMARK(BmLoadDiagram)->Unit(benchmark::kMillisecond);
BENCHMARK(BmFixDiagramDistinctX)->Unit(benchmark::kMillisecond);
BENCHMARK(BmFixDiagramRepeatedX)->Unit(benchmark::kMillisecond);
BENCHMARK(BmOpenDiagramForUseDistinctX)->Unit(benchmark::kMillisecond);
BENCHMARK(BmOpenDiagramForUseRepeatedX)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kolvane
