#pragma once
// The arrowhead at the tip of a plot's axis, the same in every plot: two
// strokes of kArrowSize pixels back from the tip at 45 degrees either side.

#include "core/plots/canvas.h"

namespace kolvane {

inline constexpr int kArrowSize = 6;

// Which way the axis points, on the picture (rows grow downwards).
enum class ArrowDirection { Right, Up, Down };

inline void DrawArrowhead(Canvas& canvas, double tipX, double tipY, ArrowDirection direction) {
  switch (direction) {
    case ArrowDirection::Right:
      canvas.Line(tipX, tipY, tipX - kArrowSize, tipY + kArrowSize);
      canvas.Line(tipX, tipY, tipX - kArrowSize, tipY - kArrowSize);
      break;
    case ArrowDirection::Up:
      canvas.Line(tipX, tipY, tipX - kArrowSize, tipY + kArrowSize);
      canvas.Line(tipX, tipY, tipX + kArrowSize, tipY + kArrowSize);
      break;
    case ArrowDirection::Down:
      canvas.Line(tipX, tipY, tipX - kArrowSize, tipY - kArrowSize);
      canvas.Line(tipX, tipY, tipX + kArrowSize, tipY - kArrowSize);
      break;
  }
}

}  // namespace kolvane
