// The thermo-elastic run and its report.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/common/latin1.h"
#include "core/engine/grid_memory.h"
#include "core/thermoelastic/elastic_report.h"
#include "core/thermoelastic/thermo_elastic_run.h"
#include "engine_test_support.h"
#include "test_support.h"

namespace kolvane {
namespace {

using testing::ScratchFolder;
using testing::WriteBytes;

// The rows chosen, each named "day" or left empty.
RunDiagramNames Named(const std::array<bool, kRunDiagramCount>& chosen) {
  RunDiagramNames names;
  for (std::size_t n = 0; n < names.size(); ++n) names[n] = chosen[n] ? "day" : "";
  return names;
}
const RunDiagramNames kAllNamed = Named({true, true, true, true, true});

MainDataTexts Texts(const char* rings, const char* sectors, const char* slices) {
  return {"100", "1", "2", "25", "30", "2", rings, sectors, slices, "20", "1E-05"};
}

TEST(ThermoElasticInputs, HourAndDiagramChecks) {
  struct Case {
    const char* hour;
    std::array<bool, kRunDiagramCount> chosen;
    const char* message;  // nullptr: the run may start
  } cases[] = {
      {"0", {true, true, true, true, true}, nullptr},
      {"24", {true, true, true, true, true}, nullptr},
      {"", {true, true, true, true, true}, nullptr},  // an empty box reads as 0
      {"24.5", {true, true, true, true, true}, "The hour you selected is invalid."},
      {"-1", {true, true, true, true, true}, "The hour you selected is invalid."},
      {"12", {true, true, false, true, false}, "You haven't selected the Surface temperature diagram."},
      {"12", {false, false, false, false, false}, "You haven't selected the Sun position diagram."},
      {"12", {true, true, true, true, false}, "You haven't selected the Internal temperature variation diagram."},
      {"25", {false, true, true, true, true}, "The hour you selected is invalid."},  // the hour comes first
  };
  for (const auto& c : cases) {
    const auto message = CheckThermoElasticInputs({Named(c.chosen), c.hour});
    if (c.message == nullptr) {
      EXPECT_FALSE(message) << c.hour;
    } else {
      EXPECT_EQ(message.value_or("(none)"), c.message) << c.hour;
    }
  }
}

SectionGrid GridWithDiagrams() {
  SectionGrid grid;
  testing::LoadFlatDiagrams(grid, 90, 15, 35);
  grid.SetLoadedDiagram(4, Diagram{{{0, 100}, {180, 0}}});
  grid.SetLoadedDiagram(5, Diagram{{{0, 40}, {180, 0}}});
  return grid;
}

TEST(ThermoElasticRun, SmallGridReportHasSeventyLinesWithTheirBlanks) {
  SectionGrid grid = GridWithDiagrams();
  ASSERT_EQ(RunThermoElasticOnLoadedDiagrams(grid, Texts("2", "3", "4"), "12", 0).End, RunEnd::Completed);
  const ElasticReport report(grid);
  ASSERT_EQ(report.LineCount(), 70);
  EXPECT_EQ(report.Line(0), ">> Main Data...");
  EXPECT_EQ(report.Line(1), "Time :12 hours.");
  EXPECT_EQ(report.Line(7), "Unit Load :25 KN/m³.");
  EXPECT_EQ(report.Line(9), "Coefficient of thermal expansion :1E-05 1/oC.");
  EXPECT_EQ(report.Line(10), "Number Of Rings :2");
  EXPECT_EQ(report.Line(13), ">> Calculating Geometry...");
  EXPECT_EQ(report.Line(14).rfind("Ring 1 , Block Area :", 0), 0u);
  EXPECT_EQ(report.Line(16), "Sector 1 , Angle :60 degrees.");
  // Block (1, 2) sits at 180 degrees, mid-radius 1.25: X = -1.25.
  EXPECT_EQ(report.Line(20).rfind("Block ( 1, 2 ) , X :-1.25 m , Y :", 0), 0u);
  EXPECT_EQ(report.Line(25), ">> Preliminary Calculations...");
  EXPECT_EQ(report.Line(26), "Concrete Area :9.42477796076937 m².");  // 3 pi
  EXPECT_EQ(report.Line(29), ">> Calculating Temperatures...");
  EXPECT_EQ(report.Line(30), "Sun Position :90 degrees.");
  EXPECT_EQ(report.Line(45), ">> Calculating Free Thermal Strains...");
  EXPECT_EQ(report.Line(52), ">> Calculating Curvatures...");
  EXPECT_EQ(report.Line(53).rfind("Slice ( 1 ) , Eo :", 0), 0u);
  EXPECT_EQ(report.Line(61).rfind("Slice ( 1 ) , Ky :", 0), 0u);
  // No warnings: the deflections follow the check at once.
  EXPECT_EQ(report.Line(65), ">> Verifying Equation Accuracy...");
  EXPECT_EQ(report.Line(66), ">> Calculating Deflections...");
  EXPECT_EQ(report.Line(68).rfind("Y - Deflection :", 0), 0u);
  EXPECT_EQ(report.Line(70), "");  // past the end
}

TEST(ThermoElasticRun, ColumnBendsAwayFromTheSun) {
  // Sun at 90 degrees (the +Y side) warms that side: the tip moves to -Y.
  SectionGrid grid = GridWithDiagrams();
  ASSERT_EQ(RunThermoElasticOnLoadedDiagrams(grid, Texts("3", "36", "10"), "13", 0).End, RunEnd::Completed);
  EXPECT_LT(grid.TipY, 0);
  EXPECT_NEAR(grid.TipX, 0, 1e-9 * std::fabs(grid.TipY));
}

TEST(ThermoElasticRun, UniformTemperatureGivesNoCurvature) {
  SectionGrid grid = GridWithDiagrams();
  testing::LoadFlatDiagrams(grid, 45, 27, 27);  // surface as warm as the air
  ASSERT_EQ(RunThermoElasticOnLoadedDiagrams(grid, Texts("2", "24", "5"), "8", 0).End, RunEnd::Completed);
  for (int k = 1; k <= 5; ++k) {
    EXPECT_NEAR(grid.Kx[k], 0, 1e-18);  // rounding in the sums of sines and cosines
    EXPECT_NEAR(grid.Ky[k], 0, 1e-18);
  }
  EXPECT_NEAR(grid.TipX, 0, 1e-15);
  EXPECT_NEAR(grid.TipY, 0, 1e-15);
  // 7 degrees above the reference: free expansion 7E-05, less the force.
  EXPECT_NEAR(grid.Eo[4], 7e-5 - 2 / (1000 * 30 * grid.ConcreteArea), 1e-15);
}

TEST(ThermoElasticRun, RefusedRunsLeaveTheGridAsItWas) {
  SectionGrid grid = GridWithDiagrams();
  const ThermoElasticOutcome ran = RunThermoElasticOnLoadedDiagrams(grid, Texts("2", "3", "4"), "12", 0);
  ASSERT_EQ(ran.End, RunEnd::Completed);
  const double tip = grid.TipY;

  auto outcome = RunThermoElasticOnLoadedDiagrams(grid, Texts("5", "6", "7"), "30", 0);
  EXPECT_EQ(outcome.End, RunEnd::Refused);
  EXPECT_EQ(outcome.Message, "The hour you selected is invalid.");

  // 9999 x 9999 blocks need about 6 GB; pretend 1 GB is free.
  outcome = RunThermoElasticOnLoadedDiagrams(grid, Texts("9999", "9999", "9999"), "12", 1ull << 30);
  EXPECT_EQ(outcome.End, RunEnd::Refused);
  EXPECT_EQ(outcome.Message, "The grid is too large for this computer: " +
                                 std::to_string((ThermoElasticBytesNeeded(9999, 9999, 9999) + (1 << 20) - 1) >> 20) +
                                 " MB needed, 1024 MB available.");
  EXPECT_EQ(grid.I, 2);
  EXPECT_EQ(grid.TipY, tip);
}

// The progress hook: one step per stage and per group of slices of the check,
// counted up to the total; a stop at any step ends the run cancelled, and a
// run that goes on to the end
// gives the report a run without the hook gives.
TEST(ThermoElasticRun, ProgressCountsTheStepsAndCancelStopsAtAnyOfThem) {
  const MainDataTexts column = Texts("2", "12", "600");  // three groups of slices in the check
  const std::int64_t total = 7 + 3;
  SectionGrid plain = GridWithDiagrams();
  ASSERT_EQ(RunThermoElasticOnLoadedDiagrams(plain, column, "12", 0).End, RunEnd::Completed);
  const ElasticReport expected(plain);

  for (std::int64_t stopAt :
       {std::int64_t{-1}, std::int64_t{0}, std::int64_t{5}, std::int64_t{7}, std::int64_t{8}, total - 1}) {
    SCOPED_TRACE(stopAt);
    SectionGrid grid = GridWithDiagrams();
    std::vector<std::int64_t> steps;
    const ThermoElasticOutcome outcome =
        RunThermoElasticOnLoadedDiagrams(grid, column, "12", 0, [&](std::int64_t done, std::int64_t all) {
          EXPECT_EQ(all, total);
          steps.push_back(done);
          return done != stopAt;
        });
    std::vector<std::int64_t> expectedSteps;
    for (std::int64_t n = 0; n < total && (n == 0 || n - 1 != stopAt); ++n) expectedSteps.push_back(n);
    EXPECT_EQ(steps, expectedSteps);
    EXPECT_EQ(outcome.End, stopAt < 0 ? RunEnd::Completed : RunEnd::Cancelled);
    EXPECT_TRUE(outcome.Message.empty());
    if (outcome.End == RunEnd::Completed) {
      const ElasticReport report(grid);
      ASSERT_EQ(report.LineCount(), expected.LineCount());
      for (std::int64_t line = 0; line < report.LineCount(); ++line)
        ASSERT_EQ(report.Line(line), expected.Line(line)) << line;
    }
  }
}

TEST(ThermoElasticRun, RefusalsBeforeARunAreTheRunsOwn) {
  EXPECT_EQ(CheckThermoElasticRun(Texts("2", "3", "4"), {kAllNamed, "30"}, 0), "The hour you selected is invalid.");
  EXPECT_EQ(CheckThermoElasticRun(Texts("2", "3", "4"), {kAllNamed, "12"}, 0), std::nullopt);
  SectionGrid grid = GridWithDiagrams();
  EXPECT_EQ(CheckThermoElasticRun(Texts("9999", "9999", "9999"), {kAllNamed, "12"}, 1ull << 30),
            RunThermoElasticOnLoadedDiagrams(grid, Texts("9999", "9999", "9999"), "12", 1ull << 30).Message);
}

// The run opens its five diagrams by name, as the creep run does: what it
// computes on is what the files hold, repaired; a diagram that cannot be used
// ends it, said through the incident hook, before the grid is touched.
TEST(ThermoElasticRun, OpensItsDiagramsByName) {
  ScratchFolder folder;
  WriteBytes(folder.File("day.dg1"), "0\t90\r\n24\t90\r\n");
  WriteBytes(folder.File("day.dg2"), "0\t15\r\n24\t15\r\n");
  WriteBytes(folder.File("day.dg3"), "0\t35\r\n24\t35\r\n");
  WriteBytes(folder.File("day.dg4"), "0\t100\r\n180\t0\r\n");
  WriteBytes(folder.File("day.dg5"), "0\t40\r\n180\t0\r\n");
  WriteBytes(folder.File("broken.dg3"), "0\t1E400\r\n24\t10\r\n");
  const Workspace workspace(folder.Path());
  std::vector<std::string> incidents;
  const ThermoElasticHooks hooks{{}, [&](DiagramIncident, const std::string& m) { incidents.push_back(m); }};

  SectionGrid byName;
  ASSERT_EQ(RunThermoElastic(byName, workspace, Texts("2", "3", "4"), {kAllNamed, "12"}, hooks, 0).End,
            RunEnd::Completed);
  SectionGrid loaded = GridWithDiagrams();
  ASSERT_EQ(RunThermoElasticOnLoadedDiagrams(loaded, Texts("2", "3", "4"), "12", 0).End, RunEnd::Completed);
  for (DiagramKind kind = 1; kind <= kRunDiagramCount; ++kind)
    EXPECT_EQ(byName.LoadedDiagram(kind), loaded.LoadedDiagram(kind)) << kind;
  EXPECT_EQ(ElasticReport(byName).Line(60), ElasticReport(loaded).Line(60));
  EXPECT_TRUE(incidents.empty());

  // A refused run opens nothing: a diagram it would repair stays as it is.
  WriteBytes(folder.File("unsorted.dg2"), "24\t15\r\n0\t15\r\n");
  RunDiagramNames names = kAllNamed;
  names[1] = "unsorted";
  SectionGrid refused;
  EXPECT_EQ(RunThermoElastic(refused, workspace, Texts("2", "3", "4"), {names, "30"}, hooks, 0).End, RunEnd::Refused);
  EXPECT_EQ(testing::ReadBytes(folder.File("unsorted.dg2")), "24\t15\r\n0\t15\r\n");
  EXPECT_TRUE(incidents.empty());

  names = kAllNamed;
  names[2] = "broken";
  SectionGrid stopped;
  const ThermoElasticOutcome outcome =
      RunThermoElastic(stopped, workspace, Texts("2", "3", "4"), {names, "12"}, hooks, 0);
  EXPECT_EQ(outcome.End, RunEnd::Stopped);
  EXPECT_EQ(incidents, (std::vector<std::string>{"LoadDiagram reported a critical error for broken."}));
  EXPECT_EQ(stopped.I, 0);  // nothing was copied in
}

TEST(GridMemory, GrowsWithTheSectionAndTheHeightNotTheirProduct) {
  const auto section = ThermoElasticBytesNeeded(100, 3600, 1) - ThermoElasticBytesNeeded(100, 3600, 0);
  EXPECT_LT(ThermoElasticBytesNeeded(100, 3600, 1000), 64ull << 20);  // well under 1 GB
  EXPECT_LT(section, 1024u);
  EXPECT_GT(ThermoElasticBytesNeeded(9999, 9999, 1), 8ull * 9999 * 9999 * 8 - 1);
  EXPECT_FALSE(GridTooLargeMessage(100, 0));    // unknown: not refused
  EXPECT_FALSE(GridTooLargeMessage(100, 100));  // exactly fits
  EXPECT_EQ(GridTooLargeMessage(3u << 20, 2u << 20).value_or(""),
            "The grid is too large for this computer: 3 MB needed, 2 MB available.");
}

TEST(ElasticReport, WarningsFollowTheirHeadingAndLinesMatchInEveryAccess) {
  SectionGrid grid = GridWithDiagrams();
  ASSERT_EQ(RunThermoElasticOnLoadedDiagrams(grid, Texts("2", "5", "3"), "10", 0).End, RunEnd::Completed);
  grid.EquationErrors = {"Caution! FE, Slice : 1 , LHS =1 , RHS =2", "Caution! Y-ME, Slice : 3 , LHS =0 , RHS =1"};
  const ElasticReport report(grid);
  std::vector<std::string> sequential;
  report.ForEachLine([&](std::string_view line) { sequential.emplace_back(line); });
  ASSERT_EQ(static_cast<std::int64_t>(sequential.size()), report.LineCount());
  for (std::int64_t n = 0; n < report.LineCount(); ++n) EXPECT_EQ(report.Line(n), sequential[n]) << n;
  const auto heading = std::find(sequential.begin(), sequential.end(), ">> Verifying Equation Accuracy...");
  ASSERT_NE(heading, sequential.end());
  EXPECT_EQ(heading[1], ">> Equation accuracy errors detected :");
  EXPECT_EQ(heading[2], grid.EquationErrors[0]);
  EXPECT_EQ(heading[3], grid.EquationErrors[1]);
  EXPECT_EQ(heading[4], ">> Calculating Deflections...");
}

TEST(ElasticReport, SavedAsLatin1WithCrLfReplacingTheOldFile) {
  testing::ScratchFolder folder;
  const std::string path = folder.File("Elastic.txt");
  testing::WriteBytes(path, "an older report, longer than the new one would be if it were kept at all\r\n");
  SectionGrid grid = GridWithDiagrams();
  ASSERT_EQ(RunThermoElasticOnLoadedDiagrams(grid, Texts("1", "3", "1"), "6", 0).End, RunEnd::Completed);
  const ElasticReport report(grid);
  ASSERT_TRUE(SaveElasticReport(report, path).ok);
  std::string expected;
  report.ForEachLine([&](std::string_view line) { expected += Latin1FromUtf8(line) + "\r\n"; });
  const std::string saved = testing::ReadBytes(path);
  EXPECT_EQ(saved, expected);
  EXPECT_NE(saved.find("Unit Load :25 KN/m\xB3.\r\n"), std::string::npos);
  EXPECT_NE(saved.find(" m\xB2.\r\n"), std::string::npos);
  EXPECT_EQ(testing::FolderListing(folder.Path()), "Elastic.txt;");
}

TEST(ElasticReport, FailedSaveGivesTheReasonAndLeavesNothing) {
  testing::ScratchFolder folder;
  SectionGrid grid = GridWithDiagrams();
  ASSERT_EQ(RunThermoElasticOnLoadedDiagrams(grid, Texts("1", "3", "1"), "6", 0).End, RunEnd::Completed);
  const WriteResult result = SaveElasticReport(ElasticReport(grid), folder.File("missing/Elastic.txt"));
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.reason, "No such file or directory");
  EXPECT_EQ(testing::FolderListing(folder.Path()), "");
}

TEST(Latin1, SingleBytesForLatin1AndQuestionMarksForTheRest) {
  const std::pair<std::string, std::string> cases[] = {
      {"plain", "plain"},
      {"m²", "m\xB2"},
      {"KN/m³ °C",
       "KN/m\xB3 \xB0"
       "C"},
      {"ÿ", "\xFF"},
      {"€", "?"},          // beyond Latin-1
      {"a\xC3", "a?"},     // cut short
      {"\xFF\xFE", "??"},  // not UTF-8 at all
      {"😀x", "?x"},
  };
  for (const auto& [utf8, latin1] : cases) EXPECT_EQ(Latin1FromUtf8(utf8), latin1) << utf8;
}

}  // namespace
}  // namespace kolvane
