#pragma once
// A climate in a creep run: each month the run reaches takes that month's set
// NAME-MM, and a month without one stops the run before it starts.

#include <string>
#include <vector>

#include "core/common/workspace.h"

namespace kolvane {

// The climates of the folder: every NAME of which at least one month's set of
// all five diagrams (NAME-01.dg1 to NAME-01.dg5 ...) exists, in the order the
// diagram lists show them.
std::vector<std::string> ListClimateNames(const Workspace& workspace);

// Why a run cannot use climate `name`: it reaches `month` (1..12), for which
// the folder holds no complete set.
std::string MissingClimateSetText(const Workspace& workspace, const std::string& name, int month);

}  // namespace kolvane
