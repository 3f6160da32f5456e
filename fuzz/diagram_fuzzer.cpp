// Diagram files: loading, repair and the open-for-use sequence on arbitrary
// file content. The first byte chooses the kind (1 + byte mod 7); the rest is
// the file.
//
// Checked for every input:
//  - LoadDiagram keeps exactly the lines with one TAB, in file order, reports
//    1 / 2 by whether it skipped lines, and stops with 0 and the points before
//    it at the first field beyond the range of a double;
//  - FixDiagram gives the same result and the same points as the repair done
//    step by step, and the repaired diagram has at least two points, X strictly
//    increasing from the kind's XMin to its XMax, and every point in the box;
//  - OpenDiagramForUse hands over that same diagram, reports exactly the
//    incidents the two results call for and leaves the file holding what it
//    should (rewritten or untouched);
//  - saving the repaired diagram and loading it gives result 1 and the same
//    points, each as its 15-digit number text reads (so identical wherever a
//    value has no more than 15 significant digits); a second save and load
//    changes nothing at all, and while no two X collapse into one the reloaded
//    diagram needs no further repair.

#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "core/common/number_text.h"
#include "core/common/numeric_reading.h"
#include "core/common/workspace.h"
#include "core/diagrams/diagram_file.h"
#include "core/diagrams/diagram_kinds.h"
#include "core/diagrams/diagram_repair.h"
#include "core/diagrams/open_diagram.h"
#include "diagram_oracle.h"
#include "fuzz_support.h"

using namespace kolvane;
using namespace kolvane::fuzz;

namespace {

bool SamePoints(const std::vector<DiagramPoint>& a, const std::vector<DiagramPoint>& b) {
  return a.size() == b.size() && (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof a[0]) == 0);
}

std::optional<double> FieldValue(std::string_view field) {
  std::string text(field);
  for (char& c : text)
    if (c == ',') c = '.';
  return TryNumericValue(text);
}

// What LoadDiagram must give for the content, worked out line by line.
struct ExpectedLoad {
  DiagramLoadResult Result = DiagramLoadResult::Ok;
  std::vector<DiagramPoint> Points;
};

ExpectedLoad LoadLineByLine(std::string_view content) {
  ExpectedLoad expected;
  for (const std::string_view line : FileLines(content)) {
    if (!IsPointLine(line)) {
      expected.Result = DiagramLoadResult::Skipped;
      continue;
    }
    const std::size_t tab = line.find('\t');
    const std::optional<double> x = FieldValue(line.substr(0, tab));
    const std::optional<double> y = FieldValue(line.substr(tab + 1));
    if (!x || !y) {
      expected.Result = DiagramLoadResult::Failed;
      break;
    }
    expected.Points.push_back({*x, *y});
  }
  return expected;
}

std::string FileText(const std::vector<DiagramPoint>& points) {
  std::string text;
  for (const DiagramPoint& p : points) text += NumberText(p.X) + "\t" + NumberText(p.Y) + "\r\n";
  return text;
}

double AsWritten(double value) { return *TryNumericValue(NumberText(value)); }

struct Incidents {
  std::vector<DiagramIncident> List;
  std::string Text() const {
    std::string text = "{";
    // Appended piece by piece: `" " + std::string` trips GCC 12's false -Wrestrict.
    for (DiagramIncident i : List) text.append(" ").append(std::to_string(static_cast<int>(i)));
    return text + " }";
  }
};

void CheckOpenForUse(const Workspace& workspace, const std::string& name, DiagramKind kind, const std::string& content,
                     const ExpectedLoad& load, DiagramFixResult fixResult, const std::vector<DiagramPoint>& fixed) {
  const auto where = [&] { return "kind " + std::to_string(kind) + ", file " + CLiteral(content); };
  Diagram target;
  target.Points = {{-1, -1}};
  Incidents incidents;
  const bool ready = OpenDiagramForUse(
      workspace, name, kind, target, IncidentWording::Manager,
      [&](DiagramIncident incident, const std::string& message) {
        incidents.List.push_back(incident);
        // A rewritten file was kept first, and the message says so.
        const std::string kept =
            IsCritical(incident) ? std::string()
                                 : "\nThe original file was kept as " + name + "." + DiagramExtension(kind) + ".bak.";
        // An unreadable file's message goes on to say which file and why.
        const std::string told =
            IncidentMessage(incident, IncidentWording::Manager, name) +
            (incident == DiagramIncident::LoadCritical ? std::string("\n").append(DiagramFileName(name, kind)) : kept);
        const bool saysWhy = incident == DiagramIncident::LoadCritical;
        KOLVANE_FUZZ_CHECK(saysWhy ? message.rfind(told, 0) == 0 : message == told,
                           where() + ": message " + CLiteral(message));
      });

  Incidents expected;
  std::string expectedFile = content;
  if (load.Result == DiagramLoadResult::Failed) {
    expected.List = {DiagramIncident::LoadCritical};
  } else {
    if (load.Result == DiagramLoadResult::Skipped) {
      expected.List.push_back(DiagramIncident::LoadFixed);
      expectedFile = FileText(load.Points);
    }
    if (fixResult == DiagramFixResult::Changed) {
      expected.List.push_back(DiagramIncident::FixFixed);
      expectedFile = FileText(fixed);
    }
  }
  KOLVANE_FUZZ_CHECK(incidents.List == expected.List,
                     where() + ": incidents " + incidents.Text() + ", expected " + expected.Text());
  KOLVANE_FUZZ_CHECK(ready == (load.Result != DiagramLoadResult::Failed), where() + ": ready " + std::to_string(ready));
  const std::vector<DiagramPoint> expectedTarget = ready ? fixed : std::vector<DiagramPoint>{};
  KOLVANE_FUZZ_CHECK(SamePoints(target.Points, expectedTarget),
                     where() + ": handed over " + Difference(target.Points, expectedTarget));
  const std::string onDisk = ReadFileBytes(DiagramPath(workspace, name, kind));
  KOLVANE_FUZZ_CHECK(onDisk == expectedFile,
                     where() + ": the file now holds " + CLiteral(onDisk) + ", expected " + CLiteral(expectedFile));
  const bool rewritten = load.Result == DiagramLoadResult::Skipped ||
                         (load.Result != DiagramLoadResult::Failed && fixResult == DiagramFixResult::Changed);
  if (rewritten) {
    const std::string backup = ReadFileBytes(DiagramPath(workspace, name, kind) + ".bak");
    KOLVANE_FUZZ_CHECK(backup == content, where() + ": the backup holds " + CLiteral(backup));
  }
}

void CheckSavedAndLoaded(DiagramKind kind, const Box& box, const std::vector<DiagramPoint>& fixed,
                         const std::string& content) {
  const auto where = [&] { return "kind " + std::to_string(kind) + ", file " + CLiteral(content); };
  const std::string path = ScratchFolder() + "/saved." + DiagramExtension(kind);

  Diagram repaired{fixed};
  KOLVANE_FUZZ_CHECK(SaveDiagram(path, repaired).Ok, where() + ": SaveDiagram failed");
  Diagram reloaded;
  const DiagramLoadResult result = LoadDiagram(path, reloaded);
  KOLVANE_FUZZ_CHECK(result == DiagramLoadResult::Ok, where() + ": the saved repaired diagram loads with result " +
                                                          std::to_string(static_cast<int>(result)) + ", file " +
                                                          CLiteral(ReadFileBytes(path)));
  KOLVANE_FUZZ_CHECK(reloaded.PointCount() == repaired.PointCount(),
                     where() + ": saved " + Describe(fixed) + ", loaded " + Describe(reloaded.Points));
  for (std::size_t i = 0; i < fixed.size(); ++i) {
    const DiagramPoint written{AsWritten(fixed[i].X), AsWritten(fixed[i].Y)};
    KOLVANE_FUZZ_CHECK(reloaded.Points[i] == written, where() + ": point " + std::to_string(i) + " (" +
                                                          Exact(fixed[i].X) + ", " + Exact(fixed[i].Y) +
                                                          ") comes back as (" + Exact(reloaded.Points[i].X) + ", " +
                                                          Exact(reloaded.Points[i].Y) + ")");
  }

  // Rounding to 15 digits keeps the order and, the box limits having few
  // digits, the box and the ends; it may make two neighbouring X equal.
  const auto& p = reloaded.Points;
  KOLVANE_FUZZ_CHECK(p.front().X == box.XMin && p.back().X == box.XMax,
                     where() + ": ends lost on saving: " + Describe(p));
  bool strictlyIncreasing = true;
  for (std::size_t i = 0; i < p.size(); ++i) {
    KOLVANE_FUZZ_CHECK(p[i].X >= box.XMin && p[i].X <= box.XMax && p[i].Y >= box.YMin && p[i].Y <= box.YMax,
                       where() + ": point " + std::to_string(i) + " left the box on saving: " + Describe(p));
    if (i > 0) {
      KOLVANE_FUZZ_CHECK(p[i - 1].X <= p[i].X, where() + ": order lost on saving: " + Describe(p));
      strictlyIncreasing = strictlyIncreasing && p[i - 1].X < p[i].X;
    }
  }

  KOLVANE_FUZZ_CHECK(SaveDiagram(path, reloaded).Ok, where() + ": second SaveDiagram failed");
  Diagram second;
  KOLVANE_FUZZ_CHECK(
      LoadDiagram(path, second) == DiagramLoadResult::Ok && SamePoints(second.Points, reloaded.Points),
      where() + ": a second save and load changed " + Describe(reloaded.Points) + " into " + Describe(second.Points));

  if (strictlyIncreasing) {
    Diagram again = reloaded;
    const DiagramFixResult fixAgain = FixDiagram(again, kind);
    KOLVANE_FUZZ_CHECK(fixAgain == DiagramFixResult::Unchanged && SamePoints(again.Points, reloaded.Points),
                       where() + ": the saved repaired diagram needs repair again (result " +
                           std::to_string(static_cast<int>(fixAgain)) + "): " + Describe(reloaded.Points));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const DiagramKind kind = kFirstDiagramKind + static_cast<DiagramKind>(data[0] % kDiagramKindCount);
  const DiagramKindRow& row = DiagramKindTable(kind);
  const Box box{row.XMin, row.XMax, row.YMin, row.YMax};
  const std::string content(AsText(data + 1, size - 1));
  const auto where = [&] { return "kind " + std::to_string(kind) + ", file " + CLiteral(content); };

  const Workspace workspace(ScratchFolder());
  const std::string name = "fuzz";
  const std::string path = DiagramPath(workspace, name, kind);
  WriteFileBytes(path, content);

  Diagram loaded;
  loaded.Points = {{-1, -1}};  // whatever the diagram held before must go
  const DiagramLoadResult loadResult = LoadDiagram(path, loaded);
  const ExpectedLoad expectedLoad = LoadLineByLine(content);
  KOLVANE_FUZZ_CHECK(loadResult == expectedLoad.Result,
                     where() + ": LoadDiagram " + std::to_string(static_cast<int>(loadResult)) + ", expected " +
                         std::to_string(static_cast<int>(expectedLoad.Result)));
  KOLVANE_FUZZ_CHECK(SamePoints(loaded.Points, expectedLoad.Points),
                     where() + ": loaded " + Difference(loaded.Points, expectedLoad.Points));

  DiagramFixResult fixResult = DiagramFixResult::Failed;
  Diagram fixed = loaded;
  if (loadResult != DiagramLoadResult::Failed) {
    fixResult = FixDiagram(fixed, kind);
    const StepByStepRepair reference = RepairStepByStep(loaded.Points, box);
    KOLVANE_FUZZ_CHECK(fixResult == reference.Result,
                       where() + ": FixDiagram " + std::to_string(static_cast<int>(fixResult)) + ", step by step " +
                           std::to_string(static_cast<int>(reference.Result)));
    KOLVANE_FUZZ_CHECK(SamePoints(fixed.Points, reference.Points),
                       where() + ": FixDiagram gave " + Difference(fixed.Points, reference.Points));
    const std::optional<std::string> fault = RepairedDiagramFault(fixed.Points, box);
    KOLVANE_FUZZ_CHECK(!fault, where() + ": repaired diagram: " + fault.value_or(""));
  }

  CheckOpenForUse(workspace, name, kind, content, expectedLoad, fixResult, fixed.Points);
  if (loadResult != DiagramLoadResult::Failed) CheckSavedAndLoaded(kind, box, fixed.Points, content);
  return 0;
}
