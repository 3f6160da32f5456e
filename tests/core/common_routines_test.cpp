// The small common routines: rounding, paths, name sorting, listings, the
// folder argument, window titles, recent folders, line copies, time left.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <filesystem>

#include "core/common/column_folder_title.h"
#include "core/common/file_listing.h"
#include "core/common/folder_argument.h"
#include "core/common/line_copy.h"
#include "core/common/program_info.h"
#include "core/common/report_file.h"
#include "core/common/rounding.h"
#include "core/common/workspace.h"
#include "core/creep/time_left.h"
#include "test_support.h"

namespace kolvane {
namespace {

using testing::ScratchFolder;
using testing::WriteBytes;

TEST(CommonRoutines, RoundingPathsAndTitles) {
  struct Round {
    double value;
    int digits;
    double expected;
  };
  for (const Round& c :
       {Round{2.5, 0, 3}, Round{-2.5, 0, -3}, Round{2.4999, 0, 2}, Round{0, 3, 0}, Round{1.23449, 3, 1.234},
        Round{0.125, 2, 0.13}, Round{-1.2346, 3, -1.235}, Round{179.9996, 3, 180}, Round{-0.0005, 3, -0.001}})
    EXPECT_EQ(RoundedValue(c.value, c.digits), c.expected) << c.value << " " << c.digits;
  EXPECT_EQ(ProgramTitle(), "Kolvane 1.0.0");
  EXPECT_EQ(Workspace("/home/eng/column/").PathOf("main.dat"), "/home/eng/column/main.dat");
  EXPECT_EQ(Workspace("").PathOf("main.dat"), "./main.dat");  // never the root by accident
  // Home shown as a tilde, whole folder names only, a root home shortens nothing.
  EXPECT_EQ(ColumnWindowTitle("/home/ann/columns/tower", "/home/ann"), "Kolvane 1.0.0 - ~/columns/tower");
  EXPECT_EQ(ColumnWindowTitle("/home/anna/tower", "/home/ann"), "Kolvane 1.0.0 - /home/anna/tower");
  EXPECT_EQ(ColumnWindowTitle("/srv/columns", "/"), "Kolvane 1.0.0 - /srv/columns");
  using List = std::vector<std::string>;
  EXPECT_EQ(WithRecentFolder({"/a", "/b", "/c"}, "/c"), (List{"/c", "/a", "/b"}));
  EXPECT_EQ(WithRecentFolder({"/a", "/b"}, "/A"), (List{"/A", "/a", "/b"}));  // names differ by case
  EXPECT_EQ(WithRecentFolder({"/1", "/2", "/3", "/4", "/5", "/6"}, "/7"), (List{"/7", "/1", "/2", "/3", "/4", "/5"}));
}

TEST(CommonRoutines, NamesSortWithoutCaseAndPrefixPairsStayInPlace) {
  using List = std::vector<std::string>;
  for (const auto& [in, out] : {std::pair<List, List>{{"Cairo", "athens", "Berlin"}, {"athens", "Berlin", "Cairo"}},
                                {{"b", "A", "c", "B"}, {"A", "b", "B", "c"}},  // equal up to case: never exchanged
                                {{"Sunny", "Sun", "Alpha"}, {"Alpha", "Sun", "Sunny"}},
                                {{"Sunny", "Sun"}, {"Sunny", "Sun"}},
                                {{"_x", "a"}, {"a", "_x"}}}) {  // '_' comes after 'A' once letters are upper case
    List names = in;
    SortNames(names);
    EXPECT_EQ(names, out);
  }
  ScratchFolder folder;
  for (const char* name : {"Berlin.dg1", "athens.dg1", "notes.txt", "Upper.DG1", "June.dg2", "x.dg1.bak", ".dg1"})
    WriteBytes(folder.File(name), "");
  ::mkdir(folder.File("folder.dg1").c_str(), 0755);  // folders are not diagrams
  EXPECT_EQ(ListFiles(folder.Path(), "dg1", false), (List{"athens", "Berlin"}));
  EXPECT_TRUE(ListFiles(folder.File("no-such-folder"), "dg1", false).empty());
}

TEST(FolderArgument, ChoosesTheProgramsFolderOrTheOneExistingFolderGiven) {
  ScratchFolder scratch;
  std::filesystem::create_directory(scratch.File("column"));
  WriteBytes(scratch.File("main.dat"), "");
  EXPECT_EQ(ChooseWorkingFolder({}, "/opt/kolvane").folder, "/opt/kolvane");
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(scratch.Path());
  const FolderChoice relative = ChooseWorkingFolder({"./column/../column/"}, "/opt/kolvane");
  std::filesystem::current_path(before);
  EXPECT_TRUE(relative.ok);
  EXPECT_EQ(relative.folder, scratch.File("column"));  // absolute, so messages name it in full
  const std::pair<std::vector<std::string>, std::string> refused[] = {
      {{scratch.File("main.dat")}, scratch.File("main.dat") + " is not an existing folder"},
      {{scratch.Path(), scratch.Path()}, "too many arguments: give at most one working folder"},
      {{"--verbose"}, "unknown option --verbose (a folder of that name can be given as ./--verbose)"}};
  for (const auto& [arguments, error] : refused) {
    const FolderChoice choice = ChooseWorkingFolder(arguments, "/opt/kolvane");
    EXPECT_FALSE(choice.ok) << error;
    EXPECT_EQ(choice.error, error);
  }
  EXPECT_TRUE(AsksForHelp({"/tmp", "-h"}));
  EXPECT_FALSE(AsksForHelp({"--helpful"}));
}

TEST(LineCopy, ChosenLinesOnceInListOrderAndNotMoreThanASheet) {
  const auto numbered = [](std::int64_t index) { return "line " + std::to_string(index); };
  const std::pair<std::vector<LineRange>, std::string> cases[] = {
      {{{2, 2}}, "line 2"},                                                // one line: no line end
      {{{5, 6}, {1, 1}}, "line 1\r\nline 5\r\nline 6"},                    // chosen last, listed first
      {{{1, 3}, {2, 4}, {4, 4}}, "line 1\r\nline 2\r\nline 3\r\nline 4"},  // overlaps once
      {{{6, 12}, {-3, 0}}, "line 0\r\nline 6\r\nline 7"},                  // outside the list: left out
      {{{3, 2}}, "line 2\r\nline 3"}};                                     // either way round
  for (const auto& [ranges, text] : cases) EXPECT_EQ(CopyLines(ranges, 8, numbered).Text, text);

  std::int64_t made = 0;
  const auto line = [&made](std::int64_t) { return ++made, std::string("x"); };
  const CopiedLines atLimit = CopyLines({{0, kMaxCopiedLines - 1}}, 3'000'000, line);
  EXPECT_FALSE(atLimit.Refused);
  EXPECT_EQ(atLimit.Text.size(), static_cast<std::size_t>(3 * kMaxCopiedLines - 2));
  made = 0;
  const CopiedLines over = CopyLines({{0, 9}, {100, 100 + kMaxCopiedLines - 10}}, 3'000'000, line);
  EXPECT_TRUE(over.Refused);
  EXPECT_EQ(made, 0);  // refused before any line is made
  EXPECT_EQ(over.Message,
            "The 1048577 lines chosen are too many to copy: at most 1048576 lines can be copied at once. "
            "Save Report writes the whole report to a file.");
  EXPECT_EQ(ReportNotSavedMessage("Elastic.txt", "/home/ann/tower/Elastic.txt", "Permission denied"),
            "Elastic.txt could not be saved: Permission denied\r\n/home/ann/tower/Elastic.txt");
  // A folder named from where the program started is shown from the root.
  const std::string full = (std::filesystem::current_path() / "tower" / "Creep.txt").lexically_normal().string();
  EXPECT_EQ(ReportSavedMessage("Creep.txt", "./tower/Creep.txt"), "Creep.txt was saved successfully.\r\n" + full);
}

TEST(TimeLeft, TheDaysDoneSetThePaceOfTheRest) {
  struct Case {
    double elapsed;
    std::int64_t done, total;
    const char* text;
  };
  // clang-format off
  for (const Case& c : {Case{10, 0, 365, ""}, Case{0, 5, 365, ""}, Case{1, 20, 10, ""},
      Case{1, 10, 19, "Less than a second left"}, Case{1, 10, 20, "About 1 s left"},
      Case{1.01, 10, 20, "About 2 s left"}, Case{30, 1, 3, "About 1 min 00 s left"},
      Case{2, 1, 63, "About 2 min 04 s left"}, Case{10, 1, 360, "About 59 min 50 s left"},
      Case{10, 1, 361, "About 1 h 00 min left"}, Case{3.5, 10, 36525, "About 3 h 33 min left"}})
    // clang-format on
    EXPECT_EQ(TimeLeftText(c.elapsed, c.done, c.total), c.text) << c.elapsed << " s, " << c.done << "/" << c.total;
}

}  // namespace
}  // namespace kolvane
