#include "core/plots/picture_size.h"

#include <algorithm>
#include <cmath>

namespace kolvane {

PictureSize ZoomedPictureSize(int viewWidth, int viewHeight, int zoomPercent, PictureSize smallest) {
  const std::int64_t side = std::int64_t{std::max(0, std::min(viewWidth, viewHeight))} * zoomPercent / 100;
  return {std::max(side, smallest.Width), std::max(side, smallest.Height)};
}

int ScrollKeepingPoint(int oldValue, int viewLength, std::int64_t oldLength, std::int64_t newLength, int pointInView,
                       std::int64_t oldSide, std::int64_t newSide) {
  if (oldLength <= 0 || oldSide <= 0) return 0;
  const double point = static_cast<double>(oldValue) + pointInView;
  const double ratio = static_cast<double>(newSide) / static_cast<double>(oldSide);
  const double moved = static_cast<double>(newLength) / 2 + (point - static_cast<double>(oldLength) / 2) * ratio;
  const double value = std::nearbyint(moved - pointInView);
  const double highest = std::max<double>(0, static_cast<double>(newLength - viewLength));
  return static_cast<int>(std::clamp(value, 0.0, highest));
}

}  // namespace kolvane
