// CSV tables: a header naming the columns, then a row per point in the
// header's order; the numbers in the CSV number form, which reads back to
// every bit.
#include "core/export/csv_tables.h"

#include <gtest/gtest.h>

namespace kolvane {
namespace {

using Lines = std::vector<std::string>;

TEST(CsvTables, OrbitAndTipHistoryHaveARowPerPoint) {
  EXPECT_EQ(OrbitCsvLines({{0, 0, -0.5, 1e-17, 0.125}, {0.25, 3, 1.0 / 3, -2, 7}}),
            (Lines{"hour,tip_x_m,tip_y_m,tip_z_m", "0,-0.5,1e-17,0.125", "0.25,0.3333333333333333,-2,7"}));
  EXPECT_EQ(TipHistoryCsvLines({{31, 12, 2001, 0.5, -1e-300, 7.25}, {1, 1, 2002, -0.1, 0.2, -0.3}}),
            (Lines{"date,tip_x_m,tip_y_m,tip_z_m", "2001-12-31,0.5,-1e-300,7.25", "2002-01-01,-0.1,0.2,-0.3"}));
}

TEST(CsvTables, ProfilesHaveARowPerSliceBoundaryAndTwoColumnsPerProfileDate) {
  SectionGrid grid;
  grid.K = 3;
  grid.Height = 100;
  grid.Profiles = {{"7/1/2001", {0, 1e-3, 2e-3, 1.0 / 3}, {0, -1, -2, -3}, {0, 0, 0, 0}, 0, 0, 0},
                   {"5/1/2001", {0, 1, 2}, {0, 1, 2}, {0, 1, 2}, 0, 0, 0},  // another grid's: left out
                   {"31/12/2001", {0, 0.1, 0.2, 0.3}, {0, 0.4, 0.5, -1e-20}, {0, 0, 0, 0}, 0, 0, 0}};
  grid.Profiles.push_back(grid.Profiles.back());  // the final profile, stored on the day a periodic one was
  // The heights where the profile plot draws the boundaries: 100 / 3 times k.
  EXPECT_EQ(ProfilesCsvLines(grid),
            (Lines{"height_m,x_2001-01-07_m,y_2001-01-07_m,x_2001-12-31_m,y_2001-12-31_m", "0,0,0,0,0",
                   "33.333333333333336,0.001,-1,0.1,0.4", "66.66666666666667,0.002,-2,0.2,0.5",
                   "100,0.3333333333333333,-3,0.3,-1e-20"}));
}

}  // namespace
}  // namespace kolvane
