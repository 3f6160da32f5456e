#include <gtest/gtest.h>

#include "core/engine/stages.h"
#include "core/support/engine_test_support.h"

namespace kolvane {
namespace {

using testing::ChimneyGrid;

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
    EXPECT_LT(grid.Eo[0], grid.Eo[4]);  // more weight above the base
  }
}

}  // namespace
}  // namespace kolvane
