#pragma once
// The diagram handed to the editor or the plot: whoever opens those windows
// sets it, and the editor changes it in place.

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
