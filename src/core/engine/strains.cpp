#include "core/engine/stages.h"

namespace kolvane {

void CalculateFreeStrains(SectionGrid& grid) {
  Recreate(grid.FreeStrain, grid.BlockCount());
  for (std::size_t b = 0; b < grid.FreeStrain.size(); ++b)
    grid.FreeStrain[b] = (grid.BlockTemp[b] - grid.RefTemp) * grid.AThermal;
}

void ResetCreepStrains(SectionGrid& grid) {
  Recreate(grid.CreepStrain, grid.CreepStoreSize());
  grid.CreepStrainStored = true;
}

void ResetCreepStrainsWithoutStore(SectionGrid& grid) {
  std::vector<double>().swap(grid.CreepStrain);
  grid.CreepStrainStored = false;
}

}  // namespace kolvane
