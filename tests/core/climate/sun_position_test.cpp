#include "core/climate/sun_position.h"

#include <gtest/gtest.h>

namespace kolvane {

// The published reference case of the solar position algorithm (NREL).
TEST(Sun, MatchesTheSolarPositionAlgorithmsReferenceCase) {
  const SunSite golden{39.742476, -105.1786, -7, 1830.14};
  struct Case {
    SunAir air;
    double zenith;
  };
  for (const Case& c : {Case{{820, 11}, 50.11162}, Case{{0, 11}, 50.12795}}) {
    const SunPosition sun = SunPositionAt(golden, 2003, 10, 17, 12 + 30 / 60.0 + 30 / 3600.0, c.air);
    ASSERT_TRUE(sun.ok);
    EXPECT_NEAR(sun.Azimuth, 194.34024, 0.02);
    EXPECT_NEAR(90 - sun.Altitude, c.zenith, 0.02) << "pressure " << c.air.PressureHectopascal;
  }
}

}  // namespace kolvane
