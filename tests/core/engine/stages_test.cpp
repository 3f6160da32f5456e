// The temperatures and plane sections against closed-form theory. The
// geometry, section properties and deflections are printed in the reports,
// which the report comparisons check digit for digit.
#include "core/engine/stages.h"

#include <gtest/gtest.h>

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
  const double outer = 10 + 0.75 * 20, inner = 10 + 0.375 * 20;
  // Ring mid-thicknesses at a quarter and three quarters of the wall.
  EXPECT_NEAR(grid.BlockTemp[grid.Block(1, 1)], inner + (outer - inner) * 0.25, 1e-9);
  EXPECT_NEAR(grid.BlockTemp[grid.Block(2, 1)], inner + (outer - inner) * 0.75, 1e-9);
  // 1E-05 per degree from the reference 15 degrees.
  CalculateFreeStrains(grid);
  EXPECT_NEAR(grid.FreeStrain[grid.Block(2, 1)], 1e-5 * (inner + (outer - inner) * 0.75 - 15), 1e-18);
}

// Plane sections: a free strain that is itself a plane, c + slope * Y, is
// taken up entirely: Kx is its slope and Eo = c - N / (E A), the axial force
// shortening the free expansion.
TEST(Curvatures, AFreeStrainThatIsAPlaneIsTakenUpEntirely) {
  for (bool stored : {false, true}) {
    SectionGrid grid = ChimneyGrid(3, 24, 5, 4.0, 4.5);
    grid.F = 5;
    CalculateGeometry(grid);
    CalculatePreliminaries(grid);
    const double c = 1e-4, slope = 3e-6;  // per metre
    grid.FreeStrain.resize(grid.BlockCount());
    for (std::size_t b = 0; b < grid.BlockCount(); ++b) grid.FreeStrain[b] = c + slope * grid.Centroid[b].Y;
    stored ? ResetCreepStrains(grid) : ResetCreepStrainsWithoutStore(grid);
    CalculateCurvatures(grid);
    for (int k = 1; k <= 5; ++k) {
      EXPECT_NEAR(grid.Kx[k], slope, 1e-12 * slope) << k;
      EXPECT_NEAR(grid.Ky[k], 0, 1e-12 * slope) << k;
      EXPECT_NEAR(grid.Eo[k - 1], c - grid.AxialForce[k - 1] / (1000 * grid.E * grid.ConcreteArea), 1e-16) << k;
    }
    EXPECT_EQ(grid.Kx[0], 0);
    EXPECT_EQ(grid.Ky[0], 0);
  }
}

}  // namespace
}  // namespace kolvane
