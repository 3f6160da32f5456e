// kolvane-batch as a user scripts it: arguments, messages, exit statuses and
// the report it writes.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <sstream>

#include "batch/batch_arguments.h"
#include "batch/batch_main.h"
#include "batch_test_support.h"
#include "core/creep/creep_report.h"
#include "core/creep/creep_run.h"
#include "core/diagrams/diagram_file.h"
#include "core/engine/finite_results.h"
#include "core/thermoelastic/elastic_report.h"
#include "core/thermoelastic/thermo_elastic_run.h"

namespace kolvane::batch {
namespace {

using kolvane::testing::ReadBytes;
using kolvane::testing::ScratchFolder;
using kolvane::testing::WriteBytes;

using testing::Result;
using testing::RunCommand;
using testing::WriteColumn;

std::vector<std::string> Elastic(const ScratchFolder& folder, const std::string& hour,
                                 const std::string& diagrams = "day,day,day,day,day") {
  return {"elastic", "--folder", folder.Path(), "--hour", hour, "--diagrams", diagrams};
}

TEST(BatchArguments, UsageErrorsAreOneLineWithStatusTwo) {
  const struct {
    std::vector<std::string> arguments;
    const char* error;
  } cases[] = {
      {{}, "kolvane-batch: no command given (see kolvane-batch --help)\n"},
      {{"plastic"}, "kolvane-batch: unknown command 'plastic' (see kolvane-batch --help)\n"},
      {{"elastic", "--hour", "12", "--colour", "red"},
       "kolvane-batch: unknown option '--colour' for elastic (see kolvane-batch --help)\n"},
      {{"elastic", "--diagrams", "a,b,c,d,e", "--hour"},
       "kolvane-batch: --hour needs a value (see kolvane-batch --help)\n"},
      {{"elastic", "--hour", "--diagrams", "a"}, "kolvane-batch: --hour needs a value (see kolvane-batch --help)\n"},
      {{"elastic", "--diagrams", "a,b,c,d,e"}, "kolvane-batch: elastic needs --hour (see kolvane-batch --help)\n"},
      {{"elastic", "--hour=3"}, "kolvane-batch: elastic needs --diagrams (see kolvane-batch --help)\n"},
      {{"elastic", "--hour=3", "--diagrams=a,b,c,d,e,f"},
       "kolvane-batch: --diagrams takes five names (see kolvane-batch --help)\n"},
      {{"elastic", "stray"}, "kolvane-batch: unexpected argument 'stray' (see kolvane-batch --help)\n"},
  };
  for (const auto& c : cases) {
    const Result result = RunCommand(c.arguments);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, c.error);
    EXPECT_EQ(result.out, "");
  }
}

TEST(BatchArguments, HelpExplainsTheCommand) {
  const Result result = RunCommand({"elastic", "--help"});
  EXPECT_EQ(result.status, 0);
  for (const char* text :
       {"--folder DIR", "--hour H", "SUN,AMBIENT,SURFACE,EXTVAR,INTVAR", "--out FILE", "Exit status"})
    EXPECT_NE(result.out.find(text), std::string::npos) << text;
}

TEST(BatchElastic, WritesTheReportTheDesktopProgramSaves) {
  ScratchFolder folder;
  WriteColumn(folder);
  const Result result = RunCommand(Elastic(folder, "14"));
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out, folder.File("Elastic.txt") + " was saved successfully.\n");

  // The same run as the thermo-elastic window makes it, saved by the same route.
  SectionGrid grid;
  for (DiagramKind kind = 1; kind <= kRunDiagramCount; ++kind) {
    Diagram diagram;
    ASSERT_EQ(LoadDiagram(DiagramPath(Workspace(folder.Path()), "day", kind), diagram), DiagramLoadResult::Ok);
    grid.SetLoadedDiagram(kind, diagram);
  }
  const MainDataTexts texts{"120", "3.2", "3.6", "25", "32", "4", "2", "12", "6", "15", "1E-05"};
  ASSERT_EQ(RunThermoElasticOnLoadedDiagrams(grid, texts, "14", 0).End, RunEnd::Completed);
  ASSERT_TRUE(SaveElasticReport(ElasticReport(grid), folder.File("expected.txt")).ok);
  EXPECT_EQ(ReadBytes(folder.File("Elastic.txt")), ReadBytes(folder.File("expected.txt")));
  EXPECT_NE(ReadBytes(folder.File("Elastic.txt")).find("Time :14 hours.\r\n"), std::string::npos);
}

TEST(BatchElastic, OutChoosesTheFileAndAFailedWriteSaysWhy) {
  ScratchFolder folder;
  WriteColumn(folder);
  std::vector<std::string> arguments = Elastic(folder, "9");
  arguments.insert(arguments.end(), {"--out", folder.File("hour9.txt")});
  ASSERT_EQ(RunCommand(arguments).status, 0);
  EXPECT_NE(ReadBytes(folder.File("hour9.txt")).find("Time :9 hours."), std::string::npos);

  arguments.back() = folder.File("no/such/folder.txt");
  const Result failed = RunCommand(arguments);
  EXPECT_EQ(failed.status, 1);
  EXPECT_EQ(failed.err, folder.File("no/such/folder.txt") + " could not be saved: No such file or directory\n");
}

TEST(BatchElastic, RefusalsNameTheirReasonAndChangeNoFile) {
  const struct {
    const char* name;
    const char* mainData;  // nullptr: no main.dat
    const char* hour;
    const char* diagrams;
    const char* error;
  } cases[] = {
      {"no main data", nullptr, "12", "day,day,day,day,day", "main.dat was not found in "},
      {"short main data", "120\r\n3.2\r\n3.6\r\n", "12", "day,day,day,day,day",
       "main.dat could not be read: only 3 of its 11 fields are valid.\n"},
      {"decimal comma in the main data", "120\r\n3.2\r\n3.6\r\n25\r\n32\r\n4\r\n2\r\n12\r\n6\r\n15,5\r\n1E-05\r\n",
       "12", "day,day,day,day,day",
       "main.dat could not be read: it holds more values than its 11 fields (a decimal comma ends a value), so "
       "the fields would be shifted.\n"},
      {"invalid main data", "120\r\n3.6\r\n3.2\r\n25\r\n32\r\n4\r\n2\r\n12\r\n6\r\n15\r\n1E-05\r\n", "12",
       "day,day,day,day,day", "External radius must be more than the internal radius.\n"},
      {"late hour", "", "24.5", "day,day,day,day,day", "The hour you selected is invalid.\n"},
      {"four names", "", "12", "day,day,day,day", "You haven't selected the Internal temperature variation diagram.\n"},
      {"outside the folder", "", "12", "day,../day,day,day,day", "The diagram name is invalid: '../day'\n"},
  };
  for (const auto& c : cases) {
    ScratchFolder folder;
    WriteColumn(folder);
    if (c.mainData == nullptr) {
      std::remove(folder.File("main.dat").c_str());
    } else if (*c.mainData != '\0') {
      WriteBytes(folder.File("main.dat"), c.mainData);
    }
    const std::string before = kolvane::testing::FolderListing(folder.Path());
    const Result result = RunCommand(Elastic(folder, c.hour, c.diagrams));
    EXPECT_EQ(result.status, 2) << c.name;
    EXPECT_EQ(result.err.substr(0, std::string(c.error).size()), c.error) << c.name;
    EXPECT_EQ(kolvane::testing::FolderListing(folder.Path()), before) << c.name;
  }
}

TEST(BatchElastic, DiagramIncidentsAreReportedAndRepairsWrittenBack) {
  ScratchFolder folder;
  WriteColumn(folder);
  // Points out of order: repaired, written back, and the run goes on.
  WriteBytes(folder.File("day.dg2"), "24\t14\r\n0\t12\r\n14\t26\r\n");
  Result result = RunCommand(Elastic(folder, "14"));
  EXPECT_EQ(result.status, 0);
  EXPECT_NE(result.err.find("day"), std::string::npos);
  EXPECT_EQ(ReadBytes(folder.File("day.dg2")), "0\t12\r\n14\t26\r\n24\t14\r\n");

  // A number beyond any double: the diagram cannot be read and nothing runs.
  WriteBytes(folder.File("day.dg4"), "0\t100\r\n90\t1E400\r\n180\t0\r\n");
  std::remove(folder.File("Elastic.txt").c_str());
  result = RunCommand(Elastic(folder, "14"));
  EXPECT_EQ(result.status, 2);
  EXPECT_NE(result.err.find("day"), std::string::npos);
  EXPECT_EQ(kolvane::testing::FolderListing(folder.Path()).find("Elastic.txt"), std::string::npos);
}

void WriteCreepDiagrams(const ScratchFolder& folder) {
  WriteBytes(folder.File("concrete.dg6"), "0\t0\r\n.02\t1E-06\r\n1\t3E-06\r\n100\t4E-06\r\n");
  WriteBytes(folder.File("concrete.dg7"), "0\t0\r\n20\t60\r\n80\t100\r\n");
  WriteBytes(folder.File("cold.dg2"), "0\t-5\r\n14\t2\r\n24\t-4\r\n");
}

std::vector<std::string> Creep(const ScratchFolder& folder, const std::string& from, const std::string& to,
                               std::vector<std::string> more = {}) {
  std::vector<std::string> arguments = {
      "creep", "--folder",   folder.Path(),         "--from",  from,       "--to",  to,        "--step",
      "2",     "--diagrams", "day,day,day,day,day", "--creep", "concrete", "--phi", "concrete"};
  // An option of the run above takes its new value in place (an option given
  // twice is refused); others are added.
  const auto ownEnd = arguments.end();
  std::vector<std::string> added;
  for (std::size_t n = 0; n < more.size(); ++n) {
    const auto own = std::find(arguments.begin() + 3, ownEnd, more[n]);
    if (own != ownEnd && n + 1 < more.size()) {
      *(own + 1) = more[++n];
    } else {
      added.push_back(more[n]);
    }
  }
  arguments.insert(arguments.end(), added.begin(), added.end());
  return arguments;
}

TEST(BatchCreep, UsageErrorsNameTheOption) {
  const struct {
    std::vector<std::string> more;
    const char* error;
  } cases[] = {
      {{"--from", "1/1/1999"}, "--from takes a date D/M/YYYY from 1/1/2000 to 31/12/2100, not '1/1/1999'"},
      {{"--to", "1-1-2001"}, "--to takes a date D/M/YYYY from 1/1/2000 to 31/12/2100, not '1-1-2001'"},
      {{"--to", "1/1/+2001"}, "--to takes a date D/M/YYYY from 1/1/2000 to 31/12/2100, not '1/1/+2001'"},
      {{"--step", "1h"}, "--step takes one of 0.25, 0.5, 1, 2, 3, 4, not '1h'"},
      {{"--store-at", "1234567"}, "--store-at takes a whole number of up to six digits, not '1234567'"},
      {{"--month", "13=a,b,c,d,e"},
       "--month takes M=SUN,AMBIENT,SURFACE,EXTVAR,INTVAR with M from 1 to 12, not '13=a,b,c,d,e'"},
      {{"--month", "2"}, "--month takes M=SUN,AMBIENT,SURFACE,EXTVAR,INTVAR with M from 1 to 12, not '2'"},
      {{"--month", "2=a,b,c,d,e,f"},
       "--month takes M=SUN,AMBIENT,SURFACE,EXTVAR,INTVAR with M from 1 to 12, not '2=a,b,c,d,e,f'"},
      {{"--diagrams", "a,b,c,d,e,f"}, "--diagrams takes five names"},
  };
  ScratchFolder folder;
  for (const auto& c : cases) {
    const Result result = RunCommand(Creep(folder, "1/1/2001", "3/1/2001", c.more));
    EXPECT_EQ(result.status, 2) << c.error;
    EXPECT_EQ(result.err, std::string("kolvane-batch: ") + c.error + " (see kolvane-batch --help)\n");
  }
  const Result missing = RunCommand({"creep", "--from", "1/1/2001", "--step", "1", "--diagrams", "a"});
  EXPECT_EQ(missing.err, "kolvane-batch: creep needs --to (see kolvane-batch --help)\n");
}

TEST(BatchCreep, WritesTheReportTheDesktopProgramSaves) {
  ScratchFolder folder;
  WriteColumn(folder);
  WriteCreepDiagrams(folder);
  const Result result =
      RunCommand(Creep(folder, "30/1/2004", "2/3/2004",
                       {"--store-every", "7", "--store-at", "14", "--month", "2=day,cold,day,day,day"}));
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out.substr(0, result.out.find('\n') + 1), "Calculation is completed. 33 days were calculated.\n");
  EXPECT_NE(result.out.find("\nCalculation time : "), std::string::npos);
  EXPECT_EQ(result.out.find('\r'), std::string::npos);
  EXPECT_NE(result.out.find(folder.File("Creep.txt") + " was saved successfully.\n"), std::string::npos);

  // The same run as the creep window makes it, saved by the same route.
  CreepRunInputs inputs;
  for (auto& month : inputs.MonthDiagrams) month.fill("day");
  inputs.MonthDiagrams[1][1] = "cold";
  inputs.CreepDiagram = inputs.TemperatureFactorDiagram = "concrete";
  inputs.TimeStep = 2;
  inputs.StartDay = 30, inputs.StartMonth = 1, inputs.StartYear = 2004;
  inputs.EndDay = 2, inputs.EndMonth = 3, inputs.EndYear = 2004;
  inputs.StoreEveryText = "7";
  inputs.StoreAtText = "14";
  SectionGrid grid;
  std::vector<std::string> lines;
  const MainDataTexts texts{"120", "3.2", "3.6", "25", "32", "4", "2", "12", "6", "15", "1E-05"};
  ASSERT_EQ(RunCreep(grid, Workspace(folder.Path()), texts, inputs, {}, lines, 0).End, RunEnd::Completed);
  ASSERT_TRUE(SaveCreepReport(lines, folder.File("expected.txt")).ok);
  const std::string report = ReadBytes(folder.File("Creep.txt"));
  EXPECT_EQ(report, ReadBytes(folder.File("expected.txt")));
  EXPECT_NE(report.find("Date : 5/2/2004\r\n"), std::string::npos);
  EXPECT_NE(report.find("Date : 2/3/2004\r\n"), std::string::npos);

  // February's cold air changes the result.
  const Result warm = RunCommand(Creep(folder, "30/1/2004", "2/3/2004",
                                       {"--store-every", "7", "--store-at", "14", "--out", folder.File("warm.txt")}));
  ASSERT_EQ(warm.status, 0);
  EXPECT_NE(ReadBytes(folder.File("warm.txt")), report);
}

TEST(BatchCreep, RefusalsNameTheirReasonAndChangeNoFile) {
  const struct {
    const char* name;
    std::vector<std::string> more;
    const char* error;
  } cases[] = {
      {"same day", {"--to", "1/1/2001"}, "The ending date cannot be earlier than or equal to the starting date.\n"},
      {"late hour",
       {"--store-at", "25"},
       "The time of the day for the storing of the deflection profiles is invalid.\n"},
      {"no creep", {"--creep", ""}, "The Normalised creep (t*) diagram is not valid.\n"},
      {"no surface", {"--month", "3=day,day,,day,day"}, "The Surface temperature diagram is not valid.\n"},
      {"outside", {"--phi", "../concrete"}, "The diagram name is invalid: '../concrete'\n"},
  };
  for (const auto& c : cases) {
    ScratchFolder folder;
    WriteColumn(folder);
    WriteCreepDiagrams(folder);
    WriteBytes(folder.File("day.dg2"), "24\t14\r\n0\t12\r\n14\t26\r\n");  // would be repaired by a run
    const std::string before = kolvane::testing::FolderListing(folder.Path()) + ReadBytes(folder.File("day.dg2"));
    const Result result = RunCommand(Creep(folder, "1/1/2001", "3/1/2001", c.more));
    EXPECT_EQ(result.status, 2) << c.name;
    EXPECT_EQ(result.err, c.error) << c.name;
    EXPECT_EQ(kolvane::testing::FolderListing(folder.Path()) + ReadBytes(folder.File("day.dg2")), before) << c.name;
  }
}

TEST(BatchCreep, ADiagramThatCannotBeUsedStopsTheRunBeforeTheFirstDay) {
  ScratchFolder folder;
  WriteColumn(folder);
  WriteCreepDiagrams(folder);
  WriteBytes(folder.File("broken.dg4"), "0\t100\r\n90\t1E400\r\n180\t0\r\n");
  WriteBytes(folder.File("day.dg2"), "24\t14\r\n0\t12\r\n14\t26\r\n");  // January's, would be repaired
  const std::string before = kolvane::testing::FolderListing(folder.Path()) + ReadBytes(folder.File("day.dg2"));
  // February's diagram is found broken before January is computed (no
  // progress line), and January's repair is not made for a run that never starts.
  std::ostringstream out, err;
  const int status =
      RunBatch(Creep(folder, "30/1/2001", "3/2/2001", {"--month", "2=day,day,day,broken,day"}), out, err, true);
  EXPECT_EQ(status, 2);
  EXPECT_EQ(err.str(), "LoadDiagram reported a critical error for broken.\n");
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(kolvane::testing::FolderListing(folder.Path()) + ReadBytes(folder.File("day.dg2")), before);

  // In a month the dates never reach, the diagram is there but never used.
  const Result july = RunCommand(Creep(folder, "30/1/2001", "3/2/2001", {"--month", "7=day,day,day,broken,day"}));
  EXPECT_EQ(july.status, 0) << july.err;
}

TEST(BatchCreep, ProgressGoesToATerminalOnly) {
  ScratchFolder folder;
  WriteColumn(folder);
  WriteCreepDiagrams(folder);
  std::ostringstream out, err;
  ASSERT_EQ(RunBatch(Creep(folder, "31/12/2000", "1/1/2001"), out, err, true), 0);
  EXPECT_EQ(err.str(),
            "\rCalculating date : 31/12/2000 (day 1 of 2)   \rCalculating date : 1/1/2001 (day 2 of 2)   \n");
}

// Every entry of a folder with its kind and, for a file, its bytes: what a
// refused command must leave exactly as it was.
std::string FolderState(const ScratchFolder& folder) {
  std::string state = kolvane::testing::FolderListing(folder.Path());
  for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
    const auto status = std::filesystem::symlink_status(entry.path());
    state += "\n" + entry.path().filename().string() + " " + std::to_string(static_cast<int>(status.type()));
    if (status.type() == std::filesystem::file_type::regular) state += " " + ReadBytes(entry.path());
  }
  return state;
}

std::vector<std::string> With(std::vector<std::string> arguments, const std::vector<std::string>& more) {
  arguments.insert(arguments.end(), more.begin(), more.end());
  return arguments;
}

TEST(BatchRefusals, BadInvocationsStopBeforeAnythingIsComputedOrWritten) {
  using Arguments = std::function<std::vector<std::string>(const ScratchFolder&)>;
  const auto elastic = [](std::vector<std::string> more) -> Arguments {
    return [more](const ScratchFolder& folder) { return With(Elastic(folder, "14"), more); };
  };
  const auto creep = [](std::vector<std::string> more) -> Arguments {
    return [more](const ScratchFolder& folder) { return Creep(folder, "1/1/2001", "3/1/2001", more); };
  };
  const auto hour = [](const char* text) -> Arguments {
    return [text](const ScratchFolder& folder) { return Elastic(folder, text); };
  };
  const auto diagrams = [](const char* names) -> Arguments {
    return [names](const ScratchFolder& folder) { return Elastic(folder, "14", names); };
  };
  const struct {
    const char* name;
    Arguments arguments;
    int status;
    std::string error;  // a fragment of the error output; DIR stands for the folder
    std::function<void(const ScratchFolder&)> prepare = nullptr;
  } cases[] = {
      {"missing sun diagram", diagrams("sumer,day,day,day,day"), 2, "sumer.dg1 was not found in DIR.\n"},
      {"missing diagram of every month", creep({"--diagrams", "day,day,day,day,nosuch"}), 2,
       "nosuch.dg5 was not found in DIR.\n"},
      {"missing diagram of a month not run", creep({"--month", "7=day,day,sumer,day,day"}), 2,
       "sumer.dg3 was not found in DIR.\n"},
      {"missing creep function", creep({"--creep", "nosuch"}), 2, "nosuch.dg6 was not found in DIR.\n"},
      {"missing temperature factor", creep({"--phi", "nosuch"}), 2, "nosuch.dg7 was not found in DIR.\n"},
      {"name the name box refuses", diagrams("a:b,day,day,day,day"), 2, "The diagram name is invalid: 'a:b'\n",
       [](const ScratchFolder& folder) { WriteBytes(folder.File("a:b.dg1"), "0\t0\r\n24\t0\r\n"); }},
      {"letters for the hour", hour("abc"), 2, "--hour takes a number from 0 to 24, not 'abc' (see"},
      {"letters after the hour", hour("14abc"), 2, "--hour takes a number from 0 to 24, not '14abc' (see"},
      {"decimal comma in the hour", hour("12,5"), 2, "--hour takes a number from 0 to 24, not '12,5' (see"},
      {"NaN for the hour", hour("NaN"), 2, "--hour takes a number from 0 to 24, not 'NaN' (see"},
      {"empty hour", hour(""), 2, "--hour takes a number from 0 to 24, not '' (see"},
      {"hour twice", elastic({"--hour", "9"}), 2, "kolvane-batch: --hour is given twice (see"},
      {"out twice", creep({"--out", "a.txt", "--out=b.txt"}), 2, "kolvane-batch: --out is given twice (see"},
      {"a month twice", creep({"--month", "2=day,day,day,day,day", "--month", "2=day,day,day,day,day"}), 2,
       "kolvane-batch: --month 2 is given twice (see"},
      {"-h as the value of --out",
       [](const ScratchFolder& folder) {
         return With(Elastic(folder, "noon"), {"--out", "-h"});
       },
       2, "--hour takes a number from 0 to 24, not 'noon'"},
      {"folder that is a file",
       [](const ScratchFolder& folder) {
         return std::vector<std::string>{"elastic", "--folder",   folder.File("main.dat"), "--hour",
                                         "14",      "--diagrams", "day,day,day,day,day"};
       },
       2, "'DIR/main.dat' is not a folder\n"},
      {"root folder without main data",
       [](const ScratchFolder&) {
         return std::vector<std::string>{"elastic", "--folder", "/", "--hour", "14", "--diagrams", "d,d,d,d,d"};
       },
       2, "main.dat was not found in /.\n"},
      {"out onto a folder", elastic({"--out", "sub"}), 2, "it is not a regular file but a folder.\n",
       [](const ScratchFolder& folder) { std::filesystem::create_directory(folder.File("sub")); }},
      {"report's own name is a folder", elastic({}), 2, "DIR/Elastic.txt: it is not a regular file but a folder.\n",
       [](const ScratchFolder& folder) { std::filesystem::create_directory(folder.File("Elastic.txt")); }},
      {"out onto a FIFO", elastic({"--out", "pipe"}), 2, "DIR/pipe: it is not a regular file.\n",
       [](const ScratchFolder& folder) { ASSERT_EQ(::mkfifo(folder.File("pipe").c_str(), 0600), 0); }},
      {"out onto a device", elastic({"--out", "/dev/null"}), 2,
       "The report cannot be written to /dev/null: it is not a regular file.\n"},
      {"out onto main.dat", elastic({"--out", "./main.dat"}), 2,
       "DIR/./main.dat: it is DIR/main.dat, which the run reads.\n"},
      {"out onto a link to a diagram", elastic({"--out", "link"}), 2, "it is DIR/day.dg3, which the run reads.\n",
       [](const ScratchFolder& folder) { std::filesystem::create_symlink("day.dg3", folder.File("link")); }},
      {"out onto a hard link to the creep function", creep({"--out", "copy"}), 2,
       "it is DIR/concrete.dg6, which the run reads.\n",
       [](const ScratchFolder& folder) {
         std::filesystem::create_hard_link(folder.File("concrete.dg6"), folder.File("copy"));
       }},
      {"out with no name", creep({"--out="}), 2, "kolvane-batch: --out needs a file name (see"},
  };
  for (const auto& c : cases) {
    ScratchFolder folder;
    WriteColumn(folder);
    WriteCreepDiagrams(folder);
    WriteBytes(folder.File("day.dg2"), "24\t14\r\n0\t12\r\n14\t26\r\n");  // would be repaired by a run
    if (c.prepare) c.prepare(folder);
    std::vector<std::string> arguments = c.arguments(folder);
    // Relative --out names are taken in the folder, so the test leaves nothing behind.
    for (std::size_t n = 0; n + 1 < arguments.size(); ++n)
      if (arguments[n] == "--out" && !arguments[n + 1].empty() && arguments[n + 1][0] != '/' &&
          arguments[n + 1] != "-h")
        arguments[n + 1] = folder.File(arguments[n + 1]);
    const std::string before = FolderState(folder);
    const Result result = RunCommand(arguments);
    std::string error = c.error;
    for (std::size_t at; (at = error.find("DIR")) != std::string::npos;) error.replace(at, 3, folder.Path());
    EXPECT_EQ(result.status, c.status) << c.name;
    EXPECT_NE(result.err.find(error), std::string::npos) << c.name << ": " << result.err;
    EXPECT_EQ(result.out, "") << c.name;
    EXPECT_EQ(FolderState(folder), before) << c.name;
  }
}

TEST(BatchArguments, AnOptionsValueIsNeverTakenForAnOption) {
  const ParsedArguments parsed =
      ParseArguments({"elastic", "--out", "-h", "--hour", "--help"}, {"elastic"}, {{"elastic", {"--out", "--hour"}}});
  EXPECT_EQ(parsed.command, "elastic");
  EXPECT_EQ(LastValue(parsed, "--out"), "-h");
  EXPECT_EQ(parsed.error, "kolvane-batch: --hour needs a value (see kolvane-batch --help)");
  // Where an option may stand, -h and --help still ask for help.
  EXPECT_EQ(ParseArguments({"elastic", "--out", "x", "-h"}, {"elastic"}, {{"elastic", {"--out"}}}).command, "help");
}

TEST(BatchOut, ADashWritesTheReportToTheStandardOutput) {
  ScratchFolder folder;
  WriteColumn(folder);
  WriteCreepDiagrams(folder);
  const std::string before = FolderState(folder);

  const Result elastic = RunCommand(With(Elastic(folder, "14"), {"--out", "-"}));
  ASSERT_EQ(elastic.status, 0) << elastic.err;
  EXPECT_EQ(elastic.err, "");
  const Result creep = RunCommand(Creep(folder, "30/1/2004", "2/3/2004", {"--store-every", "7", "--out", "-"}));
  ASSERT_EQ(creep.status, 0) << creep.err;
  EXPECT_EQ(creep.err.substr(0, creep.err.find('\n') + 1), "Calculation is completed. 33 days were calculated.\n");
  EXPECT_EQ(FolderState(folder), before);  // nothing written beside the column

  // The same bytes as the files the commands write.
  ASSERT_EQ(RunCommand(Elastic(folder, "14")).status, 0);
  EXPECT_EQ(elastic.out, ReadBytes(folder.File("Elastic.txt")));
  ASSERT_EQ(RunCommand(Creep(folder, "30/1/2004", "2/3/2004", {"--store-every", "7"})).status, 0);
  EXPECT_EQ(creep.out, ReadBytes(folder.File("Creep.txt")));
}

TEST(BatchResults, NumbersThatAreNotFiniteAreWrittenButSaidWithStatusThree) {
  ScratchFolder folder;
  // A thermal coefficient so large that the strains overflow.
  WriteColumn(folder, "120\r\n3.2\r\n3.6\r\n25\r\n32\r\n4\r\n2\r\n12\r\n6\r\n15\r\n1E+306\r\n");
  WriteCreepDiagrams(folder);
  const std::string message = std::string(kNonFiniteResultsMessage) + "\n";
  const Result elastic = RunCommand(Elastic(folder, "14"));
  EXPECT_EQ(elastic.status, 3);
  EXPECT_EQ(elastic.err, message);
  EXPECT_EQ(elastic.out, folder.File("Elastic.txt") + " was saved successfully.\n");
  EXPECT_NE(ReadBytes(folder.File("Elastic.txt")).find("Time :14 hours."), std::string::npos);

  const Result creep = RunCommand(Creep(folder, "1/1/2001", "3/1/2001"));
  EXPECT_EQ(creep.status, 3);
  EXPECT_EQ(creep.err, message);
  EXPECT_NE(creep.out.find(folder.File("Creep.txt") + " was saved successfully.\n"), std::string::npos);

  // A sound column is not doubted.
  WriteColumn(folder);
  EXPECT_EQ(RunCommand(Elastic(folder, "14")).status, 0);
}

// A report written over an old one, interrupted after its tenth line.
class BatchInterruption : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteColumn(folder);
    WriteBytes(folder.File("Elastic.txt"), "the old report\r\n");
    before = FolderState(folder);
  }
  ScratchFolder folder;
  std::string before;
};

TEST_F(BatchInterruption, CtrlCRemovesTheTemporaryFileAndKeepsTheOldReport) {
  BatchHooks hooks;
  std::int64_t lastLine = 0;
  hooks.ReportLineWritten = [&lastLine](std::int64_t line) {
    lastLine = line;
    if (line == 10) ::raise(SIGINT);
  };
  std::ostringstream out, err;
  EXPECT_EQ(RunBatch(Elastic(folder, "14"), out, err, false, hooks), 130);
  EXPECT_EQ(lastLine, 10);  // no line is written after the signal
  EXPECT_EQ(err.str(), "kolvane-batch: interrupted; " + folder.File("Elastic.txt") + " was left as it was.\n");
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(FolderState(folder), before);
}

TEST_F(BatchInterruption, SigtermFromAnotherProcessEndsTheWriteWithStatus143) {
  int reached[2], proceed[2];
  ASSERT_EQ(::pipe(reached), 0);
  ASSERT_EQ(::pipe(proceed), 0);
  const pid_t child = ::fork();
  ASSERT_NE(child, -1);
  if (child == 0) {
    ::close(reached[0]);
    ::close(proceed[1]);
    BatchHooks hooks;
    hooks.ReportLineWritten = [&](std::int64_t line) {
      if (line != 10) return;
      // Tell the parent the write is under way, then wait until it has sent
      // the signal and closed its end of the pipe.
      const char mark = 'x';
      if (::write(reached[1], &mark, 1) != 1) ::_exit(90);
      char ignored;
      while (::read(proceed[0], &ignored, 1) > 0) {
      }
    };
    std::ostringstream out, err;
    ::_exit(RunBatch(Elastic(folder, "14"), out, err, false, hooks));
  }
  ::close(reached[1]);
  ::close(proceed[0]);
  char mark = 0;
  ASSERT_EQ(::read(reached[0], &mark, 1), 1);
  ASSERT_EQ(::kill(child, SIGTERM), 0);
  ::close(proceed[1]);
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ::close(reached[0]);
  ASSERT_TRUE(WIFEXITED(status)) << "the child died of the signal instead of ending its write";
  EXPECT_EQ(WEXITSTATUS(status), 143);
  EXPECT_EQ(FolderState(folder), before);
}

TEST_F(BatchInterruption, WithoutASignalTheReportReplacesTheOldOne) {
  BatchHooks hooks;
  std::int64_t lines = 0;
  hooks.ReportLineWritten = [&lines](std::int64_t line) { lines = line; };
  std::ostringstream out, err;
  ASSERT_EQ(RunBatch(Elastic(folder, "14"), out, err, false, hooks), 0);
  EXPECT_GT(lines, 10);
  EXPECT_EQ(kolvane::testing::FolderListing(folder.Path()),
            "Elastic.txt;day.dg1;day.dg2;day.dg3;day.dg4;day.dg5;main.dat;");
  EXPECT_NE(ReadBytes(folder.File("Elastic.txt")), "the old report\r\n");
}

}  // namespace
}  // namespace kolvane::batch
