#include "core/plots/plot_axes.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/support/recording_canvas.h"

namespace kolvane {

// Both strokes leave the tip, end kArrowSize pixels back against the axis's
// direction, and stand one on each side of the axis.
TEST(Arrowhead, PointsAlongItsAxisWithOneStrokeOnEachSide) {
  struct Case {
    ArrowDirection Direction;
    int AlongX, AlongY;  // the unit step in the axis's direction, rows downwards
  };
  for (const Case& c :
       {Case{ArrowDirection::Right, 1, 0}, Case{ArrowDirection::Up, 0, -1}, Case{ArrowDirection::Down, 0, 1}}) {
    testing::RecordingCanvas canvas(100, 100);
    DrawArrowhead(canvas, 40, 30, c.Direction);
    ASSERT_EQ(canvas.Lines.size(), 2u);
    double sides = 0;
    for (const testing::DrawnLine& stroke : canvas.Lines) {
      EXPECT_TRUE(stroke.X1 == 40 && stroke.Y1 == 30);
      const double back = (stroke.X2 - 40) * c.AlongX + (stroke.Y2 - 30) * c.AlongY;
      const double side = (stroke.X2 - 40) * c.AlongY - (stroke.Y2 - 30) * c.AlongX;
      EXPECT_EQ(back, -kArrowSize) << static_cast<int>(c.Direction);
      EXPECT_EQ(std::abs(side), kArrowSize) << static_cast<int>(c.Direction);
      sides += side;
    }
    EXPECT_EQ(sides, 0) << "both strokes on one side, direction " << static_cast<int>(c.Direction);
  }
}

}  // namespace kolvane
