#include <gtest/gtest.h>

#include "core/engine/stages.h"
#include "core/support/engine_test_support.h"

namespace kolvane {
namespace {

using testing::ChimneyGrid;

TEST(Temperatures, SectorsMeasuredFromTheSunTheWallGradientAndTheFreeStrains) {
  // Sun at 90 degrees, sectors at 45, 135, 225, 315: angles -45, 45, 135, -135.
  SectionGrid grid = ChimneyGrid(2, 4, 1, 1.0, 2.0);
  testing::LoadFlatDiagrams(grid, /*sun*/ 90, /*ambient*/ 10, /*surface*/ 30);
  grid.SetLoadedDiagram(4, Diagram{{{0, 100}, {180, 0}}});  // outer face: 100 % facing the sun
  grid.SetLoadedDiagram(5, Diagram{{{0, 50}, {180, 0}}});   // inner face: half of it
  CalculateGeometry(grid);
  CalculateTemperatures(grid);
  const double expectedAngles[] = {-45, 45, 135, -135};
  for (int j = 1; j <= 4; ++j) EXPECT_NEAR(DegreesFromRadians(grid.AngleToSun[j - 1]), expectedAngles[j - 1], 1e-9);
  // Sector 1 is 45 degrees off the sun: outer 75 %, inner 37.5 % of 20 degrees.
  EXPECT_NEAR(grid.ExtVariation[0], 75, 1e-9);
  EXPECT_NEAR(grid.IntVariation[0], 37.5, 1e-9);
  const double outer = 10 + 0.75 * 20, inner = 10 + 0.375 * 20;
  // Ring mid-thicknesses at a quarter and three quarters of the wall.
  EXPECT_NEAR(grid.BlockTemp[grid.Block(1, 1)], inner + (outer - inner) * 0.25, 1e-9);
  EXPECT_NEAR(grid.BlockTemp[grid.Block(2, 1)], inner + (outer - inner) * 0.75, 1e-9);
  // 1E-05 per degree from the reference 15 degrees.
  CalculateFreeStrains(grid);
  EXPECT_NEAR(grid.FreeStrain[grid.Block(2, 1)], 1e-5 * (inner + (outer - inner) * 0.75 - 15), 1e-18);

  // The angle to the sun is wrapped once: sun at 0, sectors at 90 and 270.
  SectionGrid two = ChimneyGrid(1, 2, 1, 1.0, 2.0);
  testing::LoadFlatDiagrams(two, 0, 10, 10);
  CalculateGeometry(two);
  CalculateTemperatures(two);
  EXPECT_NEAR(DegreesFromRadians(two.AngleToSun[0]), 90, 1e-9);
  EXPECT_NEAR(DegreesFromRadians(two.AngleToSun[1]), -90, 1e-9);
}

}  // namespace
}  // namespace kolvane
