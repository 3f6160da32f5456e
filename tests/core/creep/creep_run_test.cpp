// The creep run: its checks, the days it walks, the profiles and tip history
// it stores, how it ends early, and a column creeping evenly.
#include "core/creep/creep_run.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <functional>

#include "core/creep/calendar.h"
#include "core/diagrams/diagram_file.h"
#include "core/diagrams/diagram_kinds.h"
#include "core/engine/section_grid.h"
#include "core/support/bits.h"
#include "core/support/engine_test_support.h"
#include "core/support/test_support.h"

namespace kolvane {
namespace {

using testing::Bits;

TEST(CreepDates, ExistAndLieWithinTheRunsYears) {
  const std::pair<CalendarDate, CreepDateCheck> cases[] = {
      {{29, 2, 2000}, CreepDateCheck::Valid},        {{29, 2, 2100}, CreepDateCheck::DoesNotExist},
      {{31, 4, 2001}, CreepDateCheck::DoesNotExist}, {{31, 12, 2100}, CreepDateCheck::Valid},
      {{1, 1, 2000}, CreepDateCheck::Valid},         {{1, 13, 2001}, CreepDateCheck::DoesNotExist},
      {{0, 1, 2001}, CreepDateCheck::DoesNotExist},  {{31, 12, 1999}, CreepDateCheck::OutsideYears},
      {{1, 1, 2101}, CreepDateCheck::OutsideYears}};
  for (const auto& [date, check] : cases) EXPECT_EQ(CheckCreepDate(date), check) << FormatDate(date);
}

TEST(CreepStoreTexts, EveryTakesWholeDaysAndTheHourOneDecimalPoint) {
  for (const auto& [text, every, hour] :
       std::initializer_list<std::tuple<const char*, bool, bool>>{{"", true, true},
                                                                  {"999999", true, true},
                                                                  {"1234567", false, false},
                                                                  {"1.2.3", false, false},
                                                                  {"12.500", false, true},
                                                                  {"12.5000", false, false},
                                                                  {" 3", false, false}}) {
    EXPECT_EQ(IsStoreFieldText(text), every) << text;
    EXPECT_EQ(IsStoreHourText(text), hour) << text;
  }
}

// 2 rings, 12 sectors, 6 slices: small enough for runs of many days.
const MainDataTexts kColumn = testing::ColumnTexts("2", "12", "6");

CreepRunInputs Inputs(const CalendarDate& from, const CalendarDate& to, const std::string& every = "",
                      const std::string& at = "", double step = 4, const char* diagrams = "day") {
  CreepRunInputs in;
  for (auto& month : in.MonthDiagrams) month.fill(diagrams);
  in.CreepDiagram = in.TemperatureFactorDiagram = "concrete";
  in.TimeStep = step;
  in.StartDate = ChoiceOf(from);
  in.EndDate = ChoiceOf(to);
  in.StoreEveryText = every;
  in.StoreAtText = at;
  return in;
}

struct RunResult {
  CreepOutcome Outcome;
  SectionGrid Grid;
  std::vector<std::string> Results, Statuses, Incidents;
  std::vector<std::pair<std::int64_t, std::int64_t>> Steps;  // days done, of the run's
};

class CreepRun : public ::testing::Test {
 protected:
  CreepRun() { testing::WriteDayAndConcrete(folder_); }

  // The run is asked before every day whether to stop: on day n with n - 1
  // days told.
  RunResult RunWith(const CreepRunInputs& inputs, const MainDataTexts& mainData = kColumn, std::int32_t cancelOnDay = 0,
                    std::uint64_t availableBytes = 0, const std::function<void(std::int32_t day)>& onDay = {}) {
    RunResult run;
    testing::RecordingFeedback told;
    told.CancelWhen = [&](const testing::RecordingFeedback& sofar) {
      const auto day = static_cast<std::int32_t>(sofar.Steps.size()) + 1;
      if (onDay) onDay(day);
      return day == cancelOnDay;
    };
    run.Outcome = RunCreep(run.Grid, Workspace(folder_.Path()), mainData, inputs, told, run.Results, availableBytes, 2);
    run.Statuses = std::move(told.Statuses);
    run.Incidents = std::move(told.Incidents);
    run.Steps = std::move(told.Steps);
    return run;
  }

  ScratchFolder folder_;
};

// Each row spoils one more input, checked before every one spoiled so far:
// its message is the one given.
TEST_F(CreepRun, InputChecksComeInOrderAndChangeNothing) {
  using Spoil = void (*)(CreepRunInputs&);
  const std::pair<Spoil, const char*> cases[] = {
      {[](CreepRunInputs& in) { in.StoreAtText = "-1"; },
       "The time of the day for the storing of the deflection profiles is invalid: it must be from 0 to 24 h."},
      {[](CreepRunInputs& in) { in.StoreAtText = "25"; },
       "The time of the day for the storing of the deflection profiles is invalid: it must be from 0 to 24 h."},
      {[](CreepRunInputs& in) { in.EndDate.Day = 10; },
       "The ending date cannot be earlier than or equal to the starting date."},
      {[](CreepRunInputs& in) { in.StartDate.Month = 2; }, "The ending date cannot be earlier than the starting date."},
      {[](CreepRunInputs& in) { in.EndDate.Day = 32; }, "The ending date 32/1/2001 does not exist."},
      {[](CreepRunInputs& in) { in.StartDate.Year = 1999; },
       "The starting date 10/2/1999 is outside the years 2000 to 2100."},
      {[](CreepRunInputs& in) { in.EndDate.Year.reset(); }, "You haven't set the ending year."},
      {[](CreepRunInputs& in) { in.EndDate.Month.reset(); }, "You haven't set the ending month."},
      {[](CreepRunInputs& in) { in.EndDate.Day.reset(); }, "You haven't set the ending day."},
      {[](CreepRunInputs& in) { in.StartDate.Year.reset(); }, "You haven't set the starting year."},
      {[](CreepRunInputs& in) { in.StartDate.Month.reset(); }, "You haven't set the starting month."},
      {[](CreepRunInputs& in) { in.StartDate.Day.reset(); }, "You haven't set the starting day."},
      {[](CreepRunInputs& in) { in.TimeStep = 5; }, "You haven't set the time interval."},
      {[](CreepRunInputs& in) { in.TimeStep.reset(); }, "You haven't set the time interval."},
      {[](CreepRunInputs& in) { in.TemperatureFactorDiagram = ""; },
       "The Normalised temperature (Phi) diagram is not valid."},
      {[](CreepRunInputs& in) { in.CreepDiagram = ""; }, "The Normalised creep (t*) diagram is not valid."},
      {[](CreepRunInputs& in) { in.MonthDiagrams[0][4] = "  "; },
       "The Internal temperature variation diagram is not valid."},
      {[](CreepRunInputs& in) { in.MonthDiagrams[3][0] = ""; }, "The Sun position diagram is not valid."},
  };
  CreepRunInputs inputs = Inputs({10, 1, 2001}, {12, 1, 2001});
  for (const auto& [spoil, message] : cases) {
    spoil(inputs);
    const RunResult run = RunWith(inputs);
    EXPECT_EQ(run.Outcome.End, RunEnd::Refused);
    EXPECT_EQ(run.Outcome.Message, message);
    EXPECT_EQ(run.Grid.I, 0);  // nothing was copied in
    EXPECT_TRUE(run.Steps.empty());
  }
  // The limits themselves pass: a profile hour of 24, a run of two days.
  EXPECT_EQ(CheckCreepInputs(Inputs({31, 12, 2000}, {1, 1, 2001}, "3", "24", 0.25)), std::nullopt);
}

// Memory is counted before anything runs: the creep store of every
// block-slice, the profiles kept, a whole tile of slices.
TEST_F(CreepRun, AGridTooLargeIsRefusedBeforeAnythingRuns) {
  const RunResult run =
      RunWith(Inputs({1, 1, 2001}, {2, 1, 2001}), testing::ColumnTexts("9999", "9999", "9999"), 0, 8ull << 30);
  EXPECT_EQ(run.Outcome.End, RunEnd::Refused);
  EXPECT_EQ(run.Outcome.Message.rfind("The grid is too large for this computer: ", 0), 0u) << run.Outcome.Message;
  EXPECT_EQ(run.Grid.I, 0);
  EXPECT_GT(CreepBytesNeeded(9999, 9999, 9999, 96, 1), 9999ull * 9999 * 9999 * 8);
  EXPECT_GT(CreepBytesNeeded(4, 72, 9999, 96, 36890) - CreepBytesNeeded(4, 72, 9999, 96, 1), 36889ull * 10000 * 3 * 8);
  const std::uint64_t blocks = 9999ull * 9999;
  EXPECT_GE(CreepBytesNeeded(9999, 9999, 1, 96, 1), blocks * 8 * (8 + 2));
  EXPECT_LT(CreepBytesNeeded(9999, 9999, 8, 96, 1) - CreepBytesNeeded(9999, 9999, 1, 96, 1), 10000u);
  EXPECT_GT(CreepBytesNeeded(9999, 9999, 9, 96, 1) - CreepBytesNeeded(9999, 9999, 8, 96, 1), blocks * 8 * 8);
}

// Every day is walked and told; the tip recorded at the end of each equals,
// bit for bit, the profile a run storing one every day stores then, and
// recording it changes neither the report nor the creep.
TEST_F(CreepRun, WalksEveryDayAndRecordsTheTipAsAProfileWouldHaveIt) {
  const CalendarDate from{30, 12, 2000}, to{3, 1, 2001};
  const RunResult daily = RunWith(Inputs(from, to, "1", "14"));
  CreepRunInputs inputs = Inputs(from, to, "2", "14");
  const RunResult plain = RunWith(inputs);
  inputs.RecordTipHistory = true;
  const RunResult run = RunWith(inputs);
  EXPECT_EQ(run.Steps, testing::StepsBefore(5));
  EXPECT_EQ(run.Statuses, (std::vector<std::string>{"Calculating date : 30/12/2000", "Calculating date : 31/12/2000",
                                                    "Storing deflections : 31/12/2000", "Calculating date : 1/1/2001",
                                                    "Calculating date : 2/1/2001", "Storing deflections : 2/1/2001",
                                                    "Calculating date : 3/1/2001"}));
  EXPECT_EQ(run.Outcome.Message.substr(0, run.Outcome.Message.find('\r')),
            "Calculation is completed. 5 days were calculated.");
  EXPECT_EQ(run.Results, plain.Results);
  EXPECT_EQ(run.Grid.CreepStrain, plain.Grid.CreepStrain);
  EXPECT_TRUE(plain.Grid.TipHistory.empty());
  ASSERT_EQ(run.Grid.TipHistory.size(), 5u);
  for (std::size_t d = 0; d < 5; ++d) {
    const TipSample& sample = run.Grid.TipHistory[d];
    const DeflectionProfile& profile = daily.Grid.Profiles[d];
    EXPECT_EQ(FormatDate(sample.Day, sample.Month, sample.Year), profile.DateText);
    EXPECT_EQ((std::array{Bits(sample.TipX), Bits(sample.TipY), Bits(sample.TipZ)}),
              (std::array{Bits(profile.TipX), Bits(profile.TipY), Bits(profile.TipZ)}));
  }
  EXPECT_NE(run.Grid.TipHistory.front().TipZ, run.Grid.TipHistory.back().TipZ);  // creep moved the tip
}

TEST_F(CreepRun, CancelEmptiesTheListAndKeepsTheProfilesSoFar) {
  const RunResult run = RunWith(Inputs({1, 1, 2001}, {10, 1, 2001}, "1", "14"), kColumn, 3);
  EXPECT_EQ(run.Outcome.End, RunEnd::Cancelled);
  EXPECT_TRUE(run.Results.empty());
  EXPECT_EQ(run.Steps.size(), 2u);  // the third day never started
  ASSERT_EQ(run.Grid.Profiles.size(), 2u);
  EXPECT_EQ(run.Grid.Profiles[1].DateText, "2/1/2001");
}

// February's surface temperature cannot be used when the run reaches it: the
// run stops at 1 February, says which file and why, and creates nothing.
TEST_F(CreepRun, ADiagramThatCannotBeUsedWhenItsMonthComesEndsTheRun) {
  const std::string february = folder_.File("feb.dg3");
  WriteBytes(february, "0\t12\r\n24\t14\r\n");
  CreepRunInputs inputs = Inputs({30, 1, 2001}, {3, 2, 2001}, "1");
  inputs.MonthDiagrams[1][2] = "feb";
  const RunResult run = RunWith(inputs, kColumn, 0, 0, [&](std::int32_t day) {
    if (day == 2) std::filesystem::remove(february);  // on the last day of January
  });
  EXPECT_EQ(run.Outcome.End, RunEnd::Stopped);
  EXPECT_TRUE(run.Results.empty());
  EXPECT_EQ(run.Steps.size(), 2u);  // 1 February never started
  EXPECT_EQ(run.Incidents, (std::vector<std::string>{"LoadDiagram reported a critical error for feb.\nfeb.dg3 "
                                                     "could not be read: No such file or directory."}));
  EXPECT_FALSE(std::filesystem::exists(february));  // no default diagram
  EXPECT_FALSE(std::filesystem::exists(february + ".bak"));
}

// The run opens its month's diagrams on the month's first day: a diagram
// rewritten on disk during January counts from 1 February, exactly as if
// February had named another diagram with the new values from the start (the
// day's steps kept from January do not survive it).
TEST_F(CreepRun, ADiagramRewrittenOnDiskCountsFromTheNextMonth) {
  const char* const warmer = "0\t12\r\n14\t29\r\n24\t14\r\n";
  WriteBytes(folder_.File("warm.dg2"), warmer);
  CreepRunInputs inputs = Inputs({30, 1, 2001}, {2, 2, 2001}, "1", "14", 1);
  const RunResult unchanged = RunWith(inputs);
  std::string& februaryAir = inputs.MonthDiagrams[1][TemperatureSlot(kAmbientTemperature)];
  februaryAir = "warm";
  const RunResult named = RunWith(inputs);
  februaryAir = "day";
  const RunResult rewritten = RunWith(inputs, kColumn, 0, 0, [&](std::int32_t day) {
    if (day == 2) WriteBytes(folder_.File("day.dg2"), warmer);
  });
  ASSERT_EQ(rewritten.Outcome.End, RunEnd::Completed);
  EXPECT_EQ(rewritten.Grid.CreepStrain, named.Grid.CreepStrain);
  EXPECT_EQ(rewritten.Results, named.Results);
  EXPECT_NE(named.Grid.CreepStrain, unchanged.Grid.CreepStrain);  // the warmer February did count
}

// Every block at the reference temperature, Phi 80 everywhere, E 30, no self
// weight, with the creep function `creep`.
CreepRunInputs EvenColumn(const ScratchFolder& folder, const CalendarDate& to, double step, const char* creep) {
  const char* const even[] = {"0\t0\r\n24\t0\r\n",    "0\t15\r\n24\t15\r\n",  "0\t15\r\n24\t15\r\n",
                              "0\t50\r\n180\t50\r\n", "0\t50\r\n180\t50\r\n", creep,
                              "0\t80\r\n80\t80\r\n"};
  for (std::size_t n = 0; n < kDiagramKindCount; ++n)
    WriteBytes(folder.File(DiagramFileName("even", kDiagramKindRows[n].Kind)), even[n]);
  CreepRunInputs inputs = Inputs({1, 1, 2001}, to, "", "12", step, "even");
  inputs.CreepDiagram = inputs.TemperatureFactorDiagram = "even";
  return inputs;
}
const MainDataTexts kEvenColumn{"100", "4", "4.5", "0", "30", "10", "3", "24", "5", "15", "1E-05"};

TEST_F(CreepRun, AnEvenlyLoadedColumnShortensDayByDayAndDoesNotBend) {
  // Each day of steps adds F / A * Phi * dC to every block's creep, C linear
  // in time, so the tip sinks by H * (F / (1000 E A) + F / A * 80 * 4E-08 * years).
  CreepRunInputs inputs = EvenColumn(folder_, {31, 1, 2001}, 1, "0\t0\r\n100\t4E-06\r\n");
  inputs.RecordTipHistory = true;
  const RunResult run = RunWith(inputs, kEvenColumn);
  EXPECT_EQ(StepRelaxationNotice(run.Outcome), std::nullopt);
  ASSERT_EQ(run.Grid.TipHistory.size(), 31u);
  const double area = run.Grid.ConcreteArea;
  for (std::size_t d = 0; d < run.Grid.TipHistory.size(); ++d) {
    const TipSample& tip = run.Grid.TipHistory[d];
    const double years = static_cast<double>(d + 1) * 24 / 8766.0;
    const double expected = 100 * (10 / (1000 * 30 * area) + 10 / area * 80 * (4e-6 * years / 100));
    EXPECT_NEAR(tip.TipZ, expected, 1e-12 * expected) << d;
    EXPECT_NEAR(tip.TipX, 0, 1e-15) << d;
    EXPECT_NEAR(tip.TipY, 0, 1e-15) << d;
  }
}

// A creep function that rises to 1.5E-06 within the first hour: the first
// 4-hour step takes all of it, 1000 * 30 * 80 * 1.5E-06 = 3.6 times the
// stress. The run finishes, and says so.
TEST_F(CreepRun, AStepThatRelaxesMoreThanTheWholeStressIsSaid) {
  const RunResult run =
      RunWith(EvenColumn(folder_, {3, 1, 2001}, 4, "0\t0\r\n.0001\t1.5E-06\r\n100\t1.5E-06\r\n"), kEvenColumn);
  ASSERT_EQ(run.Outcome.End, RunEnd::Completed);
  EXPECT_EQ(StepRelaxationNotice(run.Outcome),
            "One creep step relaxes more than the whole stress (factor 3.60 on 1/1/2001): the results are not "
            "reliable; use a shorter time step or a smoother creep function.");
}

}  // namespace
}  // namespace kolvane
