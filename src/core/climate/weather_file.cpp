#include "core/climate/weather_file.h"

#include <array>
#include <cmath>
#include <filesystem>
#include <limits>
#include <optional>
#include <string_view>
#include <system_error>

#include "core/common/numeric_reading.h"
#include "core/common/text_file.h"
#include "core/creep/calendar.h"
#include "core/diagrams/diagram_kinds.h"

namespace kolvane {
namespace {

constexpr double kMissing = std::numeric_limits<double>::quiet_NaN();
// A year of hourly rows is a few megabytes; anything far larger is not one.
constexpr std::uintmax_t kLargestWeatherFileBytes = 64u << 20;
constexpr std::size_t kEpwHeaderLines = 8;
constexpr std::size_t kEpwFieldsPerRow = 35;
constexpr std::size_t kEpwLocationFields = 10;
constexpr std::size_t kTmy3SiteFields = 7;

// A refusal on its way out: the line (0: the whole file) and the reason.
struct Refusal {
  std::size_t Line = 0;
  std::string Reason;
};

// Splits a line of comma-separated fields; a field in double quotes may hold
// commas ("PHOENIX, AZ"), and "" inside it is one quote.
std::vector<std::string> SplitFields(std::string_view line) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '"') {
      if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
        fields.back() += '"';
        ++i;
      } else {
        quoted = !quoted;
      }
    } else if (c == ',' && !quoted) {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<double> Number(std::string_view field) { return TryWholeNumericValue(Trimmed(field)); }

std::optional<int> WholeNumber(std::string_view field) {
  const std::optional<double> value = Number(field);
  if (!value || *value != std::floor(*value) || std::fabs(*value) > 1e6) return std::nullopt;
  return static_cast<int>(*value);
}

// Irradiations of 9999 Wh/m2 or more mark a missing value, as do negative ones
// (-9900 in TMY3 files); air temperatures of 99.9 degrees or more, or below
// -90 (the coldest ever measured is -89.2).
double Irradiation(double value) { return value >= 9999 || value < 0 ? kMissing : value; }
double AirTemperature(double value) { return value >= 99.9 || value < -90 ? kMissing : value; }

// One quantity of a row: its name for messages and where it goes.
struct Quantity {
  const char* Name;
  double WeatherHour::*Member;
  double (*MissingRule)(double);
};
constexpr std::array<Quantity, 4> kQuantities = {{
    {"dry-bulb temperature", &WeatherHour::DryBulb, AirTemperature},
    {"global horizontal irradiation", &WeatherHour::GlobalHorizontal, Irradiation},
    {"direct normal irradiation", &WeatherHour::DirectNormal, Irradiation},
    {"diffuse horizontal irradiation", &WeatherHour::DiffuseHorizontal, Irradiation},
}};

std::string DateText(int day, int month) { return std::to_string(day) + "/" + std::to_string(month); }
std::string HourText(const WeatherHour& hour) {
  return DateText(hour.Day, hour.Month) + " hour " + std::to_string(hour.Hour);
}

// The rows must run hour by hour from 1 January hour 1 to 31 December hour 24.
// Months may come from different years (typical years are patched together),
// so after 28 February hour 24 both 29 February (of a leap year) and 1 March
// may follow.
class Sequence {
 public:
  std::optional<std::string> Accept(const WeatherHour& hour) {
    if (hour.Month < 1 || hour.Month > 12 || hour.Day < 1 || hour.Day > DaysInMonth(hour.Month, hour.Year) ||
        hour.Hour < 1 || hour.Hour > 24)
      return "the date " + DateText(hour.Day, hour.Month) + "/" + std::to_string(hour.Year) + " hour " +
             std::to_string(hour.Hour) + " does not exist";
    if (!IsExpected(hour)) {
      const std::string expected = HourText(expected_);
      if (Key(hour) < Key(expected_))
        return "the rows are out of order: " + HourText(hour) + " where " + expected + " was expected";
      if (hour.Month != expected_.Month && !(hour.Month == 3 && expected_.Month == 2 && expected_.Day == 29))
        return MonthName(expected_.Month) + " is missing or incomplete: " + HourText(hour) + " where " + expected +
               " was expected";
      return "hours are missing: " + HourText(hour) + " where " + expected + " was expected";
    }
    Advance(hour);
    return std::nullopt;
  }

  bool Complete() const { return done_; }
  const WeatherHour& Expected() const { return expected_; }

 private:
  static int Key(const WeatherHour& h) { return (h.Month * 32 + h.Day) * 25 + h.Hour; }
  static std::string MonthName(int month) { return kMonthNames[static_cast<std::size_t>(month - 1)]; }

  bool IsExpected(const WeatherHour& hour) const {
    if (done_) return false;
    if (hour.Month == expected_.Month && hour.Day == expected_.Day && hour.Hour == expected_.Hour) return true;
    // 29 February left out of a leap year's February.
    return expected_.Month == 2 && expected_.Day == 29 && expected_.Hour == 1 && hour.Month == 3 && hour.Day == 1 &&
           hour.Hour == 1;
  }

  void Advance(const WeatherHour& hour) {
    expected_ = hour;
    if (++expected_.Hour <= 24) return;
    expected_.Hour = 1;
    if (hour.Month == 12 && hour.Day == 31) {
      done_ = true;
      return;
    }
    // After 28 February, 29 February is offered; 1 March is accepted in its place.
    const int daysInMonth = hour.Month == 2 ? 29 : kMonthDays[static_cast<std::size_t>(hour.Month - 1)];
    if (++expected_.Day > daysInMonth || (hour.Month == 2 && hour.Day == 29)) {
      expected_.Day = 1;
      ++expected_.Month;
    }
  }

  WeatherHour expected_{};
  bool done_ = false;
};

// Every hour of every month needs at least one valid value of each quantity:
// its mean is a point of a diagram.
std::optional<std::string> FirstHourWithoutValue(const std::vector<WeatherHour>& hours) {
  for (const Quantity& quantity : kQuantities) {
    std::array<std::array<bool, 24>, 12> valid{};
    for (const WeatherHour& hour : hours)
      if (!std::isnan(hour.*quantity.Member))
        valid[static_cast<std::size_t>(hour.Month - 1)][static_cast<std::size_t>(hour.Hour - 1)] = true;
    for (std::size_t month = 0; month < 12; ++month)
      for (std::size_t h = 0; h < 24; ++h)
        if (!valid[month][h])
          return "hour " + std::to_string(h + 1) + " of " + kMonthNames[month] + " has no valid " + quantity.Name +
                 " on any day";
  }
  return std::nullopt;
}

// Reads the four quantities from their fields of a row.
std::optional<Refusal> ReadQuantities(std::size_t lineNumber, const std::vector<std::string>& fields,
                                      const std::array<std::size_t, 4>& columns, WeatherHour& hour) {
  for (std::size_t q = 0; q < kQuantities.size(); ++q) {
    const std::optional<double> value = Number(fields[columns[q]]);
    if (!value)
      return Refusal{lineNumber, std::string("the ") + kQuantities[q].Name + " (field " +
                                     std::to_string(columns[q] + 1) + ") is not a number: '" + fields[columns[q]] +
                                     "'"};
    hour.*kQuantities[q].Member = kQuantities[q].MissingRule(*value);
  }
  return std::nullopt;
}

// The lines of the text, with their numbers from 1; blank lines left out.
struct NumberedLine {
  std::size_t Number;
  std::string_view Text;
};
std::vector<NumberedLine> NonBlankLines(std::string_view text) {
  std::vector<NumberedLine> lines;
  std::size_t number = 0;
  ForEachLine(text, [&](std::string_view line) {
    ++number;
    if (!Trimmed(line).empty()) lines.push_back({number, line});
  });
  return lines;
}

std::optional<Refusal> Finish(Sequence& sequence, WeatherData& data, std::size_t lastLine) {
  if (!sequence.Complete())
    return Refusal{lastLine, "the file ends before 31/12 hour 24: " + HourText(sequence.Expected()) +
                                 " and the rest of the year are missing"};
  if (auto reason = FirstHourWithoutValue(data.Hours)) return Refusal{0, *reason};
  return std::nullopt;
}

std::optional<Refusal> CheckSite(std::size_t line, const WeatherSite& site) {
  if (!(site.Latitude >= -90 && site.Latitude <= 90)) return Refusal{line, "the latitude lies outside -90 to 90"};
  if (!(site.Longitude >= -180 && site.Longitude <= 180))
    return Refusal{line, "the longitude lies outside -180 to 180"};
  if (!(site.TimeZone >= -12 && site.TimeZone <= 14)) return Refusal{line, "the time zone lies outside -12 to 14 h"};
  if (!(site.Elevation >= -500 && site.Elevation <= 9000))
    return Refusal{line, "the elevation lies outside -500 to 9000 m"};
  return std::nullopt;
}

// The site's four numbers from `fields`, starting at `first`, in the order
// the format gives them; then their ranges.
using SiteNumbers = std::array<std::pair<double*, const char*>, 4>;
std::optional<Refusal> ReadSiteNumbers(std::size_t line, const std::vector<std::string>& fields, std::size_t first,
                                       const SiteNumbers& numbers, const WeatherSite& site) {
  for (std::size_t n = 0; n < numbers.size(); ++n) {
    const std::optional<double> value = Number(fields[first + n]);
    if (!value)
      return Refusal{line, std::string("the ") + numbers[n].second + " is not a number: '" + fields[first + n] + "'"};
    *numbers[n].first = *value;
  }
  return CheckSite(line, site);
}

// Reads the hourly rows from lines[first] on. `stamp` checks a row's fields
// and reads its date and hour; `columns` are the fields of the four
// quantities.
template <typename ReadStamp>
std::optional<Refusal> ReadRows(const std::vector<NumberedLine>& lines, std::size_t first,
                                const std::array<std::size_t, 4>& columns, WeatherData& data, ReadStamp&& stamp) {
  Sequence sequence;
  for (std::size_t n = first; n < lines.size(); ++n) {
    const NumberedLine& line = lines[n];
    const std::vector<std::string> fields = SplitFields(line.Text);
    WeatherHour hour;
    if (auto reason = stamp(fields, hour)) return Refusal{line.Number, *reason};
    if (auto reason = sequence.Accept(hour)) return Refusal{line.Number, *reason};
    if (auto refusal = ReadQuantities(line.Number, fields, columns, hour)) return refusal;
    data.Hours.push_back(hour);
    if (sequence.Complete()) {
      if (n + 1 < lines.size()) return Refusal{lines[n + 1].Number, "rows follow the year's last hour"};
      break;
    }
  }
  return Finish(sequence, data, lines.back().Number);
}

// LOCATION,place,region,country,source,station,latitude,longitude,time zone,elevation
std::optional<Refusal> ReadEpw(const std::vector<NumberedLine>& lines, WeatherData& data) {
  const std::vector<std::string> location = SplitFields(lines[0].Text);
  if (location.size() < kEpwLocationFields)
    return Refusal{lines[0].Number, "the LOCATION line needs 10 fields, it has " + std::to_string(location.size())};
  WeatherSite& site = data.Site;
  site.Place = Trimmed(location[1]);
  site.Region = Trimmed(location[2]);
  site.Country = Trimmed(location[3]);
  site.Source = Trimmed(location[4]);
  site.Station = Trimmed(location[5]);
  if (auto refusal = ReadSiteNumbers(lines[0].Number, location, 6,
                                     {{{&site.Latitude, "latitude"},
                                       {&site.Longitude, "longitude"},
                                       {&site.TimeZone, "time zone"},
                                       {&site.Elevation, "elevation"}}},
                                     site))
    return refusal;

  return ReadRows(lines, kEpwHeaderLines, {6, 13, 14, 15}, data,
                  [](const std::vector<std::string>& fields, WeatherHour& hour) -> std::optional<std::string> {
                    if (fields.size() < kEpwFieldsPerRow)
                      return "a row needs at least 35 fields, this one has " + std::to_string(fields.size());
                    const std::array<std::pair<int*, const char*>, 4> stamp = {
                        {{&hour.Year, "year"}, {&hour.Month, "month"}, {&hour.Day, "day"}, {&hour.Hour, "hour"}}};
                    for (std::size_t f = 0; f < stamp.size(); ++f) {
                      const std::optional<int> value = WholeNumber(fields[f]);
                      if (!value)
                        return std::string("the ") + stamp[f].second + " is not a whole number: '" + fields[f] + "'";
                      *stamp[f].first = *value;
                    }
                    return std::nullopt;
                  });
}

// The column of a TMY3 file whose name starts with `prefix`.
std::optional<std::size_t> Column(const std::vector<std::string>& names, std::string_view prefix) {
  for (std::size_t n = 0; n < names.size(); ++n)
    if (Trimmed(names[n]).substr(0, prefix.size()) == prefix) return n;
  return std::nullopt;
}

struct Tmy3Columns {
  std::size_t Date, Time;
  std::array<std::size_t, 4> Quantities;  // dry bulb, GHI, DNI, DHI
};

std::optional<Tmy3Columns> FindTmy3Columns(std::string_view header) {
  const std::vector<std::string> names = SplitFields(header);
  const auto date = Column(names, "Date"), time = Column(names, "Time"), dryBulb = Column(names, "Dry-bulb"),
             ghi = Column(names, "GHI ("), dni = Column(names, "DNI ("), dhi = Column(names, "DHI (");
  if (!date || !time || !dryBulb || !ghi || !dni || !dhi) return std::nullopt;
  return Tmy3Columns{*date, *time, {*dryBulb, *ghi, *dni, *dhi}};
}

// "MM/DD/YYYY" and "HH:MM" (hour 1 to 24, on the hour).
bool ReadTmy3Stamp(const std::string& date, const std::string& time, WeatherHour& hour) {
  std::vector<int> numbers;
  std::size_t start = 0;
  const std::string text = std::string(Trimmed(date));
  for (std::size_t slash; (slash = text.find('/', start)) != std::string::npos; start = slash + 1) {
    const auto value = WholeNumber(std::string_view(text).substr(start, slash - start));
    if (!value) return false;
    numbers.push_back(*value);
  }
  const auto year = WholeNumber(std::string_view(text).substr(start));
  const std::string clock = std::string(Trimmed(time));
  const std::size_t colon = clock.find(':');
  if (!year || numbers.size() != 2 || colon == std::string::npos) return false;
  const auto hours = WholeNumber(std::string_view(clock).substr(0, colon));
  const auto minutes = WholeNumber(std::string_view(clock).substr(colon + 1));
  if (!hours || !minutes || *minutes != 0) return false;
  hour.Month = numbers[0];
  hour.Day = numbers[1];
  hour.Year = *year;
  hour.Hour = *hours;
  return true;
}

// station,name,state,time zone,latitude,longitude,elevation; then the column names.
std::optional<Refusal> ReadTmy3(const std::vector<NumberedLine>& lines, const Tmy3Columns& columns, WeatherData& data) {
  const std::vector<std::string> siteFields = SplitFields(lines[0].Text);
  WeatherSite& site = data.Site;
  site.Station = Trimmed(siteFields[0]);
  site.Place = Trimmed(siteFields[1]);
  site.Region = Trimmed(siteFields[2]);
  site.Source = "TMY3";
  if (auto refusal = ReadSiteNumbers(lines[0].Number, siteFields, 3,
                                     {{{&site.TimeZone, "time zone"},
                                       {&site.Latitude, "latitude"},
                                       {&site.Longitude, "longitude"},
                                       {&site.Elevation, "elevation"}}},
                                     site))
    return refusal;

  std::size_t needed = std::max(columns.Date, columns.Time);
  for (std::size_t q : columns.Quantities) needed = std::max(needed, q);
  return ReadRows(lines, 2, columns.Quantities, data,
                  [&](const std::vector<std::string>& fields, WeatherHour& hour) -> std::optional<std::string> {
                    if (fields.size() <= needed)
                      return "a row needs at least " + std::to_string(needed + 1) + " fields, this one has " +
                             std::to_string(fields.size());
                    if (!ReadTmy3Stamp(fields[columns.Date], fields[columns.Time], hour))
                      return "the date and time are not MM/DD/YYYY and HH:MM: '" + fields[columns.Date] + "', '" +
                             fields[columns.Time] + "'";
                    return std::nullopt;
                  });
}

std::optional<Refusal> ReadAny(std::string_view text, WeatherData& data) {
  const std::vector<NumberedLine> lines = NonBlankLines(text);
  if (lines.empty()) return Refusal{0, "the file is empty"};
  if (Trimmed(lines[0].Text).substr(0, 9) == "LOCATION,") {
    if (lines.size() <= kEpwHeaderLines) return Refusal{0, "the file holds no hourly rows after its 8 header lines"};
    return ReadEpw(lines, data);
  }
  if (lines.size() >= 2 && SplitFields(lines[0].Text).size() == kTmy3SiteFields)
    if (const auto columns = FindTmy3Columns(lines[1].Text)) return ReadTmy3(lines, *columns, data);
  return Refusal{0,
                 "not a weather file (an EPW file starts with a LOCATION line, a TMY3 file with its site and a line "
                 "of column names)"};
}

}  // namespace

WeatherReadResult ReadWeatherText(const std::string& fileName, const std::string& text) {
  WeatherReadResult result;
  try {
    if (const std::optional<Refusal> refusal = ReadAny(text, result.Data)) {
      result.Data = {};
      result.Error = fileName + (refusal->Line ? ", line " + std::to_string(refusal->Line) : std::string()) + ": " +
                     refusal->Reason + ".";
      return result;
    }
  } catch (const std::bad_alloc&) {
    result.Data = {};
    result.Error = fileName + ": not enough memory to read it.";
    return result;
  }
  result.Ok = true;
  return result;
}

WeatherReadResult ReadWeatherFile(const std::string& path) {
  const std::string fileName = std::filesystem::path(path).filename().string();
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (!error && size > kLargestWeatherFileBytes) {
    WeatherReadResult refused;
    refused.Error = fileName + ": too large for a year of hourly weather.";
    return refused;
  }
  const TextFileContent file = ReadWholeFile(path);
  if (file.Status != ReadStatus::Ok) {
    WeatherReadResult refused;
    refused.Error = fileName + " could not be read: " +
                    (file.Status == ReadStatus::Missing ? std::string("No such file or directory") : file.Reason) + ".";
    return refused;
  }
  return ReadWeatherText(fileName, file.Bytes);
}

}  // namespace kolvane
