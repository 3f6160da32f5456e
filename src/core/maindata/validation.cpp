#include "core/maindata/validation.h"

#include <functional>
#include <vector>

#include "core/common/number_text.h"
#include "core/common/numeric_reading.h"

namespace kolvane {
namespace {

struct FieldValues {
  double Height, IRadius, ERadius, UnitLoad, E, F, AThermal;
  // The counts as a run will use them (rounded), so that no count that passes
  // can turn into 0 rings or 2 sectors in the run.
  std::int32_t I, J, K;
};

struct Rule {
  std::function<bool(const FieldValues&)> Fails;
  const char* Message;
  MainField Field;  // the field the user is sent back to
};

bool CountOutOfRange(std::int32_t count, std::int32_t lowest) { return count < lowest || count > kMaxCount; }

const std::vector<Rule>& Rules() {
  static const std::vector<Rule> kRules = {
      {[](const FieldValues& v) { return v.Height >= kMaxHeight; }, "Maximum height is 500 m.", MainField::Height},
      {[](const FieldValues& v) { return v.Height <= 0; }, "The height is invalid.", MainField::Height},
      {[](const FieldValues& v) { return v.IRadius >= v.ERadius; },
       "External radius must be more than the internal radius.", MainField::ERadius},
      {[](const FieldValues& v) { return v.IRadius >= kMaxRadius; }, "Maximum internal radius is 20 m.",
       MainField::IRadius},
      {[](const FieldValues& v) { return v.IRadius <= 0; }, "The internal radius is invalid.", MainField::IRadius},
      {[](const FieldValues& v) { return v.ERadius >= kMaxRadius; }, "Maximum external radius is 20 m.",
       MainField::ERadius},
      {[](const FieldValues& v) { return v.ERadius <= 0; }, "The external radius is invalid.", MainField::ERadius},
      {[](const FieldValues& v) { return v.UnitLoad >= kMaxUnitLoad; }, "Maximum unit load is 50 KN/m³.",
       MainField::UnitLoad},
      {[](const FieldValues& v) { return v.UnitLoad <= 0; }, "The unit load is invalid.", MainField::UnitLoad},
      {[](const FieldValues& v) { return v.E >= kMaxModulus; }, "Maximum elastic modulus is 50 GPa.", MainField::E},
      {[](const FieldValues& v) { return v.E <= 0; }, "The elastic modulus is invalid.", MainField::E},
      {[](const FieldValues& v) { return v.F >= kMaxForce; }, "Maximum compressive force is 100 MN.", MainField::F},
      {[](const FieldValues& v) { return v.F <= 0; }, "The compressive force is invalid.", MainField::F},
      {[](const FieldValues& v) { return CountOutOfRange(v.I, kFewestRings); }, "The number of rings is invalid.",
       MainField::I},
      // Two sectors put both reference points on the Y axis, so the curvature
      // about it would be a quotient of rounding errors: three at least.
      {[](const FieldValues& v) { return CountOutOfRange(v.J, kFewestSectors); }, "The number of sectors is invalid.",
       MainField::J},
      {[](const FieldValues& v) { return CountOutOfRange(v.K, kFewestSlices); }, "The number of slices is invalid.",
       MainField::K},
      {[](const FieldValues& v) { return v.AThermal <= 0; }, "The coefficient of thermal expansion is invalid.",
       MainField::AThermal},
  };
  return kRules;
}

std::string Limit(double value) { return NumberText(value); }

}  // namespace

std::string FieldRangeText(MainField field) {
  const std::string positive = "more than 0 and less than ";
  switch (field) {
    case MainField::Height:
      return positive + Limit(kMaxHeight) + " m";
    case MainField::IRadius:
      return positive + Limit(kMaxRadius) + " m, and less than the external radius";
    case MainField::ERadius:
      return positive + Limit(kMaxRadius) + " m";
    case MainField::UnitLoad:
      return positive + Limit(kMaxUnitLoad) + " kN/m\u00b3";
    case MainField::E:
      return positive + Limit(kMaxModulus) + " GPa";
    case MainField::F:
      return positive + Limit(kMaxForce) + " MN, compression";
    case MainField::I:
      return "a whole number from " + Limit(kFewestRings) + " to " + Limit(kMaxCount);
    case MainField::J:
      return "a whole number from " + Limit(kFewestSectors) + " to " + Limit(kMaxCount);
    case MainField::K:
      return "a whole number from " + Limit(kFewestSlices) + " to " + Limit(kMaxCount);
    case MainField::RefTemp:
      return "any temperature in \u00b0C, below 0 too";
    case MainField::AThermal:
      return "more than 0, in 1/\u00b0C (1E-05 is 10 \u00d7 10\u207b\u2076 per \u00b0C)";
  }
  return {};
}

std::optional<MainDataProblem> FirstMainDataProblem(const MainDataTexts& texts) {
  auto value = [&](MainField field) { return NumericValue(FieldText(texts, field)); };
  const FieldValues v{value(MainField::Height),
                      value(MainField::IRadius),
                      value(MainField::ERadius),
                      value(MainField::UnitLoad),
                      value(MainField::E),
                      value(MainField::F),
                      value(MainField::AThermal),
                      CountValue(value(MainField::I)),
                      CountValue(value(MainField::J)),
                      CountValue(value(MainField::K))};
  for (const Rule& rule : Rules())
    if (rule.Fails(v)) return MainDataProblem{rule.Message, rule.Field};
  return std::nullopt;
}

std::optional<std::string> ValidateMainData(const MainDataTexts& texts) {
  std::optional<MainDataProblem> problem = FirstMainDataProblem(texts);
  if (!problem) return std::nullopt;
  return std::move(problem->Message);
}

}  // namespace kolvane
