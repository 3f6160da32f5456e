#include "core/creep/creep_step.h"

#include <algorithm>

#include "core/creep/time_steps.h"

namespace kolvane {

double NormalisedCreepGrowth(const SectionGrid& grid) {
  return NormalisedCreepGrowth(grid.LoadedDiagram(kNormalisedCreep), grid.DayNumber, grid.Hour, grid.TimeStep);
}

double NormalisedCreepGrowth(const Diagram& creep, std::int32_t dayNumber, double hour, double timeStep) {
  const StepYears years = YearsOfStep(dayNumber, hour, timeStep);
  return DiagramValueNearestEnd(creep, years.End) - DiagramValueNearestEnd(creep, years.Start);
}

double LargestStepRelaxation(double modulus, const double* factors, std::size_t count, double growth) {
  double largest = 0;
  for (std::size_t n = 0; n < count; ++n) largest = std::max(largest, modulus * factors[n] * growth);
  return largest;
}

void TemperatureFactors(const SectionGrid& grid, std::vector<double>& factors) {
  factors.resize(grid.BlockCount());
  const Diagram& phi = grid.LoadedDiagram(kNormalisedTemperature);
  for (std::size_t b = 0; b < factors.size(); ++b) factors[b] = DiagramValueNearestEnd(phi, grid.BlockTemp[b]);
}

void CreepStep(SectionGrid& grid) {
  const double growth = NormalisedCreepGrowth(grid);
  std::vector<double> phi;
  TemperatureFactors(grid, phi);
  for (std::int32_t k = 1; k <= grid.K; ++k) {
    for (std::int32_t i = 1; i <= grid.I; ++i) {
      for (std::int32_t j = 1; j <= grid.J; ++j) {
        const std::size_t b = grid.Block(i, j);
        double& creep = grid.CreepStrain[grid.CreepIndex(i, j, k)];
        const BlockPoint& at = grid.Centroid[b];
        const double s =
            1000 * grid.E * ((((grid.FreeStrain[b] - creep) - grid.Eo[k - 1]) - grid.Ky[k] * at.X) - grid.Kx[k] * at.Y);
        creep = s * phi[b] * growth + creep;
      }
    }
  }
}

}  // namespace kolvane
