#include "core/thermoelastic/thermo_elastic_run.h"

#include <gtest/gtest.h>

#include "core/engine/grid_memory.h"
#include "core/support/bits.h"
#include "core/support/engine_test_support.h"
#include "core/support/test_support.h"
#include "core/thermoelastic/daily_orbit.h"

namespace kolvane {
namespace {

using testing::Bits;
using testing::ColumnTexts;
using testing::GridWithDiagrams;

const RunDiagramNames kAllNamed{"day", "day", "day", "day", "day"};

// Every refusal before a run, in the order they are made; a refused run
// leaves the grid as it was.
TEST(ThermoElasticRun, RefusalsComeInOrderAndChangeNothing) {
  const std::string tooLarge = "The grid is too large for this computer: " +
                               std::to_string((ThermoElasticBytesNeeded(9999, 9999, 9999) + (1 << 20) - 1) >> 20) +
                               " MB needed, 1024 MB available.";
  const struct {
    const char* Hour;
    RunDiagramNames Chosen;
    bool Huge;            // 9999 x 9999 x 9999 blocks, 1 GB free
    std::string Message;  // empty: the run may start
  } cases[] = {
      {"0", kAllNamed, false, ""},
      {"24", kAllNamed, false, ""},
      {"24.5", kAllNamed, false, "The hour you selected is invalid: it must be from 0 to 24 h."},
      {"-1", kAllNamed, false, "The hour you selected is invalid: it must be from 0 to 24 h."},
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
  ASSERT_EQ(RunThermoElasticOnLoadedDiagrams(grid, ColumnTexts("2", "3", "4"), "12", 0).End, RunEnd::Completed);
  const double tip = grid.TipY;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Message);
    const MainDataTexts texts = c.Huge ? ColumnTexts("9999", "9999", "9999") : ColumnTexts("2", "3", "4");
    EXPECT_EQ(CheckThermoElasticRun(texts, {c.Chosen, c.Hour}, 1ull << 30).value_or(""), c.Message) << c.Hour;
    if (c.Chosen == kAllNamed && !c.Message.empty())  // the run makes the same checks
      EXPECT_EQ(RunThermoElasticOnLoadedDiagrams(grid, texts, c.Hour, 1ull << 30).Message, c.Message);
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
  const MainDataTexts column = ColumnTexts("2", "12", "600");  // three groups of slices in the check
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

// A refused run opens none of its diagrams, and one that cannot be used ends
// it before the grid is touched. (That the diagrams named are the ones used,
// the report comparison with the independent calculation shows.)
TEST(ThermoElasticRun, OpensItsDiagramsByName) {
  ScratchFolder folder;
  testing::WriteDayAndConcrete(folder);
  WriteBytes(folder.File("broken.dg3"), "0\t1E400\r\n24\t10\r\n");
  WriteBytes(folder.File("unsorted.dg2"), "24\t15\r\n0\t15\r\n");
  const Workspace workspace(folder.Path());
  testing::RecordingFeedback feedback;
  const std::vector<std::string>& incidents = feedback.Incidents;

  RunDiagramNames names = kAllNamed;
  names[1] = "unsorted";
  SectionGrid refused;
  EXPECT_EQ(RunThermoElastic(refused, workspace, ColumnTexts("2", "3", "4"), {names, "30"}, feedback, 0).End,
            RunEnd::Refused);
  EXPECT_EQ(ReadBytes(folder.File("unsorted.dg2")), "24\t15\r\n0\t15\r\n");  // a repair it would make is not made
  EXPECT_TRUE(incidents.empty());

  names = kAllNamed;
  names[2] = "broken";
  SectionGrid stopped;
  EXPECT_EQ(RunThermoElastic(stopped, workspace, ColumnTexts("2", "3", "4"), {names, "12"}, feedback, 0).End,
            RunEnd::Stopped);
  EXPECT_EQ(incidents, (std::vector<std::string>{"LoadDiagram reported a critical error for broken.\nbroken.dg3 could "
                                                 "not be read: line 1 holds a number out of range."}));
  EXPECT_EQ(stopped.I, 0);  // nothing was copied in

  // So does the daily orbit, checking its step before it opens any diagram.
  feedback.Incidents.clear();
  EXPECT_EQ(RunDailyOrbit(workspace, ColumnTexts("2", "3", "4"), names, 0.3, feedback, 0).Message,
            "The step of the orbit must be 0.25, 0.5, 1, 2, 3 or 4 hours.");
  EXPECT_TRUE(incidents.empty());
  EXPECT_EQ(RunDailyOrbit(workspace, ColumnTexts("2", "3", "4"), names, 1, feedback, 0).End, RunEnd::Stopped);
}

}  // namespace
}  // namespace kolvane
