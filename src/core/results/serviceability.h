#pragma once
// The few numbers a checker asks of a run: how far and which way the tip
// moves, how much it turns, and whether that is within the limits set.
//
// Deflections are measured in plan from the column's axis; bearings in
// degrees from the East (X) towards the South (Y), as the plots measure
// angles; the rotation is the tip's slope, the length of (SlopeX, SlopeY).

#include <optional>
#include <string>
#include <vector>

#include "core/engine/section_grid.h"
#include "core/thermoelastic/daily_orbit.h"

namespace kolvane {

// The tip of one state of the column.
struct TipState {
  double TipX = 0, TipY = 0;      // m
  double SlopeX = 0, SlopeY = 0;  // rad, SlopeX(K) and SlopeY(K)
};

struct TipMeasures {
  double Deflection = 0;   // m, in plan
  double Bearing = 0;      // degrees, 0 to 360, from the East towards the South
  double Rotation = 0;     // rad
  double HeightRatio = 0;  // n of H/n; infinite without deflection
};

TipMeasures MeasureTip(double height, const TipState& tip);

// What the user may set: the deflection limit as H/n and the rotation limit
// in degrees. A limit not set is not judged.
struct ServiceabilityLimits {
  std::optional<double> DeflectionRatio;  // n
  std::optional<double> RotationDegrees;
};

// A limit as typed: a finite number above 0 and nothing else; nothing otherwise.
std::optional<double> LimitValue(const std::string& text);

// "Tip deflection : 12.34 mm towards 123.4 degrees (H/12157)" and the lines
// that follow it, for each kind of run; a verdict line per limit set.
std::vector<std::string> ThermoElasticServiceability(double height, const TipState& tip,
                                                     const ServiceabilityLimits& limits);
std::vector<std::string> OrbitServiceability(double height, const std::vector<OrbitPoint>& points,
                                             const ServiceabilityLimits& limits);
std::vector<std::string> CreepServiceability(double height, const std::vector<DeflectionProfile>& profiles,
                                             const ServiceabilityLimits& limits);

// One line per stored profile: its date, deflection, bearing, H/n and rotation.
std::vector<std::string> ProfileServiceabilityLines(double height, const std::vector<DeflectionProfile>& profiles);

}  // namespace kolvane
