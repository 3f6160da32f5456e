// The equilibrium check: its lines, their order, and that the fast sweep over
// tiles of slices gives exactly what the equations give one by one.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "core/common/number_text.h"
#include "core/engine/stages.h"
#include "core/support/engine_test_support.h"
#include "core/support/test_support.h"

namespace kolvane {
namespace {

// Two blocks of area 1 at (0, 1) and (0, -1), E = 1, so every sum can be
// worked out by hand; powers of two keep them exact. Slice 3 carries 1.5 MN
// but its stresses add up to nothing; slice 2 bends by 2^-10 with no moment
// to balance it: r = -Kx Y, so the moment is -2 * 2^-10 * 1000 = -1.953125.
TEST(Equilibrium, ForcedMissesGiveTheirLinesForcesFirst) {
  SectionGrid grid = testing::ChimneyGrid(1, 2, 3, 0, 0);
  grid.E = 1;
  grid.BlockArea = {1};
  grid.Centroid = {{0, 1}, {0, -1}};
  grid.FreeStrain = {0, 0};
  grid.AxialForce = {0, 0, 1.5};
  grid.Eo = {0, 0, 0};
  grid.Kx = {0, 0, std::ldexp(1.0, -10), 0};
  grid.Ky = {0, 0, 0, 0};
  VerifyEquations(grid);
  EXPECT_EQ(grid.EquationErrors, (std::vector<std::string>{"Caution! FE, Slice : 3 , LHS =1.5 , RHS =0",
                                                           "Caution! X-ME, Slice : 2 , LHS =0 , RHS =-1.953125"}));
  // The next check starts afresh; not a number fails no comparison.
  grid.AxialForce[2] = grid.Kx[2] = 0;
  grid.Eo[0] = std::nan("");
  VerifyEquations(grid);
  EXPECT_TRUE(grid.EquationErrors.empty());
}

// The check written out pass by pass, as the equations read.
std::vector<std::string> PlainCheck(const SectionGrid& grid) {
  std::vector<std::string> lines;
  auto r = [&](int i, int j, int k) {
    const BlockPoint& at = grid.Centroid[grid.Block(i, j)];
    return ((((grid.FreeStrain[grid.Block(i, j)] - grid.CreepAt(i, j, k)) - grid.Eo[k - 1]) - grid.Ky[k] * at.X) -
            grid.Kx[k] * at.Y);
  };
  for (int k = 1; k <= grid.K; ++k) {
    double s = 0;
    for (int i = 1; i <= grid.I; ++i)
      for (int j = 1; j <= grid.J; ++j) s = s + r(i, j, k) * grid.BlockArea[i - 1];
    s = s * grid.E * 1000;
    if (std::fabs(s - grid.AxialForce[k - 1]) > 1E-06)
      lines.push_back("Caution! FE, Slice :" + NumberText(k, false) + " , LHS =" + NumberText(grid.AxialForce[k - 1]) +
                      " , RHS =" + NumberText(s));
  }
  for (const char* name : {"X-ME", "Y-ME"}) {
    for (int k = 1; k <= grid.K; ++k) {
      double s = 0;
      for (int i = 1; i <= grid.I; ++i)
        for (int j = 1; j <= grid.J; ++j) {
          const BlockPoint& at = grid.Centroid[grid.Block(i, j)];
          s = s + r(i, j, k) * grid.BlockArea[i - 1] * (name[0] == 'X' ? at.Y : at.X);
        }
      s = s * grid.E * 1000;
      if (std::fabs(s) > 1E-06)
        lines.push_back(std::string("Caution! ") + name + ", Slice :" + NumberText(k, false) +
                        " , LHS =0 , RHS =" + NumberText(s));
    }
  }
  return lines;
}

TEST(Equilibrium, FastSweepEqualsThePlainCheckOnRandomStates) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> strain(-3e-4, 3e-4);
  // Slice counts around the tile size, so full tiles and remainders both run;
  // a fine grid's check goes a group of slices at a time, asking to go on
  // between groups (a stop there is the thermo-elastic run's cancel).
  for (int slices : {1, 8, 9, 37, 2 * kSlicesPerProgressStep + 37}) {
    for (bool stored : {false, true}) {
      SectionGrid grid = testing::ChimneyGrid(3, 11, slices, 2.0, 2.6);
      CalculateGeometry(grid);
      CalculatePreliminaries(grid);
      grid.FreeStrain.resize(grid.BlockCount());
      for (double& f : grid.FreeStrain) f = strain(random);
      stored ? ResetCreepStrains(grid) : ResetCreepStrainsWithoutStore(grid);
      for (double& c : grid.CreepStrain) c = strain(random) / 10;
      CalculateCurvatures(grid);
      // Disturb the solution so that most equations miss, with values to the
      // last digit in the lines.
      for (int k = 1; k <= slices; ++k) {
        grid.Eo[k - 1] += strain(random) / 100;
        grid.Kx[k] += strain(random) / 1000;
        grid.Ky[k] += strain(random) / 1000;
      }
      SCOPED_TRACE(::testing::Message() << slices << " slices, store " << stored);
      const std::vector<std::string> expected = PlainCheck(grid);
      EXPECT_GT(expected.size(), 0u);
      // Stopped before its last group the check is abandoned; else it counts its groups.
      const std::int64_t groups = (slices + kSlicesPerProgressStep - 1) / kSlicesPerProgressStep;
      testing::RecordingFeedback stopped;
      stopped.CancelWhen = [groups](const testing::RecordingFeedback& f) { return f.Steps.size() + 1 == groups; };
      EXPECT_FALSE(VerifyEquations(grid, stopped));
      testing::RecordingFeedback told;
      EXPECT_TRUE(VerifyEquations(grid, told));
      EXPECT_EQ(told.Steps, testing::StepsBefore(groups));
      EXPECT_EQ(grid.EquationErrors, expected);
    }
  }
}

}  // namespace
}  // namespace kolvane
