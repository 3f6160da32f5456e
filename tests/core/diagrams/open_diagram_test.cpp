#include "core/diagrams/open_diagram.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "core/diagrams/diagram_file.h"
#include "core/diagrams/diagram_readiness.h"
#include "core/support/diagram_test_support.h"
#include "core/support/test_support.h"

namespace kolvane {
namespace {

// The file's bytes, or nothing when there is no such file.
std::string BytesOf(const std::string& path) {
  return std::filesystem::is_regular_file(path) ? testing::ReadBytes(path) : std::string();
}

const char* const kIncidentNames[] = {"LoadCritical", "LoadFixed", "FixCritical", "FixFixed"};
enum class Obstacle { None, WriteProtected, FolderAsBackup };

// Each case opens the diagram Odd of Sun position, whose file holds `bytes`
// (nullptr: no file). A run first checks what opening would meet, and that
// check changes no file.
TEST(OpenDiagramForUse, TakesRepairsKeepsTheOriginalAndTellsWhy) {
  const char* odd = "24\t8\r\ncomment\r\n0\t8\r\n12\t300\r\n";  // a skipped line, a point outside, out of order
  const char* outside = "-1\t10\r\n5\t200\r\n12\t90\r\n";
  const Diagram repaired = MakeDiagram({{0, 0}, {12, 90}, {24, 0}});
  const std::string fixed = "reported a fixed error for Odd. Please review the diagram data before continuing.";
  const std::string kept = "\nThe original file was kept as Odd.dg1.bak.|";
  const std::string thisRunOnly = "FixFixed: FixDiagram " + fixed +
                                  "\nThe repaired diagram is used for this run only: Odd.dg1 could not be written (";
  const struct {
    const char* Bytes;
    kolvane::Obstacle Obstacle;
    DiagramReadiness Readiness;
    kolvane::Diagram Diagram;  // in use after opening; empty when not ready
    const char* File;
    const char* Backup;
    std::string Told;  // each incident's name and message
  } cases[] = {
      {"6\t30\n18\t30\n", Obstacle::None, DiagramReadiness::Usable, MakeDiagram({{0, 0}, {6, 30}, {18, 30}, {24, 0}}),
       "6\t30\n18\t30\n", "", ""},  // ends are added in memory only
      {odd, Obstacle::None, DiagramReadiness::Usable, MakeDiagram({{0, 8}, {24, 8}}), "0\t8\r\n24\t8\r\n", odd,
       "LoadFixed: LoadDiagram " + fixed + kept + "FixFixed: FixDiagram " + fixed + kept},
      {outside, Obstacle::WriteProtected, DiagramReadiness::Usable, repaired, outside, outside,
       thisRunOnly + "Permission denied).|"},
      {outside, Obstacle::FolderAsBackup, DiagramReadiness::Usable, repaired, outside, "",
       thisRunOnly + "the original could not be kept as Odd.dg1.bak: Is a directory).|"},
      {nullptr, Obstacle::None, DiagramReadiness::Missing, MakeDiagram({{0, 0}, {24, 0}}), "0\t0\r\n24\t0\r\n", "",
       "FixFixed: FixDiagram " + fixed + "|"},
      {"0\t1\r\n1E400\t2\r\n", Obstacle::None, DiagramReadiness::LoadCritical, Diagram{}, "0\t1\r\n1E400\t2\r\n", "",
       "LoadCritical: LoadDiagram reported a critical error for Odd.\nOdd.dg1 could not be read: line 2 holds a number "
       "out of range.|"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Bytes == nullptr ? "no file" : c.Bytes);
    testing::ScratchFolder folder;
    const Workspace workspace(folder.Path());
    const std::string path = DiagramPath(workspace, "Odd", kSunPosition);
    if (c.Bytes != nullptr) testing::WriteBytes(path, c.Bytes);
    if (c.Obstacle == Obstacle::WriteProtected) ::chmod(path.c_str(), 0444);
    if (c.Obstacle == Obstacle::FolderAsBackup) ::mkdir((path + ".bak").c_str(), 0755);
    const std::string before = FolderListing(folder.Path()) + BytesOf(path);
    EXPECT_EQ(CheckDiagramReadiness(path, kSunPosition), c.Readiness);
    EXPECT_EQ(FolderListing(folder.Path()) + BytesOf(path), before);

    Diagram diagram = MakeDiagram({{0, 1}, {24, 1}});  // an earlier diagram must not stay in use
    std::string told;
    EXPECT_EQ(OpenDiagramForUse(workspace, "Odd", kSunPosition, diagram, IncidentWording::Solution,
                                [&](DiagramIncident i, const std::string& m) {
                                  told += kIncidentNames[static_cast<int>(i)] + (": " + m + "|");
                                }),
              c.Readiness != DiagramReadiness::LoadCritical);
    EXPECT_EQ(told, c.Told);
    EXPECT_EQ(diagram, c.Diagram);
    EXPECT_EQ(BytesOf(path), c.File);
    EXPECT_EQ(BytesOf(path + ".bak"), c.Backup);
    ::chmod(path.c_str(), 0644);
  }
}

// The manager's brief wording; the solution windows' full one is shown above.
TEST(IncidentMessage, HasTheWordingOfEachWindow) {
  const struct {
    DiagramIncident Incident;
    bool Critical;
    const char* Manager;
  } cases[] = {
      {DiagramIncident::LoadCritical, true, "LoadDiagram reported a critical error for N"},
      {DiagramIncident::LoadFixed, false, "LoadDiagram reported a fixed error for N"},
      {DiagramIncident::FixCritical, true, "FixDiagram reported a critical error for N"},
      {DiagramIncident::FixFixed, false, "FixDiagram reported a fixed error for N"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IncidentMessage(c.Incident, IncidentWording::Manager, "N"), c.Manager);
    EXPECT_EQ(IsCritical(c.Incident), c.Critical) << c.Manager;
  }
  EXPECT_EQ(IncidentMessage(DiagramIncident::FixCritical, IncidentWording::Solution, "N"),
            "FixDiagram reported a critical error for N.");
}

}  // namespace
}  // namespace kolvane
