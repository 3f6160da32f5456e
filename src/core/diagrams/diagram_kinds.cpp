#include "core/diagrams/diagram_kinds.h"

#include <cassert>

#include "core/common/number_text.h"

namespace kolvane {

bool IsDiagramKind(DiagramKind kind) { return kind >= kFirstDiagramKind && kind <= kLastDiagramKind; }

const DiagramKindRow& DiagramKindTable(DiagramKind kind) {
  assert(IsDiagramKind(kind));
  return kDiagramKindRows[static_cast<std::size_t>(kind - kFirstDiagramKind)];
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
