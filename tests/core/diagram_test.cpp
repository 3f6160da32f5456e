// A diagram's points: edited, read between, repaired.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>

#include "core/diagrams/diagram.h"
#include "core/diagrams/diagram_kinds.h"
#include "core/diagrams/diagram_repair.h"
#include "diagram_oracle.h"
#include "diagram_test_support.h"

namespace kolvane {
namespace {

using fuzz::Describe;
using Points = std::vector<DiagramPoint>;

// The plain sort the fast one must match: the exchange sort and the deletion
// with a rescan of the step-by-step repair the fuzz harnesses judge by, in a
// box without limits (the two ends it adds taken off again).
Points Reference(const Points& p) {
  const double inf = std::numeric_limits<double>::infinity();
  const Points sorted = fuzz::RepairStepByStep(p, {-inf, inf, -inf, inf}).Points;
  return Points(sorted.begin() + 1, sorted.end() - 1);
}

// Bit for bit, so that -0 and +0 are told apart.
bool SameBits(const Points& a, const Points& b) {
  // An empty list may have no storage at all: memcmp must not see its null pointer.
  return a.size() == b.size() && (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(DiagramPoint)) == 0);
}

// Y is the point's number in the list, so the survivor of a run shows.
Points Numbered(const std::vector<double>& xs) {
  Points p;
  for (std::size_t i = 0; i < xs.size(); ++i) p.push_back({xs[i], static_cast<double>(i)});
  return p;
}

// X drawn from a few values, so that runs of equal X are long and many; -0 and
// +0 are equal. NaN only where the repair gets to see it first.
Points RandomPoints(std::mt19937& rng, bool withNaN) {
  std::vector<double> xs(rng() % 301);
  const std::uint32_t distinct = 1 + rng() % 12;
  for (double& x : xs) {
    const std::uint32_t pick = rng() % (distinct + 2);
    x = pick < distinct ? pick : (pick == distinct ? -0.0 : (withNaN ? std::nan("") : 0.0));
  }
  return Numbered(xs);
}

TEST(SortedKeepingLastOfEqualX, MatchesTheExchangeSort) {
  std::mt19937 rng(20240611);
  for (int seed = 0; seed < 20000; ++seed) {
    const Points p = RandomPoints(rng, false);
    ASSERT_TRUE(SameBits(SortedKeepingLastOfEqualX(p), Reference(p))) << "seed " << seed << ": " << Describe(p);
  }
  // Every list of up to 7 points over 0, -0, 1, 2 and 3.
  const double values[] = {0.0, -0.0, 1.0, 2.0, 3.0};
  for (std::size_t n = 0, lists = 1; n <= 7; ++n, lists *= 5) {
    for (std::size_t code = 0; code < lists; ++code) {
      std::vector<double> xs;
      for (std::size_t c = code, i = 0; i < n; ++i, c /= 5) xs.push_back(values[c % 5]);
      const Points p = Numbered(xs);
      ASSERT_TRUE(SameBits(SortedKeepingLastOfEqualX(p), Reference(p))) << Describe(p);
    }
  }
  // A long list of many descending runs of equal X, which short random lists hardly reach.
  std::vector<double> xs(2000);
  for (std::size_t i = 0; i < xs.size(); ++i) xs[i] = static_cast<double>((xs.size() - i) / 5);
  EXPECT_TRUE(SameBits(SortedKeepingLastOfEqualX(Numbered(xs)), Reference(Numbered(xs))));
}

TEST(FixDiagram, MatchesTheStepByStepRepair) {
  std::mt19937 rng(77);
  for (int seed = 0; seed < 5000; ++seed) {
    Points p = RandomPoints(rng, seed % 5 == 0);
    for (DiagramPoint& q : p) q.Y = static_cast<double>(rng() % 23) - 1;  // some below yMin, some above yMax
    const double xMin = rng() % 3, xMax = xMin + rng() % 12;
    Diagram fast{p};
    const fuzz::StepByStepRepair plain = fuzz::RepairStepByStep(p, {xMin, xMax, 0, 20});
    ASSERT_EQ(FixDiagram(fast, xMin, xMax, 0, 20), plain.Result) << "seed " << seed << ": " << Describe(p);
    ASSERT_TRUE(SameBits(fast.Points, plain.Points)) << "seed " << seed << ": " << Describe(p);
  }
}

// Whether an empty diagram of `kind` takes (x, y), as it says and as it shows.
bool Takes(DiagramKind kind, double x, double y) {
  Diagram d;
  const bool added = AddPointInBox(d, kind, {x, y}) == PointPlacement::Added;
  EXPECT_EQ(d.PointCount(), added ? 1 : 0);
  return added;
}

// Each kind's box, edges included, and nothing a hair beyond it, NaN neither.
TEST(AddPointInBox, AddsOnlyWhatLiesInTheKindsBox) {
  const struct {
    DiagramKind kind;
    double xMax, yMin, yMax;  // every box starts at X = 0
  } boxes[] = {
      {kSunPosition, 24, 0, 180},
      {kAmbientTemperature, 24, -10, 60},
      {kSurfaceTemperature, 24, -10, 60},
      {kExternalTemperatureVariation, 180, 0, 100},
      {kInternalTemperatureVariation, 180, 0, 100},
      {kNormalisedCreep, 100, 0, 4.0001E-06},  // so that 4E-06 itself lies inside
      {kNormalisedTemperature, 80, 0, 100},
  };
  const double inf = std::numeric_limits<double>::infinity(), nan = std::nan("");
  for (const auto& b : boxes) {
    EXPECT_TRUE(Takes(b.kind, 0, b.yMin) && Takes(b.kind, b.xMax, b.yMax)) << b.kind;
    EXPECT_FALSE(Takes(b.kind, std::nextafter(0.0, -inf), b.yMin) || Takes(b.kind, std::nextafter(b.xMax, inf), 0) ||
                 Takes(b.kind, 1, std::nextafter(b.yMin, -inf)) || Takes(b.kind, 1, std::nextafter(b.yMax, inf)) ||
                 Takes(b.kind, nan, 1) || Takes(b.kind, 1, nan))
        << b.kind;
  }
}

TEST(InterpolateDiagram, ReadsBetweenPointsAndNotBeyondThem) {
  const Diagram many = MakeDiagram({{0, 1}, {1, 2}, {2, 4}, {3, 8}, {4, 16}, {5, 32}, {6, 64}});
  const struct {
    Diagram diagram;
    double x;
    bool found;
    double y;  // the Y written, or the untouched -999 when nothing is found
  } cases[] = {
      {Diagram{}, 0, false, -999},
      {MakeDiagram({{3, 7}}), 3, true, 7},
      {many, -0.000001, false, -999},
      {many, 0, true, 1},
      {many, 0.25, true, 1.25},
      {many, 5, true, 32},
      {many, 6, true, 64},
      {many, 6.000001, false, -999},
  };
  for (const auto& c : cases) {
    DiagramPoint point{c.x, -999};
    EXPECT_EQ(InterpolateDiagram(c.diagram, point), c.found) << c.x;
    EXPECT_EQ(point.Y, c.y) << c.x;
  }
  // (Y1 - Y0) * (x - X0) / (X1 - X0) + Y0 to the last bit; not 64.31428571428572.
  DiagramPoint point{5, 0};
  ASSERT_TRUE(InterpolateDiagram(MakeDiagram({{0, 0.1}, {7, 90}}), point));
  EXPECT_EQ(point.Y, 64.3142857142857);
}

// Y replaced at an equal X, else the point inserted where X keeps increasing.
TEST(AddPoint, PutsThePointInItsPlaceOrReplacesY) {
  const Diagram six = MakeDiagram({{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}});
  const struct {
    Diagram before;
    DiagramPoint point;
    Diagram after;
  } cases[] = {
      {Diagram{}, {5, 1}, MakeDiagram({{5, 1}})},
      {six, {0, 9}, MakeDiagram({{0, 9}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}})},
      {six, {5, 9}, MakeDiagram({{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 9}})},
      {six, {2, 9}, MakeDiagram({{0, 0}, {1, 1}, {2, 9}, {3, 3}, {4, 4}, {5, 5}})},
      {six, {-1, 9}, MakeDiagram({{-1, 9}, {0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}})},
      {six, {6, 9}, MakeDiagram({{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 9}})},
      {six, {3.5, 9}, MakeDiagram({{0, 0}, {1, 1}, {2, 2}, {3, 3}, {3.5, 9}, {4, 4}, {5, 5}})},
  };
  for (const auto& c : cases) {
    Diagram d = c.before;
    AddPoint(d, c.point);
    EXPECT_EQ(d, c.after) << c.point.X;
  }
}

}  // namespace
}  // namespace kolvane
