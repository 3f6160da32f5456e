// The engine stages against closed-form beam and section theory.
#include "core/engine/stages.h"

#include <gtest/gtest.h>

#include <cmath>

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

TEST(Deflections, ConstantStrainsIntegrateToTheBeamFormulas) {
  const struct {
    int Slices;
    double Height, Eo, Kx, Ky;
  } cases[] = {{1, 60, 2e-5, 3e-6, -1e-6}, {250, 150, -1e-5, 2e-7, 5e-7}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Slices);
    SectionGrid grid;
    grid.K = c.Slices;
    grid.Height = c.Height;
    grid.Eo.assign(c.Slices, c.Eo);
    grid.Kx.assign(c.Slices + 1, c.Kx);
    grid.Ky.assign(c.Slices + 1, c.Ky);
    grid.Kx[0] = grid.Ky[0] = 0;
    CalculateDeflections(grid);
    const double scale = 1e-12 * c.Height * c.Height;
    // A cantilever with constant curvature c bends by -c H^2 / 2 (the
    // trapezoidal rule is exact for the linear slope); Eo lengthens it.
    EXPECT_NEAR(grid.TipY, -c.Kx * c.Height * c.Height / 2, scale);
    EXPECT_NEAR(grid.TipX, -c.Ky * c.Height * c.Height / 2, scale);
    EXPECT_NEAR(grid.TipZ, -c.Eo * c.Height, scale);
    const double h = c.Height / c.Slices;
    for (int k = 0; k <= c.Slices; ++k) EXPECT_NEAR(grid.DeflY[k], -c.Kx * (h * k) * (h * k) / 2, scale) << k;
  }
}

}  // namespace
}  // namespace kolvane
