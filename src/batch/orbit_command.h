#pragma once
// kolvane-batch orbit: the daily tip orbit of a column folder, the tip's
// deflections at every step of a day, written as a CSV file.

#include <ostream>

#include "batch/batch_arguments.h"
#include "batch/report_output.h"

namespace kolvane::batch {

inline const std::vector<std::string> kOrbitOptions = {"--folder", "--diagrams",         "--step",          "--out",
                                                       "--pdf",    "--limit-deflection", "--limit-rotation"};
// The step, in hours, without --step.
inline const std::string kOrbitDefaultStep = "1";

// Returns the exit status, as elastic's.
int RunOrbitCommand(const ParsedArguments& arguments, std::ostream& out, std::ostream& err,
                    const BatchHooks& hooks = {});

}  // namespace kolvane::batch
