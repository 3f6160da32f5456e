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
#include "core/common/work_feedback.h"
#include "core/common/workspace.h"
#include "core/results/calculation_report.h"

namespace kolvane::batch {

// What a caller may follow while a report is written.
struct BatchHooks {
  // After each line of a report written to a file has been handed to the
  // writer (1 for the first). Lets tests interrupt a write at a known point.
  std::function<void(std::int64_t line)> ReportLineWritten;
  // Writes a calculation report as a PDF file, cancelled when the feedback
  // says so; a build without the report module leaves it empty, and --pdf is
  // then refused.
  std::function<WriteResult(const CalculationReport& report, const std::string& path, WorkFeedback& feedback)> WritePdf;
};

// Where one output of a command goes: a file, or a stream named as one.
struct ReportTarget {
  bool StandardOutput = false;      // "-", /dev/stdout or /dev/fd/1
  std::string Path;                 // the file, or the name the stream was given
  int Stream = -1;                  // another stream: 2 for /dev/stderr, N for /dev/fd/N
  std::string What = "The report";  // what it holds, as the messages name it
  std::string Option = "--out";     // the option that chose it
  bool IsFile() const { return !StandardOutput && Stream < 0; }
};

// The target an option's value names. "-", /dev/stdout, /dev/stderr and
// /dev/fd/N (or /proc/self/fd/N) are that stream, written into as "-" is, so
// that a shell's ">>" appends and nothing is renamed over the file the
// stream was redirected to.
ReportTarget TargetNamed(const std::string& value, const std::string& option, const std::string& what);

// The target --out names, or the report's own file in the folder.
ReportTarget ChooseReportTarget(const ParsedArguments& arguments, const Workspace& workspace,
                                const char* reportFileName, const std::string& what = "The report");

// The target an option such as --tip-history names, or nothing when the
// option is not given.
std::optional<ReportTarget> ChosenTarget(const ParsedArguments& arguments, const std::string& option,
                                         const std::string& what);

// The one check of a command's outputs, for every output option: false, with
// the reason on err, when writing them would destroy something or lose one
// of them. Refused are an empty file name; a stream that is not open for
// writing; a folder, FIFO or device in a file's place (the replacing rename
// would swap it for a plain file); a file the run reads (main.dat, a diagram)
// or its backup (where a repair of this very run keeps the original),
// however it is named; and two outputs that are one stream or one file by
// any path (a "./", a link to a file not written yet, a folder reached
// through a link, a hard link). Nothing is touched.
bool CheckOutputTargets(const std::vector<ReportTarget>& outputs, const std::vector<std::string>& filesRead,
                        std::ostream& err);

// Hands every line of a report, in order, to `line`.
using ReportLines = std::function<void(const std::function<void(std::string_view)>& line)>;

// Writes the report as the desktop program saves it (Latin-1, CR LF). To a
// file: through a temporary file that replaces it only once complete, saying
// on out that it was saved, or on err why not; Ctrl-C or SIGTERM meanwhile
// removes the temporary file and leaves the old report. To the standard
// output: the bytes on out; to the error output, on err; to another stream,
// into its descriptor. Returns the exit status.
int WriteReport(const ReportTarget& target, const ReportLines& lines, std::ostream& out, std::ostream& err,
                const BatchHooks& hooks);

// The status of a command whose report was written with `status`: a report
// of results that are not all finite (NaN or an infinity) is still written,
// as the desktop program saves it, but the user is told not to trust it.
int JudgeResults(int status, bool resultsAreFinite, std::ostream& err);

// The same for any doubt about the results (such as creep steps too long to
// trust): said on err, and a written report gets kExitDoubtful.
int JudgeDoubt(int status, const std::optional<std::string>& doubt, std::ostream& err);

}  // namespace kolvane::batch
