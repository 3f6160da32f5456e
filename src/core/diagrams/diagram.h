#pragma once
// A diagram: a piecewise-linear table of X/Y points, copied by value. Its name
// is its file name and travels beside it.

#include <cstdint>
#include <vector>

#include "core/diagrams/diagram_kinds.h"

namespace kolvane {

struct DiagramPoint {
  double X = 0;
  double Y = 0;
  bool operator==(const DiagramPoint&) const = default;
};

struct Diagram {
  std::vector<DiagramPoint> Points;  // every entry is a valid point, indexed from 0

  std::int32_t PointCount() const { return static_cast<std::int32_t>(Points.size()); }
  bool operator==(const Diagram&) const = default;
};

// The routines below expect X strictly increasing (a repaired diagram) and keep
// it so.

// Puts the point in its place by X, or replaces the Y of the point with the
// same X (exact comparison).
void AddPoint(Diagram& diagram, DiagramPoint point);

// Edges belong to the box; a NaN lies in no box.
bool InsideBox(const DiagramPoint& point, double xMin, double xMax, double yMin, double yMax);

enum class PointPlacement {
  Added,       // added, or the Y of the point with its X replaced
  OutsideBox,  // outside the kind's box: the diagram is unchanged
};

// AddPoint for a point the user gives: only a point inside the kind's box
// (edges included) can belong to a diagram of that kind.
PointPlacement AddPointInBox(Diagram& diagram, DiagramKind kind, DiagramPoint point);

// Removes the point at index (0 to PointCount - 1).
void DeletePoint(Diagram& diagram, std::int32_t index);

// Reads the diagram at point.X by linear interpolation: writes point.Y and
// returns true, or returns false and leaves point.Y alone when the diagram is empty or
// X lies outside [first X, last X]. There is no extrapolation.
bool InterpolateDiagram(const Diagram& diagram, DiagramPoint& point);

// The diagram read at x, where a reading must always give a value: inside
// [first X, last X] by interpolation, below it the first point's Y and above
// it the last point's Y. An empty diagram reads 0; a NaN x gives NaN.
double DiagramValueNearestEnd(const Diagram& diagram, double x);

}  // namespace kolvane
