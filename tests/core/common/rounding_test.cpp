#include "core/common/rounding.h"

#include <gtest/gtest.h>

namespace kolvane {

TEST(Rounding, HalvesAwayFromZeroAtEveryDigitCount) {
  struct Round {
    double Value;
    int Digits;
    double Expected;
  };
  for (const Round& c :
       {Round{2.5, 0, 3}, Round{-2.5, 0, -3}, Round{2.4999, 0, 2}, Round{0, 3, 0}, Round{1.23449, 3, 1.234},
        Round{0.125, 2, 0.13}, Round{-1.2346, 3, -1.235}, Round{179.9996, 3, 180}, Round{-0.0005, 3, -0.001}})
    EXPECT_EQ(RoundedValue(c.Value, c.Digits), c.Expected) << c.Value << " " << c.Digits;
}

}  // namespace kolvane
