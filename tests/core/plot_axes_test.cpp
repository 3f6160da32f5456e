#include "core/plots/plot_axes.h"

#include <gtest/gtest.h>

#include <cmath>

#include "recording_canvas.h"

namespace kolvane {
namespace {

using testing::DrawnLine;
using testing::RecordingCanvas;

// Both strokes leave the tip, end kArrowSize pixels back against the axis's
// direction, and stand one on each side of the axis.
TEST(ArrowheadTest, PointsAlongItsAxisWithOneStrokeOnEachSide) {
  struct Case {
    ArrowDirection direction;
    int alongX, alongY;  // the unit step in the axis's direction
  };
  const Case cases[] = {
      {ArrowDirection::Right, 1, 0},
      {ArrowDirection::Up, 0, -1},
      {ArrowDirection::Down, 0, 1},
  };
  constexpr double kTipX = 40, kTipY = 30;
  for (const Case& c : cases) {
    RecordingCanvas canvas(100, 100);
    DrawArrowhead(canvas, kTipX, kTipY, c.direction);
    ASSERT_EQ(canvas.Lines.size(), 2u);
    double sides = 0;
    for (const DrawnLine& stroke : canvas.Lines) {
      EXPECT_EQ(stroke.X1, kTipX);
      EXPECT_EQ(stroke.Y1, kTipY);
      const double back = (stroke.X2 - kTipX) * c.alongX + (stroke.Y2 - kTipY) * c.alongY;
      const double side = (stroke.X2 - kTipX) * c.alongY - (stroke.Y2 - kTipY) * c.alongX;
      EXPECT_EQ(back, -kArrowSize) << static_cast<int>(c.direction);
      EXPECT_EQ(std::abs(side), kArrowSize) << static_cast<int>(c.direction);
      sides += side;
    }
    EXPECT_EQ(sides, 0) << "both strokes on one side, direction " << static_cast<int>(c.direction);
  }
}

}  // namespace
}  // namespace kolvane
