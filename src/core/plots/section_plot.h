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

// The axes' positive directions, written bottom left in black.
std::array<std::string, 2> SectionDirectionLines();

// Clears the canvas and draws the section of `grid` with its axes, then the
// result of that list position in red (nothing more without one). The
// outer circle fills the picture's smaller side less a margin, the X axis
// points right and the Y axis down. Arrays that the last run has not filled
// (or filled for other counts) leave their marks undrawn; a grid without an
// outer radius leaves the picture blank.
void DrawSection(Canvas& canvas, const SectionGrid& grid, std::optional<int> result);

}  // namespace kolvane
