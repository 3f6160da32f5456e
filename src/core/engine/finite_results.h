#pragma once
// Whether a finished run's results are all finite numbers. A wall so thin or a
// thermal coefficient so large that the sums overflow still gives a report,
// but one the user must be told not to trust.

#include "core/engine/section_grid.h"

namespace kolvane {

inline constexpr const char* kNonFiniteResultsMessage =
    "The results include numbers that are not finite (NaN or Infinity): check the main data.";

// The thermo-elastic results the report and the section plot read: geometry,
// section properties, temperatures, strains, curvatures and deflections.
bool ThermoElasticResultsAreFinite(const SectionGrid& grid);

// The stored deflection profiles of a creep run : the
// deflections along the column and the tip values the report prints.
bool CreepProfilesAreFinite(const SectionGrid& grid);

}  // namespace kolvane
