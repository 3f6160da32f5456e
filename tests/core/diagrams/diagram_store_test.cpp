#include "core/diagrams/diagram_store.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/diagrams/diagram_file.h"
#include "core/support/test_support.h"

namespace kolvane {

// Case counts in file names here: a rename beside a name of another case
// leaves that diagram as it was. The old file goes only after a save.
TEST(StoreEditedDiagram, RenamesOnlyAfterASaveAndDeletesOnRequest) {
  ScratchFolder folder;
  const Workspace workspace(folder.Path());
  const Diagram diagram{{{0, 1}, {24, 2}}};
  for (const char* name : {"winter", "test1"})
    ASSERT_TRUE(StoreEditedDiagram(workspace, kSunPosition, "", name, diagram).Ok);
  ASSERT_TRUE(StoreEditedDiagram(workspace, kSunPosition, "test1", "Winter", Diagram{{{0, 5}, {24, 6}}}).Ok);
  EXPECT_EQ(ReadBytes(folder.File("winter.dg1")) + ReadBytes(folder.File("Winter.dg1")),
            "0\t1\r\n24\t2\r\n0\t5\r\n24\t6\r\n");

  std::filesystem::create_directory(folder.File("Blocked.dg1"));
  const WriteResult blocked = StoreEditedDiagram(workspace, kSunPosition, "Winter", "Blocked", diagram);
  EXPECT_FALSE(blocked.Ok);
  EXPECT_EQ(DiagramNotSavedMessage("Blocked", kSunPosition, blocked.Reason),
            "Blocked.dg1 could not be saved: Is a directory");
  EXPECT_EQ(testing::FolderListing(folder.Path()), "Blocked.dg1;Winter.dg1;winter.dg1;");

  EXPECT_TRUE(DeleteDiagramFile(workspace, "Winter", kSunPosition));
  EXPECT_FALSE(DeleteDiagramFile(workspace, "Winter", kSunPosition));  // gone already
  EXPECT_EQ(ListDiagramNames(workspace, kSunPosition), std::vector<std::string>{"winter"});
  EXPECT_EQ(DeleteDiagramQuestion("June"), "You are about to delete June. Should I proceed?");
}

}  // namespace kolvane
