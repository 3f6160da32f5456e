#include "core/diagrams/diagram_store.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/diagrams/diagram_file.h"
#include "core/diagrams/diagram_rename.h"
#include "diagram_test_support.h"
#include "test_support.h"

namespace kolvane {
namespace {

using testing::FolderListing;
using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;

struct StoreCase {
  const char* what;
  const char* oldName;
  const char* newName;
  const char* listingAfter;
  friend void PrintTo(const StoreCase& c, std::ostream* out) { *out << c.what; }
};

class StoreEdited : public ::testing::TestWithParam<StoreCase> {};

// The folder holds June and July of kind 1 and a June of kind 2; the edited
// diagram is written under the new name and a renamed one leaves no old file.
TEST_P(StoreEdited, WritesTheNewNameAndRemovesTheOldFile) {
  const StoreCase& c = GetParam();
  ScratchFolder folder;
  const Workspace workspace(folder.Path());
  WriteBytes(folder.File("June.dg1"), "0\t0\r\n24\t0\r\n");
  WriteBytes(folder.File("July.dg1"), "0\t5\r\n24\t5\r\n");
  WriteBytes(folder.File("June.dg2"), "0\t8\r\n24\t8\r\n");

  const WriteResult written =
      StoreEditedDiagram(workspace, kSunPosition, c.oldName, c.newName, MakeDiagram({{0, 0}, {12, 90}, {24, 0}}));
  EXPECT_TRUE(written.ok);
  EXPECT_EQ(FolderListing(folder.Path()), c.listingAfter);
  EXPECT_EQ(ReadBytes(DiagramPath(workspace, c.newName, kSunPosition)), "0\t0\r\n12\t90\r\n24\t0\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StoreEdited,
    ::testing::Values(StoreCase{"kept name", "June", "June", "July.dg1;June.dg1;June.dg2;"},
                      StoreCase{"renamed", "June", "Midsummer", "July.dg1;June.dg2;Midsummer.dg1;"},
                      StoreCase{"only the case changed", "June", "june", "July.dg1;June.dg2;june.dg1;"},
                      StoreCase{"onto another diagram", "June", "July", "July.dg1;June.dg2;"},
                      StoreCase{"new diagram", "", "August", "August.dg1;July.dg1;June.dg1;June.dg2;"}));

TEST(StoreEditedDiagram, AFailedWriteKeepsTheOldFileOfARename) {
  ScratchFolder folder;
  const Workspace workspace(folder.Path());
  WriteBytes(folder.File("June.dg1"), "0\t0\r\n24\t0\r\n");
  std::filesystem::create_directory(folder.File("Blocked.dg1"));  // nothing can be renamed over a folder

  const WriteResult written =
      StoreEditedDiagram(workspace, kSunPosition, "June", "Blocked", MakeDiagram({{0, 0}, {24, 0}}));
  EXPECT_FALSE(written.ok);
  EXPECT_EQ(written.reason, "Is a directory");
  EXPECT_EQ(ReadBytes(folder.File("June.dg1")), "0\t0\r\n24\t0\r\n");
  EXPECT_EQ(DiagramNotSavedMessage("Blocked", kSunPosition, written.reason),
            "Blocked.dg1 could not be saved: Is a directory");
}

TEST(DiagramRename, AsksOnlyWhenANewNameMatchesAnotherListedDiagram) {
  const std::vector<std::string> listed = {"April", "June", "july"};
  EXPECT_TRUE(RenameOverwritesAnother("July", "June", listed));     // another diagram, case aside
  EXPECT_TRUE(RenameOverwritesAnother("april", "", listed));        // a new diagram onto an old one
  EXPECT_FALSE(RenameOverwritesAnother("JUNE", "June", listed));    // its own name in another case
  EXPECT_FALSE(RenameOverwritesAnother("August", "June", listed));  // a free name
  EXPECT_FALSE(RenameOverwritesAnother("Jun", "June", listed));     // a prefix is another name
}

}  // namespace
}  // namespace kolvane
