#pragma once
// kolvane-batch as a function, so tests can run it without a process.

#include <ostream>
#include <string>
#include <vector>

namespace kolvane::batch {

// arguments excludes the program name. Returns the exit status.
int RunBatch(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace kolvane::batch
