// The thermo-elastic run, its report, and the daily tip orbit made of its
// hours.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>

#include "core/common/latin1.h"
#include "core/common/number_text.h"
#include "core/engine/grid_memory.h"
#include "core/thermoelastic/daily_orbit.h"
#include "core/thermoelastic/elastic_report.h"
#include "core/thermoelastic/thermo_elastic_run.h"
#include "engine_test_support.h"
#include "test_support.h"

namespace kolvane {
namespace {

using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;

const RunDiagramNames kAllNamed{"day", "day", "day", "day", "day"};

std::uint64_t Bits(double value) { return std::bit_cast<std::uint64_t>(value); }

MainDataTexts Texts(const char* rings, const char* sectors, const char* slices) {
  return {"100", "1", "2", "25", "30", "2", rings, sectors, slices, "20", "1E-05"};
}

SectionGrid GridWithDiagrams() {
  SectionGrid grid;
  testing::LoadFlatDiagrams(grid, 90, 15, 35);
  grid.SetLoadedDiagram(4, Diagram{{{0, 100}, {180, 0}}});
  grid.SetLoadedDiagram(5, Diagram{{{0, 40}, {180, 0}}});
  return grid;
}

// Every refusal before a run, in the order they are made; a refused run
// leaves the grid as it was.
TEST(ThermoElasticRun, RefusalsComeInOrderAndChangeNothing) {
  const std::string tooLarge = "The grid is too large for this computer: " +
                               std::to_string((ThermoElasticBytesNeeded(9999, 9999, 9999) + (1 << 20) - 1) >> 20) +
                               " MB needed, 1024 MB available.";
  const struct {
    const char* hour;
    RunDiagramNames chosen;
    bool huge;            // 9999 x 9999 x 9999 blocks, 1 GB free
    std::string message;  // empty: the run may start
  } cases[] = {
      {"0", kAllNamed, false, ""},
      {"24", kAllNamed, false, ""},
      {"", kAllNamed, false, ""},  // an empty box reads as 0
      {"24.5", kAllNamed, false, "The hour you selected is invalid: it must be from 0 to 24 h."},
      {"-1", kAllNamed, false, "The hour you selected is invalid: it must be from 0 to 24 h."},
      {"12", {"day", "day", "", "day", ""}, false, "You haven't selected the Surface temperature diagram."},
      {"12", {"", "", "", "", ""}, false, "You haven't selected the Sun position diagram."},
      {"12",
       {"day", "day", "day", "day", ""},
       false,
       "You haven't selected the Internal temperature variation diagram."},
      {"25",
       {"", "day", "day", "day", "day"},
       true,
       "The hour you selected is invalid: it must be from 0 to 24 h."},  // the hour first
      {"12", kAllNamed, true, tooLarge},
  };
  SectionGrid grid = GridWithDiagrams();
  ASSERT_EQ(RunThermoElasticOnLoadedDiagrams(grid, Texts("2", "3", "4"), "12", 0).End, RunEnd::Completed);
  const double tip = grid.TipY;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    const MainDataTexts texts = c.huge ? Texts("9999", "9999", "9999") : Texts("2", "3", "4");
    EXPECT_EQ(CheckThermoElasticRun(texts, {c.chosen, c.hour}, 1ull << 30).value_or(""), c.message) << c.hour;
    if (c.chosen == kAllNamed && !c.message.empty())  // the run makes the same checks
      EXPECT_EQ(RunThermoElasticOnLoadedDiagrams(grid, texts, c.hour, 1ull << 30).Message, c.message);
  }
  EXPECT_EQ(grid.I, 2);
  EXPECT_EQ(grid.TipY, tip);
  EXPECT_FALSE(GridTooLargeMessage(100, 0));                          // unknown: not refused
  EXPECT_FALSE(GridTooLargeMessage(100, 100));                        // exactly fits
  EXPECT_LT(ThermoElasticBytesNeeded(100, 3600, 1000), 64ull << 20);  // section and height add, not multiply
}

// The feedback: one step per stage and per group of slices of the check; a
// cancel before any step stops the run, which otherwise ends as without it.
TEST(ThermoElasticRun, ProgressCountsTheStepsAndCancelStopsAtAnyOfThem) {
  const MainDataTexts column = Texts("2", "12", "600");  // three groups of slices in the check
  const std::int64_t total = 7 + 3;
  SectionGrid plain = GridWithDiagrams();
  ASSERT_EQ(RunThermoElasticOnLoadedDiagrams(plain, column, "12", 0).End, RunEnd::Completed);
  for (std::int64_t stopAt : {std::int64_t{-1}, std::int64_t{0}, std::int64_t{7}, total - 1}) {
    SCOPED_TRACE(stopAt);
    SectionGrid grid = GridWithDiagrams();
    testing::RecordingFeedback feedback;
    feedback.CancelWhen = [stopAt](const testing::RecordingFeedback& f) {
      return static_cast<std::int64_t>(f.Steps.size()) == stopAt;
    };
    const ThermoElasticOutcome outcome = RunThermoElasticOnLoadedDiagrams(grid, column, "12", 0, feedback);
    auto expected = testing::StepsBefore(total);  // none after the cancel
    if (stopAt >= 0) expected.resize(static_cast<std::size_t>(stopAt));
    EXPECT_EQ(feedback.Steps, expected);
    EXPECT_EQ(outcome.End, stopAt < 0 ? RunEnd::Completed : RunEnd::Cancelled);
    if (outcome.End == RunEnd::Completed) EXPECT_EQ(Bits(grid.TipY), Bits(plain.TipY));
  }
}

// The run opens its five diagrams by name; a refused run opens none, and one
// that cannot be used ends it before the grid is touched.
TEST(ThermoElasticRun, OpensItsDiagramsByName) {
  ScratchFolder folder;
  WriteBytes(folder.File("day.dg1"), "0\t90\r\n24\t90\r\n");
  WriteBytes(folder.File("day.dg2"), "0\t15\r\n24\t15\r\n");
  WriteBytes(folder.File("day.dg3"), "0\t35\r\n24\t35\r\n");
  WriteBytes(folder.File("day.dg4"), "0\t100\r\n180\t0\r\n");
  WriteBytes(folder.File("day.dg5"), "0\t40\r\n180\t0\r\n");
  WriteBytes(folder.File("broken.dg3"), "0\t1E400\r\n24\t10\r\n");
  WriteBytes(folder.File("unsorted.dg2"), "24\t15\r\n0\t15\r\n");
  const Workspace workspace(folder.Path());
  testing::RecordingFeedback feedback;
  const std::vector<std::string>& incidents = feedback.Incidents;

  SectionGrid byName;
  ASSERT_EQ(RunThermoElastic(byName, workspace, Texts("2", "3", "4"), {kAllNamed, "12"}, feedback, 0).End,
            RunEnd::Completed);
  SectionGrid loaded = GridWithDiagrams();
  ASSERT_EQ(RunThermoElasticOnLoadedDiagrams(loaded, Texts("2", "3", "4"), "12", 0).End, RunEnd::Completed);
  EXPECT_EQ(Bits(byName.TipY), Bits(loaded.TipY));

  RunDiagramNames names = kAllNamed;
  names[1] = "unsorted";
  SectionGrid refused;
  EXPECT_EQ(RunThermoElastic(refused, workspace, Texts("2", "3", "4"), {names, "30"}, feedback, 0).End,
            RunEnd::Refused);
  EXPECT_EQ(ReadBytes(folder.File("unsorted.dg2")), "24\t15\r\n0\t15\r\n");  // a repair it would make is not made
  EXPECT_TRUE(incidents.empty());

  names = kAllNamed;
  names[2] = "broken";
  SectionGrid stopped;
  EXPECT_EQ(RunThermoElastic(stopped, workspace, Texts("2", "3", "4"), {names, "12"}, feedback, 0).End,
            RunEnd::Stopped);
  EXPECT_EQ(incidents, (std::vector<std::string>{"LoadDiagram reported a critical error for broken.\nbroken.dg3 could "
                                                 "not be read: line 1 holds a number out of range."}));
  EXPECT_EQ(stopped.I, 0);  // nothing was copied in

  // So does the daily orbit, checking its step before it opens any diagram.
  feedback.Incidents.clear();
  EXPECT_EQ(RunDailyOrbit(workspace, Texts("2", "3", "4"), names, 0.3, feedback, 0).Message,
            "The step of the orbit must be 0.25, 0.5, 1, 2, 3 or 4 hours.");
  EXPECT_TRUE(incidents.empty());
  EXPECT_EQ(RunDailyOrbit(workspace, Texts("2", "3", "4"), names, 1, feedback, 0).End, RunEnd::Stopped);
}

TEST(ElasticReport, WarningsFollowTheirHeadingAndLinesMatchInEveryAccess) {
  SectionGrid grid = GridWithDiagrams();
  ASSERT_EQ(RunThermoElasticOnLoadedDiagrams(grid, Texts("2", "5", "3"), "10", 0).End, RunEnd::Completed);
  EXPECT_TRUE(grid.EquationErrors.empty());
  grid.EquationErrors = {"Caution! FE, Slice : 1 , LHS =1 , RHS =2", "Caution! Y-ME, Slice : 3 , LHS =0 , RHS =1"};
  const ElasticReport report(grid);
  std::vector<std::string> lines;
  report.ForEachLine([&](std::string_view line) { lines.emplace_back(line); });
  ASSERT_EQ(static_cast<std::int64_t>(lines.size()), report.LineCount());
  for (std::int64_t n = 0; n <= report.LineCount(); ++n)
    EXPECT_EQ(report.Line(n), n < report.LineCount() ? lines[n] : "");
  const auto heading = std::find(lines.begin(), lines.end(), ">> Verifying Equation Accuracy...");
  ASSERT_LT(heading + 4, lines.end());
  EXPECT_EQ(std::vector<std::string>(heading + 1, heading + 5),
            (std::vector<std::string>{">> Equation accuracy errors detected :", grid.EquationErrors[0],
                                      grid.EquationErrors[1], ">> Calculating Deflections..."}));
}

TEST(Latin1, SingleBytesForLatin1AndQuestionMarksForTheRest) {
  const std::pair<std::string, std::string> cases[] = {
      {"m²", "m\xB2"}, {"ÿ", "\xFF"}, {"€", "?"}, {"a\xC3", "a?"}, {"\xFF\xFE", "??"}, {"😀x", "?x"},
  };
  for (const auto& [utf8, latin1] : cases) EXPECT_EQ(Latin1FromUtf8(utf8), latin1) << utf8;
}

// A summer day: the sun from East (hour 6) to West (hour 18), air and
// surface warmest at 14, the outer face warmed most where the sun looks.
SectionGrid SummerDay() {
  SectionGrid d;
  d.SetLoadedDiagram(1, Diagram{{{0, 0}, {6, 0}, {12, 90}, {18, 180}, {24, 180}}});
  d.SetLoadedDiagram(2, Diagram{{{0, 14}, {14, 28}, {24, 16}}});
  d.SetLoadedDiagram(3, Diagram{{{0, 14}, {14, 50}, {24, 16}}});
  d.SetLoadedDiagram(4, Diagram{{{0, 100}, {90, 25}, {180, 0}}});
  d.SetLoadedDiagram(5, Diagram{{{0, 30}, {90, 5}, {180, 0}}});
  return d;
}

// The orbit counts its hours done; a cancel leaves no points, on any number of threads.
TEST(DailyOrbit, CountsItsHoursAndACancelLeavesNoPoints) {
  const SectionGrid diagrams = SummerDay();
  for (unsigned threads : {1u, 2u}) {
    SCOPED_TRACE(threads);
    testing::RecordingFeedback told;
    ASSERT_EQ(RunDailyOrbitOnLoadedDiagrams(diagrams, Texts("2", "3", "4"), 3, 0, threads, told).End,
              RunEnd::Completed);
    auto expected = testing::StepsBefore(9);  // hours 0, 3, ... 24
    expected.emplace_back(9, 9);
    EXPECT_EQ(told.Steps, expected);
    testing::RecordingFeedback stopping;
    stopping.CancelWhen = [](const testing::RecordingFeedback& f) { return f.Steps.size() > 4; };
    const OrbitOutcome cancelled =
        RunDailyOrbitOnLoadedDiagrams(diagrams, Texts("2", "3", "4"), 3, 0, threads, stopping);
    EXPECT_EQ(cancelled.End, RunEnd::Cancelled);
    EXPECT_TRUE(cancelled.Points.empty());
    EXPECT_LT(stopping.Steps.size(), expected.size());
  }
}

TEST(DailyOrbit, EveryHourEqualsTheThermoElasticRunBitForBit) {
  const struct {
    const char *rings, *sectors, *slices;
    double step;
    unsigned threads;
  } cases[] = {{"2", "3", "4", 0.25, 1}, {"4", "72", "100", 1, 0}, {"1", "5", "1", 3, 2}};
  const SectionGrid diagrams = SummerDay();
  for (const auto& c : cases) {
    const MainDataTexts column = Texts(c.rings, c.sectors, c.slices);
    const OrbitOutcome orbit = RunDailyOrbitOnLoadedDiagrams(diagrams, column, c.step, 0, c.threads);
    ASSERT_EQ(orbit.End, RunEnd::Completed) << orbit.Message;
    ASSERT_EQ(orbit.Points.size(), static_cast<std::size_t>(24 / c.step) + 1);
    for (std::size_t n = 0; n < orbit.Points.size(); ++n) {
      const OrbitPoint& point = orbit.Points[n];
      EXPECT_EQ(point.Hour, c.step * static_cast<double>(n));  // each point at its own hour, in order
      SectionGrid grid = diagrams;
      ASSERT_EQ(RunThermoElasticOnLoadedDiagrams(grid, column, NumberText(point.Hour), 0).End, RunEnd::Completed);
      SCOPED_TRACE(std::string(c.sectors) + " sectors, hour " + NumberText(point.Hour));
      EXPECT_EQ(Bits(point.TipX), Bits(grid.TipX));
      EXPECT_EQ(Bits(point.TipY), Bits(grid.TipY));
      EXPECT_EQ(Bits(point.TipZ), Bits(grid.TipZ));
      EXPECT_EQ(Bits(point.SunPosition), Bits(grid.SunPosition));
    }
  }
}

TEST(DailyOrbit, LargestTipMovementIsTheFarthestFromTheAxisInPlan) {
  const std::vector<OrbitPoint> points{{0, 0, 1, 1, 0}, {6, 0, -3, 4, 0}, {12, 0, 0, -4.5, 0}, {18, 0, 4, -3, 0}};
  const auto largest = LargestTipMovement(points);
  ASSERT_TRUE(largest);
  EXPECT_EQ(*largest, 1u);  // 5 m, the first of the two at 5 m
  EXPECT_EQ(LargestTipMovementText(points[*largest]), "Largest tip movement : 5 m at 6 h");
  EXPECT_EQ(LargestTipMovementText({14.25, 0, 0, .012, 0}), "Largest tip movement : .012 m at 14.25 h");
  // Finite movements too large or too small for a sum of squares.
  EXPECT_EQ(LargestTipMovementText({1, 0, 3E+160, 4E+160, 0}), "Largest tip movement : 5E+160 m at 1 h");
  EXPECT_EQ(LargestTipMovementText({1, 0, 3E-170, 4E-170, 0}), "Largest tip movement : 5E-170 m at 1 h");
  EXPECT_FALSE(LargestTipMovement({}));
}

}  // namespace
}  // namespace kolvane
