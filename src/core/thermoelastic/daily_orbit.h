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

// The steps an orbit offers, in hours (the creep run's time steps).
inline constexpr std::array<double, 6> kOrbitSteps{0.25, 0.5, 1, 2, 3, 4};
bool IsOrbitStep(double hours);

// 0, step, 2 * step, ... 24, each hour a whole multiple of the step; nothing
// for a step that is not offered.
std::vector<double> OrbitHours(double step);

struct OrbitPoint {
  double Hour = 0;
  double SunPosition = 0;  // degrees from the East, read off the sun diagram
  double TipX = 0, TipY = 0, TipZ = 0;
};

// The first message that stops an orbit before it starts: a step not offered,
// or the first of the five diagrams not chosen (as the thermo-elastic run
// says it). Shown as an "Error".
std::optional<std::string> CheckOrbitInputs(double step, const ThermoElasticChoices& chosen);

struct OrbitOutcome {
  bool Ran = false;
  std::string Message;             // why it did not run, for an "Error" message
  std::vector<OrbitPoint> Points;  // one per hour of OrbitHours(step)
};

// The orbit of the column described by `mainData` under the five diagrams in
// diagrams[0..4] (kinds 1 to 5, opened and repaired by the caller, so their
// incidents are met once, before the first hour). Geometry and section
// properties are formed once; the hours, independent of each other, are
// shared among `threads` threads (0: one per core), each with its own copy of
// the engine state. No equilibrium check: it changes no deflection. A grid
// whose copies would not fit in `availableBytes` (0: unknown) is refused.
OrbitOutcome RunDailyOrbit(const std::array<Diagram, kLoadedDiagramCount>& diagrams, const MainDataTexts& mainData,
                           double step, const ThermoElasticChoices& chosen, std::uint64_t availableBytes,
                           unsigned threads = 0);

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
