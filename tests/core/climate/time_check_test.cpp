#include "core/climate/time_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>

#include "core/climate/sun_position.h"
#include "core/climate/weather_file.h"
#include "core/support/climate_test_support.h"

namespace kolvane {

// The time check: a file stamped right is silent; one whose sunshine comes
// hours late or early is flagged with the shift that puts it right.
TEST(TimeCheck, FlagsFilesWhoseSunshinePeaksAwayFromTheSun) {
  for (double late : {0.0, 2.0}) {  // early: the satellite file below
    std::unique_ptr<SunDay> sun;
    const WeatherData data = ReadMadeWeather(MadeEpw({}, 2019, [&](int month, int day, int hour) {
      if (hour == 1) sun = std::make_unique<SunDay>(SunSite{45, 15, 1, 0}, 2019, month, day);
      const double altitude = sun->At(hour - 0.5 - late).Altitude;
      return MadeHour{20, std::max(0.0, 800 * std::sin(altitude * 3.14159265358979 / 180)), 0, 0};
    }));
    const TimeCheck check = CheckWeatherTime(data);
    SCOPED_TRACE(late);
    EXPECT_NEAR(check.PeakOffsetHours, late, 0.1);
    EXPECT_EQ(check.Doubtful, late != 0);
    EXPECT_EQ(check.OfferedShiftHours, -late);
  }
}

TEST(TimeCheck, FlagsTheSatelliteFileStampedNearUtc) {
  const std::string path = KOLVANE_SHARED_CLIMATE_DIR "/pvgis_45N_8E_tmy.epw";
  if (!std::filesystem::exists(path)) GTEST_SKIP() << path << " is not there (the shared weather data)";
  const WeatherReadResult read = ReadWeatherFile(path);
  ASSERT_TRUE(read.Ok) << read.Error;
  const TimeCheck check = CheckWeatherTime(read.Data);
  EXPECT_EQ(check.Warning,
            "The sunshine in this file peaks 0.6 h before the sun's highest point: its hours may not be local "
            "standard time.");
  EXPECT_EQ(check.OfferedShiftHours, 0.5);
}

// Half an hour takes the mean of the two hours it falls between; the year is
// a ring.
TEST(TimeCheck, ShiftMovesValuesAlongTheYear) {
  WeatherData data = ReadMadeWeather(MadeEpw({}, 2019, [](int month, int day, int hour) {
    return MadeHour{month == 1 && day == 1 ? hour : month == 12 && day == 31 && hour == 24 ? 50.0 : 0.0};
  }));
  WeatherData whole = data, half = data;
  ShiftWeatherHours(whole, 1);
  ShiftWeatherHours(half, -0.5);
  EXPECT_EQ(whole.Hours[0].DryBulb, 50);  // 31/12 hour 24 came round
  EXPECT_EQ(whole.Hours[5].DryBulb, 5);
  EXPECT_EQ(half.Hours[5].DryBulb, 6.5);
  EXPECT_EQ(half.Hours[8759].DryBulb, 25.5);
  EXPECT_FALSE(IsWeatherShift(0.25));
  EXPECT_FALSE(IsWeatherShift(13));
  EXPECT_TRUE(IsWeatherShift(-1.5));
}

}  // namespace kolvane
