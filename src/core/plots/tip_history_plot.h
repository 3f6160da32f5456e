#pragma once
// The drawing of the tip's history through a creep run: above, tip X (red)
// and tip Y (blue) against the date, with month or year ticks and a metre
// scale; below, the same path in plan view, from its first day (a ring) to
// its last (a dot).

#include <string>
#include <vector>

#include "core/engine/section_grid.h"
#include "core/plots/canvas.h"

namespace kolvane {

inline constexpr RgbColor kTipYBlue{0, 0, 255};

// Runs up to this many days get a tick on the first of every month, longer
// ones on the first of every year.
inline constexpr std::size_t kMonthTicksUpTo = 731;

// Clears the canvas and draws the history; an empty history leaves the
// picture blank.
void DrawTipHistory(Canvas& canvas, const std::vector<TipSample>& history);

// Scale ticks for values from `low` to `high`: multiples of 1, 2 or 5 times
// a power of ten, about five of them, covering the range.
std::vector<double> ScaleTicks(double low, double high);

}  // namespace kolvane
