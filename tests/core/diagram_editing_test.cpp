#include <gtest/gtest.h>

#include <limits>

#include "core/diagrams/diagram.h"
#include "core/diagrams/diagram_kinds.h"
#include "diagram_test_support.h"

namespace kolvane {
namespace {

TEST(DiagramKindTable, HoldsTheBoxesAndSteps) {
  EXPECT_STREQ(DiagramKindTable(kSunPosition).KindName, "Sun position");
  EXPECT_STREQ(DiagramKindTable(kNormalisedTemperature).KindName, "Normalised temperature (Phi)");
  EXPECT_EQ(DiagramKindTable(kAmbientTemperature).YMin, -10);
  EXPECT_EQ(DiagramKindTable(kSurfaceTemperature).YMax, 60);
  EXPECT_EQ(DiagramKindTable(kInternalTemperatureVariation).XMax, 180);
  EXPECT_EQ(DiagramKindTable(kNormalisedCreep).XMax, 100);
  EXPECT_EQ(DiagramKindTable(kNormalisedCreep).YMax, 4.0001E-06);
  EXPECT_EQ(DiagramKindTable(kNormalisedCreep).YMajorStep, 1E-06f);  // single precision
  EXPECT_EQ(DiagramKindTable(kNormalisedTemperature).XMax, 80);
  for (DiagramKind kind : {kSunPosition, kExternalTemperatureVariation, kNormalisedCreep, kNormalisedTemperature})
    EXPECT_EQ(DiagramKindTable(kind).YMin, 0) << kind;
  EXPECT_EQ(MonthNames[8], std::string("September"));
  EXPECT_EQ(MonthDays[1], 28);
  int year = 0;
  for (int days : MonthDays) year += days;
  EXPECT_EQ(year, 365);
  EXPECT_FALSE(IsDiagramKind(0));
  EXPECT_FALSE(IsDiagramKind(8));
}

TEST(InterpolateDiagram, ReadsBetweenPointsAndNotBeyondThem) {
  struct Case {
    Diagram diagram;
    double x;
    bool result;
    double y;  // the Y written, or the untouched -999 when the result is false
  };
  const Diagram line = MakeDiagram({{0, 0}, {10, 100}});
  const Diagram day = MakeDiagram({{0, 0}, {12, 90}, {24, 0}});
  const Diagram many = MakeDiagram({{0, 1}, {1, 2}, {2, 4}, {3, 8}, {4, 16}, {5, 32}, {6, 64}});
  const Case cases[] = {
      {MakeDiagram({{3, 7}}), 3, true, 7},
      {MakeDiagram({{3, 7}}), 3.5, false, -999},
      {Diagram{}, 0, false, -999},
      {line, 2.5, true, 25},
      {line, 10, true, 100},
      {line, 10.000001, false, -999},
      {line, -0.000001, false, -999},
      {line, 0, true, 0},
      {day, 12, true, 90},
      {day, 18, true, 45},
      {day, 6, true, 45},
      {many, 5, true, 32},
      {many, 2.5, true, 6},
      {many, 0.25, true, 1.25},
      {many, 6, true, 64},
  };
  for (const Case& c : cases) {
    DiagramPoint point{c.x, -999};
    EXPECT_EQ(InterpolateDiagram(c.diagram, point), c.result) << c.x;
    EXPECT_EQ(point.Y, c.y) << c.x;
  }
}

TEST(InterpolateDiagram, MultipliesBeforeDividing) {
  // (Y1 - Y0) * (x - X0) / (X1 - X0) + Y0 for (0, .1)-(7, 90) at x = 5 is
  // 64.3142857142857 to the last bit (worked out in IEEE double elsewhere);
  // dividing first would give 64.31428571428572.
  const Diagram d = MakeDiagram({{0, 0.1}, {7, 90}});
  DiagramPoint point{5, 0};
  ASSERT_TRUE(InterpolateDiagram(d, point));
  EXPECT_EQ(point.Y, 64.3142857142857);
}

TEST(AddPoint, PutsThePointInItsPlaceOrReplacesY) {
  struct Case {
    Diagram before;
    DiagramPoint point;
    Diagram after;
  };
  const Diagram day = MakeDiagram({{0, 0}, {12, 90}, {24, 0}});
  const Case cases[] = {
      {Diagram{}, {5, 1}, MakeDiagram({{5, 1}})},
      {day, {12, 50}, MakeDiagram({{0, 0}, {12, 50}, {24, 0}})},
      {day, {6, 40}, MakeDiagram({{0, 0}, {6, 40}, {12, 90}, {24, 0}})},
      {day, {18, 40}, MakeDiagram({{0, 0}, {12, 90}, {18, 40}, {24, 0}})},
      {day, {0, 3}, MakeDiagram({{0, 3}, {12, 90}, {24, 0}})},
      {day, {24, 3}, MakeDiagram({{0, 0}, {12, 90}, {24, 3}})},
      {MakeDiagram({{0, 0}, {24, 0}}), {-5, 1}, MakeDiagram({{-5, 1}, {0, 0}, {24, 0}})},
      {MakeDiagram({{0, 0}, {24, 0}}), {30, 1}, MakeDiagram({{0, 0}, {24, 0}, {30, 1}})},
      {MakeDiagram({{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}}),
       {3.5, 9},
       MakeDiagram({{0, 0}, {1, 1}, {2, 2}, {3, 3}, {3.5, 9}, {4, 4}, {5, 5}})},
      {MakeDiagram({{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}}),
       {2, 9},
       MakeDiagram({{0, 0}, {1, 1}, {2, 9}, {3, 3}, {4, 4}, {5, 5}})},
  };
  for (const Case& c : cases) {
    Diagram d = c.before;
    AddPoint(d, c.point);
    EXPECT_EQ(d, c.after) << c.point.X;
  }
}

TEST(AddPointInBox, AddsOnlyWhatLiesInTheKindsBox) {
  struct Case {
    DiagramKind kind;
    DiagramPoint point;
    PointPlacement placement;
  };
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const Case cases[] = {
      {kSunPosition, {12, 90}, PointPlacement::Added},
      {kSunPosition, {0, 0}, PointPlacement::Added},     // edges belong to the box
      {kSunPosition, {24, 180}, PointPlacement::Added},  // ...on every side
      {kSunPosition, {24.000001, 10}, PointPlacement::OutsideBox},
      {kSunPosition, {-0.000001, 10}, PointPlacement::OutsideBox},
      {kSunPosition, {6, 180.000001}, PointPlacement::OutsideBox},
      {kSunPosition, {6, -1}, PointPlacement::OutsideBox},
      {kAmbientTemperature, {6, -10}, PointPlacement::Added},  // temperatures go below zero
      {kAmbientTemperature, {6, -10.5}, PointPlacement::OutsideBox},
      {kExternalTemperatureVariation, {180, 100}, PointPlacement::Added},
      {kNormalisedCreep, {100, 4E-06}, PointPlacement::Added},  // the creep box reaches just past 4E-06
      {kNormalisedCreep, {100, 4.0002E-06}, PointPlacement::OutsideBox},
      {kNormalisedTemperature, {80.5, 50}, PointPlacement::OutsideBox},
      {kSunPosition, {nan, 10}, PointPlacement::OutsideBox},
      {kSunPosition, {6, nan}, PointPlacement::OutsideBox},
  };
  const Diagram before = MakeDiagram({{0, 0}, {24, 0}});
  for (const Case& c : cases) {
    Diagram d = before;
    EXPECT_EQ(AddPointInBox(d, c.kind, c.point), c.placement) << c.kind << ": " << c.point.X << ", " << c.point.Y;
    Diagram expected = before;
    if (c.placement == PointPlacement::Added) AddPoint(expected, c.point);
    EXPECT_EQ(d, expected) << c.kind << ": " << c.point.X << ", " << c.point.Y;
  }
}

TEST(DeletePoint, RemovesTheIndexedPoint) {
  Diagram d = MakeDiagram({{0, 0}, {6, 40}, {24, 0}});
  DeletePoint(d, 0);
  EXPECT_EQ(d, MakeDiagram({{6, 40}, {24, 0}}));
  DeletePoint(d, 1);
  EXPECT_EQ(d, MakeDiagram({{6, 40}}));
  DeletePoint(d, 0);
  EXPECT_EQ(d.PointCount(), 0);
}

}  // namespace
}  // namespace kolvane
