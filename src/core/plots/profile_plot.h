#pragma once
// The drawing of the deflection profiles a creep run has stored: the column
// upright to a true scale, each profile a red line from the base to the tip
// whose sideways deflection is magnified by a chosen factor.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/engine/section_grid.h"
#include "core/plots/canvas.h"
#include "core/plots/scale_bar.h"

namespace kolvane {

// The two planes of view, in the order of the plot's list; the position in
// this list is the `plane` of DrawProfile.
const std::array<const char*, 2>& ProfilePlaneItems();

// The captions of the nine magnification options, top to bottom.
const std::array<const char*, 9>& MagnificationCaptions();

// The factor of option n (0 to 8, top to bottom), the N of its caption
// "Deflections x N": option 0 draws the deflection at the column's own scale,
// option 3 ("x 1000") a thousand times enlarged.
float MagnificationFactor(int option);

// The option (0 to 8) of the largest magnification that keeps every stored
// profile of `plane` inside the canvas's picture, with a tenth of each half to
// spare, and clear of the directions written top left, so that no profile
// crosses their text; 0 when nothing is stored or nothing moves.
int FittingProfileOption(const Canvas& canvas, const SectionGrid& grid, int plane);

// The colour of stored profile p of count (1-based): from blue for the first
// to red for the last, so that the order of the dates can be read off.
RgbColor ProfileColor(std::int64_t profile, std::int64_t count);

// The axes' positive directions as the plots state them. The Z deflection
// keeps the sign of the reports: a column that lengthens has a negative one.
std::array<std::string, 3> ProfileDirectionLines(const std::string& acrossAxis);

// Clears the canvas and draws the column, its centre line and the two axes in
// black. With a plane chosen, it adds the axis labels; every stored profile in
// that plane, magnified by `factor`, coloured from the first to the last (see
// ProfileColor); the last stored profile's tip deflection at the top in red;
// top left the axes' positive directions, and bottom left the dates of the
// first and last profile over the scale bar. Profiles not stored for the current
// number of slices are left out; a column without height leaves the picture
// blank.
void DrawProfile(Canvas& canvas, const SectionGrid& grid, std::optional<int> plane, float factor);

}  // namespace kolvane
