#include <gtest/gtest.h>

#include "core/engine/stages.h"
#include "core/support/engine_test_support.h"

namespace kolvane {
namespace {

TEST(Deflections, ConstantStrainsIntegrateToTheBeamFormulas) {
  const struct {
    int slices;
    double height, eo, kx, ky;
  } cases[] = {{10, 100, 0, 0, 0}, {1, 60, 2e-5, 3e-6, -1e-6}, {250, 150, -1e-5, 2e-7, 5e-7}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.slices);
    SectionGrid grid;
    grid.K = c.slices;
    grid.Height = c.height;
    grid.Eo.assign(c.slices, c.eo);
    grid.Kx.assign(c.slices + 1, c.kx);
    grid.Ky.assign(c.slices + 1, c.ky);
    grid.Kx[0] = grid.Ky[0] = 0;
    CalculateDeflections(grid);
    const double scale = 1e-12 * c.height * c.height;
    // A cantilever with constant curvature c bends by -c H^2 / 2 (the
    // trapezoidal rule is exact for the linear slope); Eo lengthens it.
    EXPECT_NEAR(grid.TipY, -c.kx * c.height * c.height / 2, scale);
    EXPECT_NEAR(grid.TipX, -c.ky * c.height * c.height / 2, scale);
    EXPECT_NEAR(grid.TipZ, -c.eo * c.height, scale);
    const double h = c.height / c.slices;
    for (int k = 0; k <= c.slices; ++k) EXPECT_NEAR(grid.DeflY[k], -c.kx * (h * k) * (h * k) / 2, scale) << k;
    EXPECT_EQ(grid.DeflX[0], 0);
    EXPECT_EQ(grid.SlopeX[0], 0);
  }
}

}  // namespace
}  // namespace kolvane
