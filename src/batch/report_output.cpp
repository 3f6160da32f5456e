#include "batch/report_output.h"

#include <sys/stat.h>

#include <filesystem>
#include <system_error>

#include "batch/exit_status.h"
#include "batch/interruption.h"
#include "core/common/latin1.h"
#include "core/common/report_file.h"
#include "core/engine/finite_results.h"

namespace kolvane::batch {

namespace {

constexpr const char* kStandardOutputName = "-";

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

int WriteToStandardOutput(const ReportLines& lines, std::ostream& out, std::ostream& err) {
  std::string bytes;
  lines([&](std::string_view line) {
    bytes.clear();
    AppendLatin1FromUtf8(bytes, line);
    bytes.append("\r\n");
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  });
  out.flush();
  if (out) return kExitDone;
  err << "The report could not be written to the standard output.\n";
  return kExitFailed;
}

int WriteToFile(const std::string& path, const ReportLines& lines, std::ostream& out, std::ostream& err,
                const BatchHooks& hooks) {
  const InterruptionGuard guard;  // outlives the writer, whose end removes an uncommitted temporary file
  ReportFileWriter writer(path);
  std::int64_t written = 0;
  lines([&](std::string_view line) {
    if (guard.Signal() != 0) return;
    writer.AppendLine(line);
    if (hooks.ReportLineWritten) hooks.ReportLineWritten(++written);
  });
  if (const int signal = guard.Signal(); signal != 0) {
    err << "kolvane-batch: interrupted; " << path << " was left as it was.\n";
    return InterruptedExitStatus(signal);
  }
  const WriteResult result = writer.Commit();
  if (!result.ok) {
    err << path << " could not be saved: " << result.reason << "\n";
    return kExitFailed;
  }
  out << path << " was saved successfully.\n";
  // A signal during the final rename came too late to keep the old report,
  // but the caller still learns that the command was interrupted.
  if (const int signal = guard.Signal(); signal != 0) return InterruptedExitStatus(signal);
  return kExitDone;
}

}  // namespace

bool SamePath(const std::string& a, const std::string& b) {
  struct stat first, second;
  if (::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0) return SameFile(first, second);
  std::error_code error;
  const auto absoluteA = std::filesystem::absolute(a, error).lexically_normal();
  const auto absoluteB = std::filesystem::absolute(b, error).lexically_normal();
  return absoluteA == absoluteB;
}

ReportTarget ChooseReportTarget(const ParsedArguments& arguments, const Workspace& workspace,
                                const char* reportFileName) {
  const auto out = LastValue(arguments, "--out");
  if (out && *out == kStandardOutputName) return {true, {}};
  return {false, out.value_or(workspace.PathOf(reportFileName))};
}

std::optional<ReportTarget> ChosenTarget(const ParsedArguments& arguments, const std::string& option) {
  const auto value = LastValue(arguments, option);
  if (!value) return std::nullopt;
  if (*value == kStandardOutputName) return ReportTarget{true, {}};
  return ReportTarget{false, *value};
}

bool CheckSecondTarget(const ReportTarget& second, const ReportTarget& report,
                       const std::vector<std::string>& filesRead, std::ostream& err) {
  if (!second.standardOutput && second.path.empty()) {
    err << "kolvane-batch: --tip-history needs a file name (see kolvane-batch --help)\n";
    return false;
  }
  if (second.standardOutput && report.standardOutput) {
    err << "kolvane-batch: only one file can go to the standard output (see kolvane-batch --help)\n";
    return false;
  }
  if (!second.standardOutput && !report.standardOutput && SamePath(second.path, report.path)) {
    err << "kolvane-batch: " << second.path << " cannot hold both the report and the tip history\n";
    return false;
  }
  return CheckReportTarget(second, filesRead, err);
}

bool CheckReportTarget(const ReportTarget& target, const std::vector<std::string>& filesRead, std::ostream& err) {
  if (target.standardOutput) return true;
  if (target.path.empty()) {
    err << "kolvane-batch: --out needs a file name (see kolvane-batch --help)\n";
    return false;
  }
  struct stat there;
  if (::stat(target.path.c_str(), &there) != 0) return true;  // nothing there yet (or the write will say why)
  if (!S_ISREG(there.st_mode)) {
    err << "The report cannot be written to " << target.path << ": it is not a regular file"
        << (S_ISDIR(there.st_mode) ? " but a folder" : "") << ".\n";
    return false;
  }
  for (const std::string& file : filesRead) {
    struct stat read;
    if (::stat(file.c_str(), &read) == 0 && SameFile(there, read)) {
      err << "The report cannot be written to " << target.path << ": it is " << file << ", which the run reads.\n";
      return false;
    }
  }
  return true;
}

int WriteReport(const ReportTarget& target, const ReportLines& lines, std::ostream& out, std::ostream& err,
                const BatchHooks& hooks) {
  if (target.standardOutput) return WriteToStandardOutput(lines, out, err);
  return WriteToFile(target.path, lines, out, err, hooks);
}

int JudgeResults(int status, bool resultsAreFinite, std::ostream& err) {
  // After an interruption there is no report to doubt.
  if (resultsAreFinite || (status != kExitDone && status != kExitFailed)) return status;
  err << kNonFiniteResultsMessage << "\n";
  return status == kExitDone ? kExitDoubtful : status;
}

}  // namespace kolvane::batch
