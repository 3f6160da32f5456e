#pragma once
// What kolvane-batch adds to a run's report: the serviceability summary with
// the limits of --limit-deflection and --limit-rotation, and the calculation
// report of --pdf.

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "batch/batch_arguments.h"
#include "batch/report_output.h"
#include "core/results/calculation_report.h"

namespace kolvane::batch {

inline const std::vector<std::string> kCalculationReportOptions = {"--pdf", "--limit-deflection", "--limit-rotation"};

// The limits given; false, with a usage error on err, when one is not a
// number above 0 and nothing else.
bool ReadLimits(const ParsedArguments& arguments, ServiceabilityLimits& limits, std::ostream& err);

// The file --pdf names, or nothing without --pdf. False, with the reason on
// err, when it is refused: a stream rather than a file, a build without the
// report, or what the check of every output refuses (CheckOutputTargets),
// beside the command's other `outputs`.
bool ChoosePdfTarget(const ParsedArguments& arguments, const BatchHooks& hooks,
                     const std::vector<std::string>& filesRead, std::vector<ReportTarget> outputs,
                     std::optional<std::string>& pdf, std::ostream& err);

// The summary's lines, after the command's closing message.
void PrintServiceability(std::ostream& out, const std::vector<std::string>& lines);

// Writes the calculation report to `pdf`, saying so on out or why not on err;
// the exit status (kExitDone, or kExitUnwritable).
int WritePdfReport(const std::string& pdf, CalculationReport report, const ParsedArguments& arguments,
                   const BatchHooks& hooks, std::ostream& out, std::ostream& err);

// The text report's file as a calculation report names it (nothing for the
// standard output).
std::string SavedReportFile(const ReportTarget& target);

}  // namespace kolvane::batch
