#include "core/results/serviceability.h"

#include <algorithm>
#include <cmath>

#include "core/common/number_text.h"
#include "core/common/numeric_reading.h"
#include "core/common/rounding.h"

namespace kolvane {
namespace {

// A summary value to four significant digits (at most 9 decimals), so that a
// tenth of a millimetre and a metre read alike; the report keeps every digit.
std::string Short(double value) {
  if (!std::isfinite(value)) return "not finite";
  if (value == 0) return "0";
  const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
  const int decimals = std::clamp(3 - magnitude, 0, 9);
  return NumberText(RoundedValue(value, decimals));
}

std::string Millimetres(double metres) { return Short(metres * 1000) + " mm"; }

std::string RatioText(double ratio) {
  if (std::isinf(ratio)) return "no deflection";
  if (!std::isfinite(ratio)) return "H/not finite";
  return "H/" + NumberText(RoundedValue(ratio, 0));
}

std::string DeflectionText(const TipMeasures& tip) {
  if (tip.Deflection == 0) return "0 mm";
  return Millimetres(tip.Deflection) + " towards " + Short(tip.Bearing) + " degrees (" + RatioText(tip.HeightRatio) +
         ")";
}

std::string RotationText(double radians) {
  return Short(radians * 1000) + " mrad (" + Short(DegreesFromRadians(radians)) + " degrees)";
}

// "within, margin 287.7 mm" or "exceeded, margin -12.3 mm": the margin is the
// limit less the value, in the limit's unit.
std::string Verdict(double value, double limit, const std::string& unit) {
  const bool within = value <= limit;  // a value that is not finite is never within
  return std::string(within ? "within" : "exceeded") + ", margin " + Short(limit - value) + unit;
}

void AddVerdicts(std::vector<std::string>& lines, double height, double deflection, double rotation,
                 const ServiceabilityLimits& limits, const std::string& what) {
  if (limits.DeflectionRatio) {
    const double allowed = height / *limits.DeflectionRatio;
    lines.push_back("Deflection limit H/" + NumberText(*limits.DeflectionRatio) + " = " + Millimetres(allowed) + what +
                    " : " + Verdict(deflection * 1000, allowed * 1000, " mm"));
  }
  if (limits.RotationDegrees)
    lines.push_back("Rotation limit " + NumberText(*limits.RotationDegrees) + " degrees" + what + " : " +
                    Verdict(DegreesFromRadians(rotation), *limits.RotationDegrees, " degrees"));
}

TipState StateOf(const OrbitPoint& point) { return {point.TipX, point.TipY, point.TipSlopeX, point.TipSlopeY}; }
TipState StateOf(const DeflectionProfile& profile) {
  return {profile.TipX, profile.TipY, profile.TipSlopeX, profile.TipSlopeY};
}

// The index of the largest of `values` (the first of equals, a value that is
// not finite before any other: it must not hide).
std::size_t Largest(const std::vector<double>& values) {
  std::size_t largest = 0;
  for (std::size_t n = 1; n < values.size(); ++n)
    if (std::isfinite(values[largest]) && !(values[n] <= values[largest])) largest = n;
  return largest;
}

}  // namespace

TipMeasures MeasureTip(double height, const TipState& tip) {
  TipMeasures measures;
  measures.Deflection = std::hypot(tip.TipX, tip.TipY);
  double bearing = DegreesFromRadians(std::atan2(tip.TipY, tip.TipX));
  if (bearing < 0) bearing += 360;
  measures.Bearing = bearing;
  measures.Rotation = std::hypot(tip.SlopeX, tip.SlopeY);
  measures.HeightRatio = height / measures.Deflection;
  return measures;
}

std::optional<double> LimitValue(const std::string& text) {
  const std::optional<double> value = TryWholeNumericValue(text);
  if (!value || !std::isfinite(*value) || *value <= 0) return std::nullopt;
  return value;
}

std::vector<std::string> ThermoElasticServiceability(double height, const TipState& tip,
                                                     const ServiceabilityLimits& limits) {
  const TipMeasures measures = MeasureTip(height, tip);
  std::vector<std::string> lines = {"Tip deflection : " + DeflectionText(measures),
                                    "Tip rotation : " + RotationText(measures.Rotation)};
  AddVerdicts(lines, height, measures.Deflection, measures.Rotation, limits, "");
  return lines;
}

std::vector<std::string> OrbitServiceability(double height, const std::vector<OrbitPoint>& points,
                                             const ServiceabilityLimits& limits) {
  if (points.empty()) return {};
  std::vector<double> deflections, rotations;
  double movement = 0, turn = 0;
  for (const OrbitPoint& a : points) {
    const TipMeasures measures = MeasureTip(height, StateOf(a));
    deflections.push_back(measures.Deflection);
    rotations.push_back(measures.Rotation);
    for (const OrbitPoint& b : points) {
      movement = std::max(movement, std::hypot(b.TipX - a.TipX, b.TipY - a.TipY));
      turn = std::max(turn, std::hypot(b.TipSlopeX - a.TipSlopeX, b.TipSlopeY - a.TipSlopeY));
    }
  }
  const std::size_t farthest = Largest(deflections), steepest = Largest(rotations);
  const TipMeasures far = MeasureTip(height, StateOf(points[farthest]));
  std::vector<std::string> lines = {
      "Largest tip deflection : " + DeflectionText(far) + " at " + NumberText(points[farthest].Hour) + " h",
      "Largest tip rotation : " + RotationText(rotations[steepest]) + " at " + NumberText(points[steepest].Hour) + " h",
      "Largest horizontal movement over the day : " + Millimetres(movement),
      "Largest change of rotation over the day : " + RotationText(turn)};
  AddVerdicts(lines, height, deflections[farthest], rotations[steepest], limits, " (largest of the day)");
  return lines;
}

std::vector<std::string> ProfileServiceabilityLines(double height, const std::vector<DeflectionProfile>& profiles) {
  std::vector<std::string> lines;
  for (const DeflectionProfile& profile : profiles) {
    const TipMeasures measures = MeasureTip(height, StateOf(profile));
    lines.push_back(profile.DateText + " : " + DeflectionText(measures) + ", rotation " +
                    RotationText(measures.Rotation));
  }
  return lines;
}

std::vector<std::string> CreepServiceability(double height, const std::vector<DeflectionProfile>& profiles,
                                             const ServiceabilityLimits& limits) {
  if (profiles.empty()) return {};
  std::vector<double> deflections, rotations;
  for (const DeflectionProfile& profile : profiles) {
    const TipMeasures measures = MeasureTip(height, StateOf(profile));
    deflections.push_back(measures.Deflection);
    rotations.push_back(measures.Rotation);
  }
  const std::size_t farthest = Largest(deflections), steepest = Largest(rotations);
  const DeflectionProfile& first = profiles.front();
  const DeflectionProfile& last = profiles.back();
  const TipState drift{last.TipX - first.TipX, last.TipY - first.TipY, last.TipSlopeX - first.TipSlopeX,
                       last.TipSlopeY - first.TipSlopeY};
  const TipMeasures drifted = MeasureTip(height, drift);
  std::vector<std::string> lines = {
      "Largest tip deflection : " + DeflectionText(MeasureTip(height, StateOf(profiles[farthest]))) + " on " +
          profiles[farthest].DateText,
      "Largest tip rotation : " + RotationText(rotations[steepest]) + " on " + profiles[steepest].DateText,
      "Drift from " + first.DateText + " to " + last.DateText + " : " + DeflectionText(drifted) +
          ", rotation changed by " + RotationText(drifted.Rotation)};
  AddVerdicts(lines, height, deflections[farthest], rotations[steepest], limits, " (largest stored profile)");
  return lines;
}

}  // namespace kolvane
