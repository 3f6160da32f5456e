// FixDiagram alone, on point lists built straight from the bytes, so that
// long lists with many equal X (the hard case of the repair's sort) come up
// far more often than they would through file text.
//
// The first byte chooses the kind (1 + byte mod 7); every further pair of
// bytes is a point. Each coordinate takes one of 35 values: a step below the
// box, 32 evenly spaced values from the lower limit to the upper one, a step
// above the box, and -0.
//
// Checked for every input: FixDiagram gives the same result and the same
// points, to the bit, as the repair done step by step, and the repaired
// diagram keeps every invariant.

#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "core/diagrams/diagram_kinds.h"
#include "core/diagrams/diagram_repair.h"
#include "diagram_oracle.h"
#include "fuzz_support.h"

using namespace kolvane;
using namespace kolvane::fuzz;

namespace {

constexpr int kSteps = 31;  // 32 values from the lower limit to the upper one

double Coordinate(std::uint8_t byte, double low, double high) {
  const int choice = byte % (kSteps + 4);
  const double step = (high - low) / kSteps;
  if (choice == kSteps + 3) return -0.0;
  if (choice == kSteps + 2) return high + step;
  if (choice == 0) return low - step;
  return choice == kSteps + 1 ? high : low + (choice - 1) * step;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const DiagramKind kind = kFirstDiagramKind + static_cast<DiagramKind>(data[0] % kDiagramKindCount);
  const DiagramKindRow& row = DiagramKindTable(kind);
  const Box box{row.XMin, row.XMax, row.YMin, row.YMax};

  Diagram diagram;
  for (std::size_t i = 1; i + 1 < size; i += 2)
    diagram.Points.push_back({Coordinate(data[i], box.XMin, box.XMax), Coordinate(data[i + 1], box.YMin, box.YMax)});
  // Messages are built only when a check fails.
  const auto where = [&, given = diagram.Points] {
    return "kind " + std::to_string(kind) + ", " + Describe(given) + ", input " + CLiteral(AsText(data, size));
  };

  const StepByStepRepair reference = RepairStepByStep(diagram.Points, box);
  const DiagramFixResult result = FixDiagram(diagram, kind);
  KOLVANE_FUZZ_CHECK(result == reference.Result, where() + ": FixDiagram " + std::to_string(static_cast<int>(result)) +
                                                     ", step by step " +
                                                     std::to_string(static_cast<int>(reference.Result)));
  const bool same =
      diagram.Points.size() == reference.Points.size() &&
      std::memcmp(diagram.Points.data(), reference.Points.data(), diagram.Points.size() * sizeof(DiagramPoint)) == 0;
  KOLVANE_FUZZ_CHECK(same, where() + ": FixDiagram gave " + Describe(diagram.Points) + ", step by step " +
                               Describe(reference.Points) + "; " + Difference(diagram.Points, reference.Points));
  const std::optional<std::string> fault = RepairedDiagramFault(diagram.Points, box);
  KOLVANE_FUZZ_CHECK(!fault, where() + ": " + fault.value_or(""));
  return 0;
}
