// The engine stages against closed-form beam and section theory.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "core/engine/stages.h"
#include "engine_test_support.h"

namespace kolvane {
namespace {

using testing::ChimneyGrid;

TEST(Geometry, QuarterSectorsOfAOneRingSection) {
  SectionGrid grid = ChimneyGrid(1, 4, 1, 1.0, 2.0);
  CalculateGeometry(grid);
  // Sector mid-lines at 45, 135, 225 and 315 degrees.
  for (int j = 1; j <= 4; ++j) EXPECT_NEAR(DegreesFromRadians(grid.SectorAngle[j - 1]), 90.0 * j - 45, 1e-12);
  // A quarter of the annulus between radius 1 and 2: 3 pi / 4.
  EXPECT_DOUBLE_EQ(grid.BlockArea[0], 3 * kPi / 4);
  EXPECT_DOUBLE_EQ(grid.Centroid[grid.Block(1, 1)].X, 1.5 * std::cos(kPi / 4));
  EXPECT_DOUBLE_EQ(grid.Centroid[grid.Block(1, 1)].Y, 1.5 * std::sin(kPi / 4));
  EXPECT_DOUBLE_EQ(grid.ConcreteArea, 3 * kPi);
  EXPECT_DOUBLE_EQ(grid.IExact, 15 * kPi / 4);
}

TEST(Geometry, BlockAreasAddUpToTheAnnulus) {
  for (auto [rings, sectors] : {std::pair{1, 3}, {4, 72}, {7, 5}, {20, 360}}) {
    SectionGrid grid = ChimneyGrid(rings, sectors, 1, 3.0, 3.6);
    CalculateGeometry(grid);
    double sum = 0;
    for (int i = 1; i <= rings; ++i) sum += grid.BlockArea[i - 1] * sectors;
    EXPECT_NEAR(sum, grid.ConcreteArea, 1e-12 * grid.ConcreteArea) << rings << " x " << sectors;
  }
}

TEST(Preliminaries, AxialForceCarriesTheSlicesAbove) {
  // Height 100, 10 slices, radii 3 and 3.5, 25 kN/m3, F = 2 MN: a slice weighs
  // 10 m * 3.25 pi m2 * 25 kN/m3 = 2.5525 MN.
  SectionGrid grid = ChimneyGrid(2, 8, 10, 3.0, 3.5);
  grid.Height = 100;
  grid.UnitLoad = 25;
  grid.F = 2;
  CalculateGeometry(grid);
  CalculatePreliminaries(grid);
  const double sliceWeight = 10 * 3.25 * kPi * 25 / 1000;
  EXPECT_NEAR(grid.AxialForce[0], 9 * sliceWeight + 2, 1e-12);
  EXPECT_NEAR(grid.AxialForce[0], 24.972896, 1e-6);
  EXPECT_EQ(grid.AxialForce[9], 2);
}

TEST(Preliminaries, BlockSumsFallShortOfTheExactSecondMomentByTheRingThickness) {
  // Each ring adds area * rm^2 / 2 to both sums; the exact value adds
  // area * (rm^2 / 2 + t^2 / 8).
  for (int sectors : {3, 12, 72}) {
    SectionGrid grid = ChimneyGrid(3, sectors, 1, 2.0, 2.9);
    CalculateGeometry(grid);
    CalculatePreliminaries(grid);
    const double t = 0.3;
    double shortfall = 0;
    for (int i = 1; i <= 3; ++i) shortfall += grid.BlockArea[i - 1] * sectors * t * t / 8;
    EXPECT_NEAR(grid.IxApprox, grid.IExact - shortfall, 1e-12 * grid.IExact) << sectors;
    EXPECT_NEAR(grid.IyApprox, grid.IxApprox, 1e-12 * grid.IExact) << sectors;
  }
}

TEST(Temperatures, SectorsMeasuredFromTheSunAndTheWallGradient) {
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
}

TEST(Temperatures, OnlyOneWrapOfTheAngleToTheSun) {
  // Sun at 0 degrees, two sectors at 90 and 270: 90 and, wrapped, -90.
  SectionGrid grid = ChimneyGrid(1, 2, 1, 1.0, 2.0);
  testing::LoadFlatDiagrams(grid, 0, 10, 10);
  CalculateGeometry(grid);
  CalculateTemperatures(grid);
  EXPECT_NEAR(DegreesFromRadians(grid.AngleToSun[0]), 90, 1e-9);
  EXPECT_NEAR(DegreesFromRadians(grid.AngleToSun[1]), -90, 1e-9);
}

TEST(FreeStrains, TwentyDegreesAboveReference) {
  SectionGrid grid = ChimneyGrid(1, 3, 1, 1.0, 2.0);
  grid.RefTemp = 15;
  grid.AThermal = 0.00001;
  grid.BlockTemp = {35, 15, -5};
  CalculateFreeStrains(grid);
  EXPECT_NEAR(grid.FreeStrain[0], 0.0002, 1e-18);
  EXPECT_EQ(grid.FreeStrain[1], 0.0);
  EXPECT_NEAR(grid.FreeStrain[2], -0.0002, 1e-18);
}

// Plane sections: a free strain that is itself a plane is taken up entirely.
TEST(Curvatures, FreeStrainLinearInYGivesItsSlopeAsKx) {
  for (bool stored : {false, true}) {
    SectionGrid grid = ChimneyGrid(3, 24, 5, 4.0, 4.5);
    grid.F = 0;
    grid.UnitLoad = 0;  // no axial force at all
    CalculateGeometry(grid);
    CalculatePreliminaries(grid);
    const double slope = 3e-6;  // per metre
    grid.FreeStrain.resize(grid.BlockCount());
    for (std::size_t b = 0; b < grid.BlockCount(); ++b) grid.FreeStrain[b] = slope * grid.Centroid[b].Y;
    stored ? ResetCreepStrains(grid) : ResetCreepStrainsWithoutStore(grid);
    CalculateCurvatures(grid);
    for (int k = 1; k <= 5; ++k) {
      EXPECT_NEAR(grid.Kx[k], slope, 1e-12 * slope) << k;
      EXPECT_NEAR(grid.Ky[k], 0, 1e-12 * slope) << k;
      EXPECT_NEAR(grid.Eo[k - 1], 0, 1e-12 * slope) << k;
    }
    EXPECT_EQ(grid.Kx[0], 0);
    EXPECT_EQ(grid.Ky[0], 0);
  }
}

TEST(Curvatures, UniformStrainAndAxialForceGiveNoCurvature) {
  SectionGrid grid = ChimneyGrid(2, 36, 4, 3.0, 3.4);
  grid.Height = 80;
  grid.UnitLoad = 25;
  grid.F = 5;
  grid.E = 30;
  CalculateGeometry(grid);
  CalculatePreliminaries(grid);
  grid.FreeStrain.assign(grid.BlockCount(), 1e-4);
  ResetCreepStrainsWithoutStore(grid);
  CalculateCurvatures(grid);
  for (int k = 1; k <= 4; ++k) {
    // Eo = c - N / (E A): the force shortens the free expansion.
    EXPECT_NEAR(grid.Eo[k - 1], 1e-4 - grid.AxialForce[k - 1] / (1000 * grid.E * grid.ConcreteArea), 1e-16);
    EXPECT_NEAR(grid.Kx[k], 0, 1e-18);
    EXPECT_NEAR(grid.Ky[k], 0, 1e-18);
  }
  EXPECT_LT(grid.Eo[0], grid.Eo[3]);  // more weight above the base
}

TEST(Curvatures, CreepStrainIsTakenOffTheFreeStrainSliceBySlice) {
  SectionGrid grid = ChimneyGrid(2, 12, 3, 3.0, 3.4);
  grid.F = 0;
  grid.UnitLoad = 0;
  CalculateGeometry(grid);
  CalculatePreliminaries(grid);
  grid.FreeStrain.assign(grid.BlockCount(), 2e-4);
  ResetCreepStrains(grid);
  // Slice 2 has crept by as much as its free strain: nothing is left.
  for (int i = 1; i <= 2; ++i)
    for (int j = 1; j <= 12; ++j) grid.CreepStrain[grid.CreepIndex(i, j, 2)] = 2e-4;
  CalculateCurvatures(grid);
  EXPECT_NEAR(grid.Eo[0], 2e-4, 1e-16);
  EXPECT_EQ(grid.Eo[1], 0);
  EXPECT_NEAR(grid.Eo[2], 2e-4, 1e-16);
}

struct DeflectionCase {
  const char* name;
  int slices;
  double height, eo, kx, ky;
};

TEST(Deflections, ConstantStrainsIntegrateToTheBeamFormulas) {
  const DeflectionCase cases[] = {
      {"nothing", 10, 100, 0, 0, 0},
      {"one slice", 1, 60, 2e-5, 3e-6, -1e-6},
      {"many slices", 250, 150, -1e-5, 2e-7, 5e-7},
  };
  for (const auto& c : cases) {
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
    EXPECT_NEAR(grid.TipY, -c.kx * c.height * c.height / 2, scale) << c.name;
    EXPECT_NEAR(grid.TipX, -c.ky * c.height * c.height / 2, scale) << c.name;
    EXPECT_NEAR(grid.TipZ, -c.eo * c.height, scale) << c.name;
    const double h = c.height / c.slices;
    for (int k = 0; k <= c.slices; ++k)
      EXPECT_NEAR(grid.DeflY[k], -c.kx * (h * k) * (h * k) / 2, scale) << c.name << " at " << k;
    EXPECT_EQ(grid.DeflX[0], 0);
    EXPECT_EQ(grid.SlopeX[0], 0);
  }
}

}  // namespace
}  // namespace kolvane
