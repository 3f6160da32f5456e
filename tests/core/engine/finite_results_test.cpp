#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "core/creep/profiles.h"
#include "core/engine/finite_results.h"
#include "core/support/engine_test_support.h"
#include "core/thermoelastic/thermo_elastic_run.h"

namespace kolvane {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

SectionGrid RunWithThermalCoefficient(const char* coefficient) {
  SectionGrid grid = testing::GridWithDiagrams();
  MainDataTexts texts = testing::ColumnTexts("2", "8", "4");
  texts[static_cast<int>(MainField::AThermal)] = coefficient;
  EXPECT_EQ(RunThermoElasticOnLoadedDiagrams(grid, texts, "12", 0).End, RunEnd::Completed);
  return grid;
}

// An overflowing run is found, and so is a non-finite number poisoned into
// a reported result of the run (a block's centroid, a number, the first or
// last of an array, the first or last array) or of one stored creep profile.
TEST(FiniteResults, ANonFiniteNumberInAnyReportedResultIsFound) {
  EXPECT_FALSE(ThermoElasticResultsAreFinite(RunWithThermalCoefficient("1E+306")));
  SectionGrid finite = RunWithThermalCoefficient("1E-05");
  EXPECT_TRUE(ThermoElasticResultsAreFinite(finite));
  const std::function<void(SectionGrid&)> poisons[] = {
      [](SectionGrid& g) { g.SectorAngle.back() = kNaN; }, [](SectionGrid& g) { g.Centroid[3].Y = kInfinity; },
      [](SectionGrid& g) { g.IExact = -kInfinity; }, [](SectionGrid& g) { g.FreeStrain[0] = kInfinity; },
      [](SectionGrid& g) { g.DeflZ[1] = kInfinity; }};
  for (const auto& poison : poisons) {
    SectionGrid grid = finite;
    poison(grid);
    EXPECT_FALSE(ThermoElasticResultsAreFinite(grid)) << "case " << (&poison - poisons);
  }
  ClearProfiles(finite);
  EXPECT_TRUE(CreepProfilesAreFinite(finite));  // none stored
  StoreProfile(finite, "1/1/2001");
  StoreProfile(finite, "2/1/2001");
  EXPECT_TRUE(CreepProfilesAreFinite(finite));
  const std::function<void(DeflectionProfile&)> profilePoisons[] = {
      [](DeflectionProfile& p) { p.TipY = kInfinity; }, [](DeflectionProfile& p) { p.DeflX[2] = kNaN; },
      [](DeflectionProfile& p) { p.DeflZ.back() = -kInfinity; }};
  for (const auto& poison : profilePoisons) {
    SectionGrid copy = finite;
    poison(copy.Profiles[1]);
    EXPECT_FALSE(CreepProfilesAreFinite(copy)) << "case " << (&poison - profilePoisons);
  }
}

}  // namespace
}  // namespace kolvane
