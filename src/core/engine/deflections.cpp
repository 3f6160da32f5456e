#include "core/engine/stages.h"

namespace kolvane {

namespace {

// Rectangle-rule slopes from the curvatures, then trapezoidal-rule
// displacements from the slopes. A positive curvature bends the column
// towards the negative side.
void Bend(const std::vector<double>& curvature, std::int32_t slices, double h, std::vector<double>& slope,
          std::vector<double>& displacement) {
  Recreate(slope, static_cast<std::size_t>(slices) + 1);
  for (std::int32_t k = 1; k <= slices; ++k) slope[k] = h * curvature[k] + slope[k - 1];
  Recreate(displacement, static_cast<std::size_t>(slices) + 1);
  for (std::int32_t k = 1; k <= slices; ++k)
    displacement[k] = displacement[k - 1] - (slope[k - 1] + slope[k]) * 0.5 * h;
}

}  // namespace

void CalculateDeflections(SectionGrid& grid) {
  const double h = grid.Height / grid.K;

  Recreate(grid.DeflZ, static_cast<std::size_t>(grid.K) + 1);
  for (std::int32_t k = 1; k <= grid.K; ++k) grid.DeflZ[k] = grid.DeflZ[k - 1] - h * grid.Eo[k - 1];
  grid.TipZ = grid.DeflZ[grid.K];

  Bend(grid.Kx, grid.K, h, grid.SlopeX, grid.DeflY);
  grid.TipY = grid.DeflY[grid.K];
  Bend(grid.Ky, grid.K, h, grid.SlopeY, grid.DeflX);
  grid.TipX = grid.DeflX[grid.K];
}

}  // namespace kolvane
