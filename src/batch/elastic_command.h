#pragma once
// kolvane-batch elastic: the thermo-elastic solution of a column folder for
// one hour, written as the report the desktop program saves.

#include <ostream>

#include "batch/batch_arguments.h"
#include "batch/report_output.h"

namespace kolvane::batch {

inline const std::vector<std::string> kElasticOptions = {"--folder", "--hour", "--diagrams", "--out"};

// Returns the exit status.
int RunElasticCommand(const ParsedArguments& arguments, std::ostream& out, std::ostream& err,
                      const BatchHooks& hooks = {});

}  // namespace kolvane::batch
