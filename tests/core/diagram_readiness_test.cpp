#include "core/diagrams/diagram_readiness.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/diagrams/diagram_file.h"
#include "test_support.h"

namespace kolvane {
namespace {

using testing::FolderListing;
using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;

TEST(DiagramReadiness, TellsWhatOpeningWouldMeetAndWritesNothing) {
  const struct {
    const char* name;
    const char* bytes;  // nullptr: no file
    DiagramReadiness expected;
  } cases[] = {
      {"usable", "0\t5\r\n12\t90\r\n24\t5\r\n", DiagramReadiness::Usable},
      {"to be repaired", "24\t5\r\ncomment\r\n12\t90\r\n", DiagramReadiness::Usable},
      {"empty", "", DiagramReadiness::Usable},
      {"missing", nullptr, DiagramReadiness::Missing},
      {"beyond a double", "0\t1\r\n1E400\t2\r\n", DiagramReadiness::LoadCritical},
  };
  for (const auto& c : cases) {
    ScratchFolder folder;
    const std::string path = DiagramPath(Workspace(folder.Path()), "d", kSunPosition);
    if (c.bytes != nullptr) WriteBytes(path, c.bytes);
    const std::string before = FolderListing(folder.Path());
    EXPECT_EQ(CheckDiagramReadiness(path, kSunPosition), c.expected) << c.name;
    EXPECT_EQ(FolderListing(folder.Path()), before) << c.name;
    if (c.bytes != nullptr) {
      EXPECT_EQ(ReadBytes(path), c.bytes) << c.name;
    }
  }
}

TEST(DiagramReadiness, AFolderInPlaceOfTheFileCannotBeRead) {
  ScratchFolder folder;
  const std::string path = DiagramPath(Workspace(folder.Path()), "d", kAmbientTemperature);
  ASSERT_EQ(::mkdir(path.c_str(), 0755), 0);
  EXPECT_EQ(CheckDiagramReadiness(path, kAmbientTemperature), DiagramReadiness::LoadCritical);
}

}  // namespace
}  // namespace kolvane
