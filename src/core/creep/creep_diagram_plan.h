#pragma once
// The diagrams a creep run will open, known before its first day: each
// month's temperature kinds and the creep kinds, so that a diagram the run
// would meet only in a later month stops it before anything is computed.

#include <optional>
#include <string>
#include <vector>

#include "core/common/workspace.h"
#include "core/creep/creep_run.h"
#include "core/engine/run_diagrams.h"

namespace kolvane {

// Whether the diagrams of months the dates never reach are looked for. A
// climate need not hold the sets of those months; names given by hand must
// all be there.
enum class UnreachedMonths { LookedFor, NotLookedFor };

// Every diagram the inputs name, once each, by the name the run opens it by:
// the temperature kinds month by month, used in the months the dates reach,
// then the creep kinds, always used. The dates must be set.
std::vector<NamedDiagram> CreepDiagramPlan(const CreepRunInputs& inputs, UnreachedMonths unreached);

// RunDiagramsProblem of the plan: the first reason the run could not use its
// diagrams, found without opening (or repairing) any of them.
std::optional<std::string> CreepDiagramsProblem(const Workspace& workspace, const CreepRunInputs& inputs,
                                                UnreachedMonths unreached);

}  // namespace kolvane
