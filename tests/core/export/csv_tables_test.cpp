// CSV tables: every number reads back to the same double, in the layout a
// spreadsheet expects.
#include "core/export/csv_tables.h"

#include <gtest/gtest.h>

#include "core/support/bits.h"

namespace kolvane {
namespace {

using testing::Bits;
using testing::ReadBack;

// The fields of each line, split at commas.
std::vector<std::vector<std::string>> Rows(const std::vector<std::string>& lines) {
  std::vector<std::vector<std::string>> rows;
  for (const std::string& line : lines) {
    rows.emplace_back();
    std::size_t from = 0;
    for (std::size_t comma; (comma = line.find(',', from)) != std::string::npos; from = comma + 1)
      rows.back().push_back(line.substr(from, comma - from));
    rows.back().push_back(line.substr(from));
  }
  return rows;
}

TEST(CsvTables, OrbitAndTipHistoryReadBackToTheSameDoubles) {
  const std::vector<OrbitPoint> orbit{{0, 0, -0.0123456789012345, 1e-17, 0.00123},
                                      {0.25, 3, 1.0 / 3, -2.0 / 7, 5e-324}};
  auto rows = Rows(OrbitCsvLines(orbit));
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0], (std::vector<std::string>{"hour", "tip_x_m", "tip_y_m", "tip_z_m"}));
  for (std::size_t n = 0; n < orbit.size(); ++n) {
    const double values[] = {orbit[n].Hour, orbit[n].TipX, orbit[n].TipY, orbit[n].TipZ};
    ASSERT_EQ(rows[n + 1].size(), 4u);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(Bits(ReadBack(rows[n + 1][i])), Bits(values[i]));
  }

  const std::vector<TipSample> history{{31, 12, 2001, 1.0 / 3, -1e-300, 7.25}, {1, 1, 2002, -0.1, 0.2, -0.3}};
  rows = Rows(TipHistoryCsvLines(history));
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0], (std::vector<std::string>{"date", "tip_x_m", "tip_y_m", "tip_z_m"}));
  EXPECT_EQ(rows[1][0], "2001-12-31");
  EXPECT_EQ(rows[2][0], "2002-01-01");
  EXPECT_EQ(Bits(ReadBack(rows[1][1])), Bits(history[0].TipX));
  EXPECT_EQ(Bits(ReadBack(rows[1][2])), Bits(history[0].TipY));
  EXPECT_EQ(Bits(ReadBack(rows[2][3])), Bits(history[1].TipZ));
}

TEST(CsvTables, ProfilesHaveARowPerSliceBoundaryAndTwoColumnsPerProfileDate) {
  SectionGrid grid;
  grid.K = 3;
  grid.Height = 100;
  grid.Profiles = {{"7/1/2001", {0, 1e-3, 2e-3, 1.0 / 3}, {0, -1, -2, -3}, {0, 0, 0, 0}, 0, 0, 0},
                   {"5/1/2001", {0, 1, 2}, {0, 1, 2}, {0, 1, 2}, 0, 0, 0},  // another grid's: left out
                   {"31/12/2001", {0, 0.1, 0.2, 0.3}, {0, 0.4, 0.5, -1e-20}, {0, 0, 0, 0}, 0, 0, 0}};
  grid.Profiles.push_back(grid.Profiles.back());  // the final profile, stored on the day a periodic one was
  const auto rows = Rows(ProfilesCsvLines(grid));
  ASSERT_EQ(rows.size(), 5u);  // the header and the boundaries 0..3
  EXPECT_EQ(rows[0], (std::vector<std::string>{"height_m", "x_2001-01-07_m", "y_2001-01-07_m", "x_2001-12-31_m",
                                               "y_2001-12-31_m"}));
  for (std::size_t k = 0; k <= 3; ++k) {
    const double values[] = {100.0 / 3 * static_cast<double>(k), grid.Profiles[0].DeflX[k], grid.Profiles[0].DeflY[k],
                             grid.Profiles[2].DeflX[k], grid.Profiles[2].DeflY[k]};
    ASSERT_EQ(rows[k + 1].size(), 5u);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(Bits(ReadBack(rows[k + 1][i])), Bits(values[i]));
  }
}

}  // namespace
}  // namespace kolvane
