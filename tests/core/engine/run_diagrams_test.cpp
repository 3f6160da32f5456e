#include "core/engine/run_diagrams.h"

#include <gtest/gtest.h>

#include "core/common/sha256.h"
#include "core/support/test_support.h"

namespace kolvane {

TEST(DiagramsRead, CarryTheDigestOfTheFileAsReadBeforeAnyRepair) {
  EXPECT_EQ(Sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  testing::ScratchFolder folder;
  const std::string unsorted = "12\t90\r\n0\t0\r\n24\t0\r\n";  // repaired (sorted) and written back
  const std::string sorted = "0\t0\r\n12\t20\r\n24\t0\r\n";
  testing::WriteBytes(folder.File("odd.dg1"), unsorted);
  testing::WriteBytes(folder.File("even.dg2"), sorted);
  SectionGrid grid;
  const Workspace workspace(folder.Path());
  ASSERT_TRUE(OpenRunDiagram(grid, workspace, "odd", 1, {}));
  ASSERT_TRUE(OpenRunDiagram(grid, workspace, "even", 2, {}));
  ASSERT_TRUE(OpenRunDiagram(grid, workspace, "odd", 1, {}));   // now sorted on disk: a second digest
  ASSERT_TRUE(OpenRunDiagram(grid, workspace, "even", 2, {}));  // the same file again: listed once
  ASSERT_EQ(grid.DiagramsRead.size(), 3u);
  EXPECT_EQ(grid.DiagramsRead[0].Sha256, Sha256Hex(unsorted));
  EXPECT_EQ(grid.DiagramsRead[0].Used, grid.DiagramsRead[2].Used);  // the points used: the repaired ones
  EXPECT_EQ(grid.DiagramsRead[1].Sha256, Sha256Hex(sorted));
  EXPECT_EQ(grid.DiagramsRead[2].Sha256, Sha256Hex(testing::ReadBytes(folder.File("odd.dg1"))));
}

}  // namespace kolvane
