#include "core/plots/picture_size.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kolvane {

// A zoomed section is a square of the view's smaller side, at least the
// smallest picture, and the scroll keeps the section's point under the cursor.
TEST(PictureSize, ZoomSizeAndScroll) {
  struct Zoom {
    int Width, Height, Zoom;
    std::int64_t Side;
  };
  for (const Zoom& c : {Zoom{549, 493, 200, 986}, Zoom{493, 549, 3200, 15776}, Zoom{300, 200, 100, 200}}) {
    const PictureSize size = ZoomedPictureSize(c.Width, c.Height, c.Zoom, {420, 380});
    EXPECT_EQ(size.Width, std::max<std::int64_t>(c.Side, 420)) << c.Zoom;
    EXPECT_EQ(size.Height, std::max<std::int64_t>(c.Side, 380)) << c.Zoom;
  }
  // From 1000 to 2000 px, a 400 px view at 300: the point at 500 moves to 1000, the view to 800.
  struct Scroll {
    int Value, View, Before, After, Point, Expected;
    std::int64_t OldSide = 0, NewSide = 0;  // the pictures' smaller sides; 0: the lengths
  };
  for (const Scroll& c :
       {Scroll{300, 400, 1000, 2000, 200, 800}, Scroll{600, 400, 1000, 500, 200, 100},  // zoomed out: at most the end
        Scroll{0, 400, 1000, 500, 300, 0},                                              // and at least the start
        // Fitted to an 800 x 500 view, then a 2000 px square: the point 100 px right of
        // the centre moves to 400 px right of the new centre.
        Scroll{0, 800, 800, 2000, 500, 900, 500, 2000}}) {
    const std::int64_t oldSide = c.OldSide ? c.OldSide : c.Before, newSide = c.NewSide ? c.NewSide : c.After;
    EXPECT_EQ(ScrollKeepingPoint(c.Value, c.View, c.Before, c.After, c.Point, oldSide, newSide), c.Expected)
        << c.Value << " " << c.After;
  }
}

}  // namespace kolvane
