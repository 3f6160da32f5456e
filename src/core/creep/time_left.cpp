#include "core/creep/time_left.h"

#include <cmath>
#include <cstdio>

namespace kolvane {

std::string TimeLeftText(double elapsedSeconds, std::int64_t daysDone, std::int64_t dayCount) {
  if (daysDone <= 0 || !(elapsedSeconds > 0) || dayCount < daysDone) return {};
  const double left = elapsedSeconds / static_cast<double>(daysDone) * static_cast<double>(dayCount - daysDone);
  if (left < 1) return "Less than a second left";
  // Whole seconds, rounded up: "0 s left" must not show while work remains.
  const auto seconds = static_cast<long long>(std::ceil(left));
  char text[64];
  if (seconds < 60)
    std::snprintf(text, sizeof text, "About %lld s left", seconds);
  else if (seconds < 3600)
    std::snprintf(text, sizeof text, "About %lld min %02lld s left", seconds / 60, seconds % 60);
  else
    std::snprintf(text, sizeof text, "About %lld h %02lld min left", seconds / 3600, seconds % 3600 / 60);
  return text;
}

}  // namespace kolvane
