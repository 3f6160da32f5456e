#include "core/common/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

#include "core/common/numeric_reading.h"

namespace kolvane {
namespace {

struct TextCase {
  double value;
  const char* trimmed;
  friend void PrintTo(const TextCase& c, std::ostream* out) { *out << c.trimmed; }
};

class NumberTextForm : public ::testing::TestWithParam<TextCase> {};

TEST_P(NumberTextForm, WritesTheReportForm) {
  const TextCase& c = GetParam();
  EXPECT_EQ(NumberText(c.value), c.trimmed);
  // Untrimmed: a blank stands in the sign position of a value that is not negative.
  const std::string untrimmed = NumberText(c.value, false);
  if (c.trimmed[0] == '-')
    EXPECT_EQ(untrimmed, c.trimmed);
  else
    EXPECT_EQ(untrimmed, std::string(" ") + c.trimmed);
}

INSTANTIATE_TEST_SUITE_P(
    Values, NumberTextForm,
    ::testing::Values(TextCase{100, "100"}, TextCase{3.14159265358979, "3.14159265358979"},
                      TextCase{1.0 / 3.0, ".333333333333333"}, TextCase{2.0 / 3.0, ".666666666666667"},
                      TextCase{-0.000012, "-1.2E-05"}, TextCase{0, "0"}, TextCase{-0.0, "0"}, TextCase{12, "12"},
                      TextCase{0.5, ".5"}, TextCase{-0.25, "-.25"}, TextCase{0.00001, "1E-05"},
                      TextCase{0.000001, "1E-06"}, TextCase{0.0001, ".0001"},  // exponent -4 is still plain
                      TextCase{0.00012345, ".00012345"}, TextCase{0.000099, "9.9E-05"}, TextCase{1.5e20, "1.5E+20"},
                      TextCase{1e15, "1E+15"},
                      TextCase{123456789012345.0, "123456789012345"},  // exponent 14 is still plain
                      TextCase{999999999999999.4, "999999999999999"},
                      TextCase{999999999999999.9, "1E+15"},  // rounding to 15 digits carries into a new exponent
                      TextCase{1e100, "1E+100"}, TextCase{-1e-100, "-1E-100"}, TextCase{0.1 + 0.2, ".3"},
                      TextCase{1234.5678, "1234.5678"}, TextCase{-98765.4321, "-98765.4321"},
                      TextCase{1.23456789012345678, "1.23456789012346"}, TextCase{4.0001E-06, "4.0001E-06"}));

TEST(NumberTextIntegers, CountsAreWrittenAsIntegers) {
  EXPECT_EQ(NumberText(std::int32_t{5}, false), " 5");
  EXPECT_EQ(NumberText(std::int32_t{5}), "5");
  EXPECT_EQ(NumberText(std::int32_t{-12}, false), "-12");
  EXPECT_EQ(NumberText(std::int32_t{2147483647}), "2147483647");
  EXPECT_EQ(NumberText(std::numeric_limits<std::int32_t>::min()), "-2147483648");
}

TEST(NumberTextRoundTrip, ReadingTheTextGivesTheValueRoundedTo15Digits) {
  // The diagram files rely on it: what is written reads back to what was written.
  const double values[] = {0.1,
                           -2.5,
                           1e-7,
                           123.456,
                           6.02214076e23,
                           4e-6,
                           179.999999999999,
                           DBL_MAX,
                           -DBL_MAX,
                           DBL_MIN,
                           1.797693134862315E+308};
  for (double v : values) {
    const std::string text = NumberText(v);
    EXPECT_EQ(NumberText(NumericValue(text)), text) << v;
  }
}

TEST(NumberTextSpecialValues, AreReadable) {
  EXPECT_EQ(NumberText(std::numeric_limits<double>::quiet_NaN()), "NaN");
  EXPECT_EQ(NumberText(std::numeric_limits<double>::infinity()), "Infinity");
  EXPECT_EQ(NumberText(-std::numeric_limits<double>::infinity()), "-Infinity");
}

// Plot ticks are counted in single precision; their labels show the 7 digits
// a single holds, not the binary fraction's 15.
TEST(SingleNumberText, WritesSevenSignificantDigits) {
  float sum = 0;
  for (int i = 0; i < 3; ++i) sum += 0.1f;  // 0.300000011920929 in double
  EXPECT_EQ(SingleNumberText(sum), ".3");
  float creep = 0;
  for (int i = 0; i < 4; ++i) creep += 1E-06f;
  EXPECT_EQ(SingleNumberText(creep), "4E-06");
  EXPECT_EQ(SingleNumberText(5E-07f), "5E-07");
  EXPECT_EQ(SingleNumberText(0.5f), ".5");
  EXPECT_EQ(SingleNumberText(-10.0f), "-10");
  EXPECT_EQ(SingleNumberText(180.0f), "180");
  EXPECT_EQ(SingleNumberText(1234567.0f), "1234567");
  EXPECT_EQ(SingleNumberText(12345678.0f), "1.234568E+07");  // beyond 7 digits: exponent form
  EXPECT_EQ(SingleNumberText(2.5f, false), " 2.5");
}

}  // namespace
}  // namespace kolvane
