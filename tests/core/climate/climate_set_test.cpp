#include "core/climate/climate_set.h"

#include <gtest/gtest.h>

#include "core/climate/climate_diagrams.h"
#include "core/common/workspace.h"
#include "core/diagrams/diagram_file.h"
#include "core/support/climate_test_support.h"
#include "core/support/test_support.h"

namespace kolvane {
namespace {

TEST(ClimateSet, IsWrittenOnceAndReplacedOnlyWhenAskedKeepingTheOld) {
  testing::ScratchFolder folder;
  const Workspace workspace(folder.Path());
  const WeatherData data = ReadMadeWeather(MadeEpw({}, 2019, [](int, int, int) { return MadeHour{}; }));
  const std::vector<MonthDiagrams> months = {MakeMonthDiagrams(data, 7, DayType::Mean, {}, 0.3),
                                             MakeMonthDiagrams(data, 8, DayType::Mean, {}, 0.3)};
  const ClimateWriteResult first = WriteClimateSets(workspace, "Turin", months, false);
  ASSERT_TRUE(first.Ok) << first.Error;
  EXPECT_EQ(first.Written.size(), 10u);
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
  EXPECT_FALSE(refused.Ok);
  EXPECT_EQ(refused.Error, "The set Turin-07 exists already (Turin-07.dg1).");
  EXPECT_EQ(testing::FolderListing(folder.Path()), before);
  EXPECT_EQ(testing::ReadBytes(folder.File("Turin-08.dg3")), "mine\r\n");

  const ClimateWriteResult replaced = WriteClimateSets(workspace, "Turin", months, true);
  ASSERT_TRUE(replaced.Ok) << replaced.Error;
  EXPECT_EQ(replaced.Kept.size(), 10u);
  EXPECT_EQ(testing::ReadBytes(folder.File("Turin-08.dg3.bak")), "mine\r\n");
  EXPECT_FALSE(CheckClimateName("a/b").empty());
  WeatherSite unnamed;
  unnamed.Place = "unknown";
  unnamed.Latitude = 45;
  unnamed.Longitude = -8.25;
  EXPECT_EQ(ClimateNameFromSite(unnamed), "45N 8.25W");
  unnamed.Place = "Caselle: Torino";
  EXPECT_EQ(ClimateNameFromSite(unnamed), "Caselle_ Torino");
}

}  // namespace
}  // namespace kolvane
