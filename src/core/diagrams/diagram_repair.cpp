#include "core/diagrams/diagram_repair.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <utility>

namespace kolvane {
namespace {

// Deletes what lies outside the box (a NaN too), keeping the order of the rest.
bool DeleteOutsideBox(std::vector<DiagramPoint>& points, double xMin, double xMax, double yMin, double yMax) {
  const auto kept = std::remove_if(points.begin(), points.end(),
                                   [&](const DiagramPoint& p) { return !InsideBox(p, xMin, xMax, yMin, yMax); });
  const bool deleted = kept != points.end();
  points.erase(kept, points.end());
  return deleted;
}

bool OutOfOrder(const std::vector<DiagramPoint>& points) {
  for (std::size_t i = 0; i + 1 < points.size(); ++i)
    if (points[i].X > points[i + 1].X) return true;
  return false;
}

// How many marked indices lie before an index (a binary indexed tree; 32-bit
// counts keep a million points' tree in cache).
class CountsBefore {
 public:
  explicit CountsBefore(std::size_t size) : tree_(size + 1, 0) {}
  void Mark(std::size_t index) {
    for (std::size_t i = index + 1; i < tree_.size(); i += i & (~i + 1)) ++tree_[i];
  }
  std::size_t Before(std::size_t index) const {
    std::size_t count = 0;
    for (std::size_t i = index; i > 0; i &= i - 1) count += tree_[i];
    return count;
  }

 private:
  std::vector<std::uint32_t> tree_;
};

// How the exchange sort orders a run of equal X = v. Pass i moves the
// strict running minima of the rest of the list one place on (each to where
// the next stood, the last to i), so points with larger X never change the
// relative order of those with X <= v: the run ends as if the sort were run
// on these alone. Number them 0 .. n-1 in list order ("slots"); m are
// smaller than v, and equal[k] is the slot of the k-th equal point. Pass t
// starts at slot t: a smaller point there is final (the smaller ones only
// trade places among themselves, which does not matter here); an equal point
// there goes to the slot of the first smaller point still ahead. Either way
// the pass uses up the first smaller point left, and these go in list order:
// the t-th lies at slot S(t) = t + #{k : equal[k] - k <= t}. So pass t moves
// the content of slot t to slot S(t); after m passes no smaller point is
// left, nothing moves any more, and slots m .. n-1 hold the equal points in
// their final order.

// The equal point that ends in slot s (m <= s < n), traced backwards: a
// smaller point's original slot y, with k equal points before it, is S(y - k)
// and received its content from slot y - k. O(number of equal points).
std::size_t EqualPointEndingIn(const std::vector<std::size_t>& equal, std::size_t s) {
  std::size_t y = s;
  std::size_t k = equal.size();
  while (k > 0) {
    const std::size_t w = equal[k - 1];
    if (w == y) return k - 1;
    if (w < y) {
      y -= k * ((y - w + k - 1) / k);  // every step of k back from y lands on a smaller point until y <= w
    } else {
      --k;
    }
  }
  throw std::logic_error("a final slot of a run of equal X traced back to no point of the run");
}

}  // namespace

std::vector<DiagramPoint> SortedKeepingLastOfEqualX(const std::vector<DiagramPoint>& points) {
  const std::size_t count = points.size();
  if (count > std::numeric_limits<std::uint32_t>::max()) throw std::length_error("too many points to sort");

  // Sorted by X, ties by list order: the run of X = v then occupies the
  // final ranks first .. last, with first = the number of smaller points.
  struct Ranked {
    DiagramPoint Point;
    std::uint32_t Rank;  // in list order
  };
  std::vector<Ranked> byX(count);
  for (std::size_t r = 0; r < count; ++r) byX[r] = {points[r], static_cast<std::uint32_t>(r)};
  std::sort(byX.begin(), byX.end(), [](const Ranked& a, const Ranked& b) {
    return a.Point.X < b.Point.X || (a.Point.X == b.Point.X && a.Rank < b.Rank);
  });

  // Counts of smaller points are needed only up to the last run of equal X.
  std::size_t lastEqual = 0;
  for (std::size_t r = 1; r < count; ++r)
    if (byX[r].Point.X == byX[r - 1].Point.X) lastEqual = r;
  CountsBefore smallerBefore(lastEqual > 0 ? count : 0);

  std::vector<DiagramPoint> kept;
  kept.reserve(count);
  std::vector<std::size_t> equal;
  for (std::size_t first = 0; first < count;) {
    std::size_t last = first;
    while (last + 1 < count && byX[last + 1].Point.X == byX[first].Point.X) ++last;
    if (last == first) {
      kept.push_back(byX[first].Point);
    } else {
      equal.clear();
      for (std::size_t r = first; r <= last; ++r) equal.push_back(smallerBefore.Before(byX[r].Rank) + (r - first));
      kept.push_back(byX[first + EqualPointEndingIn(equal, last)].Point);  // the one in the run's last slot
    }
    if (first < lastEqual)
      for (std::size_t r = first; r <= last; ++r) smallerBefore.Mark(byX[r].Rank);
    first = last + 1;
  }
  return kept;
}

DiagramFixResult FixDiagram(Diagram& diagram, double xMin, double xMax, double yMin, double yMax) {
  try {
    auto& points = diagram.Points;
    if (points.empty()) {
      points = {{xMin, yMin}, {xMax, yMin}};
      return DiagramFixResult::Changed;
    }
    DiagramFixResult result = DiagramFixResult::Unchanged;
    if (DeleteOutsideBox(points, xMin, xMax, yMin, yMax)) result = DiagramFixResult::Changed;
    if (OutOfOrder(points)) result = DiagramFixResult::Changed;
    std::vector<DiagramPoint> sorted = SortedKeepingLastOfEqualX(points);
    if (sorted.size() != points.size()) result = DiagramFixResult::Changed;
    points.swap(sorted);

    if (points.empty()) {
      points = {{xMin, yMin}, {xMax, yMin}};
    } else {
      if (points.front().X != xMin) AddPoint(diagram, {xMin, yMin});
      if (points.back().X != xMax) AddPoint(diagram, {xMax, yMin});
    }
    return result;
  } catch (const std::exception&) {
    return DiagramFixResult::Failed;
  }
}

DiagramFixResult FixDiagram(Diagram& diagram, DiagramKind kind) {
  const DiagramKindRow& row = DiagramKindTable(kind);
  return FixDiagram(diagram, row.XMin, row.XMax, row.YMin, row.YMax);
}

}  // namespace kolvane
