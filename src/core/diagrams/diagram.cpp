#include "core/diagrams/diagram.h"

#include <cassert>
#include <limits>

namespace kolvane {

void AddPoint(Diagram& diagram, DiagramPoint point) {
  auto& p = diagram.Points;
  const std::int32_t n = diagram.PointCount();
  if (n == 0) {
    p.push_back(point);
    return;
  }
  if (p[0].X == point.X) {
    p[0].Y = point.Y;
    return;
  }
  if (p[n - 1].X == point.X) {
    p[n - 1].Y = point.Y;
    return;
  }
  if (p[0].X > point.X) {
    p.insert(p.begin(), point);
    return;
  }
  if (p[n - 1].X < point.X) {
    p.push_back(point);
    return;
  }
  std::int32_t lo = 0;
  std::int32_t hi = n - 1;
  for (;;) {
    const std::int32_t mid = (lo + hi) / 2;
    if (p[mid].X == point.X) {
      p[mid].Y = point.Y;
      return;
    }
    if (p[mid].X < point.X)
      lo = mid;
    else
      hi = mid;
    if (hi <= lo + 1) {
      p.insert(p.begin() + hi, point);
      return;
    }
  }
}

bool InsideBox(const DiagramPoint& point, double xMin, double xMax, double yMin, double yMax) {
  return point.X >= xMin && point.X <= xMax && point.Y >= yMin && point.Y <= yMax;
}

PointPlacement AddPointInBox(Diagram& diagram, DiagramKind kind, DiagramPoint point) {
  const DiagramKindRow& box = DiagramKindTable(kind);
  if (!InsideBox(point, box.XMin, box.XMax, box.YMin, box.YMax)) return PointPlacement::OutsideBox;
  AddPoint(diagram, point);
  return PointPlacement::Added;
}

void DeletePoint(Diagram& diagram, std::int32_t index) {
  assert(index >= 0 && index < diagram.PointCount());
  diagram.Points.erase(diagram.Points.begin() + index);
}

bool InterpolateDiagram(const Diagram& diagram, DiagramPoint& point) {
  const auto& p = diagram.Points;
  const std::int32_t n = diagram.PointCount();
  const double x = point.X;
  if (n == 0) return false;
  if (x < p[0].X || x > p[n - 1].X) return false;
  std::int32_t lo = 0;
  std::int32_t hi = n - 1;
  for (;;) {
    const std::int32_t mid = (lo + hi) / 2;
    if (p[lo].X == x) {
      point.Y = p[lo].Y;
      return true;
    }
    if (p[hi].X == x) {
      point.Y = p[hi].Y;
      return true;
    }
    if (p[mid].X == x) {
      point.Y = p[mid].Y;
      return true;
    }
    if (p[mid].X <= x)
      lo = mid;
    else
      hi = mid;
    if (hi <= lo + 1) break;
  }
  // Product first, then the quotient, then the sum: the order every report relies on.
  const double product = (p[hi].Y - p[lo].Y) * (x - p[lo].X);
  point.Y = product / (p[hi].X - p[lo].X) + p[lo].Y;
  return true;
}

double DiagramValueNearestEnd(const Diagram& diagram, double x) {
  const auto& p = diagram.Points;
  if (p.empty()) return 0;
  if (x < p.front().X) return p.front().Y;
  if (x > p.back().X) return p.back().Y;
  DiagramPoint point{x, std::numeric_limits<double>::quiet_NaN()};
  InterpolateDiagram(diagram, point);
  return point.Y;
}

}  // namespace kolvane
