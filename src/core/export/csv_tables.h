#pragma once
// The results a spreadsheet can take: the daily tip orbit, the tip's history
// through a creep run and the stored deflection profiles, each as the lines
// of a CSV file (see core/common/csv_file.h).

#include <string>
#include <vector>

#include "core/engine/section_grid.h"
#include "core/thermoelastic/daily_orbit.h"

namespace kolvane {

inline constexpr const char* kOrbitCsvFileName = "Orbit.csv";
inline constexpr const char* kTipHistoryCsvFileName = "TipHistory.csv";
inline constexpr const char* kProfilesCsvFileName = "Profiles.csv";

// "hour,tip_x_m,tip_y_m,tip_z_m" and a row per hour.
std::vector<std::string> OrbitCsvLines(const std::vector<OrbitPoint>& points);

// "date,tip_x_m,tip_y_m,tip_z_m" and a row per day.
std::vector<std::string> TipHistoryCsvLines(const std::vector<TipSample>& history);

// "height_m" and, for every stored profile, "x_YYYY-MM-DD_m,y_YYYY-MM-DD_m";
// a row per slice boundary from the base (height 0) to the tip. Profiles not
// stored for the grid's number of slices are left out, as the plot leaves
// them out.
std::vector<std::string> ProfilesCsvLines(const SectionGrid& grid);

}  // namespace kolvane
