#include "core/diagrams/diagram_reader.h"

namespace kolvane {

namespace {

bool StrictlyIncreasing(const Diagram& diagram) {
  for (std::size_t n = 1; n < diagram.Points.size(); ++n)
    if (!(diagram.Points[n - 1].X < diagram.Points[n].X)) return false;
  return true;
}

}  // namespace

NearestEndReader::NearestEndReader(const Diagram& diagram)
    : diagram_(diagram), increasing_(StrictlyIncreasing(diagram)) {}

double NearestEndReader::operator()(double x) {
  const auto& p = diagram_.Points;
  // With equal X the interpolation's choice among them depends on its search
  // path; only that search itself gives the same answer then.
  if (!increasing_ || p.size() < 2) return DiagramValueNearestEnd(diagram_, x);
  const auto last = static_cast<std::int32_t>(p.size()) - 1;
  if (x < p[0].X) return p[0].Y;
  if (x > p[last].X) return p[last].Y;
  if (!(x >= p[0].X)) return DiagramValueNearestEnd(diagram_, x);  // NaN
  // The segment with p[k].X <= x < p[k + 1].X, or the last point itself.
  std::int32_t k = segment_;
  while (k > 0 && x < p[k].X) --k;
  while (k < last && p[k + 1].X <= x) ++k;
  segment_ = k < last ? k : last - 1;
  if (p[k].X == x) return p[k].Y;
  // Strictly inside the segment: the interpolation's own arithmetic.
  const double product = (p[k + 1].Y - p[k].Y) * (x - p[k].X);
  return product / (p[k + 1].X - p[k].X) + p[k].Y;
}

}  // namespace kolvane
