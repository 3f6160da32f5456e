#pragma once

#include "core/diagrams/diagram.h"
#include "core/diagrams/diagram_kinds.h"

namespace kolvane {

enum class DiagramFixResult {
  Failed,     // internal failure: the diagram is unusable
  Unchanged,  // nothing deleted or reordered (ends may have been added)
  Changed,    // it was empty, or points were deleted, or out of order
};

// Turns any point list into one the engine can use: points outside the box
// [xMin, xMax] x [yMin, yMax] are deleted, the rest sorted by X, of every run
// of equal X the one the sort leaves last is kept, and the ends (xMin, yMin)
// and (xMax, yMin) are added where the first or last X differs. An empty
// diagram becomes those two points. Adding the ends alone leaves the result
// Unchanged, so the file is not rewritten for it.
DiagramFixResult FixDiagram(Diagram& diagram, double xMin, double xMax, double yMin, double yMax);

// The same with the box of a kind.
DiagramFixResult FixDiagram(Diagram& diagram, DiagramKind kind);

// The points sorted by X exactly as the repair's exchange sort leaves them
// (for i, for every j after i, points i and j are exchanged when X(j) < X(i)),
// then of every run of equal neighbouring X only the last kept. Users' files
// depend on which of several points with equal X survives, so that choice is
// the exchange sort's, but found in O(n log n) rather than O(n^2). No X may
// be NaN (the repair's box filter has deleted such points).
std::vector<DiagramPoint> SortedKeepingLastOfEqualX(const std::vector<DiagramPoint>& points);

}  // namespace kolvane
