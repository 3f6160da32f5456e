#include "core/support/climate_test_support.h"

#include <gtest/gtest.h>

#include "core/common/number_text.h"
#include "core/creep/calendar.h"

namespace kolvane::testing {

std::string MadeEpw(const MadeSite& site, int year, const WeatherOfHour& weather) {
  std::string text = "LOCATION," + site.Place + ",Region,Country,Made,000000," + NumberText(site.Latitude) + "," +
                     NumberText(site.Longitude) + "," + NumberText(site.TimeZone) + "," + NumberText(site.Elevation) +
                     "\r\n";
  for (const char* line : {"DESIGN CONDITIONS,0", "TYPICAL/EXTREME PERIODS,0", "GROUND TEMPERATURES,0",
                           "HOLIDAYS/DAYLIGHT SAVING,No,0,0,0", "COMMENTS 1,made for a test", "COMMENTS 2,",
                           "DATA PERIODS,1,1,Data,Sunday, 1/ 1,12/31"})
    text += std::string(line) + "\r\n";
  for (int month = 1; month <= 12; ++month)
    for (int day = 1; day <= DaysInMonth(month, year); ++day)
      for (int hour = 1; hour <= 24; ++hour) {
        const MadeHour h = weather(month, day, hour);
        text += std::to_string(year) + "," + std::to_string(month) + "," + std::to_string(day) + "," +
                std::to_string(hour) + ",0,?,";
        text += NumberText(h.DryBulb) + ",0,50,100000,0,0,0," + NumberText(h.Ghi) + "," + NumberText(h.Dni) + "," +
                NumberText(h.Dhi);
        for (int field = 17; field <= 35; ++field) text += ",0";
        text += "\r\n";
      }
  return text;
}

WeatherData ReadMadeWeather(const std::string& text) {
  const WeatherReadResult read = ReadWeatherText("made.epw", text);
  EXPECT_TRUE(read.Ok) << read.Error;
  return read.Data;
}

}  // namespace kolvane::testing
