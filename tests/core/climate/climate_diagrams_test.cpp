// The five diagrams of a month made from a weather file.
#include <gtest/gtest.h>

#include <cmath>

#include "core/climate/climate_diagrams.h"
#include "core/climate/sun_position.h"
#include "core/support/climate_test_support.h"
#include "core/support/test_support.h"

namespace kolvane {
namespace {

double YAt(const Diagram& diagram, double x) {
  for (const DiagramPoint& point : diagram.Points)
    if (point.X == x) return point.Y;
  ADD_FAILURE() << "no point at X " << x;
  return std::nan("");
}

// A file whose values make every kind's formula a sum by hand: 20 degrees
// always, and sunshine (DNI 600, DHI 100, GHI 400) only in hour 13 (12 to 13).
TEST(MonthDiagrams, FollowTheFormulasOfEveryKind) {
  const WeatherData data = ReadMadeWeather(MadeEpw({}, 2019, [](int, int, int hour) {
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
    auto faceOn = [](double sunAltitude) {
      return 600 * std::cos(sunAltitude * 3.14159265358979 / 180) + 100 / 2.0 + 0.2 * 400 / 2;
    };
    const double face = faceOn(altitude);
    // Mean: every day's sol-air value with that day's sun.
    double solAir = 0;
    for (int day = 1; day <= 30; ++day)
      solAir += 20 + 0.65 * faceOn(SunPositionAt({45, 15, 1, 0}, 2019, 6, day, 12.5, StandardAirAt(0)).Altitude) / 17;
    EXPECT_NEAR(YAt(made.Diagrams[2], 12.5), type == DayType::Mean ? solAir / 30 : 20 + 0.65 * face / 17, 1e-9);

    const double diffuse = 100 / 2.0 + 0.2 * 400 / 2;
    EXPECT_NEAR(YAt(made.Diagrams[3], 90), 100 * diffuse / face, 1e-9);
    EXPECT_EQ(YAt(made.Diagrams[3], 90), YAt(made.Diagrams[3], 180));  // no direct light from 90 degrees on
    EXPECT_NEAR(YAt(made.Diagrams[3], 60),
                100 * (600 * std::cos(altitude * 3.14159265358979 / 180) * 0.5 + diffuse) / face, 1e-9);
    const double delta = std::sqrt(2 * 8.3e-7 / (2 * 3.14159265358979 / 86400));
    EXPECT_NEAR(YAt(made.Diagrams[4], 0), 100 * std::exp(-wall / delta), 1e-9);
    EXPECT_EQ(made.Diagrams[3].PointCount(), 37);

    // Kind 1 with the sun down: held at 0 before noon and at 180 after.
    EXPECT_EQ(YAt(made.Diagrams[0], 0), 0);
    EXPECT_EQ(YAt(made.Diagrams[0], 24), 180);
  }
}

// Hour h covers h - 1 to h and stands at X = h - 0.5; midnight is the mean of
// the first and the last hour. Missing values (99.9 degrees) are left out of
// the means; the leap year's February has 29 days.
TEST(MonthDiagrams, TakeTheirHoursMeansAndDaysFromTheFileAsItIs) {
  const WeatherData data = ReadMadeWeather(MadeEpw({}, 2020, [](int month, int day, int hour) {
    const bool missing = month == 1 && day == 3 && hour == 5;
    return MadeHour{missing ? 99.9 : month == 2 ? day : hour, 0, 0, 0};
  }));
  const MonthDiagrams january = MakeMonthDiagrams(data, 1, DayType::Mean, {}, 0.3);
  for (double midnight : {0.0, 24.0}) EXPECT_EQ(YAt(january.Diagrams[1], midnight), 12.5);
  EXPECT_EQ(YAt(january.Diagrams[1], 4.5), 5);  // 30 days of 5, the missing one left out
  const MonthDiagrams february = MakeMonthDiagrams(data, 2, DayType::Mean, {}, 0.3);
  EXPECT_EQ(YAt(february.Diagrams[1], 10.5), 15);  // the mean of 1 to 29
}

// The months are made in the order asked, counted; a cancel before the last
// leaves nothing to write.
TEST(MonthDiagrams, AreMadeMonthByMonthAndACancelLeavesNone) {
  const WeatherData data = ReadMadeWeather(MadeEpw({}, 2019, [](int, int, int) { return MadeHour{}; }));
  testing::RecordingFeedback told;
  const auto made = MakeMonthsDiagrams(data, {3, 1, 7}, DayType::Mean, {}, 0.3, told);
  ASSERT_TRUE(made);
  ASSERT_EQ(made->size(), 3u);
  EXPECT_EQ((*made)[1].Month, 1);
  EXPECT_EQ(told.Statuses, (std::vector<std::string>{"Month 1 of 3", "Month 2 of 3", "Month 3 of 3"}));
  auto steps = testing::StepsBefore(3);
  steps.emplace_back(3, 3);
  EXPECT_EQ(told.Steps, steps);
  testing::RecordingFeedback stopping;
  stopping.CancelWhen = [](const testing::RecordingFeedback& f) { return f.Steps.size() == 2; };
  EXPECT_FALSE(MakeMonthsDiagrams(data, {3, 1, 7}, DayType::Mean, {}, 0.3, stopping));
}

TEST(MonthDiagrams, HoldValuesOutsideTheBoxAtItsEdgeAndCountThem) {
  const WeatherData data =
      ReadMadeWeather(MadeEpw({}, 2019, [](int, int, int hour) { return MadeHour{hour < 3 ? -15.0 : 70.0}; }));
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
  south.Latitude = -45;
  const MonthDiagrams june = MakeMonthDiagrams(ReadMadeWeather(MadeEpw(north, 2019, sunny)), 6, DayType::Mean, {}, 0.3);
  const MonthDiagrams december =
      MakeMonthDiagrams(ReadMadeWeather(MadeEpw(south, 2019, sunny)), 12, DayType::Mean, {}, 0.3);
  EXPECT_FALSE(june.Mirrored);
  EXPECT_TRUE(december.Mirrored);
  for (double x : {8.5, 10.5, 12.5, 14.5, 16.5})
    EXPECT_NEAR(YAt(june.Diagrams[0], x), YAt(december.Diagrams[0], x), 4) << x;
  EXPECT_EQ(june.HeldDaylight.Count, june.Held[0].Count);
  EXPECT_GT(june.HeldDaylight.Largest, 10);
  EXPECT_EQ(YAt(june.Diagrams[0], 5.5), 0);     // the sun up, north of East
  EXPECT_EQ(YAt(june.Diagrams[0], 19.5), 180);  // and north of West
}

}  // namespace
}  // namespace kolvane
