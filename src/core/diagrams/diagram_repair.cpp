#include "core/diagrams/diagram_repair.h"

#include <algorithm>
#include <new>

namespace kolvane {
namespace {

bool OutsideBox(const DiagramPoint& p, double xMin, double xMax, double yMin, double yMax) {
  return p.X < xMin || p.X > xMax || p.Y < yMin || p.Y > yMax;
}

bool ByX(const DiagramPoint& a, const DiagramPoint& b) { return a.X < b.X; }

bool HasEqualX(const std::vector<DiagramPoint>& sorted) {
  for (std::size_t i = 0; i + 1 < sorted.size(); ++i)
    if (sorted[i].X == sorted[i + 1].X) return true;
  return false;
}

void ExchangeSort(std::vector<DiagramPoint>& points) {
  const std::size_t n = points.size();
  for (std::size_t i = 0; i < n; ++i)
    for (std::size_t j = i + 1; j < n; ++j)
      if (points[j].X < points[i].X) std::swap(points[i], points[j]);
}

// Deletes what lies outside the box, keeping the order of the rest.
bool DeleteOutsideBox(std::vector<DiagramPoint>& points, double xMin, double xMax, double yMin, double yMax) {
  const auto kept = std::remove_if(points.begin(), points.end(), [&](const DiagramPoint& p) {
    return OutsideBox(p, xMin, xMax, yMin, yMax);
  });
  const bool deleted = kept != points.end();
  points.erase(kept, points.end());
  return deleted;
}

// Of every run of equal X in sorted points, keeps the last.
bool DeleteEqualX(std::vector<DiagramPoint>& points) {
  std::vector<DiagramPoint> kept;
  kept.reserve(points.size());
  for (std::size_t i = 0; i < points.size(); ++i)
    if (i + 1 == points.size() || points[i].X != points[i + 1].X) kept.push_back(points[i]);
  const bool deleted = kept.size() != points.size();
  points.swap(kept);
  return deleted;
}

bool OutOfOrder(const std::vector<DiagramPoint>& points) {
  for (std::size_t i = 0; i + 1 < points.size(); ++i)
    if (points[i].X > points[i + 1].X) return true;
  return false;
}

}  // namespace

void SortLikeExchangeSort(std::vector<DiagramPoint>& points) {
  std::vector<DiagramPoint> sorted = points;
  std::sort(sorted.begin(), sorted.end(), ByX);
  if (!HasEqualX(sorted)) {
    points.swap(sorted);  // all X differ: the sorted order is unique
    return;
  }
  ExchangeSort(points);
}

std::int32_t FixDiagram(Diagram& diagram, double xMin, double xMax, double yMin, double yMax) {
  try {
    auto& points = diagram.Points;
    if (points.empty()) {
      points = {{xMin, yMin}, {xMax, yMin}};
      return kFixChanged;
    }
    std::int32_t result = kFixUnchanged;
    if (DeleteOutsideBox(points, xMin, xMax, yMin, yMax)) result = kFixChanged;
    if (OutOfOrder(points)) result = kFixChanged;
    SortLikeExchangeSort(points);
    if (DeleteEqualX(points)) result = kFixChanged;

    if (points.empty()) {
      points = {{xMin, yMin}, {xMax, yMin}};
    } else {
      if (points.front().X != xMin) AddPoint(diagram, {xMin, yMin});
      if (points.back().X != xMax) AddPoint(diagram, {xMax, yMin});
    }
    return result;
  } catch (const std::bad_alloc&) {
    return kFixFailed;
  }
}

std::int32_t FixDiagram(Diagram& diagram, DiagramKind kind) {
  const DiagramKindRow& row = DiagramKindTable(kind);
  return FixDiagram(diagram, row.XMin, row.XMax, row.YMin, row.YMax);
}

}  // namespace kolvane
