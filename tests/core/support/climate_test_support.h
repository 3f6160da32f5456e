#pragma once
// Made-up weather files for the climate tests: a whole year of EPW rows whose
// values a function of the date and hour gives.

#include <functional>
#include <string>

#include "core/climate/weather_file.h"

namespace kolvane::testing {

struct MadeHour {
  double DryBulb = 20, Ghi = 0, Dni = 0, Dhi = 0;
};
using WeatherOfHour = std::function<MadeHour(int month, int day, int hour)>;

struct MadeSite {
  double Latitude = 45, Longitude = 15, TimeZone = 1, Elevation = 0;
  std::string Place = "Testville";
};

// An EPW file of `year` (8784 rows in a leap year).
std::string MadeEpw(const MadeSite& site, int year, const WeatherOfHour& weather);

// A made weather file read, failing the test where it cannot be.
WeatherData ReadMadeWeather(const std::string& text);

}  // namespace kolvane::testing

// The made weather, used by every climate test.
namespace kolvane {
using testing::MadeEpw;
using testing::MadeHour;
using testing::MadeSite;
using testing::ReadMadeWeather;
}  // namespace kolvane
