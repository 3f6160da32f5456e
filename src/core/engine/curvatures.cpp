#include "core/engine/stages.h"

namespace kolvane {

namespace {

struct SliceSums {
  double S = 0;   // sum of u * BlockArea
  double Sy = 0;  // sum of u * Y * BlockArea
  double Sx = 0;  // sum of u * X * BlockArea
};

// The three sums of slice k over the blocks, ring outer, sector inner. u is
// the unrestrained strain FreeStrain - CreepStrain.
SliceSums SumsOfSlice(const SectionGrid& grid, std::int32_t k) {
  SliceSums sums;
  for (std::int32_t i = 1; i <= grid.I; ++i) {
    const double area = grid.BlockArea[i - 1];
    for (std::int32_t j = 1; j <= grid.J; ++j) {
      const std::size_t b = grid.Block(i, j);
      const double u = grid.FreeStrain[b] - grid.CreepAt(i, j, k);
      sums.S = sums.S + u * area;
      sums.Sy = sums.Sy + u * grid.Centroid[b].Y * area;
      sums.Sx = sums.Sx + u * grid.Centroid[b].X * area;
    }
  }
  return sums;
}

void SetSlice(SectionGrid& grid, std::int32_t k, const SliceSums& sums) {
  grid.Eo[k - 1] = (sums.S - grid.AxialForce[k - 1] / (1000 * grid.E)) / grid.ConcreteArea;
  grid.Kx[k] = sums.Sy / grid.IxApprox;
  grid.Ky[k] = sums.Sx / grid.IyApprox;
}

}  // namespace

void CalculateCurvatures(SectionGrid& grid) {
  const auto slices = static_cast<std::size_t>(grid.K);
  Recreate(grid.Eo, slices);
  Recreate(grid.Kx, slices + 1);
  Recreate(grid.Ky, slices + 1);
  if (grid.K < 1) return;
  if (!grid.CreepStrainStored) {
    // Without creep every slice has the same unrestrained strains, so the
    // sums, formed exactly as for any slice, are formed once.
    const SliceSums sums = SumsOfSlice(grid, 1);
    for (std::int32_t k = 1; k <= grid.K; ++k) SetSlice(grid, k, sums);
    return;
  }
  for (std::int32_t k = 1; k <= grid.K; ++k) SetSlice(grid, k, SumsOfSlice(grid, k));
}

}  // namespace kolvane
