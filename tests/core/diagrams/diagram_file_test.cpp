#include "core/diagrams/diagram_file.h"

#include <gtest/gtest.h>

#include "core/support/diagram_test_support.h"
#include "core/support/test_support.h"

namespace kolvane {

TEST(LoadDiagram, ReadsLinesOfTwoFields) {
  const struct {
    const char* Name;
    const char* File;  // nullptr: no file
    DiagramLoadResult Result;
    kolvane::Diagram Diagram;
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
    if (c.File != nullptr) testing::WriteBytes(path, c.File);
    Diagram d = MakeDiagram({{99, 99}});  // whatever was there is replaced
    EXPECT_EQ(LoadDiagram(path, d), c.Result) << c.Name;
    EXPECT_EQ(d, c.Diagram) << c.Name;
  }
}

TEST(SaveDiagram, WritesTheReportFormOfEachPointAndReadsBack) {
  ScratchFolder folder;
  const std::string path = DiagramPath(Workspace(folder.Path()), "June", kNormalisedCreep);
  ASSERT_TRUE(SaveDiagram(path, MakeDiagram({{0.5, -0.000001}, {12, 90}})).Ok);
  EXPECT_EQ(ReadBytes(path), ".5\t-1E-06\r\n12\t90\r\n");
  const Diagram d = MakeDiagram({{0, 0}, {0.1, 1.2e-7}, {33.333333333333, 3.9999999e-6}, {100, 4e-6}});
  ASSERT_TRUE(SaveDiagram(path, d).Ok);
  Diagram back;
  ASSERT_EQ(LoadDiagram(path, back), DiagramLoadResult::Ok);
  EXPECT_EQ(back, d);
}

}  // namespace kolvane
