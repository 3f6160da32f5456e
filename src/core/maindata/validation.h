#pragma once

#include <optional>
#include <string>

#include "core/maindata/main_data.h"

namespace kolvane {

// The largest ring, sector and slice count: the fields hold four digits.
inline constexpr std::int32_t kMaxCount = 9999;

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
