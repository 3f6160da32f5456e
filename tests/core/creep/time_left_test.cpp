#include "core/creep/time_left.h"

#include <gtest/gtest.h>

namespace kolvane {

TEST(TimeLeft, TheDaysDoneSetThePaceOfTheRest) {
  struct Case {
    double Elapsed;
    std::int64_t Done, Total;
    const char* Text;
  };
  // clang-format off
  for (const Case& c : {Case{10, 0, 365, ""}, Case{0, 5, 365, ""}, Case{1, 20, 10, ""},
      Case{1, 10, 19, "Less than a second left"}, Case{1, 10, 20, "About 1 s left"},
      Case{1.01, 10, 20, "About 2 s left"}, Case{30, 1, 3, "About 1 min 00 s left"},
      Case{2, 1, 63, "About 2 min 04 s left"}, Case{10, 1, 360, "About 59 min 50 s left"},
      Case{10, 1, 361, "About 1 h 00 min left"}, Case{3.5, 10, 36525, "About 3 h 33 min left"}})
    // clang-format on
    EXPECT_EQ(TimeLeftText(c.Elapsed, c.Done, c.Total), c.Text) << c.Elapsed << " s, " << c.Done << "/" << c.Total;
}

}  // namespace kolvane
