#pragma once
// The daily tip orbit: the tip's deflections at every hour 0, H, 2H, ... 24
// of a day, each exactly as the thermo-elastic run gives it for that hour, so
// that the path the tip traces as the sun goes round can be drawn and saved.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/engine/section_grid.h"
#include "core/maindata/main_data.h"
#include "core/thermoelastic/thermo_elastic_run.h"

namespace kolvane {

// An orbit offers the creep run's time steps (kOfferedTimeSteps).

// 0, step, 2 * step, ... 24, each hour a whole multiple of the step; nothing
// for a step that is not offered.
std::vector<double> OrbitHours(double step);

struct OrbitPoint {
  double Hour = 0;
  double SunPosition = 0;  // degrees from the East, read off the sun diagram
  double TipX = 0, TipY = 0, TipZ = 0;
  double TipSlopeX = 0, TipSlopeY = 0;  // the tip's rotation, as the deflection stage integrates it
};

// The first message that stops an orbit before it starts: a step not offered,
// or the first of the five diagrams not chosen (as the thermo-elastic run
// says it). Shown as an "Error".
std::optional<std::string> CheckOrbitInputs(double step, const RunDiagramNames& diagrams);

struct OrbitOutcome {
  RunEnd End = RunEnd::Refused;       // Refused, Completed, Cancelled, or Stopped by a diagram that cannot be used
  std::string Message;                // Refused: why, for an "Error" message
  std::vector<OrbitPoint> Points;     // one per hour of OrbitHours(step)
  std::vector<DiagramRead> Diagrams;  // the files opened, with their digests (RunDailyOrbit)
};

// The orbit of the column described by `mainData` under the five diagrams
// named (kinds 1 to 5), opened from `workspace` as the thermo-elastic run
// opens them, once, before the first hour. Geometry and section properties
// are formed once; the hours, independent of each other, are shared among
// `threads` threads (0: one per core), each with its own copy of the engine
// state. No equilibrium check: it changes no deflection. A grid whose copies
// would not fit in `availableBytes` (0: unknown) is refused. `feedback` is
// told the diagrams' incidents and the hours done of the orbit's, and may
// cancel it before any hour: a cancelled orbit has no points.
OrbitOutcome RunDailyOrbit(const Workspace& workspace, const MainDataTexts& mainData, const RunDiagramNames& diagrams,
                           double step, WorkFeedback& feedback, std::uint64_t availableBytes, unsigned threads = 0);

// The same on the diagrams of kinds 1 to 5 that `loaded` holds (kept in memory).
OrbitOutcome RunDailyOrbitOnLoadedDiagrams(const SectionGrid& loaded, const MainDataTexts& mainData, double step,
                                           std::uint64_t availableBytes, unsigned threads = 0,
                                           WorkFeedback& feedback = NoFeedback());

// The point whose tip lies farthest from the column's axis in plan view (the
// first of equals); nothing for an empty orbit.
std::optional<std::size_t> LargestTipMovement(const std::vector<OrbitPoint>& points);

// "Largest tip movement : 0.0123 m at 14 h", the distance in plan view.
std::string LargestTipMovementText(const OrbitPoint& point);

// Whether every tip deflection of the orbit is a finite number: a wall so thin
// or a thermal coefficient so large that the sums overflow gives NaN or an
// infinity, which the front ends say is not to be trusted.
bool OrbitIsFinite(const std::vector<OrbitPoint>& points);

// The distance of the tip from the column's axis in plan view.
double PlanDistance(double tipX, double tipY);

}  // namespace kolvane
