#include "core/common/numeric_reading.h"

#include "core/common/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <string>

namespace kolvane {
namespace {

struct ReadingCase {
  const char* text;
  double expected;
  friend void PrintTo(const ReadingCase& c, std::ostream* out) { *out << "\"" << c.text << "\""; }
};

class NumericReading : public ::testing::TestWithParam<ReadingCase> {};

TEST_P(NumericReading, ReadsTheLongestLeadingNumber) {
  const ReadingCase& c = GetParam();
  std::optional<double> value = TryNumericValue(c.text);
  ASSERT_TRUE(value.has_value()) << c.text;
  EXPECT_EQ(*value, c.expected) << '"' << c.text << '"';
  EXPECT_EQ(NumericValue(c.text), c.expected) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumericReading,
    ::testing::Values(ReadingCase{"12.5 m", 12.5}, ReadingCase{"1 000", 1000}, ReadingCase{"-.5", -0.5},
                      ReadingCase{"1E-05", 0.00001}, ReadingCase{"1e-05", 0.00001}, ReadingCase{"1.5E+20", 1.5e20},
                      ReadingCase{"2D3", 2000}, ReadingCase{"letters", 0}, ReadingCase{"", 0}, ReadingCase{"   ", 0},
                      ReadingCase{"2,5", 2},               // a comma is not a decimal point
                      ReadingCase{"\t-\n3 . 2 5", -3.25},  // blanks, tabs and line feeds anywhere are ignored
                      ReadingCase{"+7", 7}, ReadingCase{".", 0}, ReadingCase{"-", 0}, ReadingCase{"1.", 1},
                      ReadingCase{"1.5.3", 1.5}, ReadingCase{"3E", 3},  // an E without digits ends the number before it
                      ReadingCase{"3E+", 3}, ReadingCase{"3E+x", 3}, ReadingCase{"12abc", 12}, ReadingCase{"0.1", 0.1},
                      ReadingCase{"&H1F", 31}, ReadingCase{"&hff", 255}, ReadingCase{"&O17", 15},
                      ReadingCase{"&O19", 1}, ReadingCase{"&H", 0}, ReadingCase{"1E-400", 0},
                      ReadingCase{"3.14159265358979", 3.14159265358979}, ReadingCase{"1.7976931348623157E308", DBL_MAX},
                      ReadingCase{"1.79769313486232E+308", DBL_MAX},  // the number text of the largest double
                      ReadingCase{"-1.79769313486232E+308", -DBL_MAX}, ReadingCase{"\r5", 0}));

TEST(NumericReadingRange, NumbersBeyondADoubleAreAFailureOrSaturate) {
  EXPECT_FALSE(TryNumericValue("1E400").has_value());
  EXPECT_FALSE(TryNumericValue("-1E400").has_value());
  EXPECT_FALSE(TryNumericValue("1" + std::string(400, '0')).has_value());
  EXPECT_FALSE(TryNumericValue("1.79769313486233E+308").has_value());
  EXPECT_EQ(NumericValue("1E400"), DBL_MAX);
  EXPECT_EQ(NumericValue("- 1E400"), -DBL_MAX);
}

TEST(WholeNumericReading, TakesOnlyATextThatIsOneNumber) {
  const struct {
    const char* text;
    std::optional<double> expected;
  } cases[] = {
      {"14", 14},
      {"12.5", 12.5},
      {"-.5", -0.5},
      {"+7", 7},
      {"1.", 1},
      {"1E-05", 0.00001},
      {"2D3", 2000},
      {"0", 0},
      {"24", 24},
      {"", std::nullopt},
      {"abc", std::nullopt},
      {"14abc", std::nullopt},
      {"12,5", std::nullopt},
      {"NaN", std::nullopt},
      {"inf", std::nullopt},
      {" 14", std::nullopt},
      {"1 4", std::nullopt},
      {"14\n", std::nullopt},
      {".", std::nullopt},
      {"-", std::nullopt},
      {"3E", std::nullopt},
      {"3E+", std::nullopt},
      {"1.5.3", std::nullopt},
      {"&H1F", std::nullopt},
      {"0x10", std::nullopt},
      {"1E400", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TryWholeNumericValue(c.text), c.expected) << '"' << c.text << '"';
    if (c.expected) {
      EXPECT_EQ(TryNumericValue(c.text), c.expected) << "the one reading agrees on " << c.text;
    }
  }
}

TEST(NumericReadingLocale, AUserLocaleDoesNotChangeThePoint) {
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
