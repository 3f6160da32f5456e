#pragma once
// The creep strain step: once per time step, after the temperature, free
// strain and curvature stages have run for the step's middle hour, every
// block of every slice creeps in proportion to its stress, to the temperature
// factor read from the Phi diagram (kind 7) and to the growth of the
// normalised creep function (kind 6) over the step.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/engine/section_grid.h"

namespace kolvane {

// The growth of the normalised creep function over the current step,
// Y(t2) - Y(t1). Readings beyond the diagram take its nearest end, so the
// function stays flat after its last point instead of falling back to 0.
double NormalisedCreepGrowth(const SectionGrid& grid);
// The same for the step around `hour` of day `dayNumber`.
double NormalisedCreepGrowth(const Diagram& creep, std::int32_t dayNumber, double hour, double timeStep);

// The factor of every block (ring fastest), read at its temperature; nearest
// end beyond the diagram.
void TemperatureFactors(const SectionGrid& grid, std::vector<double>& factors);

// The step is explicit: a block's self-equilibrated stress changes by the
// factor (1 - E' * Phi * dC) per step, E' = 1000 * E. The largest
// E' * Phi * dC of one step over `count` blocks' temperature factors: above
// kLargestTrustedRelaxation the step relaxes more than the whole stress and
// the results oscillate (beyond 2 they grow).
inline constexpr double kLargestTrustedRelaxation = 1.0;
double LargestStepRelaxation(double modulus, const double* factors, std::size_t count, double growth);

// One creep step over every block of every slice, slice by slice, as the
// rule is written: the plain evaluation, kept for checking the fast one.
void CreepStep(SectionGrid& grid);

}  // namespace kolvane
