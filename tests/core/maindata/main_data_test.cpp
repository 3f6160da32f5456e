#include "core/maindata/main_data.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace kolvane {
namespace {

TEST(MainDataFromTexts, ConvertsWithTheCommonReadingAndRoundsCountsToEven) {
  const MainData data = MainDataFromTexts({"120", "3.6", "4", "25", "30", "5", "2.5", "3.5", "72", "-5.5", "1E-05"});
  const double expected[] = {120, 3.6, 4, 25, 30, 5, 2, 4, 72, -5.5, 0.00001};
  const double got[] = {data.Height,    data.IRadius,   data.ERadius,   data.UnitLoad, data.E,       data.F,
                        double(data.I), double(data.J), double(data.K), data.RefTemp,  data.AThermal};
  for (int n = 0; n < 11; ++n) EXPECT_EQ(got[n], expected[n]) << "field " << n;
  const std::pair<double, std::int32_t> counts[] = {
      {2.4999, 2}, {2.5001, 3}, {-1.5, -2}, {1e12, 2147483647}, {-1e12, INT32_MIN}};
  for (const auto& [value, count] : counts) EXPECT_EQ(CountValue(value), count) << value;
}

}  // namespace
}  // namespace kolvane
