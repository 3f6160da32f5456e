#include "core/creep/creep_report.h"

#include "core/common/number_text.h"
#include "core/common/report_file.h"
#include "core/engine/column_data.h"

namespace kolvane {

std::vector<std::string> CreepMainDataLines(const SectionGrid& grid) {
  std::vector<std::string> lines{">> Main Data..."};
  for (std::string& line : ColumnDataLines(grid)) lines.push_back(std::move(line));
  return lines;
}

std::vector<std::string> CreepSettingsLines(const CalendarDate& start, const CalendarDate& end, double timeStep,
                                            std::int32_t storeEvery, double storeAt) {
  std::vector<std::string> lines{
      "Calculating from :" + FormatDate(start) + " to " + FormatDate(end) + " (dd/mm/yy)",
      "Time Interval :" + NumberText(timeStep) + " hour(s).",
  };
  if (storeEvery > 0) {
    lines.push_back("Storing deflection profiles every :" + NumberText(storeEvery) + " days.");
    lines.push_back("Time of day (for the profiles) :" + NumberText(storeAt) + " hour(s).");
  }
  return lines;
}

void AppendProfileLines(const SectionGrid& grid, std::vector<std::string>& lines) {
  lines.push_back(">> Tip Deflection Calculations...");
  for (const DeflectionProfile& profile : grid.Profiles) {
    lines.push_back("Date : " + profile.DateText);
    lines.push_back("X - Deflection :" + NumberText(profile.TipX) + " m.");
    lines.push_back("Y - Deflection :" + NumberText(profile.TipY) + " m.");
    lines.push_back("Z - Deflection :" + NumberText(profile.TipZ) + " m.");
  }
}

namespace {

// " 2 hours", " 1 hour" or nothing.
std::string ElapsedPiece(std::int32_t count, const char* plural, const char* singular) {
  if (count > 1) return NumberText(count, false) + " " + plural;
  if (count == 1) return std::string(" 1 ") + singular;
  return {};
}

}  // namespace

std::string ElapsedText(std::int32_t seconds) {
  const std::int32_t hours = seconds / 3600;
  const std::int32_t minutes = (seconds % 3600) / 60;
  const std::int32_t rest = (seconds % 3600) % 60;
  return ElapsedPiece(hours, "hours", "hour") + ElapsedPiece(minutes, "minutes", "minute") +
         ElapsedPiece(rest, "seconds", "second");
}

std::string ClosingMessage(std::int32_t days, std::int32_t seconds) {
  return "Calculation is completed." + NumberText(days, false) +
         " days were calculated.\r\nCalculation time : " + ElapsedText(seconds);
}

WriteResult SaveCreepReport(const std::vector<std::string>& lines, const std::string& path) {
  ReportFileWriter writer(path);
  for (const std::string& line : lines) writer.AppendLine(line);
  return writer.Commit();
}

}  // namespace kolvane
