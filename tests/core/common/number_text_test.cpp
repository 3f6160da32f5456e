// Numbers written by the program's own rules: 15 significant digits, 7 for singles.
#include "core/common/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cstdint>
#include <limits>
#include <string>

#include "core/common/numeric_reading.h"

namespace kolvane {

TEST(NumberText, Writes15SignificantDigitsInTheReportForm) {
  struct Case {
    double Value;
    const char* Text;
  };
  // clang-format off
  for (const Case& c : {
      Case{100, "100"}, Case{3.14159265358979, "3.14159265358979"}, Case{1.0 / 3.0, ".333333333333333"},
      Case{-0.000012, "-1.2E-05"}, Case{0, "0"}, Case{-0.0, "0"}, Case{-0.25, "-.25"}, Case{0.00001, "1E-05"},
      Case{0.0001, ".0001"}, Case{1e15, "1E+15"}, Case{123456789012345.0, "123456789012345"},
      Case{999999999999999.9, "1E+15"}, Case{1e100, "1E+100"}, Case{0.1 + 0.2, ".3"},
      Case{1.23456789012345678, "1.23456789012346"}, Case{std::numeric_limits<double>::quiet_NaN(), "NaN"},
      Case{std::numeric_limits<double>::infinity(), "Infinity"}}) {
    // clang-format on
    EXPECT_EQ(NumberText(c.Value), c.Text);
    // Untrimmed: a blank stands in the sign position of a value that is not negative.
    EXPECT_EQ(NumberText(c.Value, false), (c.Text[0] == '-' ? "" : " ") + std::string(c.Text));
  }
  EXPECT_EQ(NumberText(std::int32_t{5}, false), " 5");
  EXPECT_EQ(NumberText(std::int32_t{-12}, false), "-12");
  EXPECT_EQ(NumberText(std::numeric_limits<std::int32_t>::min()), "-2147483648");
  // The diagram files rely on it: what is written reads back to what was written.
  for (double v : {0.1, 6.02214076e23, 179.999999999999, DBL_MAX, -DBL_MAX, DBL_MIN, 1.797693134862315E+308}) {
    const std::string text = NumberText(v);
    EXPECT_EQ(NumberText(NumericValue(text)), text) << v;
  }
}

// Plot ticks are counted in single precision; their labels show the 7 digits
// a single holds, not the binary fraction's 15.
TEST(NumberText, SinglesWriteSevenSignificantDigits) {
  float sum = 0;
  for (int i = 0; i < 3; ++i) sum += 0.1f;  // 0.300000011920929 in double
  EXPECT_EQ(SingleNumberText(sum), ".3");
  EXPECT_EQ(SingleNumberText(1234567.0f), "1234567");
  EXPECT_EQ(SingleNumberText(12345678.0f), "1.234568E+07");  // beyond 7 digits: exponent form
  EXPECT_EQ(SingleNumberText(2.5f, false), " 2.5");
}

}  // namespace kolvane
