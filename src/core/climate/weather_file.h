#pragma once
// Typical-year weather files: EPW (a LOCATION line, seven more header lines,
// then one row per hour) and TMY3 CSV (a site line, a line of column names,
// then one row per hour). Both become the same hourly table.

#include <string>
#include <vector>

namespace kolvane {

// Where the weather was recorded, as the file's header gives it.
struct WeatherSite {
  std::string Place;     // city or station name
  std::string Region;    // state or province
  std::string Country;   // empty for TMY3
  std::string Source;    // data source (EPW)
  std::string Station;   // station number
  double Latitude = 0;   // degrees, north positive
  double Longitude = 0;  // degrees, east positive
  double TimeZone = 0;   // hours from UTC of the file's local standard time
  double Elevation = 0;  // metres
};

// One hour of a weather file. Hour h covers h - 1 to h (1 to 24), local
// standard time; irradiations are Wh/m2 over that hour, so mean W/m2.
// A missing value is NaN.
struct WeatherHour {
  int Year = 0, Month = 1, Day = 1, Hour = 1;
  double DryBulb = 0;            // air temperature, degrees C
  double GlobalHorizontal = 0;   // GHI
  double DirectNormal = 0;       // DNI
  double DiffuseHorizontal = 0;  // DHI
};

struct WeatherData {
  WeatherSite Site;
  // Every hour of the year from 1 January hour 1 to 31 December hour 24, in
  // order: 8760 rows, 8784 in a leap year.
  std::vector<WeatherHour> Hours;
};

struct WeatherReadResult {
  bool Ok = false;
  WeatherData Data;  // when ok
  // When !ok: "<file name>, line N: <reason>" (no line number where the
  // reason concerns the whole file).
  std::string Error;
};

// Reads an EPW or TMY3 CSV file, told apart by their first line. Refuses a
// file it cannot use with its name, the line and the reason: not a weather
// file, a short row, a number it cannot read, a date that does not exist,
// rows out of order, an hour or month missing, or an hour of some month with
// no valid value of a quantity.
WeatherReadResult ReadWeatherFile(const std::string& path);

// The same for content already in memory; `fileName` names it in messages.
WeatherReadResult ReadWeatherText(const std::string& fileName, const std::string& text);

}  // namespace kolvane
