#include <cmath>

#include "core/engine/stages.h"

namespace kolvane {

void CalculatePreliminaries(SectionGrid& grid) {
  // kN per slice, then MN.
  const double sliceWeight = grid.Height / grid.K * grid.ConcreteArea * grid.UnitLoad / 1000;
  Recreate(grid.AxialForce, static_cast<std::size_t>(grid.K));
  for (std::int32_t k = 1; k <= grid.K; ++k) grid.AxialForce[k - 1] = (grid.K - k) * sliceWeight + grid.F;

  grid.IxApprox = 0;
  for (std::int32_t i = 1; i <= grid.I; ++i)
    for (std::int32_t j = 1; j <= grid.J; ++j)
      grid.IxApprox += Square(grid.Centroid[grid.Block(i, j)].Y) * grid.BlockArea[i - 1];
  grid.IyApprox = 0;
  for (std::int32_t i = 1; i <= grid.I; ++i)
    for (std::int32_t j = 1; j <= grid.J; ++j)
      grid.IyApprox += Square(grid.Centroid[grid.Block(i, j)].X) * grid.BlockArea[i - 1];
}

}  // namespace kolvane
