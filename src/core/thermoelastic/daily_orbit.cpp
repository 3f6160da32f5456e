#include "core/thermoelastic/daily_orbit.h"

#include <algorithm>
#include <cmath>
#include <mutex>
#include <new>

#include "core/common/number_text.h"
#include "core/creep/time_steps.h"
#include "core/engine/column_data.h"
#include "core/engine/grid_memory.h"
#include "core/engine/slice_parallel.h"
#include "core/engine/stages.h"

namespace kolvane {

namespace {

unsigned ThreadsFor(std::size_t hours, unsigned threads) {
  if (threads == 0) threads = UsableCores();
  return static_cast<unsigned>(std::min<std::size_t>(threads, std::max<std::size_t>(hours, 1)));
}

// The stages of the thermo-elastic run that depend on the hour, in its order.
OrbitPoint PointAt(SectionGrid& grid, double hour) {
  grid.Hour = hour;
  CalculateTemperatures(grid);
  CalculateFreeStrains(grid);
  CalculateCurvatures(grid);
  CalculateDeflections(grid);
  return {hour, grid.SunPosition, grid.TipX, grid.TipY, grid.TipZ, grid.SlopeX.back(), grid.SlopeY.back()};
}

// The feedback of hours computed on several threads, one call at a time.
class HoursFeedback {
 public:
  HoursFeedback(WorkFeedback& feedback, std::int64_t hourCount) : feedback_(feedback), total_(hourCount) {
    feedback_.Progress(0, total_);
  }
  // Before an hour: false once the orbit is cancelled, on every thread.
  bool GoOn() {
    const std::lock_guard lock(mutex_);
    if (!stopped_ && feedback_.Cancelled()) stopped_ = true;
    return !stopped_;
  }
  void HourDone() {
    const std::lock_guard lock(mutex_);
    feedback_.Progress(++done_, total_);
  }
  bool Stopped() const { return stopped_; }

 private:
  WorkFeedback& feedback_;
  const std::int64_t total_;
  std::mutex mutex_;
  std::int64_t done_ = 0;
  bool stopped_ = false;
};

std::optional<std::string> CheckStep(double step) {
  if (!IsOfferedTimeStep(step)) return "The step of the orbit must be " + OfferedTimeStepsText(" or ") + " hours.";
  return std::nullopt;
}

// The shared state and one copy per thread.
std::uint64_t OrbitBytesNeeded(const MainData& data, std::size_t hourCount, unsigned threads) {
  return ThermoElasticBytesNeeded(data.I, data.J, data.K) * (ThreadsFor(hourCount, threads) + 1);
}

}  // namespace

std::vector<double> OrbitHours(double step) {
  std::vector<double> hours;
  if (!IsOfferedTimeStep(step)) return hours;
  const auto count = static_cast<std::int32_t>(24 / step);
  // Whole multiples, not repeated additions: hour 14 is 14 exactly, as typed.
  for (std::int32_t n = 0; n <= count; ++n) hours.push_back(n * step);
  return hours;
}

std::optional<std::string> CheckOrbitInputs(double step, const RunDiagramNames& diagrams) {
  if (auto message = CheckStep(step)) return message;
  // Any valid hour: the diagram checks are the thermo-elastic run's own.
  return CheckThermoElasticInputs({diagrams, "0"});
}

OrbitOutcome RunDailyOrbit(const Workspace& workspace, const MainDataTexts& mainData, const RunDiagramNames& diagrams,
                           double step, WorkFeedback& feedback, std::uint64_t availableBytes, unsigned threads) {
  if (auto message = CheckOrbitInputs(step, diagrams)) return {RunEnd::Refused, *message, {}, {}};
  const std::uint64_t needed = OrbitBytesNeeded(MainDataFromTexts(mainData), OrbitHours(step).size(), threads);
  if (auto message = GridTooLargeMessage(needed, availableBytes)) return {RunEnd::Refused, *message, {}, {}};
  SectionGrid loaded;
  if (!OpenRunDiagrams(loaded, workspace, diagrams, FeedbackIncidents(feedback))) return {RunEnd::Stopped, {}, {}, {}};
  OrbitOutcome outcome = RunDailyOrbitOnLoadedDiagrams(loaded, mainData, step, availableBytes, threads, feedback);
  outcome.Diagrams = std::move(loaded.DiagramsRead);
  return outcome;
}

OrbitOutcome RunDailyOrbitOnLoadedDiagrams(const SectionGrid& loaded, const MainDataTexts& mainData, double step,
                                           std::uint64_t availableBytes, unsigned threads, WorkFeedback& feedback) {
  if (auto message = CheckStep(step)) return {RunEnd::Refused, *message, {}, {}};
  const MainData data = MainDataFromTexts(mainData);
  const std::vector<double> hours = OrbitHours(step);
  const unsigned used = ThreadsFor(hours.size(), threads);
  const std::uint64_t needed = OrbitBytesNeeded(data, hours.size(), threads);
  if (auto message = GridTooLargeMessage(needed, availableBytes)) return {RunEnd::Refused, *message, {}, {}};

  OrbitOutcome outcome{RunEnd::Completed, {}, std::vector<OrbitPoint>(hours.size()), {}};
  try {
    SectionGrid shared;
    for (DiagramKind kind = kFirstDiagramKind; kind <= kRunDiagramCount; ++kind)
      shared.SetLoadedDiagram(kind, loaded.LoadedDiagram(kind));
    CopyMainData(shared, data);
    CalculateGeometry(shared);
    CalculatePreliminaries(shared);
    ResetCreepStrainsWithoutStore(shared);

    HoursFeedback told(feedback, static_cast<std::int64_t>(hours.size()));
    // A thread that runs out of memory hands its bad_alloc to this one.
    ForSliceRanges(static_cast<std::int32_t>(hours.size()), used, [&](std::int32_t first, std::int32_t last) {
      SectionGrid grid = shared;
      for (std::int32_t n = first; n <= last && told.GoOn(); ++n) {
        outcome.Points[static_cast<std::size_t>(n - 1)] = PointAt(grid, hours[static_cast<std::size_t>(n - 1)]);
        told.HourDone();
      }
    });
    if (told.Stopped()) return {RunEnd::Cancelled, {}, {}, {}};
  } catch (const std::bad_alloc&) {
    return {RunEnd::Refused, GridTooLargeText(needed, availableBytes), {}, {}};
  }
  return outcome;
}

// std::hypot: the sum of squares would overflow to Infinity (or underflow to 0)
// for a finite distance.
double PlanDistance(double tipX, double tipY) { return std::hypot(tipX, tipY); }

std::optional<std::size_t> LargestTipMovement(const std::vector<OrbitPoint>& points) {
  std::optional<std::size_t> largest;
  for (std::size_t n = 0; n < points.size(); ++n)
    if (!largest ||
        PlanDistance(points[n].TipX, points[n].TipY) > PlanDistance(points[*largest].TipX, points[*largest].TipY))
      largest = n;
  return largest;
}

std::string LargestTipMovementText(const OrbitPoint& point) {
  return "Largest tip movement : " + NumberText(PlanDistance(point.TipX, point.TipY)) + " m at " +
         NumberText(point.Hour) + " h";
}

bool OrbitIsFinite(const std::vector<OrbitPoint>& points) {
  return std::all_of(points.begin(), points.end(), [](const OrbitPoint& point) {
    return std::isfinite(point.TipX) && std::isfinite(point.TipY) && std::isfinite(point.TipZ);
  });
}

}  // namespace kolvane
