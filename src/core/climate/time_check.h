#pragma once
// Whether a weather file's hours are local standard time. Files made from
// satellite data are often stamped in UTC although their header gives a time
// zone; their sunshine then peaks hours away from the sun's highest point.

#include <string>

#include "core/climate/weather_file.h"

namespace kolvane {

// Beyond this many hours between the sunshine's peak and the sun's, the
// file's clock is doubted.
inline constexpr double kTimeCheckTolerance = 0.4;

struct TimeCheck {
  // The global-horizontal-weighted mean of the hour stamps minus the site's
  // mean solar noon plus half an hour (a stamp is the end of its hour):
  // negative when the sunshine peaks before the sun's highest point.
  double PeakOffsetHours = 0;
  bool Doubtful = false;  // |PeakOffsetHours| > kTimeCheckTolerance
  std::string Warning;    // the warning when Doubtful, empty otherwise
  // The shift of whole or half hours that brings the peak nearest the sun's:
  // add it to the file's hours (ShiftWeatherHours). 0 when not Doubtful.
  double OfferedShiftHours = 0;
};

TimeCheck CheckWeatherTime(const WeatherData& data);

// Whether a shift can be applied: whole or half hours from -12 to 12.
bool IsWeatherShift(double hours);

// Moves every value `hours` later on the clock (the value stamped at hour h
// now belongs to h + hours), over the year as a ring (the last hours of 31
// December come round to 1 January). A half hour takes the mean of the two
// hours it falls between (missing if either is). The dates and hours of the
// rows stay; only their values move. `hours` must pass IsWeatherShift.
void ShiftWeatherHours(WeatherData& data, double hours);

}  // namespace kolvane
