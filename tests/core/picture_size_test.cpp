#include "core/plots/picture_size.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace kolvane {
namespace {

// A zoomed section is a square of the view's smaller side, at least the
// smallest picture; what cannot be held is refused by its size before any
// memory is asked for, and the scroll keeps the point at the view's centre.
TEST(PictureSize, ZoomSizeRefusalAndScroll) {
  struct Zoom {
    int width, height, zoom;
    std::int64_t side;
  };
  for (const Zoom& c : {Zoom{549, 493, 200, 986}, Zoom{493, 549, 3200, 15776}, Zoom{300, 200, 100, 200}}) {
    const PictureSize size = ZoomedPictureSize(c.width, c.height, c.zoom, {420, 380});
    EXPECT_EQ(size.Width, std::max<std::int64_t>(c.side, 420)) << c.zoom;
    EXPECT_EQ(size.Height, std::max<std::int64_t>(c.side, 380)) << c.zoom;
  }
  struct Refusal {
    PictureSize size;
    double ratio;
    bool refused;
  };
  for (const Refusal& c : {Refusal{{17184, 17184}, 1, false},  // 3200 % of a 537 px view: 1.2 gigabytes
                           Refusal{{16384, 32767}, 1, false},  // the longest side, a row short of the byte limit
                           Refusal{{16385, 32767}, 1, true},   // a column more passes the byte limit
                           Refusal{{17184, 17184}, 2, true},   // a high-density screen: four times the pixels
                           Refusal{{32768, 100}, 1, true},     // a side past the painting limit
                           Refusal{{3'000'000'000LL, 3'000'000'000LL}, 1, true}}) {  // no overflow lets it through
    const std::optional<std::string> refusal = RefuseOversizedPicture(c.size, c.ratio, 3200);
    EXPECT_EQ(refusal.has_value(), c.refused) << c.size.Width << " x " << c.size.Height << " at " << c.ratio;
    if (refusal) EXPECT_NE(refusal->find("3200 %"), std::string::npos) << *refusal;
  }
  // From 1000 to 2000 px, a 400 px view at 300: the point at 500 moves to 1000, the view to 800.
  struct Scroll {
    int value, view, before, after, point, expected;
  };
  for (const Scroll& c : {Scroll{300, 400, 1000, 2000, 200, 800}, Scroll{0, 400, 1000, 2000, 0, 0},
                          Scroll{600, 400, 1000, 500, 200, 100},   // zoomed out: at most the end
                          Scroll{0, 400, 400, 4000, 100, 900},     // at the cursor, 100 px into the view
                          Scroll{900, 400, 2000, 400, 200, 0}}) {  // back to the view's size
    EXPECT_EQ(ScrollKeepingPoint(c.value, c.view, c.before, c.after, c.point), c.expected) << c.value << " " << c.after;
  }
}

}  // namespace
}  // namespace kolvane
