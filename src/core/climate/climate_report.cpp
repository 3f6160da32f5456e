#include "core/climate/climate_report.h"

#include <charconv>
#include <cmath>

#include "core/climate/time_check.h"
#include "core/common/number_text.h"
#include "core/creep/calendar.h"
#include "core/diagrams/diagram_kinds.h"

namespace kolvane {
namespace {

// A header field that says nothing ("", "-", "unknown") is left out.
bool Says(const std::string& field) { return !field.empty() && field != "-" && field != "unknown"; }

std::string Coordinate(double value, const char* positive, const char* negative) {
  return NumberText(std::fabs(value)) + " " + (value < 0 ? negative : positive);
}

std::string HeldLine(DiagramKind kind, const HeldValues& held, bool mirrored) {
  const DiagramKindRow& row = DiagramKindTable(kind);
  if (kind == kSunPosition)
    return std::string("  ") + row.KindName + ": " + std::to_string(held.Count) + " daylight hours " +
           (mirrored ? "south" : "north") + " of the East-West line held at 0 or 180, by " +
           OneDecimalText(held.Largest) + " degrees at most.";
  return std::string("  ") + row.KindName + ": " + std::to_string(held.Count) + " values held at the edge of " +
         NumberText(row.YMin) + " to " + NumberText(row.YMax) + ", by " + OneDecimalText(held.Largest) + " at most.";
}

}  // namespace

std::string OneDecimalText(double value) {
  char text[64];
  const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 1).ptr;
  return std::string(text, end);
}

std::string ShiftHoursText(double hours) {
  std::string text = OneDecimalText(hours);
  if (text.size() > 2 && text.compare(text.size() - 2, 2, ".0") == 0) text.resize(text.size() - 2);
  return hours > 0 ? "+" + text : text;
}

std::string SiteText(const WeatherSite& site) {
  std::string place;
  for (const std::string* part : {&site.Place, &site.Region, &site.Country})
    if (Says(*part)) place += (place.empty() ? "" : ", ") + *part;
  if (place.empty()) place = "A site without a name";
  std::string zone = NumberText(site.TimeZone);
  if (site.TimeZone >= 0) zone = "+" + zone;
  return place + ": latitude " + Coordinate(site.Latitude, "N", "S") + ", longitude " +
         Coordinate(site.Longitude, "E", "W") + ", time zone UTC" + zone + ", elevation " + NumberText(site.Elevation) +
         " m.";
}

std::string MirroredPlanText(const WeatherSite& site) {
  if (!IsMirroredPlan(site)) return {};
  return "The site lies south of the equator: the diagrams are made for a mirrored plan, the sun's bearing measured "
         "from the East towards the North, so the results' Y axis points North.";
}

std::string ShiftText(double hours) {
  if (hours == 0) return {};
  return "The file's hours were shifted by " + ShiftHoursText(hours) + " h.";
}

std::vector<std::string> MonthReportLines(const std::string& setName, const MonthDiagrams& month) {
  const std::string monthName = kMonthNames[static_cast<std::size_t>(month.Month - 1)];
  std::string day = month.Type == DayType::Clear
                        ? "clear day " + std::to_string(month.ClearDay) + "/" + std::to_string(month.Month)
                        : std::string("mean day");
  std::vector<std::string> lines{setName + ": " + monthName + ", " + day + "; temperature variations at " +
                                 NumberText(month.ExcessHour - 0.5) + " h."};
  for (const DiagramKind kind : kTemperatureKinds) {
    const HeldValues& held = month.Held[TemperatureSlot(kind)];
    if (held.Count > 0) lines.push_back(HeldLine(kind, held, month.Mirrored));
  }
  for (const std::string& note : month.Notes) lines.push_back("  " + note);
  return lines;
}

}  // namespace kolvane
