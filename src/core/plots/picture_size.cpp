#include "core/plots/picture_size.h"

#include <algorithm>
#include <cmath>

#include "core/common/number_text.h"

namespace kolvane {

PictureSize ZoomedPictureSize(int viewWidth, int viewHeight, int zoomPercent, PictureSize smallest) {
  const std::int64_t side = std::int64_t{std::max(0, std::min(viewWidth, viewHeight))} * zoomPercent / 100;
  return {std::max(side, smallest.Width), std::max(side, smallest.Height)};
}

std::optional<std::string> RefuseOversizedPicture(PictureSize size, double devicePixelRatio, int zoomPercent) {
  const double ratio = devicePixelRatio > 1 ? devicePixelRatio : 1;
  // In double precision: the product of two sides may pass the 64-bit range
  // only for absurd sizes, and then it must still be refused.
  const double width = std::ceil(static_cast<double>(size.Width) * ratio);
  const double height = std::ceil(static_cast<double>(size.Height) * ratio);
  const double bytes = width * height * 4;
  if (width <= static_cast<double>(kMaxPictureSide) && height <= static_cast<double>(kMaxPictureSide) &&
      bytes <= static_cast<double>(kMaxPictureBytes))
    return std::nullopt;
  return "A picture of " + NumberText(static_cast<std::int32_t>(std::min(width, 2e9))) + " x " +
         NumberText(static_cast<std::int32_t>(std::min(height, 2e9))) + " pixels at " +
         NumberText(std::int32_t{zoomPercent}) + " % is too large to hold. Choose a smaller zoom.";
}

int ScrollKeepingPoint(int oldValue, int viewLength, std::int64_t oldLength, std::int64_t newLength, int pointInView) {
  if (oldLength <= 0) return 0;
  const double point = static_cast<double>(oldValue) + pointInView;
  const double moved = point * static_cast<double>(newLength) / static_cast<double>(oldLength);
  const double value = std::nearbyint(moved - pointInView);
  const double highest = std::max<double>(0, static_cast<double>(newLength - viewLength));
  return static_cast<int>(std::clamp(value, 0.0, highest));
}

}  // namespace kolvane
