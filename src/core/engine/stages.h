#pragma once
// The engine stages, in the order a run calls them. Each reads the state the
// stages before it left and re-creates the arrays it owns. No stage reports
// errors or stops part-way: inputs are validated before a run, and an
// arithmetic fault in one element leaves that element as the arithmetic made
// it. Every sum and product keeps the order written here, because reports
// print 15 significant digits.

#include <cstdint>
#include <functional>

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
// Told the slices done so far; false stops the stage there.
using SliceProgress = std::function<bool(std::int32_t slicesDone)>;

// VerifyEquations, asking `between` before each group of slices but the first.
// False when it was stopped: the warnings are then incomplete and the run that
// asked is abandoned.
bool VerifyEquations(SectionGrid& grid, const SliceProgress& between);

// Slopes and displacements up the height, and the tip values.
void CalculateDeflections(SectionGrid& grid);

}  // namespace kolvane
