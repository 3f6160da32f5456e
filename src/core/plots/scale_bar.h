#pragma once
// A plot's scale bar: a round length of what the plot magnifies (a profile's
// deflection, the tip's movement), drawn to the picture's scale at the chosen
// magnification, with end ticks and its length written above it.

#include <optional>
#include <string>

#include "core/plots/canvas.h"

namespace kolvane {

// `Metres` of the magnified quantity, drawn `Pixels` long.
struct ScaleBar {
  double Metres;
  int Pixels;
};

// The longest bar of 1, 2 or 5 times a power of ten metres whose drawn length,
// metres x pixelsPerMetre x factor rounded to whole pixels, is at most
// longestPixels; nothing when no such bar is at least a pixel long.
std::optional<ScaleBar> ChooseScaleBar(double pixelsPerMetre, double factor, int longestPixels);
std::string ScaleBarText(const ScaleBar& bar);  // ".02 m"

inline constexpr int kScaleBarTick = 3;  // the end ticks reach this far above and below the bar

// Draws the bar in black from (left, y) to the right, and `text` above it
// with its top at the returned row, so that more legend can stand above.
int DrawScaleBar(Canvas& canvas, int left, int y, const ScaleBar& bar, const std::string& text);

}  // namespace kolvane
