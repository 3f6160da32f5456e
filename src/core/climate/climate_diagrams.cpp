#include "core/climate/climate_diagrams.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "core/climate/sun_position.h"
#include "core/engine/section_grid.h"

namespace kolvane {
namespace {

constexpr int kHoursPerDay = 24;
constexpr double kSecondsPerDay = 86400;
constexpr double kAngleStep = 5;  // degrees between the points of kinds 4 and 5
constexpr int kMeanSunDay = 15;   // the mean day type takes the sun of the 15th

double Radians(double degrees) { return degrees * kPi / 180.0; }

// X of the diagrams of the day: 0, the middle of every hour (0.5 to 23.5), 24.
std::vector<double> DayXs() {
  std::vector<double> xs{0};
  for (int hour = 1; hour <= kHoursPerDay; ++hour) xs.push_back(hour - 0.5);
  xs.push_back(24);
  return xs;
}

// The hours of one day of the month, by hour - 1.
using DayRows = std::array<const WeatherHour*, kHoursPerDay>;

std::vector<DayRows> DaysOfMonth(const WeatherData& data, int month) {
  std::vector<DayRows> days;
  for (const WeatherHour& hour : data.Hours) {
    if (hour.Month != month) continue;
    if (hour.Hour == 1) days.emplace_back();
    days.back()[static_cast<std::size_t>(hour.Hour - 1)] = &hour;
  }
  return days;
}

SunSite SiteOf(const WeatherSite& site) { return {site.Latitude, site.Longitude, site.TimeZone, site.Elevation}; }

// What the face receives and what of it reaches a face turned by an angle from
// the sun: E = DNI cos(altitude) + DHI / 2 + rho GHI / 2, the direct term only
// with the sun above the horizon.
struct Irradiations {
  double Dni = 0, Dhi = 0, Ghi = 0;
};
double DirectPart(const Irradiations& e, double altitude) {
  return altitude > 0 ? e.Dni * std::cos(Radians(altitude)) : 0.0;
}
double SkyAndGroundPart(const Irradiations& e, double reflectance) { return e.Dhi / 2 + reflectance * e.Ghi / 2; }
double SolAirExcess(const Irradiations& e, double altitude, const ClimateCoefficients& c) {
  return c.Absorptance * (DirectPart(e, altitude) + SkyAndGroundPart(e, c.Reflectance)) / c.SurfaceCoefficient;
}

Irradiations IrradiationsOf(const WeatherHour& hour) {
  return {hour.DirectNormal, hour.DiffuseHorizontal, hour.GlobalHorizontal};
}
bool Complete(const WeatherHour& hour) {
  return !std::isnan(hour.DryBulb) && !std::isnan(hour.DirectNormal) && !std::isnan(hour.DiffuseHorizontal) &&
         !std::isnan(hour.GlobalHorizontal);
}

// The mean over the month's days of one quantity at one hour, missing values
// left out (the reader made sure one is there).
double HourMean(const std::vector<DayRows>& days, int hour, double WeatherHour::*value) {
  double sum = 0;
  int count = 0;
  for (const DayRows& day : days) {
    const double v = day[static_cast<std::size_t>(hour - 1)]->*value;
    if (std::isnan(v)) continue;
    sum += v;
    ++count;
  }
  return count > 0 ? sum / count : std::nan("");
}

// An hour with every missing value replaced by the month's mean at that hour.
WeatherHour Filled(const WeatherHour& hour, const std::vector<DayRows>& days, int& filled) {
  WeatherHour whole = hour;
  for (double WeatherHour::*value : {&WeatherHour::DryBulb, &WeatherHour::GlobalHorizontal, &WeatherHour::DirectNormal,
                                     &WeatherHour::DiffuseHorizontal}) {
    if (!std::isnan(whole.*value)) continue;
    whole.*value = HourMean(days, hour.Hour, value);
    ++filled;
  }
  return whole;
}

// The day type's values at the middle of every hour (by hour - 1).
struct DayValues {
  std::array<double, kHoursPerDay> Air{}, SolAir{};
  std::array<kolvane::Irradiations, kHoursPerDay> Irradiations{};
  std::array<double, kHoursPerDay> Altitude{};  // of the sun the day type takes
};

// Sun of one day at every point of DayXs().
std::vector<SunPosition> SunOfDay(const WeatherSite& site, const WeatherHour& anyHourOfDay) {
  const SunDay day(SiteOf(site), anyHourOfDay.Year, anyHourOfDay.Month, anyHourOfDay.Day,
                   StandardAirAt(site.Elevation));
  std::vector<SunPosition> sun;
  for (double x : DayXs()) sun.push_back(day.At(x));
  return sun;
}

// Mean: every hour the mean over the days; a day's sol-air value with its own
// sun. A day lacking a value at an hour is left out of that hour's sol-air mean.
DayValues MeanDay(const WeatherData& data, const std::vector<DayRows>& days, const std::vector<SunPosition>& sun15,
                  const ClimateCoefficients& c, std::vector<std::string>& notes) {
  DayValues values;
  std::array<double, kHoursPerDay> solAirSum{};
  std::array<int, kHoursPerDay> solAirCount{};
  for (const DayRows& day : days) {
    const SunDay sunOfDay(SiteOf(data.Site), day[0]->Year, day[0]->Month, day[0]->Day,
                          StandardAirAt(data.Site.Elevation));
    for (std::size_t h = 0; h < kHoursPerDay; ++h) {
      const WeatherHour& hour = *day[h];
      if (!Complete(hour)) continue;
      const SunPosition sun = sunOfDay.At(hour.Hour - 0.5);
      solAirSum[h] += hour.DryBulb + SolAirExcess(IrradiationsOf(hour), sun.Altitude, c);
      ++solAirCount[h];
    }
  }
  int fromMeans = 0;
  for (int hour = 1; hour <= kHoursPerDay; ++hour) {
    const std::size_t h = static_cast<std::size_t>(hour - 1);
    values.Air[h] = HourMean(days, hour, &WeatherHour::DryBulb);
    values.Irradiations[h] = {HourMean(days, hour, &WeatherHour::DirectNormal),
                              HourMean(days, hour, &WeatherHour::DiffuseHorizontal),
                              HourMean(days, hour, &WeatherHour::GlobalHorizontal)};
    values.Altitude[h] = sun15[h + 1].Altitude;
    if (solAirCount[h] > 0) {
      values.SolAir[h] = solAirSum[h] / solAirCount[h];
    } else {  // no day with every value at this hour: the means with the sun of the 15th
      values.SolAir[h] = values.Air[h] + SolAirExcess(values.Irradiations[h], values.Altitude[h], c);
      ++fromMeans;
    }
  }
  if (fromMeans > 0)
    notes.push_back(std::to_string(fromMeans) +
                    " hours had no day with every value; their surface temperature is made from the hour's means.");
  return values;
}

// The month's day with the largest daily direct normal irradiation, the
// earliest on a tie.
std::size_t ClearestDay(const std::vector<DayRows>& days) {
  std::size_t clearest = 0;
  double largest = -1;
  for (std::size_t d = 0; d < days.size(); ++d) {
    double sum = 0;
    for (const WeatherHour* hour : days[d])
      if (!std::isnan(hour->DirectNormal)) sum += hour->DirectNormal;
    if (sum > largest) {
      largest = sum;
      clearest = d;
    }
  }
  return clearest;
}

DayValues ClearDay(const std::vector<DayRows>& days, const DayRows& day, const std::vector<SunPosition>& sun,
                   const ClimateCoefficients& c, std::vector<std::string>& notes) {
  DayValues values;
  int filled = 0;
  for (std::size_t h = 0; h < kHoursPerDay; ++h) {
    const WeatherHour hour = Filled(*day[h], days, filled);
    values.Air[h] = hour.DryBulb;
    values.Irradiations[h] = IrradiationsOf(hour);
    values.Altitude[h] = sun[h + 1].Altitude;
    values.SolAir[h] = hour.DryBulb + SolAirExcess(values.Irradiations[h], values.Altitude[h], c);
  }
  if (filled > 0)
    notes.push_back(std::to_string(filled) + " missing values of the clear day were taken from the month's means.");
  return values;
}

// Keeps a value inside [low, high], counting what had to be held.
double Held(double value, double low, double high, HeldValues& held) {
  if (value >= low && value <= high) return value;
  const double edge = value < low ? low : high;
  ++held.Count;
  held.Largest = std::max(held.Largest, std::fabs(value - edge));
  return edge;
}

// Kinds 2 and 3: the hours' values, midnight (X 0 and 24) the mean of the
// values at 23.5 and 0.5.
Diagram DayDiagram(const std::array<double, kHoursPerDay>& hourly, DiagramKind kind, HeldValues& held) {
  const DiagramKindRow& box = DiagramKindTable(kind);
  const double midnight = (hourly[kHoursPerDay - 1] + hourly[0]) / 2;
  Diagram diagram;
  const std::vector<double> xs = DayXs();
  for (std::size_t n = 0; n < xs.size(); ++n) {
    const double value = n == 0 || n + 1 == xs.size() ? midnight : hourly[n - 1];
    diagram.Points.push_back({xs[n], Held(value, box.YMin, box.YMax, held)});
  }
  return diagram;
}

// Kind 1: the bearing from the East towards the South (towards the North on a
// mirrored plan), held at 0 before noon and 180 after where it leaves 0 to 180.
Diagram SunDiagram(const WeatherSite& site, const std::vector<SunPosition>& sun, HeldValues& daylight) {
  const bool mirrored = IsMirroredPlan(site);
  const double noon = 12.0 + site.TimeZone - site.Longitude / 15.0;
  const std::vector<double> xs = DayXs();
  Diagram diagram;
  for (std::size_t n = 0; n < xs.size(); ++n) {
    double bearing = mirrored ? 90.0 - sun[n].Azimuth : sun[n].Azimuth - 90.0;
    // Into -90 .. 270, so that mornings north of the line read below 0 and
    // evenings above 180.
    while (bearing < -90) bearing += 360;
    while (bearing >= 270) bearing -= 360;
    double y = bearing;
    if (sun[n].Altitude <= 0) {
      y = xs[n] < noon ? 0.0 : 180.0;
    } else if (bearing < 0 || bearing > 180) {
      y = Held(bearing, 0, 180, daylight);
    }
    diagram.Points.push_back({xs[n], y});
  }
  return diagram;
}

// max(0, cos a): the direct light on a face turned by `angle` degrees from
// the sun; none from 90 degrees on (cos of the rounded right angle would
// leave a trace).
double FacingShare(double angle) { return angle < 90 ? std::cos(Radians(angle)) : 0.0; }

// Kinds 4 and 5 at angles 0, 5, ..., 180 from the sun.
Diagram VariationDiagram(const Irradiations& e, double altitude, double factor, const ClimateCoefficients& c,
                         DiagramKind kind, HeldValues& held, bool& noSunlight) {
  const DiagramKindRow& box = DiagramKindTable(kind);
  const double direct = DirectPart(e, altitude);
  const double diffuse = SkyAndGroundPart(e, c.Reflectance);
  const double whole = direct + diffuse;
  noSunlight = !(whole > 0);
  Diagram diagram;
  for (double angle = 0; angle <= 180; angle += kAngleStep) {
    // With no light at all every face is alike: 100 % everywhere.
    const double share = noSunlight ? 100.0 : 100.0 * (direct * FacingShare(angle) + diffuse) / whole;
    diagram.Points.push_back({angle, Held(share * factor, box.YMin, box.YMax, held)});
  }
  return diagram;
}

}  // namespace

const char* DayTypeName(DayType type) { return type == DayType::Clear ? "clear" : "mean"; }

std::string CheckClimateCoefficients(const ClimateCoefficients& c) {
  if (!(c.Absorptance >= 0 && c.Absorptance <= 1)) return "The absorptance must lie from 0 to 1.";
  if (!(c.SurfaceCoefficient > 0 && std::isfinite(c.SurfaceCoefficient)))
    return "The surface coefficient must be greater than 0 W/m\u00b2K.";
  if (!(c.Reflectance >= 0 && c.Reflectance <= 1)) return "The ground reflectance must lie from 0 to 1.";
  if (!(c.Diffusivity > 0 && std::isfinite(c.Diffusivity))) return "The diffusivity must be greater than 0 m\u00b2/s.";
  return {};
}

bool IsMirroredPlan(const WeatherSite& site) { return site.Latitude < 0; }

double DailyWaveDamping(double wallThickness, double diffusivity) {
  const double omega = 2 * kPi / kSecondsPerDay;
  const double depth = std::sqrt(2 * diffusivity / omega);
  return std::exp(-wallThickness / depth);
}

MonthDiagrams MakeMonthDiagrams(const WeatherData& data, int month, DayType type, const ClimateCoefficients& c,
                                double wallThickness) {
  MonthDiagrams made;
  made.Month = month;
  made.Type = type;
  made.Mirrored = IsMirroredPlan(data.Site);
  const std::vector<DayRows> days = DaysOfMonth(data, month);
  if (days.empty()) return made;

  std::size_t sunDay = std::min<std::size_t>(kMeanSunDay - 1, days.size() - 1);
  if (type == DayType::Clear) {
    sunDay = ClearestDay(days);
    made.ClearDay = days[sunDay][0]->Day;
  }
  const std::vector<SunPosition> sun = SunOfDay(data.Site, *days[sunDay][0]);
  const DayValues values = type == DayType::Mean ? MeanDay(data, days, sun, c, made.Notes)
                                                 : ClearDay(days, days[sunDay], sun, c, made.Notes);

  std::size_t excessHour = 0;
  for (std::size_t h = 1; h < kHoursPerDay; ++h)
    if (values.SolAir[h] - values.Air[h] > values.SolAir[excessHour] - values.Air[excessHour]) excessHour = h;
  made.ExcessHour = static_cast<int>(excessHour) + 1;

  constexpr std::size_t sunAt = TemperatureSlot(kSunPosition);
  constexpr std::size_t airAt = TemperatureSlot(kAmbientTemperature);
  constexpr std::size_t surfaceAt = TemperatureSlot(kSurfaceTemperature);
  constexpr std::size_t externalAt = TemperatureSlot(kExternalTemperatureVariation);
  constexpr std::size_t internalAt = TemperatureSlot(kInternalTemperatureVariation);
  made.Diagrams[sunAt] = SunDiagram(data.Site, sun, made.HeldDaylight);
  made.Held[sunAt] = made.HeldDaylight;
  made.Diagrams[airAt] = DayDiagram(values.Air, kAmbientTemperature, made.Held[airAt]);
  made.Diagrams[surfaceAt] = DayDiagram(values.SolAir, kSurfaceTemperature, made.Held[surfaceAt]);
  bool noSunlight = false;
  made.Diagrams[externalAt] = VariationDiagram(values.Irradiations[excessHour], values.Altitude[excessHour], 1.0, c,
                                               kExternalTemperatureVariation, made.Held[externalAt], noSunlight);
  made.Diagrams[internalAt] = VariationDiagram(values.Irradiations[excessHour], values.Altitude[excessHour],
                                               DailyWaveDamping(wallThickness, c.Diffusivity), c,
                                               kInternalTemperatureVariation, made.Held[internalAt], noSunlight);
  if (noSunlight)
    made.Notes.push_back("No sunlight reaches the face at any hour: the temperature variations are 100 % everywhere.");
  return made;
}

std::optional<std::vector<MonthDiagrams>> MakeMonthsDiagrams(const WeatherData& data, const std::vector<int>& months,
                                                             DayType type, const ClimateCoefficients& coefficients,
                                                             double wallThickness, WorkFeedback& feedback) {
  std::vector<MonthDiagrams> made;
  const auto total = static_cast<std::int64_t>(months.size());
  for (const int month : months) {
    if (feedback.Cancelled()) return std::nullopt;
    const auto done = static_cast<std::int64_t>(made.size());
    feedback.Status("Month " + std::to_string(done + 1) + " of " + std::to_string(total));
    feedback.Progress(done, total);
    made.push_back(MakeMonthDiagrams(data, month, type, coefficients, wallThickness));
  }
  feedback.Progress(total, total);
  return made;
}

}  // namespace kolvane
