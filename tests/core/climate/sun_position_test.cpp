#include "core/climate/sun_position.h"

#include <gtest/gtest.h>

namespace kolvane {

// The published reference case of the solar position algorithm (NREL).
TEST(Sun, MatchesTheSolarPositionAlgorithmsReferenceCase) {
  const SunSite golden{39.742476, -105.1786, -7, 1830.14};
  struct Case {
    SunAir Air;
    double Zenith;
  };
  for (const Case& c : {Case{{820, 11}, 50.11162}, Case{{0, 11}, 50.12795}}) {
    const SunPosition sun = SunPositionAt(golden, 2003, 10, 17, 12 + 30 / 60.0 + 30 / 3600.0, c.Air);
    ASSERT_TRUE(sun.Ok);
    EXPECT_NEAR(sun.Azimuth, 194.34024, 0.02);
    EXPECT_NEAR(90 - sun.Altitude, c.Zenith, 0.02) << "pressure " << c.Air.PressureHectopascal;
  }
}

}  // namespace kolvane
