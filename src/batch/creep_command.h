#pragma once
// kolvane-batch creep: the creep solution of a column folder between two
// dates, written as the report the desktop program saves.

#include <ostream>

#include "batch/batch_arguments.h"
#include "batch/report_output.h"

namespace kolvane::batch {

inline const std::vector<std::string> kCreepOptions = {"--folder",   "--from",  "--to",  "--step",
                                                       "--store-every", "--store-at", "--diagrams", "--creep",
                                                       "--phi",      "--month", "--out"};

// Returns the exit status. With `showProgress` the date being computed and
// the days done go to err, on one line rewritten in place (for a terminal).
int RunCreepCommand(const ParsedArguments& arguments, std::ostream& out, std::ostream& err, bool showProgress,
                    const BatchHooks& hooks = {});

}  // namespace kolvane::batch
