#include <gtest/gtest.h>

#include <sys/stat.h>

#include "core/common/file_listing.h"
#include "core/common/program_info.h"
#include "core/common/rounding.h"
#include "core/common/workspace.h"
#include "test_support.h"

namespace kolvane {
namespace {

using testing::ScratchFolder;
using testing::WriteBytes;

TEST(RoundedValue, RoundsHalvesAwayFromZero) {
  struct Case {
    double value;
    int digits;
    double expected;
  };
  const Case cases[] = {
      {2.5, 0, 3},      {-2.5, 0, -3},        {2.4999, 0, 2},     {0, 0, 0}, {0, 3, 0},      {1.23449, 3, 1.234},
      {0.125, 2, 0.13}, {-1.2346, 3, -1.235}, {179.9996, 3, 180}, {7, 3, 7}, {0.0004, 3, 0}, {-0.0005, 3, -0.001},
  };
  for (const Case& c : cases) EXPECT_EQ(RoundedValue(c.value, c.digits), c.expected) << c.value << " " << c.digits;
}

TEST(ProgramInfo, TitleIsProductNameAndVersion) {
  EXPECT_EQ(VersionText(), "1.0.0");
  EXPECT_EQ(ProgramTitle(), "Kolvane 1.0.0");
}

TEST(WorkspacePaths, EveryFileIsFolderSeparatorName) {
  EXPECT_EQ(Workspace("/home/eng/column").PathOf("main.dat"), "/home/eng/column/main.dat");
  EXPECT_EQ(Workspace("/home/eng/column/").PathOf("main.dat"), "/home/eng/column/main.dat");
  EXPECT_EQ(Workspace("/").PathOf("main.dat"), "/main.dat");
  EXPECT_EQ(Workspace("").PathOf("main.dat"), "./main.dat");  // never the root by accident
  EXPECT_EQ(Workspace("rel").PathOf("June.dg2"), "rel/June.dg2");
}

TEST(SortNames, IsCaseInsensitiveAndKeepsPrefixPairsInPlace) {
  struct Case {
    std::vector<std::string> in, out;
  };
  const Case cases[] = {
      {{"Cairo", "athens", "Berlin"}, {"athens", "Berlin", "Cairo"}},
      {{"Sun2", "Sun1"}, {"Sun1", "Sun2"}},
      {{"b", "A", "c", "B"}, {"A", "b", "B", "c"}},  // equal up to case: never exchanged
      // "Sun" and "Sunny" are never exchanged with each other; the others sort around them.
      {{"Sunny", "Sun", "Alpha"}, {"Alpha", "Sun", "Sunny"}},
      {{"Sunny", "Sun"}, {"Sunny", "Sun"}},
      {{"_x", "a"}, {"a", "_x"}},  // '_' (95) comes after 'A' (65) once letters are upper case
      {{}, {}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> names = c.in;
    SortNames(names);
    EXPECT_EQ(names, c.out);
  }
}

TEST(ListFiles, ListsOneExtensionExactlyAndSorted) {
  ScratchFolder folder;
  for (const char* name :
       {"Berlin.dg1", "athens.dg1", "Cairo.dg1", "notes.txt", "Upper.DG1", "June.dg2", "x.dg1.bak", ".dg1"})
    WriteBytes(folder.File(name), "");
  ::mkdir(folder.File("folder.dg1").c_str(), 0755);  // folders are not diagrams

  EXPECT_EQ(ListFiles(folder.Path(), "dg1", false), (std::vector<std::string>{"athens", "Berlin", "Cairo"}));
  EXPECT_EQ(ListFiles(folder.Path(), "dg1", true), (std::vector<std::string>{"athens.dg1", "Berlin.dg1", "Cairo.dg1"}));
  EXPECT_EQ(ListFiles(folder.Path(), "dg2", false), (std::vector<std::string>{"June"}));
  EXPECT_TRUE(ListFiles(folder.Path(), "dg7", false).empty());
  EXPECT_TRUE(ListFiles(folder.File("no-such-folder"), "dg1", false).empty());
}

}  // namespace
}  // namespace kolvane
