#pragma once
// A diagram with its name and kind: what the diagram windows take and give
// back, by value.

#include <string>

#include "core/diagrams/diagram.h"
#include "core/diagrams/diagram_kinds.h"

namespace kolvane {

struct CurrentDiagram {
  Diagram Points;    // the diagram itself
  std::string Name;  // empty for a diagram not saved yet
  DiagramKind Kind = 1;
};

}  // namespace kolvane
