#include "core/diagrams/diagram_kinds.h"

#include <cassert>

#include "core/common/number_text.h"

namespace kolvane {
namespace {

// YMax of the creep function is a hair above 4E-06 so that 4E-06 itself lies
// inside the box.
constexpr std::array<DiagramKindRow, kDiagramKindCount> kRows = {{
    {"Sun position", 0, 24, 0, 180, 4, 2, 30, 10, "Hour (h)", "Sun position (degrees)"},
    {"Ambient temperature", 0, 24, -10, 60, 4, 2, 10, 5, "Hour (h)", "Temperature (\u00b0C)"},
    {"Surface temperature", 0, 24, -10, 60, 4, 2, 10, 5, "Hour (h)", "Temperature (\u00b0C)"},
    {"External temperature variation", 0, 180, 0, 100, 30, 10, 10, 5, "Angle to sun (degrees)", "Variation (%)"},
    {"Internal temperature variation", 0, 180, 0, 100, 30, 10, 10, 5, "Angle to sun (degrees)", "Variation (%)"},
    {"Normalised creep (t*)", 0, 100, 0, 4.0001E-06, 10, 5, 1E-06f, 5E-07f, "Time (years)", "Normalised creep t* (-)"},
    {"Normalised temperature (Phi)", 0, 80, 0, 100, 10, 5, 10, 5, "Temperature (\u00b0C)", "Factor Phi (-)"},
}};

}  // namespace

bool IsDiagramKind(DiagramKind kind) { return kind >= kFirstDiagramKind && kind <= kLastDiagramKind; }

const DiagramKindRow& DiagramKindTable(DiagramKind kind) {
  assert(IsDiagramKind(kind));
  return kRows[static_cast<std::size_t>(kind - 1)];
}

std::string DiagramRangeText(DiagramKind kind) {
  const DiagramKindRow& row = DiagramKindTable(kind);
  return "X " + NumberText(row.XMin) + " to " + NumberText(row.XMax) + ", Y " + NumberText(row.YMin) + " to " +
         NumberText(row.YMax);
}

std::string DiagramXTip(DiagramKind kind) {
  const DiagramKindRow& row = DiagramKindTable(kind);
  return std::string(row.XQuantity) + ": " + NumberText(row.XMin) + " to " + NumberText(row.XMax);
}

std::string DiagramYTip(DiagramKind kind) {
  const DiagramKindRow& row = DiagramKindTable(kind);
  return std::string(row.YQuantity) + ": " + NumberText(row.YMin) + " to " + NumberText(row.YMax);
}

}  // namespace kolvane
