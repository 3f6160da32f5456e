#include "core/engine/stages.h"

namespace kolvane {

void CalculateDeflections(SectionGrid& grid) {
  const auto points = static_cast<std::size_t>(grid.K) + 1;
  const double h = grid.Height / grid.K;

  Recreate(grid.DeflZ, points);
  for (std::int32_t k = 1; k <= grid.K; ++k) grid.DeflZ[k] = grid.DeflZ[k - 1] - h * grid.Eo[k - 1];
  grid.TipZ = grid.DeflZ[grid.K];

  Recreate(grid.SlopeX, points);
  for (std::int32_t k = 1; k <= grid.K; ++k) grid.SlopeX[k] = h * grid.Kx[k] + grid.SlopeX[k - 1];
  Recreate(grid.DeflY, points);
  for (std::int32_t k = 1; k <= grid.K; ++k)
    grid.DeflY[k] = grid.DeflY[k - 1] - (grid.SlopeX[k - 1] + grid.SlopeX[k]) * 0.5 * h;
  grid.TipY = grid.DeflY[grid.K];

  Recreate(grid.SlopeY, points);
  for (std::int32_t k = 1; k <= grid.K; ++k) grid.SlopeY[k] = h * grid.Ky[k] + grid.SlopeY[k - 1];
  Recreate(grid.DeflX, points);
  for (std::int32_t k = 1; k <= grid.K; ++k)
    grid.DeflX[k] = grid.DeflX[k - 1] - (grid.SlopeY[k - 1] + grid.SlopeY[k]) * 0.5 * h;
  grid.TipX = grid.DeflX[grid.K];
}

}  // namespace kolvane
