#pragma once
// The engine stages, in the order a run calls them. Each reads the state the
// stages before it left and re-creates the arrays it owns. No stage reports
// errors: inputs are validated before a run, and an arithmetic fault in one
// element leaves that element as the arithmetic made it. Only the equilibrium
// check, the longest, may be stopped part-way (between groups of slices). Every sum and product keeps the order written
// here, because reports print 15 significant digits.

#include <cstdint>

#include "core/common/work_feedback.h"
#include "core/engine/section_grid.h"

namespace kolvane {

// Sector angles, block areas, block reference points, ConcreteArea, IExact.
void CalculateGeometry(SectionGrid& grid);

// AxialForce of every slice, IxApprox and IyApprox.
void CalculatePreliminaries(SectionGrid& grid);

// Sun position, ambient and surface temperature at grid.Hour, the angle of
// every sector to the sun, the face variations and every block temperature,
// from the loaded diagrams of kinds 1 to 5.
void CalculateTemperatures(SectionGrid& grid);

// FreeStrain = (BlockTemp - RefTemp) * AThermal for every block.
void CalculateFreeStrains(SectionGrid& grid);

// A creep strain store of I*J*K zeros, for runs that accumulate creep.
void ResetCreepStrains(SectionGrid& grid);
// Creep strains that are all zero and stay so (the thermo-elastic run): the
// store is released instead of filled with zeros.
void ResetCreepStrainsWithoutStore(SectionGrid& grid);

// Eo, Kx and Ky of every slice.
void CalculateCurvatures(SectionGrid& grid);

// The force and the two moment equations of every slice; one warning line per
// equation that misses by more than 1E-06.
void VerifyEquations(SectionGrid& grid);

// The slices of a long stage are taken a group at a time, so that a run on a
// fine grid can show its progress and be stopped between groups.
inline constexpr std::int32_t kSlicesPerProgressStep = 256;
// The groups of slices VerifyEquations takes for `sliceCount` slices, at least one.
std::int64_t EquationCheckGroups(std::int32_t sliceCount);

// VerifyEquations, asking `feedback` whether to stop before each group and
// telling it the groups done of EquationCheckGroups(grid.K). False when it was
// stopped: the warnings are then incomplete and the run that asked is
// abandoned.
bool VerifyEquations(SectionGrid& grid, WorkFeedback& feedback);

// Slopes and displacements up the height, and the tip values.
void CalculateDeflections(SectionGrid& grid);

}  // namespace kolvane
