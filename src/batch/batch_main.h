#pragma once
// kolvane-batch as a function, so tests can run it without a process.

#include <ostream>
#include <string>
#include <vector>

#include "batch/report_output.h"

namespace kolvane::batch {

// arguments excludes the program name. Returns the exit status. Long runs
// show their progress on err when `errIsTerminal`.
int RunBatch(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
             bool errIsTerminal = false, const BatchHooks& hooks = {});

}  // namespace kolvane::batch
