#pragma once
// Where a batch command's report goes (--out, or the report's own file in the
// column's folder) and how it gets there.

#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "batch/batch_arguments.h"
#include "core/common/text_file.h"
#include "core/common/workspace.h"
#include "core/results/calculation_report.h"

namespace kolvane::batch {

// What a caller may follow while a report is written.
struct BatchHooks {
  // After each line of a report written to a file has been handed to the
  // writer (1 for the first). Lets tests interrupt a write at a known point.
  std::function<void(std::int64_t line)> ReportLineWritten;
  // Writes a calculation report as a PDF file; a build without the report
  // module leaves it empty, and --pdf is then refused.
  std::function<WriteResult(const CalculationReport& report, const std::string& path)> WritePdf;
};

struct ReportTarget {
  bool standardOutput = false;  // "--out -"
  std::string path;             // the file, when not standardOutput
};

// The target --out names, or the report's own file in the folder.
ReportTarget ChooseReportTarget(const ParsedArguments& arguments, const Workspace& workspace,
                                const char* reportFileName);

// The target an option such as --tip-history names ("-": the standard
// output), or nothing when the option is not given.
std::optional<ReportTarget> ChosenTarget(const ParsedArguments& arguments, const std::string& option);

// False, with the reason on err, when writing the report to the target would
// destroy something: a folder, FIFO or device in its place (the replacing
// rename would swap it for a plain file), or a file the run reads (main.dat,
// a diagram; however it is named: a "./", a symbolic or a hard link). Nothing
// is touched.
bool CheckReportTarget(const ReportTarget& target, const std::vector<std::string>& filesRead, std::ostream& err);

// As CheckReportTarget, for a second file a command writes beside its
// report: it may not be the report's own target too.
bool CheckSecondTarget(const ReportTarget& second, const ReportTarget& report,
                       const std::vector<std::string>& filesRead, std::ostream& err);

// Two names of one file: the same file where both exist, else the same path
// once made absolute.
bool SamePath(const std::string& a, const std::string& b);

// Hands every line of a report, in order, to `line`.
using ReportLines = std::function<void(const std::function<void(std::string_view)>& line)>;

// Writes the report as the desktop program saves it (Latin-1, CR LF). To a
// file: through a temporary file that replaces it only once complete, saying
// on out that it was saved, or on err why not; Ctrl-C or SIGTERM meanwhile
// removes the temporary file and leaves the old report. To the standard
// output: the bytes on out. Returns the exit status.
int WriteReport(const ReportTarget& target, const ReportLines& lines, std::ostream& out, std::ostream& err,
                const BatchHooks& hooks);

// The status of a command whose report was written with `status`: a report
// of results that are not all finite (NaN or an infinity) is still written,
// as the desktop program saves it, but the user is told not to trust it.
int JudgeResults(int status, bool resultsAreFinite, std::ostream& err);

}  // namespace kolvane::batch
