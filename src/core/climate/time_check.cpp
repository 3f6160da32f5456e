#include "core/climate/time_check.h"

#include "core/climate/climate_report.h"

#include <cmath>

namespace kolvane {
namespace {

// The clock hour of local standard time at which the sun crosses the meridian
// on average over the year (the equation of time averages out).
double MeanSolarNoon(const WeatherSite& site) { return 12.0 + site.TimeZone - site.Longitude / 15.0; }

}  // namespace

TimeCheck CheckWeatherTime(const WeatherData& data) {
  double weighted = 0, total = 0;
  for (const WeatherHour& hour : data.Hours) {
    if (std::isnan(hour.GlobalHorizontal)) continue;
    weighted += hour.GlobalHorizontal * hour.Hour;
    total += hour.GlobalHorizontal;
  }
  TimeCheck check;
  if (!(total > 0)) return check;  // no sunshine to judge the clock by
  // A stamp is the end of its hour, so the stamps' mean lies half an hour
  // after the sunshine's.
  check.PeakOffsetHours = weighted / total - (MeanSolarNoon(data.Site) + 0.5);
  check.Doubtful = std::fabs(check.PeakOffsetHours) > kTimeCheckTolerance;
  if (!check.Doubtful) return check;
  check.Warning = "The sunshine in this file peaks " + OneDecimalText(std::fabs(check.PeakOffsetHours)) + " h " +
                  (check.PeakOffsetHours < 0 ? "before" : "after") +
                  " the sun's highest point: its hours may not be local standard time.";
  check.OfferedShiftHours = -std::round(check.PeakOffsetHours * 2) / 2;
  return check;
}

bool IsWeatherShift(double hours) { return hours >= -12 && hours <= 12 && hours * 2 == std::floor(hours * 2); }

void ShiftWeatherHours(WeatherData& data, double hours) {
  std::vector<WeatherHour>& rows = data.Hours;
  const long count = static_cast<long>(rows.size());
  if (count == 0 || hours == 0) return;
  const long whole = static_cast<long>(std::floor(hours));
  const bool half = hours != std::floor(hours);
  const std::vector<WeatherHour> old = rows;
  auto at = [&](long i) -> const WeatherHour& { return old[static_cast<std::size_t>(((i % count) + count) % count)]; };
  for (long i = 0; i < count; ++i) {
    // The value now at row i was stamped `hours` earlier.
    const WeatherHour& later = at(i - whole);
    WeatherHour& row = rows[static_cast<std::size_t>(i)];
    for (double WeatherHour::*value : {&WeatherHour::DryBulb, &WeatherHour::GlobalHorizontal,
                                       &WeatherHour::DirectNormal, &WeatherHour::DiffuseHorizontal})
      row.*value = half ? (at(i - whole - 1).*value + later.*value) * 0.5 : later.*value;
  }
}

}  // namespace kolvane
