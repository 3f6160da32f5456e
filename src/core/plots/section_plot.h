#pragma once
// The drawing of the column's cross-section as the engine divided it: rings
// and sector boundaries to a true scale, with one chosen result of the last
// run written onto it.

#include <array>
#include <optional>
#include <string>

#include "core/engine/section_grid.h"
#include "core/plots/canvas.h"

namespace kolvane {

// The results the section plot can show, in the order of its list; the
// position in this list is the `result` of DrawSection.
const std::array<const char*, 11>& SectionResultItems();

// Lines closer than this many pixels merge into a blot: the ring and sector
// boundaries of a grid that fine are left out (the faces stay), and so are
// the centroid dots of blocks less than twice as wide.
inline constexpr double kSmallestLineGap = 3;

// Whether a value's text, `textWidth` by `textHeight` pixels, fits inside a
// block `ringPixels` thick and `arcPixels` wide whose mid-line points at
// `angle` (radians from the X axis): the text's box, seen along the block's
// mid-line and across it, must fit both. A value that does not fit is shown
// as colour instead, and fine grids draw in a moment because of it.
bool ValueFitsBlock(double textWidth, double textHeight, double ringPixels, double arcPixels, double angle);

// The colour of a value that does not fit its block: blue at the smallest
// value of the result, red at the largest (the middle for a single value).
RgbColor ValueColor(double value, double smallest, double largest);

// The axes' positive directions, written bottom left in black.
std::array<std::string, 2> SectionDirectionLines();

// Clears the canvas and draws the section of `grid` with its axes, then the
// result of that list position in red (nothing more without one). The
// outer circle fills the picture's smaller side less a margin, the X axis
// points right and the Y axis down. Only what lies in the canvas's visible
// part is drawn; the title and the directions stand in that part. Arrays that
// the last run has not filled
// (or filled for other counts) leave their marks undrawn; a grid without an
// outer radius leaves the picture blank.
void DrawSection(Canvas& canvas, const SectionGrid& grid, std::optional<int> result);

}  // namespace kolvane
