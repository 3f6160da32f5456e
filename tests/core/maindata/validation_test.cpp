#include "core/maindata/validation.h"

#include <gtest/gtest.h>

#include "core/maindata/main_data.h"

namespace kolvane {
namespace {

// A column that passes every check: 120 m high, radii 3.6 and 4, 25 kN/m3,
// 30 GPa, 5 MN at the top, 4 rings, 72 sectors, 100 slices.
MainDataTexts ValidTexts() { return {"120", "3.6", "4", "25", "30", "5", "4", "72", "100", "-5", "1E-05"}; }

// One field changed from a valid column: the first failing rule's message
// (nullptr: passes), and the field the user is sent to (the changed one unless said).
TEST(MainDataValidation, ReportsTheFirstFailingRuleAndItsField) {
  using F = MainField;
  const char* const radii = "External radius must be more than the internal radius.";
  const struct {
    MainField Field;
    const char *Text, *Message;
    std::optional<MainField> Blamed = std::nullopt;
  } cases[] = {// clang-format off
      {F::Height, "500", "Maximum height is 500 m."}, {F::Height, "499.9", nullptr},
      {F::Height, "0", "The height is invalid."}, {F::IRadius, "4", radii, F::ERadius},
      {F::IRadius, "0", "The internal radius is invalid."}, {F::IRadius, "0.5", nullptr},
      {F::ERadius, "20", "Maximum external radius is 20 m."}, {F::ERadius, "0", radii},
      {F::UnitLoad, "50", "Maximum unit load is 50 KN/m³."}, {F::UnitLoad, "0", "The unit load is invalid."},
      {F::E, "50", "Maximum elastic modulus is 50 GPa."}, {F::E, "0", "The elastic modulus is invalid."},
      {F::F, "100", "Maximum compressive force is 100 MN."}, {F::F, "0", "The compressive force is invalid."},
      {F::I, "0", "The number of rings is invalid."}, {F::I, "1", nullptr}, {F::I, "9999", nullptr},
      {F::I, "10000", "The number of rings is invalid."}, {F::J, "2", "The number of sectors is invalid."},
      {F::J, "2.5", "The number of sectors is invalid."}, {F::J, "3", nullptr}, {F::K, "1", nullptr},
      {F::K, "0", "The number of slices is invalid."}, {F::K, "1E9", "The number of slices is invalid."},
      {F::AThermal, "0", "The coefficient of thermal expansion is invalid."}, {F::RefTemp, "letters", nullptr}};
  // clang-format on
  for (const auto& c : cases) {
    MainDataTexts texts = ValidTexts();
    texts[static_cast<int>(c.Field)] = c.Text;
    EXPECT_EQ(ValidateMainData(texts).value_or("(passed)"), c.Message ? c.Message : "(passed)") << c.Text;
    const std::optional<MainDataProblem> problem = FirstMainDataProblem(texts);
    if (problem) EXPECT_EQ(problem->Field, c.Blamed.value_or(c.Field)) << c.Text;
  }
  // Earlier rules win: the internal radius's limit (20 m itself) before the external one's, the height first.
  MainDataTexts texts = ValidTexts();
  texts[1] = "20";
  texts[2] = "21";
  EXPECT_EQ(ValidateMainData(texts), "Maximum internal radius is 20 m.");
  texts[0] = "600";
  texts[6] = "0";
  EXPECT_EQ(ValidateMainData(texts), "Maximum height is 500 m.");
  EXPECT_EQ(ValidateMainData(ZeroMainDataTexts()), "The height is invalid.");
}

}  // namespace
}  // namespace kolvane
