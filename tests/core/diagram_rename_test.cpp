#include "core/diagrams/diagram_rename.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/diagrams/diagram_store.h"
#include "test_support.h"

namespace kolvane {
namespace {

struct RenameCase {
  const char* proposed;
  const char* current;
  bool overwrites;
};

TEST(DiagramRename, AsksOnlyWhenAnotherDiagramHasExactlyTheNewName) {
  const std::vector<std::string> listed = {"April", "June", "july", "test1", "winter"};
  const RenameCase cases[] = {
      {"april", "", false},        // a new diagram beside one that differs in case: a file of its own
      {"April", "", true},         // a new diagram onto an old one
      {"Winter", "test1", false},  // renamed beside "winter": creates "Winter"
      {"winter", "test1", true},   // renamed onto "winter"
      {"JUNE", "June", false},     // its own name in another case: a rename
      {"June", "June", false},     // unchanged
      {"july", "June", true},      // exactly another diagram's name
      {"August", "June", false},   // a free name
      {"Jun", "June", false},      // a prefix is another name
  };
  for (const RenameCase& c : cases)
    EXPECT_EQ(RenameOverwritesAnother(c.proposed, c.current, listed), c.overwrites)
        << c.proposed << " from '" << c.current << "'";
}

TEST(DiagramRename, NamesThatDifferInCaseAreSeparateFiles) {
  testing::ScratchFolder folder;
  const Workspace workspace(folder.Path());
  const Diagram diagram{{{0, 1}, {24, 2}}};
  ASSERT_TRUE(StoreEditedDiagram(workspace, kSunPosition, "", "winter", diagram).ok);
  ASSERT_TRUE(StoreEditedDiagram(workspace, kSunPosition, "", "test1", diagram).ok);
  const std::string winterBytes = testing::ReadBytes(folder.File("winter.dg1"));

  // Renaming beside a name of another case leaves that diagram as it was.
  ASSERT_TRUE(StoreEditedDiagram(workspace, kSunPosition, "test1", "Winter", Diagram{{{0, 5}, {24, 6}}}).ok);
  EXPECT_EQ(testing::FolderListing(folder.Path()), "Winter.dg1;winter.dg1;");
  EXPECT_EQ(testing::ReadBytes(folder.File("winter.dg1")), winterBytes);

  // A change of case alone renames the file.
  ASSERT_TRUE(StoreEditedDiagram(workspace, kSunPosition, "Winter", "WINTER", Diagram{{{0, 5}, {24, 6}}}).ok);
  EXPECT_EQ(testing::FolderListing(folder.Path()), "WINTER.dg1;winter.dg1;");
}

}  // namespace
}  // namespace kolvane
