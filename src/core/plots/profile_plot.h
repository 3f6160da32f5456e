#pragma once
// The drawing of the deflection profiles a creep run has stored: the column
// upright to a true scale, each profile a red line from the base to the tip
// whose sideways deflection is magnified by a chosen factor.

#include <array>
#include <optional>

#include "core/engine/section_grid.h"
#include "core/plots/canvas.h"

namespace kolvane {

// The two planes of view, in the order of the plot's list; the position in
// this list is the `plane` of DrawProfile.
const std::array<const char*, 2>& ProfilePlaneItems();

// The captions of the nine magnification options, top to bottom.
const std::array<const char*, 9>& MagnificationCaptions();

// The factor of option n, 10 to the power n - 1: the option captioned
// "Deflections x 1" draws one tenth of the deflection, "Deflections x 10" the
// deflection itself at the column's scale.
float MagnificationFactor(int option);

// Clears the canvas and draws the column, its centre line and the two axes in
// black. With a plane chosen, it adds the axis labels and, in red, every
// stored profile in that plane, magnified by `factor`, and the last stored
// profile's tip deflection at the top. Profiles not stored for the current
// number of slices are left out; a column without height leaves the picture
// blank.
void DrawProfile(Canvas& canvas, const SectionGrid& grid, std::optional<int> plane, float factor);

}  // namespace kolvane
