#include "core/diagrams/diagram_repair.h"

#include <gtest/gtest.h>

#include "diagram_test_support.h"

namespace kolvane {
namespace {

struct RepairCase {
  const char* name;
  DiagramKind kind;
  Diagram before;
  DiagramFixResult result;
  Diagram after;
  friend void PrintTo(const RepairCase& c, std::ostream* out) { *out << c.name; }
};

class FixDiagramCases : public ::testing::TestWithParam<RepairCase> {};

TEST_P(FixDiagramCases, RepairsIntoAUsableDiagram) {
  const RepairCase& c = GetParam();
  Diagram d = c.before;
  EXPECT_EQ(FixDiagram(d, c.kind), c.result);
  EXPECT_EQ(d, c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, FixDiagramCases,
    ::testing::Values(RepairCase{"outside the box deleted, ends added", kSunPosition,
                                 MakeDiagram({{-1, 10}, {5, 200}, {12, 90}}), DiagramFixResult::Changed,
                                 MakeDiagram({{0, 0}, {12, 90}, {24, 0}})},
                      RepairCase{"already usable", kSunPosition, MakeDiagram({{0, 5}, {12, 90}, {24, 5}}),
                                 DiagramFixResult::Unchanged, MakeDiagram({{0, 5}, {12, 90}, {24, 5}})},
                      RepairCase{"ends alone do not count as a change", kSunPosition, MakeDiagram({{6, 30}, {18, 30}}),
                                 DiagramFixResult::Unchanged, MakeDiagram({{0, 0}, {6, 30}, {18, 30}, {24, 0}})},
                      RepairCase{"out of order", kSunPosition, MakeDiagram({{24, 0}, {0, 0}, {12, 90}}),
                                 DiagramFixResult::Changed, MakeDiagram({{0, 0}, {12, 90}, {24, 0}})},
                      RepairCase{"equal X keeps the one the sort leaves last", kSunPosition,
                                 MakeDiagram({{0, 0}, {12, 50}, {12, 90}, {24, 0}}), DiagramFixResult::Changed,
                                 MakeDiagram({{0, 0}, {12, 90}, {24, 0}})},
                      // Pass 0 brings (0,0) to the front and moves (12,50) behind (12,90);
                      // so after sorting (12,50) is last of the pair and survives.
                      RepairCase{"the exchange sort decides which equal X survives", kSunPosition,
                                 MakeDiagram({{12, 50}, {12, 90}, {0, 0}, {24, 0}}), DiagramFixResult::Changed,
                                 MakeDiagram({{0, 0}, {12, 50}, {24, 0}})},
                      RepairCase{"three equal X", kSunPosition, MakeDiagram({{5, 1}, {5, 2}, {5, 3}}),
                                 DiagramFixResult::Changed, MakeDiagram({{0, 0}, {5, 3}, {24, 0}})},
                      RepairCase{"empty creep function", kNormalisedCreep, Diagram{}, DiagramFixResult::Changed,
                                 MakeDiagram({{0, 0}, {100, 0}})},
                      RepairCase{"every point outside", kAmbientTemperature, MakeDiagram({{-3, 5}, {30, 5}, {12, 61}}),
                                 DiagramFixResult::Changed, MakeDiagram({{0, -10}, {24, -10}})},
                      RepairCase{"the limits are inside the box", kAmbientTemperature,
                                 MakeDiagram({{0, -10}, {24, 60}}), DiagramFixResult::Unchanged,
                                 MakeDiagram({{0, -10}, {24, 60}})},
                      RepairCase{"4E-06 is inside the creep box", kNormalisedCreep, MakeDiagram({{0, 0}, {100, 4E-06}}),
                                 DiagramFixResult::Unchanged, MakeDiagram({{0, 0}, {100, 4E-06}})},
                      RepairCase{"4.0002E-06 is outside the creep box", kNormalisedCreep,
                                 MakeDiagram({{0, 0}, {50, 4.0002E-06}, {100, 1E-06}}), DiagramFixResult::Changed,
                                 MakeDiagram({{0, 0}, {100, 1E-06}})},
                      RepairCase{"a single point", kNormalisedTemperature, MakeDiagram({{20, 50}}),
                                 DiagramFixResult::Unchanged, MakeDiagram({{0, 0}, {20, 50}, {80, 0}})}),
    [](const ::testing::TestParamInfo<RepairCase>& info) { return "case" + std::to_string(info.index); });

TEST(FixDiagram, RepairedDiagramsMeetTheEngineInvariants) {
  // Every kind, from a messy list: at least two points, X strictly
  // increasing, ends at the box's X limits, every point inside the box.
  for (DiagramKind kind = kFirstDiagramKind; kind <= kLastDiagramKind; ++kind) {
    const DiagramKindRow& row = DiagramKindTable(kind);
    Diagram d;
    for (int i = 0; i < 50; ++i) {
      const double x = row.XMin - 5 + (i * 37 % 50) * (row.XMax - row.XMin + 10) / 49.0;
      const double y = row.YMin + (i * 13 % 11) * (row.YMax - row.YMin) / 9.0;
      d.Points.push_back({x, y});
      d.Points.push_back({x, row.YMin});  // an equal X for every point
    }
    ASSERT_NE(FixDiagram(d, kind), DiagramFixResult::Failed);
    ASSERT_GE(d.PointCount(), 2);
    EXPECT_EQ(d.Points.front().X, row.XMin);
    EXPECT_EQ(d.Points.back().X, row.XMax);
    for (std::size_t i = 0; i < d.Points.size(); ++i) {
      EXPECT_GE(d.Points[i].Y, row.YMin);
      EXPECT_LE(d.Points[i].Y, row.YMax);
      if (i > 0) {
        EXPECT_LT(d.Points[i - 1].X, d.Points[i].X);
      }
    }
  }
}

}  // namespace
}  // namespace kolvane
