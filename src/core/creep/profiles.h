#pragma once
// The deflection profiles a creep run stores at chosen dates.

#include <string>

#include "core/engine/section_grid.h"

namespace kolvane {

// No stored profile.
void ClearProfiles(SectionGrid& grid);

// Appends a profile with the given date text and copies of the current
// deflections and tip values (the deflection stage has just run).
void StoreProfile(SectionGrid& grid, const std::string& dateText);

}  // namespace kolvane
