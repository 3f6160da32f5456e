#include <gtest/gtest.h>

#include "core/engine/stages.h"
#include "core/support/engine_test_support.h"

namespace kolvane {
namespace {

using testing::ChimneyGrid;

TEST(Preliminaries, AxialForceAndSecondMoments) {
  // Height 100, 10 slices, radii 3 and 3.5, 25 kN/m3, F = 2 MN: a slice weighs
  // 10 m * 3.25 pi m2 * 25 kN/m3 = 2.5525 MN.
  SectionGrid grid = ChimneyGrid(2, 8, 10, 3.0, 3.5);
  CalculateGeometry(grid);
  CalculatePreliminaries(grid);
  EXPECT_NEAR(grid.AxialForce[0], 9 * (10 * 3.25 * kPi * 25 / 1000) + 2, 1e-12);
  EXPECT_EQ(grid.AxialForce[9], 2);
  // Each ring adds area * rm^2 / 2 to the block sums; the exact value adds
  // area * (rm^2 / 2 + t^2 / 8).
  for (int sectors : {3, 72}) {
    SectionGrid ring = ChimneyGrid(3, sectors, 1, 2.0, 2.9);
    CalculateGeometry(ring);
    CalculatePreliminaries(ring);
    double shortfall = 0;
    for (int i = 1; i <= 3; ++i) shortfall += ring.BlockArea[i - 1] * sectors * 0.3 * 0.3 / 8;
    EXPECT_NEAR(ring.IxApprox, ring.IExact - shortfall, 1e-12 * ring.IExact) << sectors;
    EXPECT_NEAR(ring.IyApprox, ring.IxApprox, 1e-12 * ring.IExact) << sectors;
  }
}

}  // namespace
}  // namespace kolvane
