#pragma once

#include <initializer_list>
#include <ostream>

#include "core/diagrams/diagram.h"

namespace kolvane {

inline Diagram MakeDiagram(std::initializer_list<DiagramPoint> points) { return Diagram{points}; }

inline void PrintTo(const Diagram& diagram, std::ostream* out) {
  for (const DiagramPoint& p : diagram.Points) *out << "(" << p.X << ", " << p.Y << ")";
}

}  // namespace kolvane
