// The tip's history through a creep run: recorded at the end of every day
// exactly as a stored profile is computed, without changing the run.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>

#include "core/creep/calendar.h"
#include "core/creep/creep_run.h"
#include "test_support.h"

namespace kolvane {
namespace {

using testing::ScratchFolder;
using testing::WriteBytes;

std::uint64_t Bits(double value) { return std::bit_cast<std::uint64_t>(value); }

MainDataTexts SmallChimney() { return {"120", "3.2", "3.6", "25", "32", "4", "2", "12", "6", "15", "1E-05"}; }

CreepRunInputs Inputs(const CalendarDate& from, const CalendarDate& to, const std::string& every, const std::string& at,
                      double step, const char* diagrams = "day") {
  CreepRunInputs in;
  for (auto& month : in.MonthDiagrams) month.fill(diagrams);
  in.CreepDiagram = "concrete";
  in.TemperatureFactorDiagram = "concrete";
  in.TimeStep = step;
  in.StartDay = from.Day, in.StartMonth = from.Month, in.StartYear = from.Year;
  in.EndDay = to.Day, in.EndMonth = to.Month, in.EndYear = to.Year;
  in.StoreEveryText = every;
  in.StoreAtText = at;
  in.RecordTipHistory = true;
  return in;
}

class TipHistory : public ::testing::Test {
 protected:
  TipHistory() {
    WriteBytes(folder_.File("day.dg1"), "0\t0\r\n6\t0\r\n12\t90\r\n18\t180\r\n24\t180\r\n");
    WriteBytes(folder_.File("day.dg2"), "0\t12\r\n14\t26\r\n24\t14\r\n");
    WriteBytes(folder_.File("day.dg3"), "0\t12\r\n14\t48\r\n24\t14\r\n");
    WriteBytes(folder_.File("day.dg4"), "0\t100\r\n90\t25\r\n180\t0\r\n");
    WriteBytes(folder_.File("day.dg5"), "0\t30\r\n90\t5\r\n180\t0\r\n");
    WriteBytes(folder_.File("concrete.dg6"), "0\t0\r\n.02\t1E-06\r\n1\t3E-06\r\n100\t4E-06\r\n");
    WriteBytes(folder_.File("concrete.dg7"), "0\t0\r\n20\t60\r\n80\t100\r\n");
  }

  CreepOutcome Run(SectionGrid& grid, const CreepRunInputs& inputs, std::vector<std::string>& results,
                   const MainDataTexts& column = SmallChimney()) {
    return RunCreep(grid, Workspace(folder_.Path()), column, inputs, {}, results, 0, 2);
  }

  ScratchFolder folder_;
};

TEST_F(TipHistory, EqualsTheStoredProfilesOnTheirDaysBitForBit) {
  const struct {
    CalendarDate from, to;
    const char* every;
    const char* at;
    double step;
  } cases[] = {
      {{25, 1, 2001}, {13, 2, 2001}, "7", "14", 4},    // days 7 and 14 and the final day 20, across a month end
      {{1, 3, 2004}, {4, 3, 2004}, "1", "0", 1},       // every day, the last twice
      {{30, 12, 2003}, {2, 1, 2004}, "", "24", 0.25},  // the final profile alone
  };
  for (const auto& c : cases) {
    SectionGrid grid;
    std::vector<std::string> results;
    ASSERT_EQ(Run(grid, Inputs(c.from, c.to, c.every, c.at, c.step), results).End, RunEnd::Completed);
    const std::int64_t days = DaysFromTo(c.from, c.to);
    ASSERT_EQ(static_cast<std::int64_t>(grid.TipHistory.size()), days);
    CalendarDate date = c.from;
    for (const TipSample& sample : grid.TipHistory) {
      EXPECT_EQ((CalendarDate{sample.Day, sample.Month, sample.Year}), date);
      date = NextDate(date);
    }
    ASSERT_FALSE(grid.Profiles.empty());
    for (const DeflectionProfile& profile : grid.Profiles) {
      const TipSample* sample = nullptr;
      for (const TipSample& s : grid.TipHistory)
        if (FormatDate(s.Day, s.Month, s.Year) == profile.DateText) sample = &s;
      ASSERT_NE(sample, nullptr) << profile.DateText;
      SCOPED_TRACE(profile.DateText);
      EXPECT_EQ(Bits(sample->TipX), Bits(profile.TipX));
      EXPECT_EQ(Bits(sample->TipY), Bits(profile.TipY));
      EXPECT_EQ(Bits(sample->TipZ), Bits(profile.TipZ));
    }
    // Creep moves the tip from one day to the next.
    EXPECT_NE(grid.TipHistory.front().TipZ, grid.TipHistory.back().TipZ);
  }
}

TEST_F(TipHistory, RecordingChangesNeitherTheReportNorTheProfiles) {
  CreepRunInputs inputs = Inputs({1, 1, 2001}, {20, 1, 2001}, "6", "13", 2);
  SectionGrid recorded, plain;
  std::vector<std::string> recordedLines, plainLines;
  ASSERT_EQ(Run(recorded, inputs, recordedLines).End, RunEnd::Completed);
  inputs.RecordTipHistory = false;
  ASSERT_EQ(Run(plain, inputs, plainLines).End, RunEnd::Completed);
  EXPECT_EQ(recordedLines, plainLines);
  EXPECT_EQ(recorded.CreepStrain, plain.CreepStrain);
  ASSERT_EQ(recorded.Profiles.size(), plain.Profiles.size());
  for (std::size_t p = 0; p < plain.Profiles.size(); ++p) {
    EXPECT_EQ(recorded.Profiles[p].DeflX, plain.Profiles[p].DeflX);
    EXPECT_EQ(recorded.Profiles[p].DeflY, plain.Profiles[p].DeflY);
    EXPECT_EQ(recorded.Profiles[p].DeflZ, plain.Profiles[p].DeflZ);
  }
  EXPECT_EQ(recorded.TipHistory.size(), 20u);
  // A run that does not record leaves no history of an earlier run behind.
  EXPECT_TRUE(plain.TipHistory.empty());
  ASSERT_EQ(Run(recorded, inputs, recordedLines).End, RunEnd::Completed);
  EXPECT_TRUE(recorded.TipHistory.empty());
}

TEST_F(TipHistory, AnEvenlyLoadedColumnShortensDayByDayAndDoesNotBend) {
  // Every block at the reference temperature, no self weight: each day of
  // steps adds F / A * Phi * dC to every block's creep, C linear in time, so
  // the tip sinks by H * (F / (1000 E A) + F / A * 80 * 4E-08 * years).
  WriteBytes(folder_.File("even.dg1"), "0\t0\r\n24\t0\r\n");
  WriteBytes(folder_.File("even.dg2"), "0\t15\r\n24\t15\r\n");
  WriteBytes(folder_.File("even.dg3"), "0\t15\r\n24\t15\r\n");
  WriteBytes(folder_.File("even.dg4"), "0\t50\r\n180\t50\r\n");
  WriteBytes(folder_.File("even.dg5"), "0\t50\r\n180\t50\r\n");
  WriteBytes(folder_.File("concrete.dg6"), "0\t0\r\n100\t4E-06\r\n");
  WriteBytes(folder_.File("concrete.dg7"), "0\t80\r\n80\t80\r\n");
  const MainDataTexts column = {"100", "4", "4.5", "0", "30", "10", "3", "24", "5", "15", "1E-05"};
  SectionGrid grid;
  std::vector<std::string> results;
  ASSERT_EQ(Run(grid, Inputs({1, 1, 2001}, {31, 1, 2001}, "", "12", 1, "even"), results, column).End,
            RunEnd::Completed);
  ASSERT_EQ(grid.TipHistory.size(), 31u);
  const double area = grid.ConcreteArea;
  for (std::size_t d = 0; d < grid.TipHistory.size(); ++d) {
    const TipSample& tip = grid.TipHistory[d];
    const double years = static_cast<double>(d + 1) * 24 / 8766.0;
    const double expected = 100 * (10 / (1000 * 30 * area) + 10 / area * 80 * (4e-6 * years / 100));
    EXPECT_NEAR(tip.TipZ, expected, 1e-12 * expected) << d;
    EXPECT_NEAR(tip.TipX, 0, 1e-15) << d;
    EXPECT_NEAR(tip.TipY, 0, 1e-15) << d;
    if (d > 0) {
      EXPECT_GT(tip.TipZ, grid.TipHistory[d - 1].TipZ) << d;
    }
  }
}

}  // namespace
}  // namespace kolvane
