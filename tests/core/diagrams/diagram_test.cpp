// A diagram's points: edited and read between.
#include "core/diagrams/diagram.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/diagrams/diagram_kinds.h"
#include "core/support/diagram_test_support.h"

namespace kolvane {
namespace {

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
    DiagramKind Kind;
    double XMax, YMin, YMax;  // every box starts at X = 0
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
    EXPECT_TRUE(Takes(b.Kind, 0, b.YMin) && Takes(b.Kind, b.XMax, b.YMax)) << b.Kind;
    EXPECT_FALSE(Takes(b.Kind, std::nextafter(0.0, -inf), b.YMin) || Takes(b.Kind, std::nextafter(b.XMax, inf), 0) ||
                 Takes(b.Kind, 1, std::nextafter(b.YMin, -inf)) || Takes(b.Kind, 1, std::nextafter(b.YMax, inf)) ||
                 Takes(b.Kind, nan, 1) || Takes(b.Kind, 1, nan))
        << b.Kind;
  }
}

TEST(InterpolateDiagram, ReadsBetweenPointsAndNotBeyondThem) {
  const Diagram many = MakeDiagram({{0, 1}, {1, 2}, {2, 4}, {3, 8}, {4, 16}, {5, 32}, {6, 64}});
  const struct {
    kolvane::Diagram Diagram;
    double X;
    bool Found;
    double Y;  // the Y written, or the untouched -999 when nothing is found
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
    DiagramPoint point{c.X, -999};
    EXPECT_EQ(InterpolateDiagram(c.Diagram, point), c.Found) << c.X;
    EXPECT_EQ(point.Y, c.Y) << c.X;
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
    Diagram Before;
    DiagramPoint Point;
    Diagram After;
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
    Diagram d = c.Before;
    AddPoint(d, c.Point);
    EXPECT_EQ(d, c.After) << c.Point.X;
  }
}

}  // namespace
}  // namespace kolvane
