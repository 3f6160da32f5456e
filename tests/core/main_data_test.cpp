#include <gtest/gtest.h>

#include "core/maindata/main_data.h"
#include "core/maindata/validation.h"

namespace kolvane {
namespace {

// A column that passes every check: 120 m high, radii 3.6 and 4, 25 kN/m3,
// 30 GPa, 5 MN at the top, 4 rings, 72 sectors, 100 slices.
MainDataTexts ValidTexts() { return {"120", "3.6", "4", "25", "30", "5", "4", "72", "100", "-5", "1E-05"}; }

struct ValidationCase {
  MainField field;
  const char* text;
  const char* message;  // nullptr: passes
  // The field the user is sent to; the field changed unless it says otherwise.
  std::optional<MainField> blamed = std::nullopt;
  friend void PrintTo(const ValidationCase& c, std::ostream* out) {
    *out << static_cast<int>(c.field) << " \"" << c.text << "\"";
  }
};

class MainDataValidation : public ::testing::TestWithParam<ValidationCase> {};

TEST_P(MainDataValidation, ReportsTheFirstFailingRule) {
  const ValidationCase& c = GetParam();
  MainDataTexts texts = ValidTexts();
  texts[static_cast<int>(c.field)] = c.text;
  const std::optional<std::string> message = ValidateMainData(texts);
  if (c.message)
    EXPECT_EQ(message.value_or("(passed)"), c.message) << c.text;
  else
    EXPECT_FALSE(message.has_value()) << *message;
  const std::optional<MainDataProblem> problem = FirstMainDataProblem(texts);
  ASSERT_EQ(problem.has_value(), c.message != nullptr);
  if (problem) {
    EXPECT_EQ(problem->Field, c.blamed.value_or(c.field)) << c.text;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, MainDataValidation,
    ::testing::Values(ValidationCase{MainField::Height, "500", "Maximum height is 500 m."},
                      ValidationCase{MainField::Height, "499.9", nullptr},
                      ValidationCase{MainField::Height, "0", "The height is invalid."},
                      ValidationCase{MainField::Height, "", "The height is invalid."},
                      ValidationCase{MainField::Height, "-3", "The height is invalid."},
                      ValidationCase{MainField::IRadius, "4", "External radius must be more than the internal radius.",
                                     MainField::ERadius},
                      ValidationCase{MainField::IRadius, "0", "The internal radius is invalid."},
                      ValidationCase{MainField::ERadius, "20", "Maximum external radius is 20 m."},
                      ValidationCase{MainField::ERadius, "0", "External radius must be more than the internal radius."},
                      ValidationCase{MainField::UnitLoad, "50", "Maximum unit load is 50 KN/m³."},
                      ValidationCase{MainField::UnitLoad, "0", "The unit load is invalid."},
                      ValidationCase{MainField::E, "50", "Maximum elastic modulus is 50 GPa."},
                      ValidationCase{MainField::E, "0", "The elastic modulus is invalid."},
                      ValidationCase{MainField::F, "100", "Maximum compressive force is 100 MN."},
                      ValidationCase{MainField::F, "0", "The compressive force is invalid."},
                      ValidationCase{MainField::I, "0", "The number of rings is invalid."},
                      ValidationCase{MainField::I, "1", nullptr}, ValidationCase{MainField::I, "9999", nullptr},
                      ValidationCase{MainField::I, "10000", "The number of rings is invalid."},
                      ValidationCase{MainField::I, ".4", "The number of rings is invalid."},  // 0 rings once rounded
                      ValidationCase{MainField::J, "1", "The number of sectors is invalid."},
                      ValidationCase{MainField::J, "2", "The number of sectors is invalid."},
                      ValidationCase{MainField::J, "2.5",
                                     "The number of sectors is invalid."},  // rounds to 2, halves to even
                      ValidationCase{MainField::J, "3", nullptr},
                      ValidationCase{MainField::K, "0", "The number of slices is invalid."},
                      ValidationCase{MainField::K, "1", nullptr},
                      ValidationCase{MainField::K, "1E9", "The number of slices is invalid."},
                      ValidationCase{MainField::AThermal, "0", "The coefficient of thermal expansion is invalid."},
                      ValidationCase{MainField::RefTemp, "-40", nullptr},
                      ValidationCase{MainField::RefTemp, "letters", nullptr}));

TEST(MainDataValidationOrder, EarlierRulesWin) {
  MainDataTexts texts = ValidTexts();
  texts[static_cast<int>(MainField::IRadius)] = "25";
  texts[static_cast<int>(MainField::ERadius)] = "30";
  EXPECT_EQ(ValidateMainData(texts), "Maximum internal radius is 20 m.");

  texts = ValidTexts();
  texts[static_cast<int>(MainField::IRadius)] = "5";
  texts[static_cast<int>(MainField::ERadius)] = "5";  // equal radii: before any radius limit
  EXPECT_EQ(ValidateMainData(texts), "External radius must be more than the internal radius.");

  // Eleven zeros, as on a first start: the height is the first complaint.
  EXPECT_EQ(ValidateMainData(ZeroMainDataTexts()), "The height is invalid.");

  // Every field wrong at once: the rules speak in their order.
  const char* expected[] = {"Maximum height is 500 m.", "The height is invalid."};
  texts = ValidTexts();
  texts[0] = "600";
  texts[1] = "0";
  texts[6] = "0";
  EXPECT_EQ(ValidateMainData(texts), expected[0]);
  texts[0] = "0";
  EXPECT_EQ(ValidateMainData(texts), expected[1]);
}

TEST(MainDataFromTexts, ConvertsWithTheCommonReadingAndRoundsCountsToEven) {
  MainDataTexts texts = {"120", "3.6", "4", "25", "30", "5", "2.5", "3.5", "72", "-5.5", "1E-05"};
  const MainData data = MainDataFromTexts(texts);
  EXPECT_EQ(data.Height, 120);
  EXPECT_EQ(data.IRadius, 3.6);
  EXPECT_EQ(data.ERadius, 4);
  EXPECT_EQ(data.UnitLoad, 25);
  EXPECT_EQ(data.E, 30);
  EXPECT_EQ(data.F, 5);
  EXPECT_EQ(data.I, 2);  // halves go to the even neighbour
  EXPECT_EQ(data.J, 4);
  EXPECT_EQ(data.K, 72);
  EXPECT_EQ(data.RefTemp, -5.5);
  EXPECT_EQ(data.AThermal, 0.00001);
}

TEST(CountValue, RoundsHalvesToEvenAndSaturates) {
  struct Case {
    double value;
    std::int32_t expected;
  };
  const Case cases[] = {{0.5, 0},    {1.5, 2},   {2.5, 2},   {3.5, 4},           {2.4999, 2},
                        {2.5001, 3}, {-1.5, -2}, {-2.5, -2}, {1e12, 2147483647}, {-1e12, -2147483647 - 1},
                        {9999, 9999}};
  for (const Case& c : cases) EXPECT_EQ(CountValue(c.value), c.expected) << c.value;
}

}  // namespace
}  // namespace kolvane
