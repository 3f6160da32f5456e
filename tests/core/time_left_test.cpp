#include "core/creep/time_left.h"

#include <gtest/gtest.h>

namespace kolvane {
namespace {

TEST(TimeLeft, TheDaysDoneSetThePaceOfTheRest) {
  struct Case {
    double elapsed;
    std::int64_t done, total;
    const char* text;
  } const cases[] = {
      {0, 0, 365, ""},  // no day done: no pace yet
      {10, 0, 365, ""},
      {0, 5, 365, ""},                         // no time measured yet
      {1, 10, 10, "Less than a second left"},  // nothing left
      {1, 10, 19, "Less than a second left"},  // 0.9 s
      {1, 10, 20, "About 1 s left"},
      {1.01, 10, 20, "About 2 s left"},  // rounded up, never "0 s"
      {30, 1, 3, "About 1 min 00 s left"},
      {2, 1, 63, "About 2 min 04 s left"},
      {10, 1, 360, "About 59 min 50 s left"},
      {10, 1, 361, "About 1 h 00 min left"},
      {3.5, 10, 36525, "About 3 h 33 min left"},  // 36515 days at 0.35 s: 12780.25 s
      {1, 20, 10, ""},                            // more done than there are: no estimate
  };
  for (const Case& c : cases)
    EXPECT_EQ(TimeLeftText(c.elapsed, c.done, c.total), c.text) << c.elapsed << " s, " << c.done << "/" << c.total;
}

}  // namespace
}  // namespace kolvane
