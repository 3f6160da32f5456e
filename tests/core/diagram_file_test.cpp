#include "core/diagrams/diagram_file.h"

#include <gtest/gtest.h>

#include "diagram_test_support.h"
#include "test_support.h"

namespace kolvane {
namespace {

using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;

TEST(DiagramPath, IsFolderNameAndKindExtension) {
  EXPECT_EQ(DiagramPath(Workspace("/data/F"), "June", kAmbientTemperature), "/data/F/June.dg2");
  EXPECT_EQ(DiagramPath(Workspace("/data/F"), "Clear summer day", kSunPosition), "/data/F/Clear summer day.dg1");
  EXPECT_EQ(DiagramExtension(kNormalisedTemperature), "dg7");
}

struct LoadCase {
  const char* name;
  std::string file;
  DiagramLoadResult result;
  Diagram diagram;
};

TEST(LoadDiagram, ReadsLinesOfTwoFields) {
  const LoadCase cases[] = {
      {"decimal comma", "1,5\t2", DiagramLoadResult::Ok, MakeDiagram({{1.5, 2}})},
      {"three fields skipped", "0\t0\r\n1\t2\t3\r\n4\t5\r\n", DiagramLoadResult::Skipped,
       MakeDiagram({{0, 0}, {4, 5}})},
      {"empty line skipped", "0\t0\r\n\r\n4\t5\r\n", DiagramLoadResult::Skipped, MakeDiagram({{0, 0}, {4, 5}})},
      {"no TAB skipped", "0 0\r\n", DiagramLoadResult::Skipped, Diagram{}},
      {"letters are zero", "abc\tdef", DiagramLoadResult::Ok, MakeDiagram({{0, 0}})},
      {"a blank inside a field", "1 5\t2", DiagramLoadResult::Ok, MakeDiagram({{15, 2}})},
      {"zero bytes", "", DiagramLoadResult::Ok, Diagram{}},
      {"file order kept", "24\t0\n0\t0\n12\t90\n", DiagramLoadResult::Ok, MakeDiagram({{24, 0}, {0, 0}, {12, 90}})},
      {"CR line ends", "0\t1\r2\t3\r", DiagramLoadResult::Ok, MakeDiagram({{0, 1}, {2, 3}})},
      {"exponents and signs", "-.25\t1E-06\r\n", DiagramLoadResult::Ok, MakeDiagram({{-0.25, 0.000001}})},
      {"beyond a double", "1\t2\r\n1E400\t5\r\n7\t8\r\n", DiagramLoadResult::Failed, MakeDiagram({{1, 2}})},
      {"beyond a double in Y", "1\t-1E999\r\n", DiagramLoadResult::Failed, Diagram{}},
  };
  for (const LoadCase& c : cases) {
    ScratchFolder folder;
    const std::string path = folder.File("d.dg1");
    WriteBytes(path, c.file);
    Diagram d = MakeDiagram({{99, 99}});  // whatever was there is replaced
    EXPECT_EQ(LoadDiagram(path, d), c.result) << c.name;
    EXPECT_EQ(d, c.diagram) << c.name;
  }
}

TEST(LoadDiagram, AMissingFileGivesAnEmptyDiagram) {
  ScratchFolder folder;
  Diagram d = MakeDiagram({{1, 1}});
  EXPECT_EQ(LoadDiagram(folder.File("none.dg1"), d), DiagramLoadResult::Missing);
  EXPECT_EQ(d.PointCount(), 0);
}

TEST(LoadDiagram, AFolderWithTheNameIsAReadFailure) {
  ScratchFolder folder;
  Diagram d;
  EXPECT_EQ(LoadDiagram(folder.Path(), d), DiagramLoadResult::Failed);
}

TEST(SaveDiagram, WritesTheReportFormOfEachPoint) {
  ScratchFolder folder;
  const std::string path = folder.File("d.dg6");
  ASSERT_TRUE(SaveDiagram(path, MakeDiagram({{0.5, -0.000001}, {12, 90}})).ok);
  EXPECT_EQ(ReadBytes(path), ".5\t-1E-06\r\n12\t90\r\n");
  ASSERT_TRUE(SaveDiagram(path, Diagram{}).ok);
  EXPECT_EQ(ReadBytes(path), "");
  const WriteResult failed = SaveDiagram(folder.File("missing/d.dg6"), Diagram{});
  EXPECT_FALSE(failed.ok);
  EXPECT_FALSE(failed.reason.empty());  // the user is told why
}

TEST(SaveDiagram, WhatIsWrittenReadsBack) {
  ScratchFolder folder;
  const std::string path = folder.File("d.dg6");
  const Diagram d = MakeDiagram({{0, 0}, {0.1, 1.2e-7}, {33.333333333333, 3.9999999e-6}, {100, 4e-6}});
  ASSERT_TRUE(SaveDiagram(path, d).ok);
  Diagram back;
  ASSERT_EQ(LoadDiagram(path, back), DiagramLoadResult::Ok);
  EXPECT_EQ(back, d);
}

}  // namespace
}  // namespace kolvane
