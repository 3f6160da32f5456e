#pragma once
// kolvane-batch climate: the five diagrams of every month asked for, made
// from a typical-year weather file and written as climate sets NAME-MM in the
// column's folder.

#include <ostream>
#include <string>
#include <vector>

#include "batch/batch_arguments.h"

namespace kolvane::batch {

inline const std::vector<std::string> kClimateOptions = {
    "--folder",      "--weather",     "--name",        "--month",  "--day", "--absorptance", "--surface-coefficient",
    "--reflectance", "--diffusivity", "--shift-hours", "--replace"};
// Options without a value.
inline const std::vector<std::string> kClimateFlags = {"--replace"};

// Returns the exit status.
int RunClimateCommand(const ParsedArguments& arguments, std::ostream& out, std::ostream& err);

}  // namespace kolvane::batch
