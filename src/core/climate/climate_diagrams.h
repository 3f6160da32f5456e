#pragma once
// The five daily diagrams of a month (sun position, ambient and surface
// temperature, external and internal temperature variation) made from a
// year's hourly weather for a day type.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/climate/weather_file.h"
#include "core/common/work_feedback.h"
#include "core/diagrams/diagram.h"
#include "core/diagrams/diagram_kinds.h"

namespace kolvane {

enum class DayType {
  Mean,   // every hour the mean over the month's days
  Clear,  // the month's day with the largest daily direct normal irradiation
};

// "mean" or "clear", as the batch tool and the window name them.
const char* DayTypeName(DayType type);

// The coefficients of the surface's heat balance and of the wall, with the
// program's defaults.
struct ClimateCoefficients {
  double Absorptance = 0.65;       // alpha, of the concrete surface for sunlight
  double SurfaceCoefficient = 17;  // h_o, W/m2K, outer surface heat transfer
  double Reflectance = 0.2;        // rho, of the ground
  double Diffusivity = 8.3e-7;     // D, m2/s, thermal diffusivity of the concrete
};

// The first message that refuses the coefficients ("The absorptance must lie
// from 0 to 1."), or empty.
std::string CheckClimateCoefficients(const ClimateCoefficients& coefficients);

// What was held at a kind's box edge in one month.
struct HeldValues {
  int Count = 0;       // values held at an edge of the kind's box
  double Largest = 0;  // by how much at most (in the kind's Y unit)
};

struct MonthDiagrams {
  int Month = 1;
  DayType Type = DayType::Mean;
  // Kinds 1 to 5, by kind - 1.
  std::array<Diagram, kRunDiagramCount> Diagrams;
  std::array<HeldValues, kRunDiagramCount> Held;
  // Daylight hours whose sun bearing fell outside 0 to 180 (north of the
  // East-West line, or south of it for a mirrored plan) and were held.
  HeldValues HeldDaylight;
  bool Mirrored = false;           // made for a mirrored plan (south of the equator)
  int ClearDay = 0;                // the day of the month used (Clear), 0 for Mean
  int ExcessHour = 0;              // the hour (1..24) whose sol-air excess is largest, used by kinds 4 and 5
  std::vector<std::string> Notes;  // anything else the user should know, one sentence each
};

// Whether the site lies south of the equator: the diagrams are then made for
// a mirrored plan, the bearing measured from the East towards the North (the
// results' Y axis points North).
bool IsMirroredPlan(const WeatherSite& site);

// The five diagrams of month 1..12. `wallThickness` (m, external minus
// internal radius) damps kind 5. The data must be as ReadWeatherFile
// accepted it (every hour of every month with a valid value).
MonthDiagrams MakeMonthDiagrams(const WeatherData& data, int month, DayType type,
                                const ClimateCoefficients& coefficients, double wallThickness);

// The same for every month of `months`, in their order, telling `feedback`
// the months done ("Month 4 of 12"); nothing when it cancelled them before
// the last, so that nothing of an import is written.
std::optional<std::vector<MonthDiagrams>> MakeMonthsDiagrams(const WeatherData& data, const std::vector<int>& months,
                                                             DayType type, const ClimateCoefficients& coefficients,
                                                             double wallThickness, WorkFeedback& feedback);

// The damping of the daily temperature wave through a wall of that
// thickness: exp(-t / delta), delta = sqrt(2 D / omega), omega = 2 pi / 86400 s.
double DailyWaveDamping(double wallThickness, double diffusivity);

}  // namespace kolvane
