#include <algorithm>
#include <cmath>
#include <vector>

#include "core/common/number_text.h"
#include "core/engine/slice_parallel.h"
#include "core/engine/stages.h"

namespace kolvane {

namespace {

constexpr double kTolerance = 1E-06;

// The three sums of a slice before the factor E * 1000: r * A, r * A * Y and
// r * A * X over the blocks, ring outer, sector inner.
struct EquationSums {
  double Force = 0;
  double MomentX = 0;
  double MomentY = 0;
};

// The strain that produces stress: the unrestrained strain less the plane
// strain of the section, subtracted term by term.
inline double StressStrain(double free, double creep, double eo, double kx, double ky, const BlockPoint& at) {
  return (((free - creep) - eo) - ky * at.X) - kx * at.Y;
}

EquationSums SumsOfSlice(const SectionGrid& grid, std::int32_t k) {
  EquationSums sums;
  const double eo = grid.Eo[k - 1], kx = grid.Kx[k], ky = grid.Ky[k];
  for (std::int32_t i = 1; i <= grid.I; ++i) {
    const double area = grid.BlockArea[i - 1];
    for (std::int32_t j = 1; j <= grid.J; ++j) {
      const std::size_t b = grid.Block(i, j);
      const BlockPoint& at = grid.Centroid[b];
      const double r = StressStrain(grid.FreeStrain[b], grid.CreepAt(i, j, k), eo, kx, ky, at);
      const double ra = r * area;
      sums.Force = sums.Force + ra;
      sums.MomentX = sums.MomentX + ra * at.Y;
      sums.MomentY = sums.MomentY + ra * at.X;
    }
  }
  return sums;
}

// Without a creep store the blocks differ between slices only by Eo, Kx and
// Ky, so a tile of slices is summed in one sweep over the blocks, laid out in
// summing order. Every slice's sums still run over the blocks in order and
// every lane does the same arithmetic, so the results equal SumsOfSlice's.
struct PackedBlock {
  double Free;
  double Area;
  BlockPoint At;
};

std::vector<PackedBlock> PackInSummingOrder(const SectionGrid& grid) {
  std::vector<PackedBlock> blocks;
  blocks.reserve(grid.BlockCount());
  for (std::int32_t i = 1; i <= grid.I; ++i)
    for (std::int32_t j = 1; j <= grid.J; ++j) {
      const std::size_t b = grid.Block(i, j);
      blocks.push_back({grid.FreeStrain[b], grid.BlockArea[i - 1], grid.Centroid[b]});
    }
  return blocks;
}

template <int Tile>
void SumTile(const SectionGrid& grid, const std::vector<PackedBlock>& blocks, std::int32_t first, EquationSums* out) {
  double eo[Tile], kx[Tile], ky[Tile], force[Tile], momentX[Tile], momentY[Tile];
  for (int t = 0; t < Tile; ++t) {
    eo[t] = grid.Eo[first + t - 1];
    kx[t] = grid.Kx[first + t];
    ky[t] = grid.Ky[first + t];
    force[t] = momentX[t] = momentY[t] = 0;
  }
  for (const PackedBlock& block : blocks) {
    for (int t = 0; t < Tile; ++t) {
      const double r = StressStrain(block.Free, 0.0, eo[t], kx[t], ky[t], block.At);
      const double ra = r * block.Area;
      force[t] = force[t] + ra;
      momentX[t] = momentX[t] + ra * block.At.Y;
      momentY[t] = momentY[t] + ra * block.At.X;
    }
  }
  for (int t = 0; t < Tile; ++t) out[t] = {force[t], momentX[t], momentY[t]};
}

// The sums of slices from..to (1-based) into sums[from - 1 .. to - 1].
void SumSlices(const SectionGrid& grid, const std::vector<PackedBlock>& blocks, std::int32_t from, std::int32_t to,
               std::vector<EquationSums>& sums) {
  const std::int32_t before = from - 1;
  if (grid.CreepStrainStored) {
    ForSliceRanges(to - before, 0, [&](std::int32_t first, std::int32_t last) {
      for (std::int32_t k = before + first; k <= before + last; ++k) sums[k - 1] = SumsOfSlice(grid, k);
    });
    return;
  }
  constexpr int kTile = 8;
  ForSliceRanges(to - before, 0, [&](std::int32_t first, std::int32_t last) {
    std::int32_t k = before + first;
    for (; k + kTile - 1 <= before + last; k += kTile) SumTile<kTile>(grid, blocks, k, &sums[k - 1]);
    for (; k <= before + last; ++k) SumTile<1>(grid, blocks, k, &sums[k - 1]);
  });
}

// Every slice's sums, a group of slices at a time; before each group
// `feedback` may stop the sums part-way (false).
bool SumsOfEverySlice(const SectionGrid& grid, WorkFeedback& feedback, std::vector<EquationSums>& sums) {
  sums.assign(static_cast<std::size_t>(grid.K), EquationSums{});
  const std::vector<PackedBlock> blocks =
      grid.CreepStrainStored ? std::vector<PackedBlock>{} : PackInSummingOrder(grid);
  const std::int64_t groups = EquationCheckGroups(grid.K);
  for (std::int64_t group = 0; group < groups; ++group) {
    if (feedback.Cancelled()) return false;
    feedback.Progress(group, groups);
    const auto from = static_cast<std::int32_t>(1 + group * kSlicesPerProgressStep);
    SumSlices(grid, blocks, from, std::min(grid.K, from + kSlicesPerProgressStep - 1), sums);
  }
  return true;
}

std::string SliceText(std::int32_t k) { return NumberText(k, false); }

}  // namespace

std::int64_t EquationCheckGroups(std::int32_t sliceCount) {
  return std::max<std::int64_t>(1, (std::int64_t{sliceCount} + kSlicesPerProgressStep - 1) / kSlicesPerProgressStep);
}

void VerifyEquations(SectionGrid& grid) { VerifyEquations(grid, NoFeedback()); }

bool VerifyEquations(SectionGrid& grid, WorkFeedback& feedback) {
  grid.EquationErrors.clear();
  auto append = [&grid](std::string line) { grid.EquationErrors.push_back(std::move(line)); };
  std::vector<EquationSums> sums;
  if (!SumsOfEverySlice(grid, feedback, sums)) return false;
  // A NaN sum fails every comparison and so gives no line.
  for (std::int32_t k = 1; k <= grid.K; ++k) {
    const double s = sums[k - 1].Force * grid.E * 1000;
    if (std::fabs(s - grid.AxialForce[k - 1]) > kTolerance)
      append("Caution! FE, Slice :" + SliceText(k) + " , LHS =" + NumberText(grid.AxialForce[k - 1]) +
             " , RHS =" + NumberText(s));
  }
  for (std::int32_t k = 1; k <= grid.K; ++k) {
    const double s = sums[k - 1].MomentX * grid.E * 1000;
    if (std::fabs(s) > kTolerance)
      append("Caution! X-ME, Slice :" + SliceText(k) + " , LHS =0 , RHS =" + NumberText(s));
  }
  for (std::int32_t k = 1; k <= grid.K; ++k) {
    const double s = sums[k - 1].MomentY * grid.E * 1000;
    if (std::fabs(s) > kTolerance)
      append("Caution! Y-ME, Slice :" + SliceText(k) + " , LHS =0 , RHS =" + NumberText(s));
  }
  return true;
}

}  // namespace kolvane
