#include "core/common/file_listing.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "core/support/test_support.h"

namespace kolvane {

TEST(FileListing, NamesSortWithoutCaseAndPrefixPairsStayInPlace) {
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

}  // namespace kolvane
