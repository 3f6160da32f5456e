#include "core/export/csv_tables.h"

#include <cstddef>
#include <cstdio>

#include "core/common/csv_file.h"
#include "core/creep/calendar.h"

namespace kolvane {

namespace {

// Profiles carry their date as the report writes it, d/m/yyyy.
std::string IsoDateOf(const std::string& dateText) {
  int day = 0, month = 0, year = 0;
  char end = 0;
  if (std::sscanf(dateText.c_str(), "%d/%d/%d%c", &day, &month, &year, &end) == 3 && IsValidDate({day, month, year}))
    return CsvDate(day, month, year);
  return "unknown";  // not a date of the calendar: nothing stored so
}

std::vector<const DeflectionProfile*> ProfilesOfThisGrid(const SectionGrid& grid) {
  std::vector<const DeflectionProfile*> found;
  if (grid.K < 1) return found;
  const auto points = static_cast<std::size_t>(grid.K) + 1;
  for (const DeflectionProfile& profile : grid.Profiles) {
    // The final profile stored on the day a periodic one was: the same
    // deflections, which the report lists twice; one column pair is enough.
    const bool repeated = !found.empty() && found.back()->DateText == profile.DateText;
    if (profile.DeflX.size() >= points && profile.DeflY.size() >= points && !repeated) found.push_back(&profile);
  }
  return found;
}

}  // namespace

std::vector<std::string> OrbitCsvLines(const std::vector<OrbitPoint>& points) {
  std::vector<std::string> lines{"hour,tip_x_m,tip_y_m,tip_z_m"};
  for (const OrbitPoint& point : points)
    lines.push_back(
        CsvRow({CsvNumber(point.Hour), CsvNumber(point.TipX), CsvNumber(point.TipY), CsvNumber(point.TipZ)}));
  return lines;
}

std::vector<std::string> TipHistoryCsvLines(const std::vector<TipSample>& history) {
  std::vector<std::string> lines{"date,tip_x_m,tip_y_m,tip_z_m"};
  for (const TipSample& sample : history)
    lines.push_back(CsvRow({CsvDate(sample.Day, sample.Month, sample.Year), CsvNumber(sample.TipX),
                            CsvNumber(sample.TipY), CsvNumber(sample.TipZ)}));
  return lines;
}

std::vector<std::string> ProfilesCsvLines(const SectionGrid& grid) {
  const std::vector<const DeflectionProfile*> profiles = ProfilesOfThisGrid(grid);
  std::vector<std::string> header{"height_m"};
  for (const DeflectionProfile* profile : profiles) {
    const std::string date = IsoDateOf(profile->DateText);
    header.push_back("x_" + date + "_m");
    header.push_back("y_" + date + "_m");
  }
  std::vector<std::string> lines{CsvRow(header)};
  if (grid.K < 1) return lines;
  // The heights the profile plot draws the boundaries at.
  const double sliceHeight = grid.Height / grid.K;
  for (std::int32_t k = 0; k <= grid.K; ++k) {
    const auto at = static_cast<std::size_t>(k);
    std::vector<std::string> row{CsvNumber(sliceHeight * k)};
    for (const DeflectionProfile* profile : profiles) {
      row.push_back(CsvNumber(profile->DeflX[at]));
      row.push_back(CsvNumber(profile->DeflY[at]));
    }
    lines.push_back(CsvRow(row));
  }
  return lines;
}

}  // namespace kolvane
