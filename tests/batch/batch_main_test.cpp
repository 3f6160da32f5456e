// kolvane-batch as a user scripts it: exit statuses, where its reports go, and
// that it makes the core's refusals (whose texts the core tests hold).
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <functional>
#include <sstream>

#include "batch/batch_main.h"
#include "batch/support/batch_test_support.h"
#include "core/engine/finite_results.h"
#include "core/thermoelastic/daily_orbit.h"

namespace kolvane::batch {
namespace {

using namespace kolvane::batch::testing;

const MainDataTexts kColumn{"120", "3.2", "3.6", "25", "32", "4", "2", "12", "6", "15", "1E-05"};
const char* const kHuge = "120\r\n3.2\r\n3.6\r\n25\r\n32\r\n4\r\n2\r\n12\r\n6\r\n15\r\n1E+306\r\n";

std::vector<std::string> Elastic(const ScratchFolder& folder, const std::vector<std::string>& more = {}) {
  return With({"elastic", "--folder", folder.Path(), "--hour", "14", "--diagrams", "day,day,day,day,day"}, more);
}
std::vector<std::string> Creep(const ScratchFolder& folder, const std::vector<std::string>& more = {}) {
  return With({"creep", "--folder", folder.Path(), "--from", "30/1/2004", "--to", "2/3/2004", "--step", "2",
               "--store-every", "7", "--diagrams", "day,day,day,day,day", "--creep", "concrete", "--phi", "concrete"},
              more);
}
std::vector<std::string> Orbit(const ScratchFolder& folder, const std::vector<std::string>& more = {}) {
  return With({"orbit", "--folder", folder.Path(), "--diagrams", "day,day,day,day,day"}, more);
}

// `text` with DIR standing for the folder.
std::string InFolder(const ScratchFolder& folder, std::string text) {
  for (std::size_t at; (at = text.find("DIR")) != std::string::npos;) text.replace(at, 3, folder.Path());
  return text;
}

// One case of each way a command ends, with its status: a refusal changes no
// file (not even a repair a run would make); DIR stands for the folder. The
// outputs' one check: no output onto an input, its backup or the other
// output by any path.
TEST(Batch, ExitStatusesAndWhatEachLeaves) {
  const auto link = [](const char* name, const char* to) {
    return [name, to](const ScratchFolder& f) { std::filesystem::create_symlink(to, f.File(name)); };
  };
  const auto huge = [](const ScratchFolder& f) { WriteBytes(f.File("main.dat"), kHuge); };
  const struct {
    const char* Name;
    ArgumentMaker Arguments;
    int Status;
    std::string Err;  // a fragment of the error output
    std::function<void(const ScratchFolder&)> Prepare = nullptr;
  } cases[] = {
      {"no command", [](const ScratchFolder&) { return std::vector<std::string>{}; }, 2,
       "kolvane-batch: no command given (see kolvane-batch --help)\n"},
      {"unknown option", Call(Elastic, {"--colour", "red"}), 2, "unknown option '--colour' for elastic"},
      {"option given twice", Call(Creep, {"--store-at", "1", "--store-at=2"}), 2, "--store-at is given twice (see"},
      {"an option's value is never an option", Call(Elastic, {"--out", "-h", "--store-at"}), 2, "unknown option"},
      {"date outside the years", Call(Creep, {"--to", "1/1/2101"}), 2,
       "--to takes a date D/M/YYYY from 1/1/2000 to 31/12/2100, not '1/1/2101'"},
      {"hour that is not a number", Call(Elastic, {"--hour", "12,5"}), 2,
       "--hour takes a number from 0 to 24, not '12,5'"},
      {"main data refused", Call(Elastic, {}), 2, "main.dat could not be read: only 3 of its 11 fields are valid.\n",
       [](const ScratchFolder& f) { WriteBytes(f.File("main.dat"), "120\r\n3.2\r\n3.6\r\n"); }},
      {"core's refusal of the inputs", Call(Creep, {"--month", "3=day,day,,day,day"}), 2, "Surface temperature"},
      {"orbit's refusal of its step", Call(Orbit, {"--step", "5"}), 2, "--step takes one of 0.25, "},
      {"step with more after its number", Call(Creep, {"--step", "0.25.9"}), 2, "4, not '0.25.9'"},
      {"diagram that cannot be used", Call(Creep, {"--month", "2=day,day,day,broken,day"}), 2, "broken.dg4 could not",
       [](const ScratchFolder& f) { WriteBytes(f.File("broken.dg4"), "0\t100\r\n90\t1E400\r\n180\t0\r\n"); }},
      {"out onto a hard link to the creep function", Call(Creep, {"--out", "DIR/copy"}), 2,
       "it is DIR/concrete.dg6, which the run reads.\n",
       [](const ScratchFolder& f) { std::filesystem::create_hard_link(f.File("concrete.dg6"), f.File("copy")); }},
      {"out onto a device", Call(Elastic, {"--out", "/dev/null"}), 2,
       "The report cannot be written to /dev/null: it is not a regular file.\n"},
      {"deflection limit not above 0", Call(Elastic, {"--limit-deflection", "0"}), 2,
       "--limit-deflection takes a number above 0 (the N of H/N), not '0'"},
      {"pdf from a build without the report", Call(Elastic, {"--pdf", "DIR/r.pdf"}), 2,
       "this build cannot write calculation reports"},
      {"one file through a folder link", Call(Creep, {"--out", "DIR/here/r.txt", "--tip-history", "DIR/r.txt"}), 2,
       "kolvane-batch: DIR/r.txt cannot hold both the report and the tip history CSV file\n", link("here", ".")},
      {"a link to a file not written yet", Call(Creep, {"--out", "DIR/r.txt", "--tip-history", "DIR/link"}), 2,
       "kolvane-batch: DIR/link cannot hold both", link("link", "r.txt")},
      {"one stream twice", Call(Creep, {"--out", "/dev/stdout", "--tip-history", "-"}), 2,
       "kolvane-batch: the standard output cannot hold both"},
      {"a diagram's backup", Call(Elastic, {"--out", "DIR/day.dg1.bak"}), 2,
       "it is DIR/day.dg1.bak, where the original of DIR/day.dg1 is kept.\n"},
      {"a stream that is not open", Call(Elastic, {"--out", "/dev/fd/999"}), 2,
       "The report cannot be written to /dev/fd/999: it is not open for writing.\n"},
      {"report written", Call(Elastic, {}), 0, ""},
      {"report that cannot be saved", Call(Elastic, {"--out", "DIR/no/such.txt"}), 1,
       "DIR/no/such.txt could not be saved: No such file or directory\n"},
      {"results not finite", Call(Elastic, {}), 3, kNonFiniteResultsMessage, huge},
      {"creep steps too long to trust", Call(Creep, {}), 3, "One creep step relaxes more than the whole stress",
       [](const ScratchFolder& f) { WriteBytes(f.File("concrete.dg6"), "0\t0\r\n.0001\t4E-06\r\n100\t4E-06\r\n"); }},
      {"orbit not finite", Call(Orbit), 3, kNonFiniteResultsMessage, huge},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    ScratchFolder folder;
    WriteColumn(folder);
    if (c.Status == 2) WriteBytes(folder.File("day.dg2"), "24\t14\r\n0\t12\r\n14\t26\r\n");
    if (c.Prepare) c.Prepare(folder);
    std::vector<std::string> arguments = c.Arguments(folder);
    for (std::string& argument : arguments) argument = InFolder(folder, argument);
    const std::string before = FolderState(folder);
    const Result result = RunCommand(arguments);
    EXPECT_EQ(result.Status, c.Status);
    if (c.Err.empty()) {
      EXPECT_EQ(result.Err, "");
    } else {
      EXPECT_NE(result.Err.find(InFolder(folder, c.Err)), std::string::npos) << result.Err;
    }
    if (c.Status == 2) {
      EXPECT_EQ(result.Out, "");
      EXPECT_EQ(FolderState(folder), before);
    } else if (c.Status != 1) {  // written all the same when not finite
      EXPECT_NE(result.Out.find(" was saved successfully.\n"), std::string::npos);
    }
  }
}

// The CSV files hold the run's rows (their form is the core's), the messages
// come in order; the report's bytes are held by the independent calculation.
TEST(Batch, WritesTheCoresTables) {
  ScratchFolder folder;
  WriteColumn(folder);
  const Result creep = RunCommand(Creep(folder, {"--tip-history", folder.File("tips.csv")}));
  ASSERT_EQ(creep.Status, 0) << creep.Err;
  EXPECT_EQ(SplitLines(ReadBytes(folder.File("tips.csv"))).size(), 34u);  // the header and the 33 days

  const RunDiagramNames day{"day", "day", "day", "day", "day"};
  const std::vector<OrbitPoint> quarter =
      RunDailyOrbit(Workspace(folder.Path()), kColumn, day, 0.25, NoFeedback(), 0).Points;
  const Result orbit = RunCommand(Orbit(folder, {"--step", "0.25"}));
  ASSERT_EQ(orbit.Status, 0) << orbit.Err;
  // The closing lines, then the serviceability summary.
  EXPECT_EQ(orbit.Out.rfind(LargestTipMovementText(quarter[*LargestTipMovement(quarter)]) + "\n" +
                                folder.File("Orbit.csv") + " was saved successfully.\nLargest tip deflection : ",
                            0),
            0u);
  EXPECT_EQ(SplitLines(ReadBytes(folder.File("Orbit.csv"))).size(), quarter.size() + 1);  // and the header
}

// --out - writes the same bytes to the standard output, the messages beside
// them, and nothing beside the column. A stream named as a file is written
// into as "-" is: the file a shell opened for ">>" keeps what it held, and the
// table follows.
TEST(Batch, ADashOrAStreamNamedAsAFileGetsTheReport) {
  ScratchFolder folder;
  WriteColumn(folder);
  const std::string before = FolderState(folder);
  const Result elastic = RunCommand(Elastic(folder, {"--out", "-"}));
  const Result creep = RunCommand(Creep(folder, {"--out", "-"}));
  const Result orbit = RunCommand(Orbit(folder, {"--out", "-"}));
  ASSERT_EQ(elastic.Status + creep.Status + orbit.Status, 0) << elastic.Err << creep.Err << orbit.Err;
  EXPECT_EQ(elastic.Err.rfind("Tip deflection : ", 0), 0u);  // the summary beside the report
  EXPECT_EQ(creep.Err.substr(0, creep.Err.find('\n') + 1), "Calculation is completed. 33 days were calculated.\n");
  EXPECT_EQ(orbit.Err.rfind("Largest tip movement : ", 0), 0u);
  const Result error = RunCommand(Orbit(folder, {"--out", "/dev/stderr"}));
  EXPECT_EQ(error.Err, orbit.Out);

  const std::string all = folder.File("all.csv");
  WriteBytes(all, "old\r\n");
  const int appending = ::open(all.c_str(), O_WRONLY | O_APPEND);
  ASSERT_GE(appending, 0);
  const std::string stream = "/dev/fd/" + std::to_string(appending);
  const Result descriptor = RunCommand(Orbit(folder, {"--out", stream}));
  // A second output may not replace the file the stream writes into.
  const Result both = RunCommand(Creep(folder, {"--out", stream, "--tip-history", all}));
  ::close(appending);
  EXPECT_EQ(both.Err, "kolvane-batch: " + all + " cannot hold both the report and the tip history CSV file\n");
  EXPECT_EQ(descriptor.Status, 0) << descriptor.Err;
  EXPECT_EQ(ReadBytes(all), "old\r\n" + orbit.Out);
  ::unlink(all.c_str());
  EXPECT_EQ(FolderState(folder), before);
  ASSERT_EQ(RunCommand(Creep(folder)).Status, 0);
  EXPECT_EQ(creep.Out, ReadBytes(folder.File("Creep.txt")));
}

TEST(Batch, ProgressGoesToATerminalOnly) {
  ScratchFolder folder;
  WriteColumn(folder);
  std::ostringstream out, err;
  ASSERT_EQ(RunBatch(Creep(folder, {"--from", "31/12/2000", "--to", "1/1/2001"}), out, err, true), 0);
  EXPECT_EQ(err.str(),
            "\rCalculating date : 31/12/2000 (day 1 of 2)   \rCalculating date : 1/1/2001 (day 2 of 2)   \n");
}

// A signal while a report is written over an old one: the temporary file
// goes, the old report stays, and the status says which signal it was.
TEST(Batch, AnInterruptedWriteKeepsTheOldReport) {
  for (const auto& [signal, status] : {std::pair{SIGINT, 130}, std::pair{SIGTERM, 143}}) {
    ScratchFolder folder;
    WriteColumn(folder);
    WriteBytes(folder.File("Elastic.txt"), "the old report\r\n");
    const std::string before = FolderState(folder);
    BatchHooks hooks;
    std::int64_t lastLine = 0;
    hooks.ReportLineWritten = [&lastLine, signal = signal](std::int64_t line) {
      lastLine = line;
      if (line == 10) ::raise(signal);
    };
    std::ostringstream out, err;
    EXPECT_EQ(RunBatch(Elastic(folder), out, err, false, hooks), status);
    EXPECT_EQ(lastLine, 10);  // no line is written after the signal
    EXPECT_EQ(err.str(), "kolvane-batch: interrupted; " + folder.File("Elastic.txt") + " was left as it was.\n");
    EXPECT_EQ(FolderState(folder), before);
  }
}

// --pdf is checked as --out is, and written last: after the report and the
// serviceability summary, which follows the closing message.
TEST(Batch, CalculationReportTargetsAndTheSummary) {
  const struct {
    std::vector<std::string> More;
    int Status;
    std::string Said;  // a fragment of the output, or of the error output when refused
  } cases[] = {
      {{"--pdf", "DIR/./main.dat"}, 2, "it is DIR/main.dat, which the run reads."},
      {{"--out", "DIR/r.txt", "--pdf", "DIR/./r.txt"}, 2, "cannot hold both the report and the calculation report"},
      {{"--pdf", "-"}, 2, "--pdf needs a file name"},
      {{"--pdf", "DIR/no/r.pdf"}, 1, "DIR/no/r.pdf could not be saved: No such file or directory"},
      {{"--pdf", "DIR/r.pdf", "--limit-rotation", "90"}, 0, "Elastic.txt was saved successfully.\nTip deflection : "},
      {{"--pdf", "DIR/r.pdf", "--limit-rotation", "90"}, 0, "Rotation limit 90 degrees : within, margin 8"},
  };
  for (const auto& c : cases) {
    ScratchFolder folder;
    WriteColumn(folder);
    std::vector<std::string> arguments = Elastic(folder);
    for (const std::string& more : c.More) arguments.push_back(InFolder(folder, more));
    BatchHooks hooks;
    std::string written;
    hooks.WritePdf = [&](const CalculationReport& report, const std::string& path, WorkFeedback&) {
      written = report.ElasticReportFile;
      return WriteBytesAtomically(path, "%PDF");
    };
    std::ostringstream out, err;
    EXPECT_EQ(RunBatch(arguments, out, err, false, hooks), c.Status) << err.str();
    EXPECT_NE((c.Status == 0 ? out : err).str().find(InFolder(folder, c.Said)), std::string::npos)
        << out.str() << err.str();
    if (c.Status == 0) EXPECT_EQ(written, folder.File("Elastic.txt"));  // the PDF names the text report
  }
}

}  // namespace
}  // namespace kolvane::batch
