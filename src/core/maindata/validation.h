#pragma once

#include <optional>
#include <string>

#include "core/maindata/main_data.h"

namespace kolvane {

// The largest ring, sector and slice count: the fields hold four digits.
inline constexpr std::int32_t kMaxCount = 9999;
// The limits the checks apply; each field must stay below its largest value.
inline constexpr double kMaxHeight = 500, kMaxRadius = 20, kMaxUnitLoad = 50, kMaxModulus = 50, kMaxForce = 100;
inline constexpr std::int32_t kFewestRings = 1, kFewestSectors = 3, kFewestSlices = 1;

// What a field accepts, in words, with its unit: "more than 0 and less than
// 500 m". The windows show it beside the field.
std::string FieldRangeText(MainField field);

struct MainDataProblem {
  std::string Message;
  MainField Field;  // the field at fault, where the user is sent to mend it
};

// Checks the main data's field texts rule by rule and returns the first rule
// that fails, with the field it blames, or nothing when all pass.
std::optional<MainDataProblem> FirstMainDataProblem(const MainDataTexts& texts);

// Checks the main data's field texts rule by rule and returns the message of
// the first rule that fails, or nothing when all pass. Showing the message is
// the caller's business.
std::optional<std::string> ValidateMainData(const MainDataTexts& texts);

}  // namespace kolvane
