#include "core/diagrams/diagram_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/diagrams/diagram_rename.h"
#include "core/diagrams/diagram_store.h"
#include "diagram_test_support.h"
#include "test_support.h"

namespace kolvane {
namespace {

using testing::ReadBytes;
using testing::ScratchFolder;

TEST(LoadDiagram, ReadsLinesOfTwoFields) {
  const struct {
    const char* name;
    const char* file;  // nullptr: no file
    DiagramLoadResult result;
    Diagram diagram;
  } cases[] = {
      {"no file", nullptr, DiagramLoadResult::Missing, Diagram{}},
      {"decimal comma", "1,5\t2", DiagramLoadResult::Ok, MakeDiagram({{1.5, 2}})},
      {"three fields skipped", "0\t0\r\n1\t2\t3\r\n4\t5\r\n", DiagramLoadResult::Skipped,
       MakeDiagram({{0, 0}, {4, 5}})},
      {"no TAB skipped", "0 0\r\n", DiagramLoadResult::Skipped, Diagram{}},
      {"file order kept", "24\t0\n0\t0\n12\t90\n", DiagramLoadResult::Ok, MakeDiagram({{24, 0}, {0, 0}, {12, 90}})},
      {"CR line ends", "0\t1\r2\t3\r", DiagramLoadResult::Ok, MakeDiagram({{0, 1}, {2, 3}})},
      {"beyond a double", "1\t2\r\n1E400\t5\r\n7\t8\r\n", DiagramLoadResult::Failed, MakeDiagram({{1, 2}})},
  };
  for (const auto& c : cases) {
    ScratchFolder folder;
    const std::string path = DiagramPath(Workspace(folder.Path()), "d", kSunPosition);
    if (c.file != nullptr) testing::WriteBytes(path, c.file);
    Diagram d = MakeDiagram({{99, 99}});  // whatever was there is replaced
    EXPECT_EQ(LoadDiagram(path, d), c.result) << c.name;
    EXPECT_EQ(d, c.diagram) << c.name;
  }
}

TEST(SaveDiagram, WritesTheReportFormOfEachPointAndReadsBack) {
  ScratchFolder folder;
  const std::string path = DiagramPath(Workspace(folder.Path()), "June", kNormalisedCreep);
  ASSERT_TRUE(SaveDiagram(path, MakeDiagram({{0.5, -0.000001}, {12, 90}})).ok);
  EXPECT_EQ(ReadBytes(path), ".5\t-1E-06\r\n12\t90\r\n");
  const Diagram d = MakeDiagram({{0, 0}, {0.1, 1.2e-7}, {33.333333333333, 3.9999999e-6}, {100, 4e-6}});
  ASSERT_TRUE(SaveDiagram(path, d).ok);
  Diagram back;
  ASSERT_EQ(LoadDiagram(path, back), DiagramLoadResult::Ok);
  EXPECT_EQ(back, d);
  const WriteResult failed = SaveDiagram(folder.File("missing/d.dg6"), Diagram{});
  EXPECT_FALSE(failed.ok);
  EXPECT_EQ(failed.reason, "No such file or directory");  // the user is told why
}

TEST(DiagramRename, AsksOnlyWhenAnotherDiagramHasExactlyTheNewName) {
  const std::vector<std::string> listed = {"April", "June", "july", "test1", "winter"};
  const struct {
    const char* proposed;
    const char* current;
    bool overwrites;
  } cases[] = {
      {"april", "", false},        // a new diagram beside one that differs in case: a file of its own
      {"April", "", true},         // a new diagram onto an old one
      {"Winter", "test1", false},  // renamed beside "winter": creates "Winter"
      {"winter", "test1", true},   // renamed onto "winter"
      {"JUNE", "June", false},     // its own name in another case: a rename
  };
  for (const auto& c : cases)
    EXPECT_EQ(RenameOverwritesAnother(c.proposed, c.current, listed), c.overwrites)
        << c.proposed << " from '" << c.current << "'";
}

// Case counts in file names here: a rename beside a name of another case
// leaves that diagram as it was. The old file goes only after a save.
TEST(StoreEditedDiagram, RenamesOnlyAfterASaveAndDeletesOnRequest) {
  ScratchFolder folder;
  const Workspace workspace(folder.Path());
  const Diagram diagram{{{0, 1}, {24, 2}}};
  for (const char* name : {"winter", "test1"})
    ASSERT_TRUE(StoreEditedDiagram(workspace, kSunPosition, "", name, diagram).ok);
  ASSERT_TRUE(StoreEditedDiagram(workspace, kSunPosition, "test1", "Winter", Diagram{{{0, 5}, {24, 6}}}).ok);
  EXPECT_EQ(ReadBytes(folder.File("winter.dg1")) + ReadBytes(folder.File("Winter.dg1")),
            "0\t1\r\n24\t2\r\n0\t5\r\n24\t6\r\n");

  std::filesystem::create_directory(folder.File("Blocked.dg1"));
  const WriteResult blocked = StoreEditedDiagram(workspace, kSunPosition, "Winter", "Blocked", diagram);
  EXPECT_FALSE(blocked.ok);
  EXPECT_EQ(DiagramNotSavedMessage("Blocked", kSunPosition, blocked.reason),
            "Blocked.dg1 could not be saved: Is a directory");
  EXPECT_EQ(testing::FolderListing(folder.Path()), "Blocked.dg1;Winter.dg1;winter.dg1;");

  EXPECT_TRUE(DeleteDiagramFile(workspace, "Winter", kSunPosition));
  EXPECT_FALSE(DeleteDiagramFile(workspace, "Winter", kSunPosition));  // gone already
  EXPECT_EQ(ListDiagramNames(workspace, kSunPosition), std::vector<std::string>{"winter"});
  EXPECT_EQ(DeleteDiagramQuestion("June"), "You are about to delete June. Should I proceed?");
}

}  // namespace
}  // namespace kolvane
