#pragma once
// Made-up weather files for the climate tests: a whole year of EPW rows whose
// values a function of the date and hour gives.

#include <functional>
#include <string>

#include "core/climate/weather_file.h"

namespace kolvane::testing {

struct MadeHour {
  double dryBulb = 20, ghi = 0, dni = 0, dhi = 0;
};
using WeatherOfHour = std::function<MadeHour(int month, int day, int hour)>;

struct MadeSite {
  double latitude = 45, longitude = 15, timeZone = 1, elevation = 0;
  std::string place = "Testville";
};

// An EPW file of `year` (8784 rows in a leap year).
std::string MadeEpw(const MadeSite& site, int year, const WeatherOfHour& weather);

// A made weather file read, failing the test where it cannot be.
WeatherData ReadMadeWeather(const std::string& text);

}  // namespace kolvane::testing
