#pragma once
// A climate in a creep run: each month the run reaches takes that month's set
// NAME-MM, and a month without one stops the run before it starts (the
// climates of a folder are listed by climate_set's ListClimateNames).

#include <string>

#include "core/common/workspace.h"

namespace kolvane {

// Why a run cannot use climate `name`: it reaches `month` (1..12), for which
// the folder holds no complete set.
std::string MissingClimateSetText(const Workspace& workspace, const std::string& name, int month);

}  // namespace kolvane
