#pragma once
// Placing by whole pixels, as every plot does: positions and text sizes are
// rounded to the nearest pixel (halves to even), and a text is centred by
// half its rounded size, the remainder dropped.

#include <algorithm>
#include <cmath>
#include <string>

#include "core/plots/canvas.h"

namespace kolvane {

inline int NearestPixel(double value) { return static_cast<int>(std::nearbyint(value)); }

inline int HalfTextWidth(const Canvas& canvas, const std::string& text) {
  return NearestPixel(canvas.TextWidth(text)) / 2;
}

inline int HalfTextHeight(const Canvas& canvas, const std::string& text) {
  return NearestPixel(canvas.TextHeight(text)) / 2;
}

// A plot's title, centred across the picture with its top at `top`; a title
// wider than the picture starts at its left edge, so that its beginning
// stays readable.
inline void DrawCentredTitle(Canvas& canvas, int top, const std::string& title) {
  canvas.Text(std::max(0, canvas.Width() / 2 - HalfTextWidth(canvas, title)), top, title);
}

}  // namespace kolvane
