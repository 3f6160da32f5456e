#include "core/creep/creep_report.h"

#include <gtest/gtest.h>

namespace kolvane {

TEST(CreepClosingMessage, ElapsedTimeInWords) {
  const std::pair<std::int32_t, const char*> cases[] = {
      {0, ""},
      {1, " 1 second"},
      {59, " 59 seconds"},
      {61, " 1 minute 1 second"},
      {3600, " 1 hour"},
      {7320, " 2 hours 2 minutes"},
      {90061, " 25 hours 1 minute 1 second"},
  };
  for (const auto& [seconds, text] : cases) EXPECT_EQ(ElapsedText(seconds), text) << seconds;
  EXPECT_EQ(ClosingMessage(365, 7501),
            "Calculation is completed. 365 days were calculated.\r\nCalculation time :  2 hours 5 minutes 1 second");
}

}  // namespace kolvane
