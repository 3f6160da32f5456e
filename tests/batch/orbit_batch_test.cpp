// kolvane-batch orbit and creep --tip-history: the CSV files they write and
// their refusals, which are elastic's.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "batch/batch_main.h"
#include "batch_test_support.h"
#include "core/common/csv_file.h"
#include "core/creep/creep_run.h"
#include "core/diagrams/diagram_file.h"
#include "core/engine/finite_results.h"
#include "core/export/csv_tables.h"
#include "core/thermoelastic/daily_orbit.h"

namespace kolvane::batch {
namespace {

using kolvane::testing::FolderListing;
using kolvane::testing::ReadBytes;
using kolvane::testing::ScratchFolder;
using kolvane::testing::WriteBytes;

using testing::Result;
using testing::RunCommand;

const MainDataTexts kColumn{"120", "3.2", "3.6", "25", "32", "4", "2", "12", "6", "15", "1E-05"};

// The batch tests' column, with a creep function and its temperature factor.
void WriteColumn(const ScratchFolder& folder) {
  testing::WriteColumn(folder);
  WriteBytes(folder.File("concrete.dg6"), "0\t0\r\n.02\t1E-06\r\n1\t3E-06\r\n100\t4E-06\r\n");
  WriteBytes(folder.File("concrete.dg7"), "0\t0\r\n20\t60\r\n80\t100\r\n");
}

std::string CsvBytes(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

std::vector<OrbitPoint> CoreOrbit(const ScratchFolder& folder, double step) {
  SectionGrid diagrams;
  for (DiagramKind kind = 1; kind <= kRunDiagramCount; ++kind) {
    Diagram diagram;
    EXPECT_EQ(LoadDiagram(DiagramPath(Workspace(folder.Path()), "day", kind), diagram), DiagramLoadResult::Ok);
    diagrams.SetLoadedDiagram(kind, diagram);
  }
  return RunDailyOrbitOnLoadedDiagrams(diagrams, kColumn, step, 0).Points;
}

TEST(BatchOrbit, WritesTheOrbitAsCsv) {
  ScratchFolder folder;
  WriteColumn(folder);
  Result result = RunCommand({"orbit", "--folder", folder.Path(), "--diagrams", "day,day,day,day,day"});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "");
  const std::vector<OrbitPoint> hourly = CoreOrbit(folder, 1);
  ASSERT_EQ(hourly.size(), 25u);  // the default step is one hour
  EXPECT_EQ(result.out, LargestTipMovementText(hourly[*LargestTipMovement(hourly)]) + "\n" + folder.File("Orbit.csv") +
                            " was saved successfully.\n");
  EXPECT_EQ(ReadBytes(folder.File("Orbit.csv")), CsvBytes(OrbitCsvLines(hourly)));

  result = RunCommand({"orbit", "--folder", folder.Path(), "--diagrams=day,day,day,day,day", "--step", "0.25", "--out",
                       folder.File("quarter.csv")});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(ReadBytes(folder.File("quarter.csv")), CsvBytes(OrbitCsvLines(CoreOrbit(folder, 0.25))));

  result = RunCommand({"orbit", "--folder", folder.Path(), "--diagrams=day,day,day,day,day", "--out",
                       folder.File("no/such/Orbit.csv")});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, folder.File("no/such/Orbit.csv") + " could not be saved: No such file or directory\n");
}

// The checks orbit shares with elastic are tested there; these show that
// orbit makes them, and its own step's.
TEST(BatchOrbit, RefusalsAreElasticsAndChangeNoFile) {
  const struct {
    const char* name;
    std::vector<std::string> more;
    const char* mainData;  // nullptr: as written; "": no main.dat
    const char* error;
  } cases[] = {
      {"odd step",
       {"--diagrams", "day,day,day,day,day", "--step", "5"},
       nullptr,
       "kolvane-batch: --step takes one of 0.25, 0.5, 1, 2, 3, 4, not '5'(see)\n"},
      {"an hour",
       {"--diagrams", "day,day,day,day,day", "--hour", "3"},
       nullptr,
       "kolvane-batch: unknown option '--hour' for orbit (see kolvane-batch --help)\n"},
      {"no main data", {"--diagrams", "day,day,day,day,day"}, "", "main.dat was not found in "},
      {"no surface",
       {"--diagrams", "day,day,,day,day"},
       nullptr,
       "You haven't selected the Surface temperature diagram.\n"},
      {"a diagram nobody drew", {"--diagrams", "day,day,day,day,dya"}, nullptr, "dya.dg5 was not found in "},
      {"onto main.dat",
       {"--diagrams", "day,day,day,day,day", "--out", "@/main.dat"},
       nullptr,
       "The report cannot be written to "},
      {"step twice",
       {"--diagrams", "day,day,day,day,day", "--step", "1", "--step", "2"},
       nullptr,
       "kolvane-batch: --step"},
  };
  for (const auto& c : cases) {
    ScratchFolder folder;
    WriteColumn(folder);
    WriteBytes(folder.File("day.dg2"), "24\t14\r\n0\t12\r\n14\t26\r\n");  // would be repaired by a run
    if (c.mainData && *c.mainData == '\0') std::remove(folder.File("main.dat").c_str());
    if (c.mainData && *c.mainData != '\0') WriteBytes(folder.File("main.dat"), c.mainData);
    const std::string before = FolderListing(folder.Path()) + ReadBytes(folder.File("day.dg2"));
    std::vector<std::string> arguments{"orbit", "--folder", folder.Path()};
    for (std::string argument : c.more)  // "@/": in the column's folder
      arguments.push_back(argument.rfind("@/", 0) == 0 ? folder.File(argument.substr(2)) : argument);
    const Result result = RunCommand(arguments);
    EXPECT_EQ(result.status, 2) << c.name;
    std::string expected = c.error;
    if (const auto see = expected.find("(see)"); see != std::string::npos)
      expected.replace(see, 5, " (see kolvane-batch --help)");
    EXPECT_EQ(result.err.substr(0, expected.size()), expected) << c.name;
    EXPECT_EQ(result.out, "") << c.name;
    EXPECT_EQ(FolderListing(folder.Path()) + ReadBytes(folder.File("day.dg2")), before) << c.name;
  }
}

TEST(BatchOrbit, GoesToTheStandardOutputAndSaysWhenItIsNotFinite) {
  ScratchFolder folder;
  WriteColumn(folder);
  Result result = RunCommand({"orbit", "--folder", folder.Path(), "--diagrams", "day,day,day,day,day", "--out", "-"});
  ASSERT_EQ(result.status, 0) << result.err;
  const std::vector<OrbitPoint> hourly = CoreOrbit(folder, 1);
  EXPECT_EQ(result.out, CsvBytes(OrbitCsvLines(hourly)));  // the table alone; the message beside it
  EXPECT_EQ(result.err, LargestTipMovementText(hourly[*LargestTipMovement(hourly)]) + "\n");
  EXPECT_FALSE(std::ifstream(folder.File("Orbit.csv")).good());

  WriteBytes(folder.File("main.dat"), "120\r\n3.2\r\n3.6\r\n25\r\n32\r\n4\r\n2\r\n12\r\n6\r\n15\r\n1E+306\r\n");
  result = RunCommand({"orbit", "--folder", folder.Path(), "--diagrams", "day,day,day,day,day"});
  EXPECT_EQ(result.status, 3);
  EXPECT_EQ(result.err, std::string(kNonFiniteResultsMessage) + "\n");
  EXPECT_TRUE(std::ifstream(folder.File("Orbit.csv")).good());  // written all the same, as the report is
}

TEST(BatchCreep, TipHistoryTargetsAreCheckedBeforeTheRun) {
  const struct {
    const char* name;
    std::vector<std::string> more;
    const char* error;
  } cases[] = {
      {"onto the report", {"--tip-history", "@/Creep.txt"}, "kolvane-batch: "},
      {"onto the report by another name", {"--out", "@/r.txt", "--tip-history", "@/./r.txt"}, "kolvane-batch: "},
      {"onto main.dat", {"--tip-history", "@/main.dat"}, "The report cannot be written to "},
      {"both to the standard output", {"--out", "-", "--tip-history", "-"}, "kolvane-batch: only one file"},
      {"no name", {"--tip-history="}, "kolvane-batch: --tip-history needs a file name"},
  };
  for (const auto& c : cases) {
    ScratchFolder folder;
    WriteColumn(folder);
    const std::string before = FolderListing(folder.Path()) + ReadBytes(folder.File("main.dat"));
    std::vector<std::string> arguments = {
        "creep", "--folder",   folder.Path(),         "--from",  "1/1/2004", "--to",  "3/1/2004", "--step",
        "4",     "--diagrams", "day,day,day,day,day", "--creep", "concrete", "--phi", "concrete"};
    for (std::string argument : c.more)
      arguments.push_back(argument.rfind("@/", 0) == 0 ? folder.File(argument.substr(2)) : argument);
    const Result result = RunCommand(arguments);
    EXPECT_EQ(result.status, 2) << c.name;
    EXPECT_EQ(result.err.substr(0, std::string(c.error).size()), c.error) << c.name << ": " << result.err;
    EXPECT_EQ(FolderListing(folder.Path()) + ReadBytes(folder.File("main.dat")), before) << c.name;
  }
}

TEST(BatchCreep, TipHistoryIsWrittenBesideAnUnchangedReport) {
  ScratchFolder folder;
  WriteColumn(folder);
  const std::vector<std::string> run = {"creep",   "--folder",   folder.Path(), "--from",     "30/1/2004",
                                        "--to",    "5/2/2004",   "--step",      "2",          "--store-every",
                                        "3",       "--store-at", "14",          "--diagrams", "day,day,day,day,day",
                                        "--creep", "concrete",   "--phi",       "concrete"};
  ASSERT_EQ(RunCommand(run).status, 0);
  const std::string plainReport = ReadBytes(folder.File("Creep.txt"));

  std::vector<std::string> recording = run;
  recording.insert(recording.end(), {"--tip-history", folder.File("tips.csv")});
  const Result result = RunCommand(recording);
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_NE(result.out.find(folder.File("tips.csv") + " was saved successfully.\n"), std::string::npos);
  EXPECT_EQ(ReadBytes(folder.File("Creep.txt")), plainReport);

  // The same run in the core, recording.
  CreepRunInputs inputs;
  for (auto& month : inputs.MonthDiagrams) month.fill("day");
  inputs.CreepDiagram = inputs.TemperatureFactorDiagram = "concrete";
  inputs.TimeStep = 2;
  inputs.StartDay = 30, inputs.StartMonth = 1, inputs.StartYear = 2004;
  inputs.EndDay = 5, inputs.EndMonth = 2, inputs.EndYear = 2004;
  inputs.StoreEveryText = "3";
  inputs.StoreAtText = "14";
  inputs.RecordTipHistory = true;
  SectionGrid grid;
  std::vector<std::string> lines;
  ASSERT_EQ(RunCreep(grid, Workspace(folder.Path()), kColumn, inputs, {}, lines, 0).End, RunEnd::Completed);
  ASSERT_EQ(grid.TipHistory.size(), 7u);
  EXPECT_EQ(ReadBytes(folder.File("tips.csv")), CsvBytes(TipHistoryCsvLines(grid.TipHistory)));

  recording.back() = folder.File("no/such/tips.csv");
  const Result failed = RunCommand(recording);
  EXPECT_EQ(failed.status, 1);
  EXPECT_EQ(failed.err, folder.File("no/such/tips.csv") + " could not be saved: No such file or directory\n");
}

}  // namespace
}  // namespace kolvane::batch
