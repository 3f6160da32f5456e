#pragma once
// How large a plot's picture may grow when zoomed, worked out before anything
// is allocated: a picture too large to hold is refused with a message rather
// than brought down by a failed allocation.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace kolvane {

// The largest picture held: 4 bytes a pixel, device pixels included. Two
// gigabytes let 3200 % of a usual window's view be drawn whole.
inline constexpr std::int64_t kMaxPictureBytes = std::int64_t{1} << 31;
// The painting limit of a picture's side, in device pixels.
inline constexpr std::int64_t kMaxPictureSide = 32767;

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

// Nothing when a picture of `size` logical pixels at `devicePixelRatio` can be
// held; else the message that refuses it.
std::optional<std::string> RefuseOversizedPicture(PictureSize size, double devicePixelRatio, int zoomPercent);

// The scroll position that keeps the point at the view's centre in place when
// a picture `oldLength` long becomes `newLength` long (one direction).
int ScrollKeepingPoint(int oldValue, int viewLength, std::int64_t oldLength, std::int64_t newLength, int pointInView);

}  // namespace kolvane
