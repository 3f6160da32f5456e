#include "core/diagrams/open_diagram.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <functional>
#include <vector>

#include "core/common/file_listing.h"
#include "core/diagrams/diagram_file.h"
#include "diagram_test_support.h"
#include "test_support.h"

namespace kolvane {
namespace {

using testing::FolderListing;
using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;

struct Told {
  DiagramIncident incident;
  std::string message;
  bool operator==(const Told&) const = default;
};

class OpenDiagram : public ::testing::Test {
 protected:
  bool Open(const std::string& name, DiagramKind kind, IncidentWording wording = IncidentWording::Solution) {
    told.clear();
    return OpenDiagramForUse(workspace, name, kind, target, wording, [&](DiagramIncident i, const std::string& m) {
      told.push_back({i, m});
    });
  }
  std::string FileOf(const std::string& name, DiagramKind kind) { return DiagramPath(workspace, name, kind); }

  ScratchFolder folder;
  Workspace workspace{folder.Path()};
  Diagram target;
  std::vector<Told> told;
};

TEST_F(OpenDiagram, AUsableFileIsTakenSilentlyAndNotRewritten) {
  WriteBytes(FileOf("June", kSunPosition), "0\t5\n12\t90\n24\t5\n");  // LF ends: not rewritten either
  EXPECT_TRUE(Open("June", kSunPosition));
  EXPECT_TRUE(told.empty());
  EXPECT_EQ(target, MakeDiagram({{0, 5}, {12, 90}, {24, 5}}));
  EXPECT_EQ(ReadBytes(FileOf("June", kSunPosition)), "0\t5\n12\t90\n24\t5\n");
}

TEST_F(OpenDiagram, EndsAreCompletedInMemoryOnly) {
  WriteBytes(FileOf("Flat", kSunPosition), "6\t30\r\n18\t30\r\n");
  EXPECT_TRUE(Open("Flat", kSunPosition));
  EXPECT_TRUE(told.empty());
  EXPECT_EQ(target, MakeDiagram({{0, 0}, {6, 30}, {18, 30}, {24, 0}}));
  EXPECT_EQ(ReadBytes(FileOf("Flat", kSunPosition)), "6\t30\r\n18\t30\r\n");
}

TEST_F(OpenDiagram, ARepairIsWrittenBackAndToldAndTheOriginalKept) {
  WriteBytes(FileOf("Odd", kSunPosition), "-1\t10\r\n5\t200\r\n12\t90\r\n");
  WriteBytes(FileOf("Odd", kSunPosition) + ".bak", "an earlier backup");
  EXPECT_TRUE(Open("Odd", kSunPosition));
  EXPECT_EQ(told, (std::vector<Told>{{DiagramIncident::FixFixed,
                                      "FixDiagram reported a fixed error for Odd. Please review the diagram data "
                                      "before continuing.\nThe original file was kept as Odd.dg1.bak."}}));
  EXPECT_EQ(ReadBytes(FileOf("Odd", kSunPosition)), "0\t0\r\n12\t90\r\n24\t0\r\n");
  EXPECT_EQ(ReadBytes(FileOf("Odd", kSunPosition) + ".bak"), "-1\t10\r\n5\t200\r\n12\t90\r\n");
}

TEST_F(OpenDiagram, AMissingFileBecomesTheDefaultDiagramOnDisk) {
  EXPECT_TRUE(Open("New", kNormalisedCreep, IncidentWording::Manager));
  EXPECT_EQ(told, (std::vector<Told>{{DiagramIncident::FixFixed, "FixDiagram reported a fixed error for New"}}));
  EXPECT_EQ(target, MakeDiagram({{0, 0}, {100, 0}}));
  EXPECT_EQ(ReadBytes(FileOf("New", kNormalisedCreep)), "0\t0\r\n100\t0\r\n");
  EXPECT_EQ(FolderListing(folder.Path()), "New.dg6;");  // nothing to keep
}

TEST_F(OpenDiagram, SkippedLinesAreDroppedFromTheFileBeforeTheRepairAndTheOriginalKeptOnce) {
  const std::string original = "24\t8\r\ncomment\r\n0\t8\r\n12\t30\r\n";
  WriteBytes(FileOf("Bad", kAmbientTemperature), original);
  EXPECT_TRUE(Open("Bad", kAmbientTemperature, IncidentWording::Manager));
  EXPECT_EQ(told, (std::vector<Told>{
                      {DiagramIncident::LoadFixed,
                       "LoadDiagram reported a fixed error for Bad\nThe original file was kept as Bad.dg2.bak."},
                      {DiagramIncident::FixFixed,
                       "FixDiagram reported a fixed error for Bad\nThe original file was kept as Bad.dg2.bak."}}));
  EXPECT_EQ(target, MakeDiagram({{0, 8}, {12, 30}, {24, 8}}));
  EXPECT_EQ(ReadBytes(FileOf("Bad", kAmbientTemperature)), "0\t8\r\n12\t30\r\n24\t8\r\n");
  // The backup holds the user's lines, not the first rewrite's.
  EXPECT_EQ(ReadBytes(FileOf("Bad", kAmbientTemperature) + ".bak"), original);
}

TEST_F(OpenDiagram, ARepairThatCannotBeWrittenIsUsedForThisRunOnlyAndSaysWhy) {
  struct Case {
    const char* name;
    std::function<void(const std::string& file)> setUp;
    const char* sentence;
  } cases[] = {
      {"a write-protected file", [](const std::string& file) { ::chmod(file.c_str(), 0444); },
       "The repaired diagram is used for this run only: Odd.dg1 could not be written (Permission denied)."},
      {"a folder where the backup goes", [](const std::string& file) { ::mkdir((file + ".bak").c_str(), 0755); },
       "The repaired diagram is used for this run only: Odd.dg1 could not be written (the original could not be "
       "kept as Odd.dg1.bak: Is a directory)."},
  };
  const std::string original = "-1\t10\r\n5\t200\r\n12\t90\r\n";
  for (const Case& c : cases) {
    ScratchFolder scratch;
    const Workspace here(scratch.Path());
    const std::string file = DiagramPath(here, "Odd", kSunPosition);
    WriteBytes(file, original);
    c.setUp(file);
    std::vector<Told> seen;
    EXPECT_TRUE(OpenDiagramForUse(here, "Odd", kSunPosition, target, IncidentWording::Solution,
                                  [&](DiagramIncident i, const std::string& m) {
                                    seen.push_back({i, m});
                                  }))
        << c.name;
    EXPECT_EQ(seen, (std::vector<Told>{{DiagramIncident::FixFixed,
                                        "FixDiagram reported a fixed error for Odd. Please review the diagram data "
                                        "before continuing.\n" +
                                            std::string(c.sentence)}}))
        << c.name;
    EXPECT_EQ(target, MakeDiagram({{0, 0}, {12, 90}, {24, 0}})) << c.name;
    EXPECT_EQ(ReadBytes(file), original) << c.name;
  }
}

TEST_F(OpenDiagram, BackupsAreNeverListedAsDiagrams) {
  WriteBytes(FileOf("June", kSunPosition), "0\t0\r\n24\t0\r\n");
  WriteBytes(FileOf("June", kSunPosition) + ".bak", "0\t0\r\n");
  WriteBytes(FileOf("Old", kSunPosition) + ".bak", "0\t0\r\n");
  EXPECT_EQ(ListFiles(folder.Path(), DiagramExtension(kSunPosition), false), std::vector<std::string>{"June"});
}

TEST_F(OpenDiagram, AnUnreadableFileIsCriticalAndNothingIsUsedOrWritten) {
  WriteBytes(FileOf("Huge", kSurfaceTemperature), "0\t1\r\n1E400\t2\r\n");
  target = MakeDiagram({{0, 1}, {24, 1}});  // an earlier diagram must not stay in use
  EXPECT_FALSE(Open("Huge", kSurfaceTemperature));
  EXPECT_EQ(told,
            (std::vector<Told>{{DiagramIncident::LoadCritical, "LoadDiagram reported a critical error for Huge."}}));
  EXPECT_EQ(target.PointCount(), 0);
  EXPECT_EQ(ReadBytes(FileOf("Huge", kSurfaceTemperature)), "0\t1\r\n1E400\t2\r\n");
  EXPECT_EQ(FolderListing(folder.Path()), "Huge.dg3;");
}

TEST(IncidentMessage, HasTheWordingOfEachWindow) {
  struct Case {
    DiagramIncident incident;
    IncidentWording wording;
    const char* text;
  };
  const Case cases[] = {
      {DiagramIncident::LoadCritical, IncidentWording::Manager, "LoadDiagram reported a critical error for N"},
      {DiagramIncident::LoadCritical, IncidentWording::Solution, "LoadDiagram reported a critical error for N."},
      {DiagramIncident::LoadFixed, IncidentWording::Manager, "LoadDiagram reported a fixed error for N"},
      {DiagramIncident::LoadFixed, IncidentWording::Solution,
       "LoadDiagram reported a fixed error for N. Please review the diagram data before continuing."},
      {DiagramIncident::FixCritical, IncidentWording::Manager, "FixDiagram reported a critical error for N"},
      {DiagramIncident::FixCritical, IncidentWording::Solution, "FixDiagram reported a critical error for N."},
      {DiagramIncident::FixFixed, IncidentWording::Manager, "FixDiagram reported a fixed error for N"},
      {DiagramIncident::FixFixed, IncidentWording::Solution,
       "FixDiagram reported a fixed error for N. Please review the diagram data before continuing."},
  };
  for (const Case& c : cases) EXPECT_EQ(IncidentMessage(c.incident, c.wording, "N"), c.text);
  EXPECT_TRUE(IsCritical(DiagramIncident::LoadCritical));
  EXPECT_TRUE(IsCritical(DiagramIncident::FixCritical));
  EXPECT_FALSE(IsCritical(DiagramIncident::LoadFixed));
  EXPECT_FALSE(IsCritical(DiagramIncident::FixFixed));
}

}  // namespace
}  // namespace kolvane
