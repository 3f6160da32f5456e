// The example column shipped beside the program must open as it is: main data
// that passes validation, and diagrams of every kind that need no repair.
#include <gtest/gtest.h>

#include "core/common/file_listing.h"
#include "core/common/workspace.h"
#include "core/diagrams/diagram_file.h"
#include "core/diagrams/diagram_repair.h"
#include "core/maindata/main_data_file.h"
#include "core/maindata/validation.h"
#include "core/support/test_support.h"

namespace kolvane {
namespace {

const Workspace kExamples(KOLVANE_EXAMPLES_DIR);

TEST(Examples, MainDataLoadsAndPassesValidationAndIsInTheProgramsOwnForm) {
  const std::string path = kExamples.PathOf(kMainDataFileName);
  MainDataTexts texts = ZeroMainDataTexts();
  EXPECT_EQ(LoadMainDataFile(path, texts).Reading, MainDataReading::Complete);
  EXPECT_EQ(ValidateMainData(texts), std::nullopt);

  // Saved again from the fields it fills, it is the same file, byte for byte.
  testing::ScratchFolder scratch;
  ASSERT_TRUE(SaveMainDataFile(scratch.File(kMainDataFileName), texts).Ok);
  EXPECT_EQ(testing::ReadBytes(scratch.File(kMainDataFileName)), testing::ReadBytes(path));
}

TEST(Examples, EveryKindHasDiagramsThatNeedNoRepair) {
  testing::ScratchFolder scratch;
  for (DiagramKind kind = kFirstDiagramKind; kind <= kLastDiagramKind; ++kind) {
    const std::vector<std::string> names = ListFiles(kExamples.Folder(), DiagramExtension(kind), false);
    EXPECT_FALSE(names.empty()) << "kind " << kind;
    for (const std::string& name : names) {
      const std::string path = DiagramPath(kExamples, name, kind);
      Diagram diagram;
      EXPECT_EQ(LoadDiagram(path, diagram), DiagramLoadResult::Ok) << path;
      EXPECT_EQ(FixDiagram(diagram, kind), DiagramFixResult::Unchanged) << path;
      // Written back by the program, the file stays the same.
      const std::string copy = scratch.File("copy.dg" + std::to_string(kind));
      ASSERT_TRUE(SaveDiagram(copy, diagram).Ok);
      EXPECT_EQ(testing::ReadBytes(copy), testing::ReadBytes(path)) << path;
    }
  }
}

}  // namespace
}  // namespace kolvane
