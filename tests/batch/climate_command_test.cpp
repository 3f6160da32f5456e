#include <gtest/gtest.h>

#include <functional>

#include "batch/support/batch_test_support.h"
#include "core/support/climate_test_support.h"

namespace kolvane::batch {
namespace {

using kolvane::testing::MadeEpw;
using kolvane::testing::MadeHour;
using namespace kolvane::batch::testing;

// The batch column and a year's weather file.
void WriteClimateColumn(const ScratchFolder& folder) {
  WriteColumn(folder);
  WriteBytes(folder.File("site.epw"), MadeEpw({}, 2019, [](int, int, int) { return MadeHour{}; }));
}

std::vector<std::string> Climate(const ScratchFolder& folder, const std::vector<std::string>& more = {}) {
  return With({"climate", "--folder", folder.Path(), "--weather", folder.File("site.epw")}, more);
}
std::vector<std::string> ClimateCreep(const ScratchFolder& folder, const std::vector<std::string>& more = {}) {
  return With({"creep", "--folder", folder.Path(), "--from", "20/1/2004", "--to", "10/3/2004", "--step", "2", "--creep",
               "concrete", "--phi", "concrete"},
              more);
}

TEST(BatchClimate, RefusalsLeaveTheFolderAsItWas) {
  const struct {
    const char* Name;
    ArgumentMaker Arguments;
    std::string Err;
    std::function<void(const ScratchFolder&)> Prepare = nullptr;
  } cases[] = {
      {"no weather file", [](const ScratchFolder&) { return std::vector<std::string>{"climate"}; },
       "climate needs --weather"},
      {"day type", Call(Climate, {"--day", "sunny"}), "--day takes mean or clear, not 'sunny'"},
      {"month", Call(Climate, {"--month", "13"}), "--month takes a month from 1 to 12 or all, not '13'"},
      {"month twice", Call(Climate, {"--month", "1", "--month", "2"}), "--month is given twice"},
      {"a number with more after it", Call(Climate, {"--absorptance", "0.6x"}),
       "--absorptance takes one number, not '0.6x'"},
      {"a coefficient out of range", Call(Climate, {"--reflectance", "1.5"}),
       "The ground reflectance must lie from 0 to 1."},
      {"a quarter-hour shift", Call(Climate, {"--shift-hours", "0.25"}), "--shift-hours takes whole or half hours"},
      {"a flag with a value", Call(Climate, {"--replace=yes"}), "--replace takes no value"},
      {"a name no diagram can have", Call(Climate, {"--name", "a/b"}), "cannot name a diagram"},
      {"a weather file refused", Call(Climate, {}), "site.epw: not a weather file",
       [](const ScratchFolder& f) { WriteBytes(f.File("site.epw"), "hello\nworld\n"); }},
      {"a set that exists", Call(Climate, {"--name", "day", "--month", "3"}), "(day-03.dg2).\nGive --replace",
       [](const ScratchFolder& f) { WriteBytes(f.File("day-03.dg2"), "0\t1\r\n"); }},
      {"creep: climate beside diagrams", Call(ClimateCreep, {"--climate", "site", "--diagrams", "day,day,day,day,day"}),
       "--climate gives every month its diagrams: leave out --diagrams and --month"},
      {"creep: a month reached without its set", Call(ClimateCreep, {"--climate", "site"}),
       "The climate site has no set for February, which the dates reach: site-02.dg1 to .dg5 are not all in",
       [](const ScratchFolder& f) {
         for (const DiagramKind kind : kTemperatureKinds) WriteBytes(f.File("site-01.dg" + std::to_string(kind)), "");
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    ScratchFolder folder;
    WriteClimateColumn(folder);
    if (c.Prepare) c.Prepare(folder);
    const std::string before = FolderState(folder);
    const Result result = RunCommand(c.Arguments(folder));
    EXPECT_EQ(result.Status, 2);
    EXPECT_EQ(result.Out, "");
    EXPECT_NE(result.Err.find(c.Err), std::string::npos) << result.Err;
    EXPECT_EQ(FolderState(folder), before);
  }
}

// The sets made from the file drive a creep run; a month the dates never
// reach needs no set. A set that exists is replaced when asked.
TEST(BatchClimate, MakesTheSetsThatACreepRunTakesMonthByMonth) {
  ScratchFolder folder;
  WriteClimateColumn(folder);
  const Result made = RunCommand(Climate(folder, {"--month", "2", "--day", "clear"}));
  ASSERT_EQ(made.Status, 0) << made.Err;
  EXPECT_EQ(made.Out.substr(0, made.Out.find('\n')),  // the site line, whose format only this checks
            "Testville, Region, Country: latitude 45 N, longitude 15 E, time zone UTC+1, elevation 0 m.");
  EXPECT_NE(made.Out.find("Testville-02: February, clear day 1/2;"), std::string::npos) << made.Out;
  EXPECT_NE(made.Out.find("Made 5 diagrams in "), std::string::npos);
  ASSERT_EQ(RunCommand(Climate(folder, {"--name", "site", "--month", "all"})).Status, 0);
  std::filesystem::remove(folder.File("site-12.dg1"));

  const Result run = RunCommand(ClimateCreep(folder, {"--climate", "site"}));
  EXPECT_EQ(run.Status, 0) << run.Err;
  const Result replaced = RunCommand(Climate(folder, {"--name", "site", "--month", "5", "--replace"}));
  EXPECT_EQ(replaced.Status, 0) << replaced.Err;
}

}  // namespace
}  // namespace kolvane::batch
