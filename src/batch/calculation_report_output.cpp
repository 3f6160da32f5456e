#include "batch/calculation_report_output.h"

#include <filesystem>
#include <utility>

#include "batch/batch_feedback.h"
#include "batch/exit_status.h"
#include "batch/interruption.h"
#include "core/results/serviceability.h"

namespace kolvane::batch {

bool ReadLimits(const ParsedArguments& arguments, ServiceabilityLimits& limits, std::ostream& err) {
  const struct {
    const char* Option;
    const char* What;
    std::optional<double>& Limit;
  } options[] = {{"--limit-deflection", "the N of H/N", limits.DeflectionRatio},
                 {"--limit-rotation", "degrees", limits.RotationDegrees}};
  for (const auto& o : options) {
    const auto text = LastValue(arguments, o.Option);
    if (!text) continue;
    o.Limit = LimitValue(*text);
    if (!o.Limit) {
      ReportUsageError(err, std::string(o.Option) + " takes a number above 0 (" + o.What + "), not '" + *text + "'");
      return false;
    }
  }
  return true;
}

bool ChoosePdfTarget(const ParsedArguments& arguments, const BatchHooks& hooks,
                     const std::vector<std::string>& filesRead, std::vector<ReportTarget> outputs,
                     std::optional<std::string>& pdf, std::ostream& err) {
  const std::optional<ReportTarget> target = ChosenTarget(arguments, "--pdf", "The calculation report");
  if (!target) return true;
  if (!target->IsFile()) {  // a PDF is replaced whole, never streamed
    ReportUsageError(err, "--pdf needs a file name");
    return false;
  }
  if (!hooks.WritePdf) {
    err << "kolvane-batch: this build cannot write calculation reports (--pdf).\n";
    return false;
  }
  outputs.push_back(*target);
  if (!CheckOutputTargets(outputs, filesRead, err)) return false;
  pdf = target->Path;
  return true;
}

void PrintServiceability(std::ostream& out, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) out << line << "\n";
}

int WritePdfReport(const std::string& pdf, CalculationReport report, const ParsedArguments& arguments,
                   const BatchHooks& hooks, std::ostream& out, std::ostream& err) {
  const std::string folder = LastValue(arguments, "--folder").value_or(".");
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(folder, error);
  report.Title.Folder = error ? folder : absolute.lexically_normal().string();
  // Ctrl-C while the report is laid out stops it before the file is touched.
  const InterruptionGuard guard;
  BatchFeedback feedback(err, {}, &guard);
  const WriteResult written = hooks.WritePdf(report, pdf, feedback);
  if (const int signal = guard.Signal(); signal != 0) {
    if (!written.Ok) err << "kolvane-batch: interrupted; " << pdf << " was left as it was.\n";
    return InterruptedExitStatus(signal);
  }
  if (!written.Ok) {
    err << pdf << " could not be saved: " << written.Reason << "\n";
    return kExitFailed;
  }
  out << pdf << " was saved successfully.\n";
  return kExitDone;
}

std::string SavedReportFile(const ReportTarget& target) {
  if (!target.IsFile()) return {};
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(target.Path, error);
  return error ? target.Path : absolute.lexically_normal().string();
}

}  // namespace kolvane::batch
