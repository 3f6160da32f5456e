#pragma once
// What the batch tool prints and the climate window shows about a weather
// file and the diagrams made from it: the same sentences in both.

#include <string>
#include <vector>

#include "core/climate/climate_diagrams.h"
#include "core/climate/weather_file.h"

namespace kolvane {

// "0.6", "-21.3": one decimal, whatever the user's locale.
std::string OneDecimalText(double value);

// A shift of hours as the user types it: "+0.5", "-2".
std::string ShiftHoursText(double hours);

// "Torino, ITA: latitude 45.2 N, longitude 7.65 E, time zone UTC+1, elevation 287 m."
std::string SiteText(const WeatherSite& site);

// Said once when the plan is mirrored (south of the equator), empty otherwise.
std::string MirroredPlanText(const WeatherSite& site);

// "Hours shifted by +0.5 h." for a shift the user applied, empty for none.
std::string ShiftText(double hours);

// One line per month: the set made and, where values were held at a box
// edge, how many and by how much at most; then the month's notes.
std::vector<std::string> MonthReportLines(const std::string& setName, const MonthDiagrams& month);

}  // namespace kolvane
