// The creep run as the creep window and the batch tool drive it: its checks,
// the days it walks, the profiles it stores, its report and closing message,
// how it ends early, and the physics of a column creeping under its load.
#include <gtest/gtest.h>

#include <cmath>

#include "core/common/number_text.h"
#include "core/creep/creep_report.h"
#include "core/creep/creep_run.h"
#include "core/creep/time_steps.h"
#include "core/diagrams/diagram_kinds.h"
#include "core/engine/section_grid.h"
#include "test_support.h"

namespace kolvane {
namespace {

using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;

// A small chimney: H 120, radii 3.2 and 3.6, unit load 25, E 32, F 4, I 2, J 12, K 6.
MainDataTexts SmallChimney() { return {"120", "3.2", "3.6", "25", "32", "4", "2", "12", "6", "15", "1E-05"}; }

void WriteDiagrams(const ScratchFolder& folder) {
  WriteBytes(folder.File("day.dg1"), "0\t0\r\n6\t0\r\n12\t90\r\n18\t180\r\n24\t180\r\n");
  WriteBytes(folder.File("day.dg2"), "0\t12\r\n14\t26\r\n24\t14\r\n");
  WriteBytes(folder.File("day.dg3"), "0\t12\r\n14\t48\r\n24\t14\r\n");
  WriteBytes(folder.File("day.dg4"), "0\t100\r\n90\t25\r\n180\t0\r\n");
  WriteBytes(folder.File("day.dg5"), "0\t30\r\n90\t5\r\n180\t0\r\n");
  WriteBytes(folder.File("concrete.dg6"), "0\t0\r\n.02\t1E-06\r\n1\t3E-06\r\n100\t4E-06\r\n");
  WriteBytes(folder.File("concrete.dg7"), "0\t0\r\n20\t60\r\n80\t100\r\n");
}

CreepRunInputs Inputs(const std::string& from, const std::string& to, const std::string& every = "",
                      const std::string& at = "", double step = 4) {
  CreepRunInputs in;
  for (auto& month : in.MonthDiagrams) month.fill("day");
  in.CreepDiagram = "concrete";
  in.TemperatureFactorDiagram = "concrete";
  in.TimeStep = step;
  auto part = [](const std::string& date, int n) {
    std::size_t start = 0;
    for (int s = 0; s < n; ++s) start = date.find('/', start) + 1;
    return std::stoi(date.substr(start));
  };
  in.StartDay = part(from, 0), in.StartMonth = part(from, 1), in.StartYear = part(from, 2);
  in.EndDay = part(to, 0), in.EndMonth = part(to, 1), in.EndYear = part(to, 2);
  in.StoreEveryText = every;
  in.StoreAtText = at;
  return in;
}

struct RunResult {
  CreepOutcome outcome;
  SectionGrid grid;
  std::vector<std::string> results;
  std::vector<std::string> dayStarts;  // "date day/count"
  std::vector<std::string> incidents;
};

class CreepRun : public ::testing::Test {
 protected:
  CreepRun() { WriteDiagrams(folder_); }

  RunResult RunWith(const CreepRunInputs& inputs, const MainDataTexts& mainData = SmallChimney(),
                    std::int32_t cancelOnDay = 0, std::uint64_t availableBytes = 0) {
    RunResult run;
    CreepRunHooks hooks;
    hooks.DayStarts = [&run, cancelOnDay](const CalendarDate& date, std::int32_t day, std::int64_t days) {
      run.dayStarts.push_back(FormatDate(date) + " " + std::to_string(day) + "/" + std::to_string(days));
      return day != cancelOnDay;
    };
    hooks.Incident = [&run](DiagramIncident, const std::string& message) { run.incidents.push_back(message); };
    run.outcome = RunCreep(run.grid, Workspace(folder_.Path()), mainData, inputs, hooks, run.results, availableBytes);
    return run;
  }

  ScratchFolder folder_;
};

TEST_F(CreepRun, InputChecksComeInOrderAndChangeNothing) {
  const struct {
    void (*spoil)(CreepRunInputs&);
    const char* message;
  } cases[] = {
      {[](CreepRunInputs& in) { in.MonthDiagrams[3][0] = ""; }, "The Sun position diagram is not valid."},
      {[](CreepRunInputs& in) {
         in.MonthDiagrams[0][4] = "  ";
         in.CreepDiagram = "";
       },
       "The Internal temperature variation diagram is not valid."},
      {[](CreepRunInputs& in) {
         in.CreepDiagram = "";
         in.TimeStep.reset();
       },
       "The Normalised creep (t*) diagram is not valid."},
      {[](CreepRunInputs& in) {
         in.TemperatureFactorDiagram = "";
         in.TimeStep.reset();
       },
       "The Normalised temperature (Phi) diagram is not valid."},
      {[](CreepRunInputs& in) {
         in.TimeStep.reset();
         in.StartDay.reset();
       },
       "You haven't set the time interval."},
      {[](CreepRunInputs& in) { in.TimeStep = 5; }, "You haven't set the time interval."},
      {[](CreepRunInputs& in) {
         in.StartDay.reset();
         in.EndYear.reset();
       },
       "You haven't set the starting day."},
      {[](CreepRunInputs& in) { in.StartMonth.reset(); }, "You haven't set the starting month."},
      {[](CreepRunInputs& in) { in.StartYear.reset(); }, "You haven't set the starting year."},
      {[](CreepRunInputs& in) { in.EndDay.reset(); }, "You haven't set the ending day."},
      {[](CreepRunInputs& in) { in.EndMonth.reset(); }, "You haven't set the ending month."},
      {[](CreepRunInputs& in) {
         in.EndYear.reset();
         in.StoreAtText = "25";
       },
       "You haven't set the ending year."},
      {[](CreepRunInputs& in) {
         in.EndDay = 31;
         in.EndMonth = 4;
       },
       "The ending date 31/4/2001 does not exist."},
      {[](CreepRunInputs& in) {
         in.StartDay = 29;
         in.StartMonth = 2;
       },
       "The starting date 29/2/2001 does not exist."},
      {[](CreepRunInputs& in) { in.StartYear = 1999; },
       "The starting date 10/1/1999 is outside the years 2000 to 2100."},
      {[](CreepRunInputs& in) { in.EndYear = 2101; }, "The ending date 12/1/2101 is outside the years 2000 to 2100."},
      {[](CreepRunInputs& in) { in.EndYear = 2000; }, "The ending date cannot be earlier than the starting date."},
      {[](CreepRunInputs& in) {
         in.StartMonth = 2;
         in.EndDay = 28;
       },
       "The ending date cannot be earlier than the starting date."},
      {[](CreepRunInputs& in) { in.EndDay = 10; },
       "The ending date cannot be earlier than or equal to the starting date."},
      {[](CreepRunInputs& in) { in.EndDay = 9; },
       "The ending date cannot be earlier than or equal to the starting date."},
      {[](CreepRunInputs& in) { in.StoreAtText = "25"; },
       "The time of the day for the storing of the deflection profiles is invalid."},
      {[](CreepRunInputs& in) { in.StoreAtText = "-1"; },
       "The time of the day for the storing of the deflection profiles is invalid."},
  };
  for (const auto& c : cases) {
    CreepRunInputs inputs = Inputs("10/1/2001", "12/1/2001");
    c.spoil(inputs);
    EXPECT_EQ(CheckCreepInputs(inputs).value_or(""), c.message);
    const RunResult run = RunWith(inputs);
    EXPECT_EQ(run.outcome.End, RunEnd::Refused);
    EXPECT_EQ(run.outcome.Message, c.message);
    EXPECT_EQ(run.grid.I, 0);  // nothing was copied in
    EXPECT_TRUE(run.dayStarts.empty());
  }
  // The limits themselves pass: a profile hour of 24, a run of two days, any
  // of the offered steps.
  for (double step : {0.25, 0.5, 1.0, 2.0, 3.0, 4.0})
    EXPECT_EQ(CheckCreepInputs(Inputs("31/12/2000", "1/1/2001", "3", "24", step)), std::nullopt) << step;
}

TEST(CreepDates, ADayMustExistAndLieWithinTheRunsYears) {
  const struct {
    CalendarDate date;
    CreepDateCheck expected;
  } cases[] = {
      {{1, 1, 2000}, CreepDateCheck::Valid},         {{31, 12, 2100}, CreepDateCheck::Valid},
      {{29, 2, 2000}, CreepDateCheck::Valid},        {{29, 2, 2100}, CreepDateCheck::DoesNotExist},
      {{31, 4, 2001}, CreepDateCheck::DoesNotExist}, {{1, 13, 2001}, CreepDateCheck::DoesNotExist},
      {{0, 1, 2001}, CreepDateCheck::DoesNotExist},  {{31, 12, 1999}, CreepDateCheck::OutsideYears},
      {{1, 1, 2101}, CreepDateCheck::OutsideYears},
  };
  for (const auto& c : cases) EXPECT_EQ(CheckCreepDate(c.date), c.expected) << FormatDate(c.date);
  // The run's years are the creep function's time axis, in years from the first.
  EXPECT_EQ(kLastCreepYear - kFirstCreepYear, DiagramKindTable(kNormalisedCreep).XMax);
}

TEST(CreepStoreFields, WholeNumbersOfUpToSixDigitsOrNothing) {
  const struct {
    const char* text;
    bool accepted;
  } cases[] = {{"", true},    {"0", true},    {"999999", true}, {"1234567", false},
               {"-7", false}, {"1.5", false}, {" 3", false},    {"3a", false}};
  for (const auto& c : cases) EXPECT_EQ(IsStoreFieldText(c.text), c.accepted) << c.text;
}

TEST(OfferedTimeSteps, ListedAndJoinedFromTheOneTable) {
  EXPECT_EQ(OfferedTimeStepTexts(), (std::vector<std::string>{"0.25", "0.5", "1", "2", "3", "4"}));
  EXPECT_EQ(OfferedTimeStepsText(", "), "0.25, 0.5, 1, 2, 3, 4");
  EXPECT_EQ(OfferedTimeStepsText(" or "), "0.25, 0.5, 1, 2, 3 or 4");
  EXPECT_EQ(JoinedTexts({"a"}, " or "), "a");
  EXPECT_EQ(JoinedTexts({}, " or "), "");
}

std::vector<std::string> ProfileDates(const SectionGrid& grid) {
  std::vector<std::string> dates;
  for (const DeflectionProfile& profile : grid.Profiles) dates.push_back(profile.DateText);
  return dates;
}

TEST_F(CreepRun, ProfilesAreStoredEveryNDaysAndAtTheEnd) {
  const struct {
    const char *from, *to, *every;
    std::vector<std::string> dates;
  } cases[] = {
      {"1/1/2001", "2/1/2001", "0", {"2/1/2001"}},
      {"1/1/2001", "2/1/2001", "", {"2/1/2001"}},
      {"30/12/2000", "1/1/2001", "1", {"30/12/2000", "31/12/2000", "1/1/2001", "1/1/2001"}},
      {"1/2/2004", "20/2/2004", "7", {"7/2/2004", "14/2/2004", "20/2/2004"}},
      {"1/2/2004", "21/2/2004", "7", {"7/2/2004", "14/2/2004", "21/2/2004", "21/2/2004"}},
      {"1/1/2001", "3/1/2001", "-2", {"3/1/2001"}},
      {"1/1/2001", "5/1/2001", "2.5", {"2/1/2001", "4/1/2001", "5/1/2001"}},  // 2.5 rounds to 2
  };
  for (const auto& c : cases) {
    const RunResult run = RunWith(Inputs(c.from, c.to, c.every, "14"));
    ASSERT_EQ(run.outcome.End, RunEnd::Completed) << c.from;
    EXPECT_EQ(ProfileDates(run.grid), c.dates) << c.from << " to " << c.to << " every " << c.every;
  }
}

TEST_F(CreepRun, TheLastTwoProfilesOfADailyRunAgree) {
  const RunResult run = RunWith(Inputs("1/1/2001", "3/1/2001", "1", "14"));
  ASSERT_EQ(run.grid.Profiles.size(), 4u);
  EXPECT_EQ(run.grid.Profiles[3].TipX, run.grid.Profiles[2].TipX);
  EXPECT_EQ(run.grid.Profiles[3].TipY, run.grid.Profiles[2].TipY);
  EXPECT_EQ(run.grid.Profiles[3].TipZ, run.grid.Profiles[2].TipZ);
  EXPECT_NE(run.grid.Profiles[1].TipZ, run.grid.Profiles[2].TipZ);  // a day of creep in between
}

TEST_F(CreepRun, WalksEveryDayOnceAndReportsIt) {
  const RunResult run = RunWith(Inputs("30/12/2000", "2/1/2001", "2", "14", 0.25));
  ASSERT_EQ(run.outcome.End, RunEnd::Completed);
  EXPECT_EQ(run.dayStarts,
            (std::vector<std::string>{"30/12/2000 1/4", "31/12/2000 2/4", "1/1/2001 3/4", "2/1/2001 4/4"}));
  EXPECT_EQ(run.grid.DayNumber, 4);
  EXPECT_EQ(run.outcome.Days, 4);
  EXPECT_EQ(run.outcome.Message.substr(0, run.outcome.Message.find('\r')),
            "Calculation is completed. 4 days were calculated.");
  const std::vector<std::string> expected = {
      ">> Main Data...",
      "Column Height :120 m.",
      "Internal Radius :3.2 m.",
      "External Radius :3.6 m.",
      "Compression Force :4 MN.",
      "Elastic Modulus :32 GPa.",
      "Unit Load :25 KN/m³.",
      "Reference Temperature :15 oC.",
      "Coefficient of thermal expansion :1E-05 1/oC.",
      "Number Of Rings :2",
      "Number Of Sectors :12",
      "Number Of Slices :6",
      ">> Calculating Geometry...",
      ">> Preliminary Calculations...",
      ">> Initialising...",
      "Calculating from :30/12/2000 to 2/1/2001 (dd/mm/yy)",
      "Time Interval :.25 hour(s).",
      "Storing deflection profiles every :2 days.",
      "Time of day (for the profiles) :14 hour(s).",
      ">> Tip Deflection Calculations...",
      "Date : 31/12/2000",
  };
  ASSERT_EQ(run.results.size(), expected.size() - 1 + 3 * 4);
  for (std::size_t n = 0; n < expected.size(); ++n) EXPECT_EQ(run.results[n], expected[n]);
  EXPECT_EQ(run.results[21], "X - Deflection :" + NumberText(run.grid.Profiles[0].TipX) + " m.");
  EXPECT_EQ(run.results.back(), "Z - Deflection :" + NumberText(run.grid.Profiles[2].TipZ) + " m.");
  EXPECT_EQ(run.results[run.results.size() - 4], "Date : 2/1/2001");
}

TEST_F(CreepRun, WithoutStoringTheFinalProfileIsForMidnight) {
  const RunResult run = RunWith(Inputs("1/1/2001", "2/1/2001"));
  ASSERT_EQ(run.outcome.End, RunEnd::Completed);
  EXPECT_EQ(run.grid.Hour, 0);
  for (const std::string& line : run.results) EXPECT_EQ(line.find("Storing"), std::string::npos) << line;
  EXPECT_EQ(run.results.size(), 17u + 1 + 4);
}

TEST_F(CreepRun, CancelEmptiesTheListAndKeepsTheProfilesSoFar) {
  const RunResult run = RunWith(Inputs("1/1/2001", "10/1/2001", "1", "14"), SmallChimney(), 3);
  EXPECT_EQ(run.outcome.End, RunEnd::Cancelled);
  EXPECT_TRUE(run.results.empty());
  EXPECT_EQ(run.dayStarts.size(), 3u);
  EXPECT_EQ(ProfileDates(run.grid), (std::vector<std::string>{"1/1/2001", "2/1/2001"}));
}

TEST_F(CreepRun, ADiagramThatCannotBeUsedEndsTheRun) {
  // February's surface temperature cannot be read: the run stops at 1 February.
  WriteBytes(folder_.File("broken.dg3"), "0\t1E400\r\n24\t10\r\n");
  CreepRunInputs inputs = Inputs("30/1/2001", "3/2/2001", "1");
  inputs.MonthDiagrams[1][2] = "broken";
  const RunResult run = RunWith(inputs);
  EXPECT_EQ(run.outcome.End, RunEnd::Stopped);
  EXPECT_TRUE(run.results.empty());
  EXPECT_EQ(run.dayStarts, (std::vector<std::string>{"30/1/2001 1/5", "31/1/2001 2/5"}));
  EXPECT_EQ(run.incidents, (std::vector<std::string>{"LoadDiagram reported a critical error for broken."}));

  // So does a creep function that cannot be read, before the first day.
  WriteBytes(folder_.File("broken.dg6"), "0\t1E400\r\n");
  inputs = Inputs("30/1/2001", "3/2/2001");
  inputs.CreepDiagram = "broken";
  const RunResult early = RunWith(inputs);
  EXPECT_EQ(early.outcome.End, RunEnd::Stopped);
  EXPECT_TRUE(early.results.empty());
  EXPECT_TRUE(early.dayStarts.empty());
}

TEST_F(CreepRun, ARepairedDiagramIsReportedAndTheRunGoesOn) {
  WriteBytes(folder_.File("short.dg7"), "0\t0\r\n40\t150\r\n80\t100\r\n");  // 150 lies beyond the kind's box
  CreepRunInputs inputs = Inputs("1/1/2001", "2/1/2001");
  inputs.TemperatureFactorDiagram = "short";
  const RunResult run = RunWith(inputs);
  EXPECT_EQ(run.outcome.End, RunEnd::Completed);
  ASSERT_EQ(run.incidents.size(), 1u);
  EXPECT_EQ(run.incidents[0].rfind("FixDiagram reported a fixed error for short.", 0), 0u);
}

TEST_F(CreepRun, AGridTooLargeIsRefusedBeforeAnythingRuns) {
  MainDataTexts huge = SmallChimney();
  huge[static_cast<int>(MainField::I)] = "9999";
  huge[static_cast<int>(MainField::J)] = "9999";
  huge[static_cast<int>(MainField::K)] = "9999";
  const RunResult run = RunWith(Inputs("1/1/2001", "2/1/2001"), huge, 0, 8ull << 30);
  EXPECT_EQ(run.outcome.End, RunEnd::Refused);
  EXPECT_EQ(run.outcome.Message.rfind("The grid is too large for this computer: ", 0), 0u) << run.outcome.Message;
  EXPECT_NE(run.outcome.Message.find(" MB available."), std::string::npos);
  EXPECT_EQ(run.grid.I, 0);
  // The creep store dominates: 8 bytes for each of 10^12 block-slices.
  EXPECT_GT(CreepBytesNeeded(9999, 9999, 9999, 96, 1), 9999ull * 9999 * 9999 * 8);
}

TEST_F(CreepRun, ProfilesStoredDailyForACenturyAreCounted) {
  // 36890 daily profiles of 10000 slices need gigabytes of their own.
  const std::uint64_t few = CreepBytesNeeded(4, 72, 9999, 96, 1);
  const std::uint64_t many = CreepBytesNeeded(4, 72, 9999, 96, 36890);
  EXPECT_GT(many - few, 36889ull * 10000 * 3 * 8);
}

TEST_F(CreepRun, AHugeSectionCountsItsWorkingBuffers) {
  // 10^8 blocks in one slice: the store holds a whole tile of eight slices,
  // and the step buffers two values per block for at least one step.
  const std::uint64_t blocks = 9999ull * 9999;
  EXPECT_GE(CreepBytesNeeded(9999, 9999, 1, 96, 1), blocks * 8 * (8 + 2));
  // Seven more slices fill the padding: only their per-slice arrays are new.
  EXPECT_LT(CreepBytesNeeded(9999, 9999, 8, 96, 1) - CreepBytesNeeded(9999, 9999, 1, 96, 1), 10000u);
  EXPECT_GT(CreepBytesNeeded(9999, 9999, 9, 96, 1) - CreepBytesNeeded(9999, 9999, 8, 96, 1), blocks * 8 * 8);
}

TEST_F(CreepRun, AnEvenlyLoadedColumnShortensByItsCreepAndDoesNotBend) {
  // Every block at the reference temperature, no self weight: the force F
  // stresses every block by F / A, and each creeps by F / A * Phi * C(t).
  WriteBytes(folder_.File("even.dg1"), "0\t0\r\n24\t0\r\n");
  WriteBytes(folder_.File("even.dg2"), "0\t15\r\n24\t15\r\n");
  WriteBytes(folder_.File("even.dg3"), "0\t15\r\n24\t15\r\n");
  WriteBytes(folder_.File("even.dg4"), "0\t50\r\n180\t50\r\n");
  WriteBytes(folder_.File("even.dg5"), "0\t50\r\n180\t50\r\n");
  WriteBytes(folder_.File("linear.dg6"), "0\t0\r\n100\t4E-06\r\n");
  WriteBytes(folder_.File("even.dg7"), "0\t80\r\n80\t80\r\n");
  CreepRunInputs inputs = Inputs("1/1/2001", "10/4/2001", "", "", 1);
  for (auto& month : inputs.MonthDiagrams) month.fill("even");
  inputs.CreepDiagram = "linear";
  inputs.TemperatureFactorDiagram = "even";
  MainDataTexts column = {"100", "4", "4.5", "0", "30", "10", "3", "24", "5", "15", "1E-05"};
  const RunResult run = RunWith(inputs, column);
  ASSERT_EQ(run.outcome.End, RunEnd::Completed);

  const double area = run.grid.ConcreteArea, height = 100, force = 10, modulus = 30;
  const double years = 100 * 24 / 8766.0;  // 100 days of steps
  const double creep = force / area * 80 * (4e-6 * years / 100);
  const double elastic = force / (1000 * modulus * area);
  const DeflectionProfile& last = run.grid.Profiles.back();
  EXPECT_NEAR(last.TipZ, height * (elastic + creep), 1e-12 * height * (elastic + creep));
  EXPECT_GT(creep, 1e-3 * elastic);  // the creep part is well above the tolerance
  EXPECT_NEAR(last.TipX, 0, 1e-15);
  EXPECT_NEAR(last.TipY, 0, 1e-15);
  for (std::int32_t k = 1; k <= run.grid.K; ++k)
    for (std::int32_t j = 1; j <= run.grid.J; ++j)
      for (std::int32_t i = 1; i <= run.grid.I; ++i) ASSERT_NEAR(run.grid.CreepAt(i, j, k), creep, 1e-12 * creep);
}

TEST(CreepClosingMessage, ElapsedTimeInWords) {
  const struct {
    std::int32_t seconds;
    const char* text;
  } cases[] = {
      {0, ""},
      {1, " 1 second"},
      {59, " 59 seconds"},
      {60, " 1 minute"},
      {61, " 1 minute 1 second"},
      {3600, " 1 hour"},
      {7501, " 2 hours 5 minutes 1 second"},
      {7320, " 2 hours 2 minutes"},
      {90061, " 25 hours 1 minute 1 second"},
  };
  for (const auto& c : cases) EXPECT_EQ(ElapsedText(c.seconds), c.text) << c.seconds;
  EXPECT_EQ(ClosingMessage(365, 7501),
            "Calculation is completed. 365 days were calculated.\r\nCalculation time :  2 hours 5 minutes 1 second");
  EXPECT_EQ(ClosingMessage(2, 0), "Calculation is completed. 2 days were calculated.\r\nCalculation time : ");
}

TEST(CreepReportFile, LatinOneLinesWithCarriageReturnsReplacingTheOldFile) {
  ScratchFolder folder;
  const std::string path = folder.File(kCreepReportFileName);
  WriteBytes(path, "an older and much longer report\r\n");
  ASSERT_TRUE(SaveCreepReport({"Unit Load :25 KN/m³.", "Date : 2/1/2001"}, path).ok);
  EXPECT_EQ(ReadBytes(path), "Unit Load :25 KN/m\xB3.\r\nDate : 2/1/2001\r\n");

  const WriteResult failed = SaveCreepReport({"x"}, folder.File("missing/Creep.txt"));
  EXPECT_FALSE(failed.ok);
  EXPECT_FALSE(failed.reason.empty());
}

}  // namespace
}  // namespace kolvane
