#include <gtest/gtest.h>

#include <cmath>

#include "core/engine/stages.h"
#include "core/support/engine_test_support.h"

namespace kolvane {
namespace {

using testing::ChimneyGrid;

TEST(Geometry, QuarterSectorsOfAOneRingSection) {
  SectionGrid grid = ChimneyGrid(1, 4, 1, 1.0, 2.0);
  CalculateGeometry(grid);
  // Sector mid-lines at 45, 135, 225 and 315 degrees.
  for (int j = 1; j <= 4; ++j) EXPECT_NEAR(DegreesFromRadians(grid.SectorAngle[j - 1]), 90.0 * j - 45, 1e-12);
  EXPECT_DOUBLE_EQ(grid.BlockArea[0], 3 * kPi / 4);  // a quarter of the annulus between radius 1 and 2
  EXPECT_DOUBLE_EQ(grid.Centroid[grid.Block(1, 1)].X, 1.5 * std::cos(kPi / 4));
  EXPECT_DOUBLE_EQ(grid.Centroid[grid.Block(1, 1)].Y, 1.5 * std::sin(kPi / 4));
  EXPECT_DOUBLE_EQ(grid.ConcreteArea, 3 * kPi);
  EXPECT_DOUBLE_EQ(grid.IExact, 15 * kPi / 4);
}

}  // namespace
}  // namespace kolvane
