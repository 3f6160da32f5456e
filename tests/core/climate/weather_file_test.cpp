#include "core/climate/weather_file.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/common/text_file.h"
#include "core/creep/calendar.h"
#include "core/support/climate_test_support.h"

namespace kolvane {

// Refused files name the file, the line and the reason; nothing is returned.
TEST(WeatherFile, RefusesFilesItCannotUse) {
  const std::string good = MadeEpw({}, 2019, [](int, int, int) { return MadeHour{}; });
  auto replaceLine = [&](std::size_t line, const std::string& with) {
    std::vector<std::string> lines = SplitLines(good);
    lines[line - 1] = with;
    std::string text;
    for (const std::string& l : lines) text += l + "\n";
    return text;
  };
  auto dropLine = [&](std::size_t line) { return replaceLine(line, ""); };
  const std::string row10 = SplitLines(good)[9];  // 1/1 hour 2
  std::string notLeap = MadeEpw({}, 2020, [](int, int, int) { return MadeHour{}; });
  for (std::size_t at = 0; (at = notLeap.find("2020,", at)) != std::string::npos;) notLeap.replace(at, 5, "2019,");
  struct Case {
    std::string Text, Error;
  };
  const Case cases[] = {
      {"hello\nworld\n", "made.epw: not a weather file"},
      {"", "made.epw: the file is empty"},
      {replaceLine(12, "2019,1,1,4,0,?,20,0"), "made.epw, line 12: a row needs at least 35 fields, this one has 8"},
      {dropLine(12), "made.epw, line 13: hours are missing: 1/1 hour 5 where 1/1 hour 4 was expected"},
      {replaceLine(12, row10), "made.epw, line 12: the rows are out of order: 1/1 hour 2 where 1/1 hour 4"},
      {replaceLine(1, "LOCATION,x,y,z,s,1,95,8,1,0"), "made.epw, line 1: the latitude lies outside -90 to 90"},
      {replaceLine(12, "2019,1,1,4,0,?,2O,0" + std::string(70, ',')),
       "made.epw, line 12: the dry-bulb temperature (field 7) is not a number: '2O'"},
      {good.substr(0, good.find("2019,12,31,1,")), "the file ends before 31/12 hour 24: 31/12 hour 1 and the rest"},
      {good.substr(0, good.find("2019,2,1,1,")) + good.substr(good.find("2019,3,1,1,")),
       "February is missing or incomplete"},
      {notLeap, "the date 29/2/2019 hour 1 does not exist"},
      {MadeEpw({}, 2019, [](int month, int, int hour) { return MadeHour{month == 5 && hour == 3 ? 99.9 : 20}; }),
       "made.epw: hour 3 of May has no valid dry-bulb temperature on any day."},
  };
  for (const Case& c : cases) {
    const WeatherReadResult read = ReadWeatherText("made.epw", c.Text);
    EXPECT_FALSE(read.Ok);
    EXPECT_TRUE(read.Data.Hours.empty());
    EXPECT_NE(read.Error.find(c.Error), std::string::npos) << read.Error;
  }
}

// A typical year patched from several years: February of a leap year without
// its 29th, as typical-year builders leave it.
TEST(WeatherFile, ReadsTmy3ColumnsByNameAndLeapFebruariesCut) {
  std::string text =
      "722780,\"PHOENIX, SKY HARBOR\",AZ,-7.0,33.450,-111.983,337\n"
      "Date (MM/DD/YYYY),Time (HH:MM),GHI (W/m^2),GHI source,DNI (W/m^2),DHI (W/m^2),Dry-bulb (C)\n";
  for (int month = 1; month <= 12; ++month)
    for (int day = 1; day <= kMonthDays[static_cast<std::size_t>(month - 1)]; ++day)
      for (int hour = 1; hour <= 24; ++hour) {
        const bool noon = hour == 13;
        const int diffuse = noon ? 90 : day == 1 ? -9900 : 0;
        char line[128];
        std::snprintf(line, sizeof line, "%02d/%02d/%d,%02d:00,%d,1,%d,%d,%d\n", month, day, month == 2 ? 2004 : 1999,
                      hour, noon ? 500 : 0, noon ? 700 : 0, diffuse, month);
        text += line;
      }
  const WeatherReadResult read = ReadWeatherText("phoenix.csv", text);
  ASSERT_TRUE(read.Ok) << read.Error;
  EXPECT_EQ(read.Data.Site.Place, "PHOENIX, SKY HARBOR");
  EXPECT_EQ(read.Data.Site.TimeZone, -7);
  EXPECT_EQ(read.Data.Site.Longitude, -111.983);
  ASSERT_EQ(read.Data.Hours.size(), 8760u);
  const WeatherHour& noon = read.Data.Hours[12];
  EXPECT_EQ(noon.GlobalHorizontal, 500);
  EXPECT_EQ(noon.DirectNormal, 700);
  EXPECT_EQ(noon.DiffuseHorizontal, 90);
  EXPECT_EQ(noon.DryBulb, 1);
  EXPECT_TRUE(std::isnan(read.Data.Hours[11].DiffuseHorizontal));  // -9900: missing
  const std::size_t firstRow = text.find("01/01/1999,01:00");
  text.replace(firstRow, 16, "01/01,01:00");
  EXPECT_NE(ReadWeatherText("phoenix.csv", text).Error.find("line 3: the date and time are not MM/DD/YYYY"),
            std::string::npos);
}

// The site's ranges include their ends: a pole and the date line are places.
TEST(WeatherFile, AcceptsTheEndsOfTheSiteRanges) {
  for (const auto& [latitude, longitude] : {std::pair{90.0, -180.0}, std::pair{-90.0, 180.0}}) {
    testing::MadeSite site;
    site.Latitude = latitude;
    site.Longitude = longitude;
    const WeatherReadResult read =
        ReadWeatherText("made.epw", MadeEpw(site, 2019, [](int, int, int) { return MadeHour{}; }));
    EXPECT_TRUE(read.Ok) << read.Error;
  }
}

}  // namespace kolvane
