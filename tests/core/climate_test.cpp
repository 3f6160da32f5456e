// The climate from a weather file: the sun, the readers and their refusals,
// the five diagrams of a month, the time check and the sets written.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "climate_test_support.h"
#include "core/climate/climate_diagrams.h"
#include "core/climate/climate_set.h"
#include "core/climate/sun_position.h"
#include "core/climate/time_check.h"
#include "core/climate/weather_file.h"
#include "core/creep/calendar.h"
#include "core/diagrams/diagram_file.h"
#include "test_support.h"

namespace kolvane {
namespace {

using testing::MadeEpw;
using testing::MadeHour;
using testing::MadeSite;

WeatherData Read(const std::string& text) {
  const WeatherReadResult read = ReadWeatherText("made.epw", text);
  EXPECT_TRUE(read.ok) << read.error;
  return read.data;
}

double YAt(const Diagram& diagram, double x) {
  for (const DiagramPoint& point : diagram.Points)
    if (point.X == x) return point.Y;
  ADD_FAILURE() << "no point at X " << x;
  return std::nan("");
}

// The published reference case of the solar position algorithm (NREL).
TEST(Sun, MatchesTheSolarPositionAlgorithmsReferenceCase) {
  const SunSite golden{39.742476, -105.1786, -7, 1830.14};
  struct Case {
    SunAir air;
    double zenith;
  };
  for (const Case& c : {Case{{820, 11}, 50.11162}, Case{{0, 11}, 50.12795}}) {
    const SunPosition sun = SunPositionAt(golden, 2003, 10, 17, 12 + 30 / 60.0 + 30 / 3600.0, c.air);
    ASSERT_TRUE(sun.ok);
    EXPECT_NEAR(sun.Azimuth, 194.34024, 0.02);
    EXPECT_NEAR(90 - sun.Altitude, c.zenith, 0.02) << "pressure " << c.air.PressureHectopascal;
  }
}

// A file whose values make every kind's formula a sum by hand: 20 degrees
// always, and sunshine (DNI 600, DHI 100, GHI 400) only in hour 13 (12 to 13).
TEST(MonthDiagrams, FollowTheFormulasOfEveryKind) {
  const WeatherData data = Read(MadeEpw({}, 2019, [](int, int, int hour) {
    return hour == 13 ? MadeHour{20, 400, 600, 100} : MadeHour{20, 0, 0, 0};
  }));
  const ClimateCoefficients c;  // 0.65, 17, 0.2, 8.3e-7
  const double wall = 0.3;
  for (DayType type : {DayType::Mean, DayType::Clear}) {
    const MonthDiagrams made = MakeMonthDiagrams(data, 6, type, c, wall);
    SCOPED_TRACE(DayTypeName(type));
    EXPECT_EQ(made.ExcessHour, 13);
    EXPECT_EQ(made.ClearDay, type == DayType::Clear ? 1 : 0);  // every day alike: the earliest
    const int sunDay = type == DayType::Clear ? 1 : 15;
    const double altitude = SunPositionAt({45, 15, 1, 0}, 2019, 6, sunDay, 12.5, StandardAirAt(0)).Altitude;
    EXPECT_GT(altitude, 60);

    EXPECT_EQ(YAt(made.Diagrams[1], 0.5), 20);
    EXPECT_EQ(YAt(made.Diagrams[1], 24), 20);
    auto faceOn = [](double sunAltitude) {
      return 600 * std::cos(sunAltitude * 3.14159265358979 / 180) + 100 / 2.0 + 0.2 * 400 / 2;
    };
    const double face = faceOn(altitude);
    // Mean: every day's sol-air value with that day's sun.
    double solAir = 0;
    for (int day = 1; day <= 30; ++day)
      solAir += 20 + 0.65 * faceOn(SunPositionAt({45, 15, 1, 0}, 2019, 6, day, 12.5, StandardAirAt(0)).Altitude) / 17;
    EXPECT_NEAR(YAt(made.Diagrams[2], 12.5), type == DayType::Mean ? solAir / 30 : 20 + 0.65 * face / 17, 1e-9);
    EXPECT_EQ(YAt(made.Diagrams[2], 11.5), 20);

    const double diffuse = 100 / 2.0 + 0.2 * 400 / 2;
    EXPECT_NEAR(YAt(made.Diagrams[3], 0), 100, 1e-9);
    EXPECT_NEAR(YAt(made.Diagrams[3], 90), 100 * diffuse / face, 1e-9);
    EXPECT_EQ(YAt(made.Diagrams[3], 90), YAt(made.Diagrams[3], 180));  // no direct light from 90 degrees on
    EXPECT_NEAR(YAt(made.Diagrams[3], 60),
                100 * (600 * std::cos(altitude * 3.14159265358979 / 180) * 0.5 + diffuse) / face, 1e-9);
    const double delta = std::sqrt(2 * 8.3e-7 / (2 * 3.14159265358979 / 86400));
    EXPECT_NEAR(delta, 0.151, 0.001);
    EXPECT_NEAR(YAt(made.Diagrams[4], 0), 100 * std::exp(-wall / delta), 1e-9);
    EXPECT_EQ(made.Diagrams[3].PointCount(), 37);

    // Kind 1 about noon (12 h here): the sun passes the South, 90 degrees from the East.
    EXPECT_GT(YAt(made.Diagrams[0], 12.5), 90);
    EXPECT_LT(YAt(made.Diagrams[0], 11.5), 90);
    EXPECT_EQ(YAt(made.Diagrams[0], 0), 0);
    EXPECT_EQ(YAt(made.Diagrams[0], 24), 180);
  }
}

// Hour h covers h - 1 to h and stands at X = h - 0.5; midnight is the mean of
// the first and the last hour. Missing values (99.9 degrees) are left out of
// the means; the leap year's February has 29 days.
TEST(MonthDiagrams, TakeTheirHoursMeansAndDaysFromTheFileAsItIs) {
  const WeatherData data = Read(MadeEpw({}, 2020, [](int month, int day, int hour) {
    const bool missing = month == 1 && day == 3 && hour == 5;
    return MadeHour{missing ? 99.9 : month == 2 ? day : hour, 0, 0, 0};
  }));
  ASSERT_EQ(data.Hours.size(), 8784u);
  const MonthDiagrams january = MakeMonthDiagrams(data, 1, DayType::Mean, {}, 0.3);
  EXPECT_EQ(YAt(january.Diagrams[1], 0.5), 1);
  EXPECT_EQ(YAt(january.Diagrams[1], 23.5), 24);
  EXPECT_EQ(YAt(january.Diagrams[1], 0), 12.5);
  EXPECT_EQ(YAt(january.Diagrams[1], 4.5), 5);  // 30 days of 5, the missing one left out
  EXPECT_EQ(january.Held[1].Count, 0);
  const MonthDiagrams february = MakeMonthDiagrams(data, 2, DayType::Mean, {}, 0.3);
  EXPECT_EQ(YAt(february.Diagrams[1], 10.5), 15);  // the mean of 1 to 29
}

TEST(MonthDiagrams, HoldValuesOutsideTheBoxAtItsEdgeAndCountThem) {
  const WeatherData data =
      Read(MadeEpw({}, 2019, [](int, int, int hour) { return MadeHour{hour < 3 ? -15.0 : 70.0}; }));
  const MonthDiagrams made = MakeMonthDiagrams(data, 4, DayType::Clear, {}, 0.3);
  EXPECT_EQ(YAt(made.Diagrams[1], 0.5), -10);
  EXPECT_EQ(YAt(made.Diagrams[1], 5.5), 60);
  EXPECT_EQ(made.Held[1].Count, 24);  // midnight, (70 - 15) / 2, lies inside
  EXPECT_EQ(made.Held[1].Largest, 10);
}

// North of the equator the bearing runs from the East towards the South;
// south of it, on the mirrored plan, towards the North: a June day at 45 N
// and a December day at 45 S give nearly the same diagram. Summer mornings
// and evenings put the sun north of the East-West line: held and counted.
TEST(MonthDiagrams, SunPositionIsMirroredSouthOfTheEquator) {
  auto sunny = [](int, int, int) { return MadeHour{20, 100, 100, 50}; };
  MadeSite north, south;
  south.latitude = -45;
  const MonthDiagrams june = MakeMonthDiagrams(Read(MadeEpw(north, 2019, sunny)), 6, DayType::Mean, {}, 0.3);
  const MonthDiagrams december = MakeMonthDiagrams(Read(MadeEpw(south, 2019, sunny)), 12, DayType::Mean, {}, 0.3);
  EXPECT_FALSE(june.Mirrored);
  EXPECT_TRUE(december.Mirrored);
  for (double x : {8.5, 10.5, 12.5, 14.5, 16.5})
    EXPECT_NEAR(YAt(june.Diagrams[0], x), YAt(december.Diagrams[0], x), 4) << x;
  EXPECT_LT(YAt(june.Diagrams[0], 9.5), YAt(june.Diagrams[0], 14.5));
  EXPECT_GT(june.HeldDaylight.Count, 0);
  EXPECT_EQ(june.HeldDaylight.Count, june.Held[0].Count);
  EXPECT_GT(june.HeldDaylight.Largest, 10);
  EXPECT_EQ(YAt(june.Diagrams[0], 5.5), 0);     // the sun up, north of East
  EXPECT_EQ(YAt(june.Diagrams[0], 19.5), 180);  // and north of West
}

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
  struct Case {
    std::string text, error;
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
  };
  for (const Case& c : cases) {
    const WeatherReadResult read = ReadWeatherText("made.epw", c.text);
    EXPECT_FALSE(read.ok);
    EXPECT_TRUE(read.data.Hours.empty());
    EXPECT_NE(read.error.find(c.error), std::string::npos) << read.error;
  }
  // A month missing, a date that does not exist, an hour of a month without any valid value.
  const std::string noFebruary = MadeEpw({}, 2019, [](int, int, int) { return MadeHour{}; });
  std::string cut =
      noFebruary.substr(0, noFebruary.find("2019,2,1,1,")) + noFebruary.substr(noFebruary.find("2019,3,1,1,"));
  EXPECT_NE(ReadWeatherText("m", cut).error.find("February is missing or incomplete"), std::string::npos);
  const std::string day29 = MadeEpw({}, 2020, [](int, int, int) { return MadeHour{}; });
  std::string notLeap = day29;
  for (std::size_t at = 0; (at = notLeap.find("2020,", at)) != std::string::npos;) notLeap.replace(at, 5, "2019,");
  EXPECT_NE(ReadWeatherText("m", notLeap).error.find("the date 29/2/2019 hour 1 does not exist"), std::string::npos);
  const std::string noMay3 =
      MadeEpw({}, 2019, [](int month, int, int hour) { return MadeHour{month == 5 && hour == 3 ? 99.9 : 20}; });
  EXPECT_EQ(ReadWeatherText("m", noMay3).error, "m: hour 3 of May has no valid dry-bulb temperature on any day.");
}

// A typical year patched from several years: February of a leap year without
// its 29th, as typical-year builders leave it.
TEST(WeatherFile, ReadsTmy3ColumnsByNameAndLeapFebruariesCut) {
  std::string text =
      "722780,\"PHOENIX, SKY HARBOR\",AZ,-7.0,33.450,-111.983,337\n"
      "Date (MM/DD/YYYY),Time (HH:MM),GHI (W/m^2),GHI source,DNI (W/m^2),DHI (W/m^2),Dry-bulb (C)\n";
  for (int month = 1; month <= 12; ++month)
    for (int day = 1; day <= MonthDays[static_cast<std::size_t>(month - 1)]; ++day)
      for (int hour = 1; hour <= 24; ++hour) {
        char line[128];
        std::snprintf(line, sizeof line, "%02d/%02d/%d,%02d:00,%d,1,%d,%d,%d\n", month, day, month == 2 ? 2004 : 1999,
                      hour, hour == 13 ? 500 : 0, hour == 13 ? 700 : 0,
                      hour == 13 ? 90
                      : day == 1 ? -9900
                                 : 0,
                      month);
        text += line;
      }
  const WeatherReadResult read = ReadWeatherText("phoenix.csv", text);
  ASSERT_TRUE(read.ok) << read.error;
  EXPECT_EQ(read.data.Site.Place, "PHOENIX, SKY HARBOR");
  EXPECT_EQ(read.data.Site.TimeZone, -7);
  EXPECT_EQ(read.data.Site.Longitude, -111.983);
  ASSERT_EQ(read.data.Hours.size(), 8760u);
  const WeatherHour& noon = read.data.Hours[12];
  EXPECT_EQ(noon.GlobalHorizontal, 500);
  EXPECT_EQ(noon.DirectNormal, 700);
  EXPECT_EQ(noon.DiffuseHorizontal, 90);
  EXPECT_EQ(noon.DryBulb, 1);
  EXPECT_TRUE(std::isnan(read.data.Hours[11].DiffuseHorizontal));  // -9900: missing
}

// The time check: a file stamped right is silent; one whose sunshine comes
// hours late or early is flagged with the shift that puts it right.
TEST(TimeCheck, FlagsFilesWhoseSunshinePeaksAwayFromTheSun) {
  for (double late : {0.0, 2.0}) {  // early: the satellite file below
    std::unique_ptr<SunDay> sun;
    const WeatherData data = Read(MadeEpw({}, 2019, [&](int month, int day, int hour) {
      if (hour == 1) sun = std::make_unique<SunDay>(SunSite{45, 15, 1, 0}, 2019, month, day);
      const double altitude = sun->At(hour - 0.5 - late).Altitude;
      return MadeHour{20, std::max(0.0, 800 * std::sin(altitude * 3.14159265358979 / 180)), 0, 0};
    }));
    const TimeCheck check = CheckWeatherTime(data);
    SCOPED_TRACE(late);
    EXPECT_NEAR(check.PeakOffsetHours, late, 0.1);
    EXPECT_EQ(check.Doubtful, late != 0);
    EXPECT_EQ(check.OfferedShiftHours, -late);
    WeatherData shifted = data;
    ShiftWeatherHours(shifted, check.OfferedShiftHours);
    EXPECT_FALSE(CheckWeatherTime(shifted).Doubtful);
  }
}

TEST(TimeCheck, FlagsTheSatelliteFileStampedNearUtc) {
  const std::string path = KOLVANE_SHARED_CLIMATE_DIR "/pvgis_45N_8E_tmy.epw";
  if (!std::filesystem::exists(path)) GTEST_SKIP() << path << " is not there (the shared weather data)";
  const WeatherReadResult read = ReadWeatherFile(path);
  ASSERT_TRUE(read.ok) << read.error;
  const TimeCheck check = CheckWeatherTime(read.data);
  EXPECT_EQ(check.Warning,
            "The sunshine in this file peaks 0.6 h before the sun's highest point: its hours may not be local "
            "standard time.");
  EXPECT_EQ(check.OfferedShiftHours, 0.5);
}

// Half an hour takes the mean of the two hours it falls between; the year is
// a ring.
TEST(TimeCheck, ShiftMovesValuesAlongTheYear) {
  WeatherData data = Read(MadeEpw({}, 2019, [](int month, int day, int hour) {
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

TEST(ClimateSet, IsWrittenOnceAndReplacedOnlyWhenAskedKeepingTheOld) {
  testing::ScratchFolder folder;
  const Workspace workspace(folder.Path());
  const WeatherData data = Read(MadeEpw({}, 2019, [](int, int, int) { return MadeHour{}; }));
  const std::vector<MonthDiagrams> months = {MakeMonthDiagrams(data, 7, DayType::Mean, {}, 0.3),
                                             MakeMonthDiagrams(data, 8, DayType::Mean, {}, 0.3)};
  const ClimateWriteResult first = WriteClimateSets(workspace, "Turin", months, false);
  ASSERT_TRUE(first.ok) << first.error;
  EXPECT_EQ(first.written.size(), 10u);
  EXPECT_EQ(ClimateSetMonths(workspace, "Turin"), (std::vector<int>{7, 8}));
  testing::WriteBytes(folder.File("Turin-13.dg1"), "");
  testing::WriteBytes(folder.File("Rome-7.dg1"), "");
  EXPECT_EQ(ListClimateNames(workspace), (std::vector<std::string>{"Turin"}));
  Diagram read;
  ASSERT_EQ(LoadDiagram(folder.File("Turin-07.dg2"), read), DiagramLoadResult::Ok);
  EXPECT_EQ(read, months[0].Diagrams[1]);

  testing::WriteBytes(folder.File("Turin-08.dg3"), "mine\r\n");
  const std::string before = testing::FolderListing(folder.Path());
  const ClimateWriteResult refused = WriteClimateSets(workspace, "Turin", months, false);
  EXPECT_FALSE(refused.ok);
  EXPECT_EQ(refused.error, "The set Turin-07 exists already (Turin-07.dg1).");
  EXPECT_EQ(testing::FolderListing(folder.Path()), before);
  EXPECT_EQ(testing::ReadBytes(folder.File("Turin-08.dg3")), "mine\r\n");

  const ClimateWriteResult replaced = WriteClimateSets(workspace, "Turin", months, true);
  ASSERT_TRUE(replaced.ok) << replaced.error;
  EXPECT_EQ(replaced.kept.size(), 10u);
  EXPECT_EQ(testing::ReadBytes(folder.File("Turin-08.dg3.bak")), "mine\r\n");
  EXPECT_EQ(ClimateSetName("Turin", 3), "Turin-03");
  EXPECT_FALSE(CheckClimateName("a/b").empty());
  WeatherSite unnamed;
  unnamed.Place = "unknown", unnamed.Latitude = 45, unnamed.Longitude = -8.25;
  EXPECT_EQ(ClimateNameFromSite(unnamed), "45N 8.25W");
  unnamed.Place = "Caselle: Torino";
  EXPECT_EQ(ClimateNameFromSite(unnamed), "Caselle_ Torino");
}

}  // namespace
}  // namespace kolvane
