#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "core/diagrams/diagram_repair.h"
#include "diagram_oracle.h"

namespace kolvane {
namespace {

using Points = std::vector<DiagramPoint>;
const double kNaN = std::numeric_limits<double>::quiet_NaN();

// The plain sort the fast one must match: the exchange sort, then deleting
// the first of the first pair of equal neighbours and starting over until none
// is left. The whole repair is compared with the step-by-step one the fuzz
// harnesses use.
void ExchangeSort(Points& p) {
  for (std::size_t i = 0; i < p.size(); ++i)
    for (std::size_t j = i + 1; j < p.size(); ++j)
      if (p[j].X < p[i].X) std::swap(p[i], p[j]);
}

void DeleteFirstOfEqualPairs(Points& p) {
  for (std::size_t i = 0; i + 1 < p.size();) {
    if (p[i].X == p[i + 1].X) {
      p.erase(p.begin() + static_cast<std::ptrdiff_t>(i));
      i = 0;
    } else {
      ++i;
    }
  }
}

Points Reference(Points p) {
  ExchangeSort(p);
  DeleteFirstOfEqualPairs(p);
  return p;
}

// Bit for bit, so that -0 and +0 are told apart.
bool SameBits(const Points& a, const Points& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::bit_cast<std::uint64_t>(a[i].X) != std::bit_cast<std::uint64_t>(b[i].X) ||
        std::bit_cast<std::uint64_t>(a[i].Y) != std::bit_cast<std::uint64_t>(b[i].Y))
      return false;
  return true;
}

std::string Show(const Points& p) {
  std::ostringstream out;
  for (const DiagramPoint& q : p) out << "(" << q.X << "," << q.Y << ")";
  return out.str();
}

// Y is the point's number in the list, so the survivor of a run shows.
Points Numbered(const std::vector<double>& xs) {
  Points p;
  for (std::size_t i = 0; i < xs.size(); ++i) p.push_back({xs[i], static_cast<double>(i)});
  return p;
}

// X drawn from a few values, so that runs of equal X are long and many;
// -0 and +0 are equal. NaN only where the repair gets to see it first.
Points RandomPoints(std::mt19937& rng, bool withNaN) {
  const std::size_t n = rng() % 301;
  const std::size_t distinct = 1 + rng() % 12;
  std::vector<double> xs(n);
  for (double& x : xs) {
    const std::uint32_t pick = rng() % (distinct + 2);
    x = pick < distinct ? static_cast<double>(pick) : (pick == distinct ? -0.0 : (withNaN ? kNaN : 0.0));
  }
  return Numbered(xs);
}

TEST(SortedKeepingLastOfEqualX, MatchesTheExchangeSortOnRandomLists) {
  std::mt19937 rng(20240611);
  for (int seed = 0; seed < 20000; ++seed) {
    const Points p = RandomPoints(rng, false);
    ASSERT_TRUE(SameBits(SortedKeepingLastOfEqualX(p), Reference(p))) << "seed " << seed << ": " << Show(p);
  }
}

TEST(SortedKeepingLastOfEqualX, MatchesTheExchangeSortOnEveryShortList) {
  // Every list of up to 7 points over 0, -0, 1, 2 and 3.
  const double values[] = {0.0, -0.0, 1.0, 2.0, 3.0};
  for (std::size_t n = 0, lists = 1; n <= 7; ++n, lists *= 5) {
    for (std::size_t code = 0; code < lists; ++code) {
      std::vector<double> xs;
      for (std::size_t c = code, i = 0; i < n; ++i, c /= 5) xs.push_back(values[c % 5]);
      const Points p = Numbered(xs);
      ASSERT_TRUE(SameBits(SortedKeepingLastOfEqualX(p), Reference(p))) << Show(p);
    }
  }
}

struct Shape {
  const char* name;
  std::function<double(std::size_t i, std::size_t n)> x;
};

TEST(SortedKeepingLastOfEqualX, MatchesTheExchangeSortOnAdversarialShapes) {
  const std::vector<Shape> shapes = {
      {"descending", [](std::size_t i, std::size_t n) { return double(n - i); }},
      {"all equal", [](std::size_t, std::size_t) { return 7.0; }},
      {"alternating", [](std::size_t i, std::size_t) { return double(i % 2); }},
      {"descending pairs", [](std::size_t i, std::size_t n) { return double((n - i) / 2); }},
      {"descending runs of 5", [](std::size_t i, std::size_t n) { return double((n - i) / 5); }},
      {"ascending pairs", [](std::size_t i, std::size_t) { return double(i / 2); }},
      {"sawtooth", [](std::size_t i, std::size_t) { return double(i % 7); }},
      {"equal block then smaller", [](std::size_t i, std::size_t n) { return i < n / 3 ? 100.0 : double(n - i); }},
      {"smaller then equal block", [](std::size_t i, std::size_t n) { return i >= 2 * n / 3 ? -1.0 : double(i % 3); }},
      {"one equal pair at the ends",
       [](std::size_t i, std::size_t n) { return i == 0 || i + 1 == n ? 5.0 : double(n - i); }},
      {"descending runs of 4 over a low floor",
       [](std::size_t i, std::size_t n) { return i % 3 == 1 ? 0.0 : double((n - i) / 4); }},
      {"two values in long runs", [](std::size_t i, std::size_t) { return double((i / 10) % 2); }},
  };
  for (const Shape& shape : shapes) {
    for (std::size_t n : {0, 1, 2, 3, 4, 5, 10, 31, 64, 257, 2000}) {
      std::vector<double> xs(n);
      for (std::size_t i = 0; i < n; ++i) xs[i] = shape.x(i, n);
      const Points p = Numbered(xs);
      EXPECT_TRUE(SameBits(SortedKeepingLastOfEqualX(p), Reference(p))) << shape.name << ", n = " << n;
    }
  }
}

TEST(SortedKeepingLastOfEqualX, KeepsTheSurvivorOfSmallHandWorkedCases) {
  // Pass 0 takes 0 to the front and puts (12, 0) where 0 stood, behind (12, 1).
  EXPECT_TRUE(SameBits(SortedKeepingLastOfEqualX({{12, 0}, {12, 1}, {0, 2}}), Points({{0, 2}, {12, 0}})));
  // -0 and +0 are one X; the point, with its sign, is the sort's last.
  EXPECT_TRUE(SameBits(SortedKeepingLastOfEqualX({{0.0, 0}, {-0.0, 1}}), Points({{-0.0, 1}})));
  // Pass 0: (2,2) then (1,3) become the running minimum, (3,0) goes to where
  // (2,2) stood and (2,2) to where (1,3) stood: (1,3) (3,1) (3,0) (2,2).
  // Pass 1 brings (2,2) forward and (3,1) behind (3,0): (3,1) survives.
  EXPECT_TRUE(SameBits(SortedKeepingLastOfEqualX({{3, 0}, {3, 1}, {2, 2}, {1, 3}}), Points({{1, 3}, {2, 2}, {3, 1}})));
}

TEST(FixDiagram, MatchesThePlainRepairOnRandomLists) {
  std::mt19937 rng(77);
  for (int seed = 0; seed < 5000; ++seed) {
    Points p = RandomPoints(rng, seed % 5 == 0);
    for (DiagramPoint& q : p) q.Y = static_cast<double>(rng() % 23) - 1;  // some below yMin, some above yMax
    const double xMin = static_cast<double>(rng() % 3), xMax = xMin + static_cast<double>(rng() % 12);
    Diagram fast{p};
    const fuzz::StepByStepRepair plain = fuzz::RepairStepByStep(p, {xMin, xMax, 0, 20});
    ASSERT_EQ(FixDiagram(fast, xMin, xMax, 0, 20), plain.Result) << "seed " << seed << ": " << Show(p);
    ASSERT_TRUE(SameBits(fast.Points, plain.Points)) << "seed " << seed << ": " << Show(p);
  }
}

}  // namespace
}  // namespace kolvane
