#pragma once
// kolvane-batch creep: the creep solution of a column folder between two
// dates, written as the report the desktop program saves.

#include <optional>
#include <ostream>
#include <string>

#include "batch/batch_arguments.h"
#include "batch/report_output.h"

namespace kolvane::batch {

inline const std::vector<std::string> kCreepOptions = {
    "--folder",        "--from",        "--to",      "--step", "--store-every",
    "--store-at",      "--diagrams",    "--creep",   "--phi",  "--month",
    "--out",           "--tip-history", "--climate", "--pdf",  "--limit-deflection",
    "--limit-rotation"};

// A time step in hours as the command line gives it: one of the offered
// steps, written in digits and a point; nothing otherwise.
std::optional<double> ParseStep(const std::string& text);
// "--step takes one of 0.25, ...": the refusal of a step that is not offered.
std::string StepRefusal(const std::string& text);

// "1/1/2000 to 31/12/2100": the first and last day a run may have.
std::string CreepDatesText();

// Returns the exit status. With `showProgress` the date being computed and
// the days done go to err, on one line rewritten in place (for a terminal).
int RunCreepCommand(const ParsedArguments& arguments, std::ostream& out, std::ostream& err, bool showProgress,
                    const BatchHooks& hooks = {});

}  // namespace kolvane::batch
