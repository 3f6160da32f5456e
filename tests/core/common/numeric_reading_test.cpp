// Numbers read by the program's own rules: the longest leading number, a point
// whatever the user's locale.
#include "core/common/numeric_reading.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <string>

#include "core/common/number_text.h"

namespace kolvane {
namespace {

constexpr double kNone = -999;  // the text is not one whole number

// A comma is not a decimal point; blanks, tabs and line feeds anywhere are
// ignored; 1.79769313486232E+308 is the number text of the largest double.
TEST(NumericReading, ReadsTheLongestLeadingNumberAndTellsAWholeNumber) {
  struct Case {
    const char* Text;
    double Leading, Whole;
  };
  // clang-format off
  for (const Case& c : {
      Case{"12.5", 12.5, 12.5}, Case{"-.5", -0.5, -0.5}, Case{"+7", 7, 7}, Case{"1.", 1, 1},
      Case{"1E-05", 1e-5, 1e-5}, Case{"1e-05", 1e-5, 1e-5}, Case{"1.5E+20", 1.5e20, 1.5e20}, Case{"2D3", 2000, 2000},
      Case{"12.5 m", 12.5, kNone}, Case{"letters", 0, kNone}, Case{"", 0, kNone}, Case{"2,5", 2, kNone},
      Case{"\t-\n3 . 2 5", -3.25, kNone}, Case{".", 0, kNone}, Case{"-", 0, kNone}, Case{"1.5.3", 1.5, kNone},
      Case{"3E", 3, kNone}, Case{"3E+", 3, kNone}, Case{"&hff", 255, kNone}, Case{"&O17", 15, kNone},
      Case{"&O19", 1, kNone}, Case{"&H", 0, kNone}, Case{"&HA.5", 10, kNone}, Case{"1E-400", 0, 0},
      Case{"0x10", 0, kNone}, Case{"NaN", 0, kNone}, Case{"inf", 0, kNone}, Case{" 14", 14, kNone},
      Case{"\r5", 0, kNone}}) {
    // clang-format on
    EXPECT_EQ(TryNumericValue(c.Text), c.Leading) << '"' << c.Text << '"';
    EXPECT_EQ(NumericValue(c.Text), c.Leading) << '"' << c.Text << '"';
    const std::optional<double> whole = c.Whole == kNone ? std::nullopt : std::optional<double>(c.Whole);
    EXPECT_EQ(TryWholeNumericValue(c.Text), whole) << '"' << c.Text << '"';
  }
  for (const char* text : {"1.7976931348623157E308", "1.79769313486232E+308"})
    EXPECT_EQ(TryWholeNumericValue(text), DBL_MAX) << text;
  // Beyond a double: a failure, or the largest double where a value is needed.
  for (const std::string& text : {std::string("1E400"), std::string("-1E400"), "1" + std::string(400, '0'),
                                  std::string("1.79769313486233E+308")}) {
    EXPECT_FALSE(TryNumericValue(text).has_value()) << text;
    EXPECT_FALSE(TryWholeNumericValue(text).has_value()) << text;
  }
  EXPECT_EQ(NumericValue("1E400"), DBL_MAX);
  EXPECT_EQ(NumericValue("- 1E400"), -DBL_MAX);
}

TEST(NumericReading, AUserLocaleDoesNotChangeThePoint) {
  // A desktop toolkit switches the process to the user's locale; a German one
  // would read "2.5" as 2 through the C library's locale-dependent parsers.
  const char* previous = std::setlocale(LC_ALL, nullptr);
  const std::string saved = previous ? previous : "C";
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no German locale on this machine";
  const double value = NumericValue("2.5");
  const std::string text = NumberText(-1234.5);
  std::setlocale(LC_ALL, saved.c_str());
  EXPECT_EQ(value, 2.5);
  EXPECT_EQ(text, "-1234.5");
}

}  // namespace
}  // namespace kolvane
