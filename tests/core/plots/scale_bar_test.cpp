#include "core/plots/scale_bar.h"

#include <gtest/gtest.h>

#include <optional>

namespace kolvane {

TEST(ScaleBar, IsTheLongestRoundLengthThatFits) {
  struct Case {
    double PixelsPerMetre, Factor;
    int Longest;
    double Metres;  // 0 for no bar
    int Pixels;
  };
  for (const Case& c :
       {Case{4, 1, 120, 20, 80}, Case{4, 1000, 120, 0.02, 80}, Case{2.9, 1000, 100, 0.02, 58}, Case{4, 1, 100, 20, 80},
        Case{4, 1, 79, 10, 40}, Case{4, 100000000, 120, 2E-07, 80}, Case{1, 1, 100, 100, 100},  // exactly the longest
        Case{4, 0, 120, 0, 0}, Case{4, 1, 0, 0, 0},
        Case{2.4E-306, 1, 120, 5E307, 120},  // the decade above is infinite: passed over
        Case{1E-310, 1, 120, 0, 0}}) {       // no length is finite: no bar
    const std::optional<ScaleBar> bar = ChooseScaleBar(c.PixelsPerMetre, c.Factor, c.Longest);
    ASSERT_EQ(bar.has_value(), c.Metres > 0) << c.Factor;
    if (!bar) continue;
    EXPECT_NEAR(bar->Metres, c.Metres, c.Metres * 1e-12) << c.Factor;
    EXPECT_EQ(bar->Pixels, c.Pixels) << c.Factor;
  }
  EXPECT_EQ(ScaleBarText(ScaleBar{0.02, 80}), ".02 m");
}

}  // namespace kolvane
