#include "batch/report_output.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>

#include "batch/exit_status.h"
#include "batch/interruption.h"
#include "core/common/file_identity.h"
#include "core/common/latin1.h"
#include "core/common/report_file.h"
#include "core/common/text_file.h"
#include "core/engine/finite_results.h"

namespace kolvane::batch {

namespace {

constexpr const char* kStandardOutputName = "-";

// The descriptor a name such as /dev/fd/3 stands for, or -1.
int StreamNamed(const std::string& value) {
  if (value == kStandardOutputName || value == "/dev/stdout") return STDOUT_FILENO;
  if (value == "/dev/stderr") return STDERR_FILENO;
  for (const char* prefix : {"/dev/fd/", "/proc/self/fd/"}) {
    const std::string_view rest = std::string_view(value).substr(std::min(value.size(), std::strlen(prefix)));
    if (value.rfind(prefix, 0) != 0 || rest.empty() || rest.size() > 6 ||
        rest.find_first_not_of("0123456789") != std::string_view::npos)
      continue;
    return std::stoi(std::string(rest));
  }
  return -1;
}

bool OpenForWriting(int descriptor) {
  const int flags = ::fcntl(descriptor, F_GETFL);
  return flags >= 0 && (flags & O_ACCMODE) != O_RDONLY;
}

// What is wrong with one output on its own, or nothing.
std::optional<std::string> OwnRefusal(const ReportTarget& target, const std::vector<std::string>& filesRead) {
  const std::string cannot = target.What + " cannot be written to " + target.Path + ": ";
  if (target.Stream >= 0 && !OpenForWriting(target.Stream)) return cannot + "it is not open for writing.";
  if (!target.IsFile()) return std::nullopt;
  if (target.Path.empty()) return "kolvane-batch: " + target.Option + " needs a file name (see kolvane-batch --help)";
  struct stat there;
  if (::stat(target.Path.c_str(), &there) == 0 && !S_ISREG(there.st_mode))
    return cannot + NotARegularFileReason(there.st_mode) + ".";
  const FileIdentity identity = IdentityOf(target.Path);
  for (const std::string& file : filesRead) {
    if (SameFile(identity, IdentityOf(file))) return cannot + "it is " + file + ", which the run reads.";
    const std::string backup = BackupPathOf(file);
    if (SameFile(identity, IdentityOf(backup)))
      return cannot + "it is " + backup + ", where the original of " + file + " is kept.";
  }
  return std::nullopt;
}

// A stream redirected to the file another output replaces would go on
// writing into the replaced file, and be lost with it.
bool StreamWritesInto(const ReportTarget& stream, const ReportTarget& file) {
  struct stat info;
  const FileIdentity identity = IdentityOf(file.Path);
  return ::fstat(stream.StandardOutput ? STDOUT_FILENO : stream.Stream, &info) == 0 && S_ISREG(info.st_mode) &&
         identity.Exists && identity.Device == info.st_dev && identity.Inode == info.st_ino;
}

bool SameOutput(const ReportTarget& a, const ReportTarget& b) {
  if (!a.IsFile() && !b.IsFile())
    return a.StandardOutput || b.StandardOutput ? a.StandardOutput && b.StandardOutput : a.Stream == b.Stream;
  if (!a.IsFile()) return StreamWritesInto(a, b);
  if (!b.IsFile()) return StreamWritesInto(b, a);
  return SameFile(IdentityOf(a.Path), IdentityOf(b.Path));
}

std::string Lowercase(std::string what) {
  if (!what.empty()) what[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(what[0])));
  return what;
}

std::string Latin1Line(std::string_view line) {
  std::string bytes;
  AppendLatin1FromUtf8(bytes, line);
  bytes.append("\r\n");
  return bytes;
}

int WriteToStream(const ReportTarget& target, const ReportLines& lines, std::ostream& out, std::ostream& err) {
  std::ostream& stream = target.StandardOutput ? out : err;
  lines([&](std::string_view line) {
    const std::string bytes = Latin1Line(line);
    stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  });
  stream.flush();
  if (stream) return kExitDone;
  err << target.What << " could not be written to the " << (target.StandardOutput ? "standard" : "error")
      << " output.\n";
  return kExitFailed;
}

int WriteToDescriptor(const ReportTarget& target, const ReportLines& lines, std::ostream& err) {
  int error = 0;
  lines([&](std::string_view line) {
    const std::string bytes = Latin1Line(line);
    for (std::string_view rest = bytes; error == 0 && !rest.empty();) {
      const ssize_t written = ::write(target.Stream, rest.data(), rest.size());
      if (written < 0 && errno != EINTR) error = errno;
      if (written > 0) rest.remove_prefix(static_cast<std::size_t>(written));
    }
  });
  if (error == 0) return kExitDone;
  err << target.What << " could not be written to " << target.Path << ": " << std::strerror(error) << "\n";
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
  if (!result.Ok) {
    err << path << " could not be saved: " << result.Reason << "\n";
    return kExitFailed;
  }
  out << path << " was saved successfully.\n";
  // A signal during the final rename came too late to keep the old report,
  // but the caller still learns that the command was interrupted.
  if (const int signal = guard.Signal(); signal != 0) return InterruptedExitStatus(signal);
  return kExitDone;
}

}  // namespace

ReportTarget TargetNamed(const std::string& value, const std::string& option, const std::string& what) {
  ReportTarget target;
  target.Option = option;
  target.What = what;
  const int stream = StreamNamed(value);
  target.StandardOutput = stream == STDOUT_FILENO;
  if (stream != STDOUT_FILENO) target.Stream = stream;
  if (value != kStandardOutputName) target.Path = value;
  return target;
}

ReportTarget ChooseReportTarget(const ParsedArguments& arguments, const Workspace& workspace,
                                const char* reportFileName, const std::string& what) {
  return TargetNamed(LastValue(arguments, "--out").value_or(workspace.PathOf(reportFileName)), "--out", what);
}

std::optional<ReportTarget> ChosenTarget(const ParsedArguments& arguments, const std::string& option,
                                         const std::string& what) {
  const auto value = LastValue(arguments, option);
  if (!value) return std::nullopt;
  return TargetNamed(*value, option, what);
}

bool CheckOutputTargets(const std::vector<ReportTarget>& outputs, const std::vector<std::string>& filesRead,
                        std::ostream& err) {
  for (std::size_t n = 0; n < outputs.size(); ++n) {
    if (auto refusal = OwnRefusal(outputs[n], filesRead)) {
      err << *refusal << "\n";
      return false;
    }
    for (std::size_t earlier = 0; earlier < n; ++earlier) {
      if (!SameOutput(outputs[earlier], outputs[n])) continue;
      const std::string where =
          outputs[n].IsFile() || !outputs[n].Path.empty() ? outputs[n].Path : "the standard output";
      err << "kolvane-batch: " << where << " cannot hold both " << Lowercase(outputs[earlier].What) << " and "
          << Lowercase(outputs[n].What) << "\n";
      return false;
    }
  }
  return true;
}

int WriteReport(const ReportTarget& target, const ReportLines& lines, std::ostream& out, std::ostream& err,
                const BatchHooks& hooks) {
  if (target.StandardOutput || target.Stream == STDERR_FILENO) return WriteToStream(target, lines, out, err);
  if (target.Stream >= 0) return WriteToDescriptor(target, lines, err);
  return WriteToFile(target.Path, lines, out, err, hooks);
}

int JudgeDoubt(int status, const std::optional<std::string>& doubt, std::ostream& err) {
  // After an interruption there is no report to doubt.
  if (!doubt || (status != kExitDone && status != kExitFailed && status != kExitDoubtful)) return status;
  err << *doubt << "\n";
  return status == kExitDone ? kExitDoubtful : status;
}

int JudgeResults(int status, bool resultsAreFinite, std::ostream& err) {
  return JudgeDoubt(status, resultsAreFinite ? std::nullopt : std::optional<std::string>(kNonFiniteResultsMessage),
                    err);
}

}  // namespace kolvane::batch
