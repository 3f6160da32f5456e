#pragma once
// How large the section plot's picture grows when zoomed, and where the view
// goes. The window holds only the part of the picture it shows, so no zoom is
// too large to hold.

#include <array>
#include <cstdint>

namespace kolvane {

// The section plot's zooms, in per cent of the view; "Fit" is 100.
inline constexpr std::array<int, 10> kSectionZooms = {100, 200, 300, 400, 600, 800, 1200, 1600, 2400, 3200};

struct PictureSize {
  std::int64_t Width = 0;
  std::int64_t Height = 0;
};

// A zoomed section picture: a square of the view's smaller side times the
// zoom (the section is a circle; more width would only add white), never
// smaller than `smallest`.
PictureSize ZoomedPictureSize(int viewWidth, int viewHeight, int zoomPercent, PictureSize smallest);

// The scroll position, in one direction, that keeps the section's point at
// `pointInView` where it is when a picture `oldLength` long becomes
// `newLength` long. The section stands at the picture's centre, scaled to its
// smaller side (`oldSide`, `newSide`), so a picture fitted to a view wider
// than high moves its points by the sides' ratio from the centre.
int ScrollKeepingPoint(int oldValue, int viewLength, std::int64_t oldLength, std::int64_t newLength, int pointInView,
                       std::int64_t oldSide, std::int64_t newSide);

}  // namespace kolvane
