#include "core/common/csv_file.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

#include "core/support/bits.h"

namespace kolvane {

using testing::Bits;
using testing::ReadBack;

TEST(CsvNumber, ShortestTextThatReadsBackToEveryBit) {
  const std::pair<double, const char*> cases[] = {
      {0.1, "0.1"},
      {-2.5, "-2.5"},
      {-0.0, "-0"},
      {1e-05, "1e-05"},
      {14, "14"},
      {std::nextafter(1.0, 2.0), nullptr},
      {DBL_MAX, nullptr},
      {std::numeric_limits<double>::denorm_min(), nullptr}};  // nullptr: only the round trip is checked
  for (const auto& [value, expected] : cases) {
    const std::string text = CsvNumber(value);
    if (expected) EXPECT_EQ(text, expected);
    EXPECT_EQ(Bits(ReadBack(text)), Bits(value)) << text;
    EXPECT_LE(text.size(), 24u) << text;
  }
  EXPECT_EQ(CsvDate(5, 3, 2001), "2001-03-05");
}

}  // namespace kolvane
