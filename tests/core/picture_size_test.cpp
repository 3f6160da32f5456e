#include "core/plots/picture_size.h"

#include <gtest/gtest.h>

#include <string>

#include "core/common/workspace.h"
#include "core/plots/picture_file.h"
#include "test_support.h"

namespace kolvane {
namespace {

TEST(PictureSize, AZoomedSectionIsASquareOfTheViewsSmallerSide) {
  const PictureSize smallest{420, 380};
  struct Case {
    int width, height, zoom;
    std::int64_t side;
  };
  for (const Case& c : {Case{549, 493, 200, 986}, Case{493, 549, 3200, 15776}, Case{300, 200, 100, 200}}) {
    const PictureSize size = ZoomedPictureSize(c.width, c.height, c.zoom, smallest);
    EXPECT_EQ(size.Width, std::max(c.side, smallest.Width)) << c.zoom;
    EXPECT_EQ(size.Height, std::max(c.side, smallest.Height)) << c.zoom;
  }
}

// The largest zoom must hold on a usual window; what cannot be held is
// refused by its size before any memory is asked for.
TEST(PictureSize, RefusesPicturesTooLargeToHold) {
  struct Case {
    PictureSize size;
    double ratio;
    bool refused;
  };
  const Case cases[] = {
      {{17184, 17184}, 1, false},                     // 3200 % of a 537 px view, as the window opens: 1.2 gigabytes
      {{16384, 32767}, 1, false},                     // the longest side, a row short of the byte limit
      {{16385, 32767}, 1, true},                      // a column more passes the byte limit
      {{17184, 17184}, 2, true},                      // the same on a high-density screen: four times the pixels
      {{32768, 100}, 1, true},                        // a side past the painting limit, however few bytes
      {{3'000'000'000LL, 3'000'000'000LL}, 1, true},  // absurd: no overflow lets it through
  };
  for (const Case& c : cases) {
    const std::optional<std::string> refusal = RefuseOversizedPicture(c.size, c.ratio, 3200);
    EXPECT_EQ(refusal.has_value(), c.refused) << c.size.Width << " x " << c.size.Height << " at " << c.ratio;
    if (refusal) {
      EXPECT_NE(refusal->find("3200 %"), std::string::npos) << *refusal;
    }
  }
}

// Zooming from 1000 to 2000 px with a 400 px view scrolled to 300: the point
// at the view's centre (500) moves to 1000, so the view scrolls to 800.
TEST(PictureSize, ScrollingKeepsThePointUnderTheViewInPlace) {
  struct Case {
    int value, view;
    std::int64_t before, after;
    int point, expected;
  };
  for (const Case& c : {Case{300, 400, 1000, 2000, 200, 800}, Case{0, 400, 1000, 2000, 0, 0},
                        Case{600, 400, 1000, 500, 200, 100},   // zoomed out: at most the end
                        Case{0, 400, 400, 4000, 100, 900},     // at the cursor, 100 px into the view
                        Case{900, 400, 2000, 400, 200, 0}}) {  // back to the view's size
    EXPECT_EQ(ScrollKeepingPoint(c.value, c.view, c.before, c.after, c.point), c.expected)
        << c.value << " " << c.before << " -> " << c.after;
  }
}

}  // namespace
}  // namespace kolvane
