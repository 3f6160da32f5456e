#include "core/results/serviceability.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kolvane {
namespace {

// The tip of a uniformly curved cantilever, in the deflection stage's closed
// forms: the curvature kx bends it towards -Y, ky towards -X.
TipState UniformlyCurved(double height, double kx, double ky) {
  return {-ky * height * height / 2, -kx * height * height / 2, -ky * height, -kx * height};
}

TEST(MeasureTip, AgreesWithTheClosedFormsOfAUniformlyCurvedCantilever) {
  const struct {
    double Kx, Ky, Bearing;
  } cases[] = {
      {0, -2e-6, 0},      // towards +X: the East
      {1e-6, 1e-6, 225},  // both: the North-West
  };
  const double height = 150;
  for (const auto& c : cases) {
    const double kappa = std::hypot(c.Kx, c.Ky);
    const TipMeasures tip = MeasureTip(height, UniformlyCurved(height, c.Kx, c.Ky));
    EXPECT_NEAR(tip.Deflection, kappa * height * height / 2, 1e-15) << c.Bearing;
    EXPECT_NEAR(tip.Rotation, kappa * height, 1e-17) << c.Bearing;
    EXPECT_NEAR(tip.Bearing, c.Bearing, 1e-9);
    EXPECT_NEAR(tip.HeightRatio, 2 / (kappa * height), 1e-6 * tip.HeightRatio);
  }
}

TEST(ThermoElasticServiceability, StatesTheTipAndAVerdictOnlyForEachLimitSet) {
  // 150 m, kappa 1e-6 towards -Y: 11.25 mm at 270 degrees, H/13333, .15 mrad.
  const TipState tip = UniformlyCurved(150, 1e-6, 0);
  const std::string deflection = "Tip deflection : 11.25 mm towards 270 degrees (H/13333)";
  const std::string rotation = "Tip rotation : .15 mrad (.008594 degrees)";
  const struct {
    ServiceabilityLimits Limits;
    std::vector<std::string> Verdicts;
  } cases[] = {
      {{}, {}},
      {{10000, std::nullopt}, {"Deflection limit H/10000 = 15 mm : within, margin 3.75 mm"}},
      {{std::nullopt, .01}, {"Rotation limit .01 degrees : within, margin .001406 degrees"}},
      {{500, .005},
       {"Deflection limit H/500 = 300 mm : within, margin 288.8 mm",
        "Rotation limit .005 degrees : exceeded, margin -.003594 degrees"}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> expected = {deflection, rotation};
    expected.insert(expected.end(), c.Verdicts.begin(), c.Verdicts.end());
    EXPECT_EQ(ThermoElasticServiceability(150, tip, c.Limits), expected);
  }
}

TEST(OrbitAndCreepServiceability, FindTheLargestAndTheChangesOverTheDayAndTheRun) {
  // A tip that swings from 3 mm East to 4 mm South: 5 mm apart.
  const std::vector<OrbitPoint> orbit = {
      {0, 0, .003, 0, 0, 0, -1e-4}, {12, 0, 0, .004, 0, 2e-4, 0}, {24, 0, .003, 0, 0, 0, -1e-4}};
  const std::vector<std::string> day = OrbitServiceability(100, orbit, {std::nullopt, .01});
  ASSERT_EQ(day.size(), 5u);
  EXPECT_EQ(day[0], "Largest tip deflection : 4 mm towards 90 degrees (H/25000) at 12 h");
  EXPECT_EQ(day[1], "Largest tip rotation : .2 mrad (.01146 degrees) at 12 h");
  EXPECT_EQ(day[2], "Largest horizontal movement over the day : 5 mm");
  EXPECT_EQ(day[3], "Largest change of rotation over the day : .2236 mrad (.01281 degrees)");
  EXPECT_EQ(day[4], "Rotation limit .01 degrees (largest of the day) : exceeded, margin -.001459 degrees");

  std::vector<DeflectionProfile> profiles(3);
  profiles[0] = {"7/1/2001", {}, {}, {}, -.001, 0, 0, 0, 0};
  profiles[1] = {"14/1/2001", {}, {}, {}, -.006, 0, 0, 0, 3e-5};
  profiles[2] = {"20/1/2001", {}, {}, {}, -.004, .003, 0, -2e-5, 1e-5};
  const std::vector<std::string> run = CreepServiceability(100, profiles, {50000, std::nullopt});
  ASSERT_EQ(run.size(), 4u);
  EXPECT_EQ(run[0], "Largest tip deflection : 6 mm towards 180 degrees (H/16667) on 14/1/2001");
  EXPECT_EQ(
      run[2],
      "Drift from 7/1/2001 to 20/1/2001 : 4.243 mm towards 135 degrees (H/23570), rotation changed by .02236 mrad "
      "(.001281 degrees)");
  EXPECT_EQ(run[3], "Deflection limit H/50000 = 2 mm (largest stored profile) : exceeded, margin -4 mm");
}

TEST(LimitValue, TakesOnlyAPositiveNumber) {
  const struct {
    const char* Text;
    std::optional<double> Value;
  } cases[] = {{"500", 500}, {"0", std::nullopt}, {"-3", std::nullopt}, {"1e999", std::nullopt}};
  for (const auto& c : cases) EXPECT_EQ(LimitValue(c.Text), c.Value) << c.Text;
}

}  // namespace
}  // namespace kolvane
