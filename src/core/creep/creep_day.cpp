#include "core/creep/creep_day.h"

#include <algorithm>

#include "core/creep/creep_step.h"
#include "core/engine/slice_parallel.h"
#include "core/engine/stages.h"

namespace kolvane {

namespace {

std::size_t StepsPerBatch(std::size_t blocks, std::size_t stepsPerDay, std::uint64_t budget) {
  const std::uint64_t perStep = std::max<std::uint64_t>(1, blocks * 2 * sizeof(double));
  const std::uint64_t fitting = std::max<std::uint64_t>(1, budget / perStep);
  return static_cast<std::size_t>(std::min<std::uint64_t>(stepsPerDay, fitting));
}

// What a slice needs to go through the batched steps, shared by all slices.
struct SliceInputs {
  std::int32_t I, J;
  std::size_t blocks;
  const double* area;
  const double* x;
  const double* y;
  const double* free;
  const double* factor;
  const double* growth;
  std::size_t steps;
  double modulus;  // 1000 * E
  double concreteArea, ixApprox, iyApprox;
};

struct SliceState {
  double eo, kx, ky;
};

// One slice through the batched steps: per step the three sums over the
// blocks (ring outer, sector inner), the slice's Eo, Kx and Ky, then the creep
// update of every block.
SliceState AdvanceSlice(const SliceInputs& in, double* creep, double axialForce) {
  SliceState state{0, 0, 0};
  const std::int32_t I = in.I, J = in.J;
  const double restraint = axialForce / in.modulus;
  for (std::size_t s = 0; s < in.steps; ++s) {
    const double* free = in.free + s * in.blocks;
    const double* factor = in.factor + s * in.blocks;
    double sum = 0, sumY = 0, sumX = 0;
    for (std::int32_t i = 0; i < I; ++i) {
      const double area = in.area[i];
      for (std::int32_t j = 0; j < J; ++j) {
        const std::size_t b = static_cast<std::size_t>(j) * static_cast<std::size_t>(I) + static_cast<std::size_t>(i);
        const double u = free[b] - creep[b];
        sum = sum + u * area;
        sumY = sumY + u * in.y[b] * area;
        sumX = sumX + u * in.x[b] * area;
      }
    }
    state.eo = (sum - restraint) / in.concreteArea;
    state.kx = sumY / in.ixApprox;
    state.ky = sumX / in.iyApprox;
    const double growth = in.growth[s];
    for (std::size_t b = 0; b < in.blocks; ++b) {
      const double stress =
          in.modulus * ((((free[b] - creep[b]) - state.eo) - state.ky * in.x[b]) - state.kx * in.y[b]);
      creep[b] = stress * factor[b] * growth + creep[b];
    }
  }
  return state;
}

}  // namespace

CreepDay::CreepDay(unsigned threads, std::uint64_t stepBufferBudget) : threads_(threads), budget_(stepBufferBudget) {}

std::uint64_t CreepDay::BufferBytes(std::int32_t I, std::int32_t J, std::size_t stepsPerDay,
                                    std::uint64_t stepBufferBudget) {
  const std::uint64_t blocks = static_cast<std::uint64_t>(std::max(I, 0)) * static_cast<std::uint64_t>(std::max(J, 0));
  const std::uint64_t steps = StepsPerBatch(static_cast<std::size_t>(blocks), stepsPerDay, stepBufferBudget);
  // Two step buffers, the reference points, the plain factor table and the areas.
  return (steps * blocks * 2 + blocks * 3 + static_cast<std::uint64_t>(std::max(I, 0)) + steps) * sizeof(double);
}

void CreepDay::Run(SectionGrid& grid, const std::vector<double>& stepHours) {
  const std::size_t blocks = grid.BlockCount();
  x_.resize(blocks);
  y_.resize(blocks);
  for (std::size_t b = 0; b < blocks; ++b) {
    x_[b] = grid.Centroid[b].X;
    y_[b] = grid.Centroid[b].Y;
  }
  area_.assign(grid.BlockArea.begin(), grid.BlockArea.end());
  const std::size_t batch = StepsPerBatch(blocks, stepHours.size(), budget_);
  for (std::size_t first = 0; first < stepHours.size(); first += batch) {
    const std::size_t count = std::min(batch, stepHours.size() - first);
    PrepareSteps(grid, stepHours, first, count);
    AdvanceSlices(grid, count);
  }
}

void CreepDay::PrepareSteps(SectionGrid& grid, const std::vector<double>& stepHours, std::size_t first,
                            std::size_t count) {
  const std::size_t blocks = grid.BlockCount();
  free_.resize(count * blocks);
  factor_.resize(count * blocks);
  growth_.resize(count);
  std::vector<double> factors;
  for (std::size_t s = 0; s < count; ++s) {
    grid.Hour = stepHours[first + s];
    CalculateTemperatures(grid);
    CalculateFreeStrains(grid);
    std::copy(grid.FreeStrain.begin(), grid.FreeStrain.end(), free_.begin() + static_cast<std::ptrdiff_t>(s * blocks));
    TemperatureFactors(grid, factors);
    std::copy(factors.begin(), factors.end(), factor_.begin() + static_cast<std::ptrdiff_t>(s * blocks));
    growth_[s] = NormalisedCreepGrowth(grid);
  }
}

void CreepDay::AdvanceSlices(SectionGrid& grid, std::size_t count) {
  const std::size_t blocks = grid.BlockCount();
  const SliceInputs inputs{grid.I,          grid.J,         blocks,        area_.data(),
                           x_.data(),       y_.data(),      free_.data(),  factor_.data(),
                           growth_.data(),  count,          1000 * grid.E, grid.ConcreteArea,
                           grid.IxApprox,   grid.IyApprox};
  const auto slices = static_cast<std::size_t>(grid.K);
  grid.Eo.resize(slices);
  grid.Kx.resize(slices + 1);
  grid.Ky.resize(slices + 1);
  grid.Kx[0] = grid.Ky[0] = 0;  // the base
  ForSliceRanges(grid.K, threads_, [&](std::int32_t firstSlice, std::int32_t lastSlice) {
    for (std::int32_t k = firstSlice; k <= lastSlice; ++k) {
      double* creep = grid.CreepStrain.data() + static_cast<std::size_t>(k - 1) * blocks;
      const SliceState state = AdvanceSlice(inputs, creep, grid.AxialForce[k - 1]);
      grid.Eo[k - 1] = state.eo;
      grid.Kx[k] = state.kx;
      grid.Ky[k] = state.ky;
    }
  });
}

}  // namespace kolvane
