#include "core/creep/creep_day.h"

// The tile kernels pass vectors only between inlined functions; on x86-64 the
// AVX2 copy below would otherwise draw a note that such passing changed ABI.
#if defined(__x86_64__)
#pragma GCC diagnostic ignored "-Wpsabi"
#endif

#include <algorithm>
#include <cstring>

#include "core/creep/creep_step.h"
#include "core/diagrams/diagram_reader.h"
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
  std::size_t Blocks;
  const double* Area;
  const double* X;
  const double* Y;
  const double* Free;
  const double* Factor;
  const double* Growth;
  std::size_t Steps;
  bool UpdateLastStep;  // false: the last step only forms Eo, Kx and Ky
  double Modulus;       // 1000 * E
  double ConcreteArea, IxApprox, IyApprox;
};

// Slices are advanced a tile at a time, one slice per lane of a vector:
// every lane does exactly the arithmetic of one slice alone (IEEE operations
// are the same in a vector lane as in a scalar register, and nothing is
// fused), while the tile's independent chains of additions overlap instead of
// waiting on each other. Each vector width is spelled out: a vector_size that
// depends on a template parameter is silently dropped by some compilers,
// leaving a plain double.
using Lanes2 = double __attribute__((vector_size(2 * sizeof(double))));
using Lanes4 = double __attribute__((vector_size(4 * sizeof(double))));
using Lanes8 = double __attribute__((vector_size(8 * sizeof(double))));
constexpr int kTileSlices = kCreepTileSlices;  // the creep store's tiles
constexpr int kHalfTileSlices = kTileSlices / 2;

// Eo, Kx and Ky of a tile's slices after the last step. Plain arrays, not
// vectors, cross the calls below: the copies pass vectors differently.
struct TileState {
  double Eo[kTileSlices], Kx[kTileSlices], Ky[kTileSlices];
};

template <typename Lanes>
[[gnu::always_inline]] inline Lanes LoadLanes(const double* at) {
  Lanes lanes;
  std::memcpy(&lanes, at, sizeof lanes);
  return lanes;
}
template <typename Lanes>
[[gnu::always_inline]] inline void StoreLanes(double* at, Lanes lanes) {
  std::memcpy(at, &lanes, sizeof lanes);
}

// Calls visit(n, b) for every block, n its position in summing order (ring
// outer, sector inner) and b its place in the grid (ring fastest). Going
// through squares of 32 rings by 32 sectors keeps both sides in cache, where
// a straight walk would stride through memory on one of them.
template <typename Visit>
void ForEveryBlock(std::int32_t I, std::int32_t J, Visit visit) {
  constexpr std::int32_t kSquare = 32;
  const auto rings = static_cast<std::size_t>(I), sectors = static_cast<std::size_t>(J);
  for (std::int32_t i0 = 0; i0 < I; i0 += kSquare)
    for (std::int32_t j0 = 0; j0 < J; j0 += kSquare)
      for (std::int32_t i = i0; i < std::min(I, i0 + kSquare); ++i)
        for (std::int32_t j = j0; j < std::min(J, j0 + kSquare); ++j) {
          const auto ui = static_cast<std::size_t>(i), uj = static_cast<std::size_t>(j);
          visit(ui * sectors + uj, uj * rings + ui);
        }
}

// The first V * (lanes of a vector) slices of a tile through the batched
// steps; `tile` is its part of the creep store: block by block in summing
// order (ring outer, sector inner), the tile's slices of a block side by
// side. The inputs are laid out in the same order. Per step one pass forms
// the three sums over the blocks, then Eo, Kx and Ky, then one pass updates
// every block's creep. The arrays are read through local restrict pointers:
// without them every store to the tile would make the compiler reload the
// inputs.
template <typename Lanes, int V>
[[gnu::always_inline]] inline void AdvanceTileKernel(const SliceInputs& in, double* __restrict tile,
                                                     const double* restraints, TileState& out) {
  constexpr int kLanes = sizeof(Lanes) / sizeof(double);
  static_assert(V * kLanes == kTileSlices || V * kLanes == kHalfTileSlices);
  const double* __restrict x = in.X;
  const double* __restrict y = in.Y;
  const double* __restrict area = in.Area;
  const std::int32_t I = in.I, J = in.J;
  const std::size_t blocks = in.Blocks, steps = in.Steps;
  const double modulus = in.Modulus, concreteArea = in.ConcreteArea, ixApprox = in.IxApprox, iyApprox = in.IyApprox;
  Lanes restraint[V], eo[V], kx[V], ky[V];
  for (std::ptrdiff_t v = 0; v < V; ++v) {
    restraint[v] = LoadLanes<Lanes>(restraints + v * kLanes);
    eo[v] = kx[v] = ky[v] = Lanes{};
  }
  for (std::size_t s = 0; s < steps; ++s) {
    const double* __restrict free = in.Free + s * blocks;
    const double* __restrict factor = in.Factor + s * blocks;
    Lanes sum[V], sumY[V], sumX[V];
    for (std::ptrdiff_t v = 0; v < V; ++v) sum[v] = sumY[v] = sumX[v] = Lanes{};
    std::size_t b = 0;
    for (std::int32_t i = 0; i < I; ++i) {
      const double a = area[i];
      for (std::int32_t j = 0; j < J; ++j, ++b) {
        for (std::ptrdiff_t v = 0; v < V; ++v) {
          const Lanes u = free[b] - LoadLanes<Lanes>(tile + b * kTileSlices + v * kLanes);
          sum[v] = sum[v] + u * a;
          sumY[v] = sumY[v] + u * y[b] * a;
          sumX[v] = sumX[v] + u * x[b] * a;
        }
      }
    }
    for (std::ptrdiff_t v = 0; v < V; ++v) {
      eo[v] = (sum[v] - restraint[v]) / concreteArea;
      kx[v] = sumY[v] / ixApprox;
      ky[v] = sumX[v] / iyApprox;
    }
    if (s + 1 == steps && !in.UpdateLastStep) break;
    const double growth = in.Growth[s];
    for (std::size_t b = 0; b < blocks; ++b) {
      for (std::ptrdiff_t v = 0; v < V; ++v) {
        double* at = tile + b * kTileSlices + v * kLanes;
        Lanes creep = LoadLanes<Lanes>(at);
        const Lanes stress = modulus * ((((free[b] - creep) - eo[v]) - ky[v] * x[b]) - kx[v] * y[b]);
        creep = stress * factor[b] * growth + creep;
        StoreLanes(at, creep);
      }
    }
  }
  for (std::ptrdiff_t v = 0; v < V; ++v) {
    StoreLanes(out.Eo + v * kLanes, eo[v]);
    StoreLanes(out.Kx + v * kLanes, kx[v]);
    StoreLanes(out.Ky + v * kLanes, ky[v]);
  }
}

// A copy of the kernel for a whole tile and one for a tile of at most
// kHalfTileSlices slices (the last, when K leaves it half empty or less),
// which then computes no padding.
using TileKernel = void (*)(const SliceInputs&, double*, const double*, TileState&);
struct TileKernels {
  TileKernel Whole, Half;
};

// Any processor: 128-bit vectors (SSE2 on x86-64, NEON on aarch64). Wider
// vectors here would be split into pairs of registers, and their sums spilled
// to memory.
void AdvanceWholeTileBaseline(const SliceInputs& in, double* tile, const double* restraints, TileState& out) {
  AdvanceTileKernel<Lanes2, kTileSlices / 2>(in, tile, restraints, out);
}
void AdvanceHalfTileBaseline(const SliceInputs& in, double* tile, const double* restraints, TileState& out) {
  AdvanceTileKernel<Lanes2, kHalfTileSlices / 2>(in, tile, restraints, out);
}

#if defined(__x86_64__)
// The same code for processors with wider vectors, chosen at run time; no
// fused multiply-add is enabled, so the results are the same.
[[gnu::target("avx2")]] void AdvanceWholeTileAvx2(const SliceInputs& in, double* tile, const double* restraints,
                                                  TileState& out) {
  AdvanceTileKernel<Lanes4, kTileSlices / 4>(in, tile, restraints, out);
}
[[gnu::target("avx2")]] void AdvanceHalfTileAvx2(const SliceInputs& in, double* tile, const double* restraints,
                                                 TileState& out) {
  AdvanceTileKernel<Lanes4, kHalfTileSlices / 4>(in, tile, restraints, out);
}
[[gnu::target("avx512f")]] void AdvanceWholeTileAvx512(const SliceInputs& in, double* tile, const double* restraints,
                                                       TileState& out) {
  AdvanceTileKernel<Lanes8, kTileSlices / 8>(in, tile, restraints, out);
}
[[gnu::target("avx512f")]] void AdvanceHalfTileAvx512(const SliceInputs& in, double* tile, const double* restraints,
                                                      TileState& out) {
  AdvanceTileKernel<Lanes4, kHalfTileSlices / 4>(in, tile, restraints, out);
}
#endif

TileKernels KernelsOf(KernelCopy copy) {
  switch (copy) {
#if defined(__x86_64__)
    case KernelCopy::Avx512:
      return {AdvanceWholeTileAvx512, AdvanceHalfTileAvx512};
    case KernelCopy::Avx2:
      return {AdvanceWholeTileAvx2, AdvanceHalfTileAvx2};
#endif
    default:
      return {AdvanceWholeTileBaseline, AdvanceHalfTileBaseline};
  }
}

// The bytes of everything the free strains and Phi factors of a day's steps
// are formed from but the day itself: compared as bytes, a change in the last
// bit of any of them counts.
std::string PreparationInputs(const SectionGrid& grid, const std::vector<double>& stepHours) {
  std::string bytes;
  const auto add = [&bytes](const auto& value) { bytes.append(reinterpret_cast<const char*>(&value), sizeof value); };
  const auto addArray = [&](const auto& array) {
    add(array.size());
    if (!array.empty()) bytes.append(reinterpret_cast<const char*>(array.data()), array.size() * sizeof array[0]);
  };
  add(grid.I);
  add(grid.J);
  add(grid.IRadius);
  add(grid.ERadius);
  add(grid.RefTemp);
  add(grid.AThermal);
  addArray(grid.SectorAngle);
  addArray(stepHours);
  for (const DiagramKind kind : kTemperatureKinds) addArray(grid.LoadedDiagram(kind).Points);
  addArray(grid.LoadedDiagram(kNormalisedTemperature).Points);
  return bytes;
}

}  // namespace

KernelCopy WidestKernelCopy() {
#if defined(__x86_64__)
  static const KernelCopy kWidest = __builtin_cpu_supports("avx512f") ? KernelCopy::Avx512
                                    : __builtin_cpu_supports("avx2")  ? KernelCopy::Avx2
                                                                      : KernelCopy::Baseline;
  return kWidest;
#else
  return KernelCopy::Baseline;
#endif
}

CreepDay::CreepDay(unsigned threads, std::uint64_t stepBufferBudget, KernelCopy copy)
    : threads_(threads), budget_(stepBufferBudget), copy_(std::min(copy, WidestKernelCopy())) {}

std::uint64_t CreepDay::BufferBytes(std::int32_t I, std::int32_t J, std::size_t stepsPerDay) const {
  const auto count = [](std::int32_t n) { return static_cast<std::uint64_t>(std::max(n, 0)); };
  const std::uint64_t blocks = count(I) * count(J);
  const std::uint64_t steps = StepsPerBatch(static_cast<std::size_t>(blocks), stepsPerDay, budget_);
  // Free strains and factors of the steps and of one hour, X and Y of the
  // blocks, ring areas, step growths, and what the steps were formed from
  // (their hours and the sector angles besides a few numbers and diagrams).
  return ((steps + 1) * blocks * 2 + blocks * 2 + count(I) + steps * 2 + count(J)) * sizeof(double);
}

void CreepDay::Run(SectionGrid& grid, const std::vector<double>& stepHours) {
  largestRelaxation_ = 0;
  if (stepHours.empty()) return;
  LayOutSection(grid);
  const std::size_t batch = StepsPerBatch(grid.BlockCount(), stepHours.size(), budget_);
  if (batch < stepHours.size()) {  // a huge section: a few steps at a time, nothing kept
    dayFormedFrom_.clear();
    for (std::size_t first = 0; first < stepHours.size(); first += batch) {
      const std::size_t count = std::min(batch, stepHours.size() - first);
      PrepareSteps(grid, stepHours, first, count, day_, true);
      NoteRelaxation(grid, day_);
      AdvanceSlices(grid, day_, true);
    }
    return;
  }
  std::string formedFrom = PreparationInputs(grid, stepHours);
  if (formedFrom != dayFormedFrom_) {
    dayFormedFrom_.clear();  // until day_ is whole again
    PrepareSteps(grid, stepHours, 0, stepHours.size(), day_, true);
    dayFormedFrom_ = std::move(formedFrom);
  } else {
    // The kept steps hold. The grid ends the day as the plain evaluation
    // leaves it: with the last step's temperatures and free strains.
    const Diagram& creep = grid.LoadedDiagram(kNormalisedCreep);
    for (std::size_t s = 0; s < stepHours.size(); ++s)
      day_.Growth[s] = NormalisedCreepGrowth(creep, grid.DayNumber, stepHours[s], grid.TimeStep);
    grid.Hour = stepHours.back();
    CalculateTemperatures(grid);
    CalculateFreeStrains(grid);
  }
  NoteRelaxation(grid, day_);
  AdvanceSlices(grid, day_, true);
}

// Once the steps' Phi factors and creep growths are formed, kept or not.
void CreepDay::NoteRelaxation(const SectionGrid& grid, const Steps& steps) {
  const std::size_t blocks = grid.BlockCount();
  for (std::size_t s = 0; s < steps.Growth.size(); ++s)
    largestRelaxation_ =
        std::max(largestRelaxation_,
                 LargestStepRelaxation(1000 * grid.E, steps.Factor.data() + s * blocks, blocks, steps.Growth[s]));
}

void CreepDay::Curvatures(SectionGrid& grid, double hour) {
  LayOutSection(grid);
  // No creep update follows, so the step's Phi factors would never be read.
  PrepareSteps(grid, {hour}, 0, 1, hour_, false);
  AdvanceSlices(grid, hour_, false);
}

void CreepDay::LayOutSection(const SectionGrid& grid) {
  x_.resize(grid.BlockCount());
  y_.resize(grid.BlockCount());
  ForEveryBlock(grid.I, grid.J, [&](std::size_t n, std::size_t b) {
    x_[n] = grid.Centroid[b].X;
    y_[n] = grid.Centroid[b].Y;
  });
  area_.assign(grid.BlockArea.begin(), grid.BlockArea.end());
}

void CreepDay::PrepareSteps(SectionGrid& grid, const std::vector<double>& stepHours, std::size_t first,
                            std::size_t count, Steps& steps, bool readFactors) {
  const std::size_t blocks = grid.BlockCount();
  steps.Free.resize(count * blocks);
  steps.Factor.resize(count * blocks);
  steps.Growth.resize(count);
  // Temperatures step by step (they go through the grid), kept in the factors
  // until they are read off the Phi diagram below.
  for (std::size_t s = 0; s < count; ++s) {
    grid.Hour = stepHours[first + s];
    CalculateTemperatures(grid);
    CalculateFreeStrains(grid);
    double* free = steps.Free.data() + s * blocks;
    double* temperature = steps.Factor.data() + s * blocks;
    ForEveryBlock(grid.I, grid.J, [&](std::size_t n, std::size_t b) {
      free[n] = grid.FreeStrain[b];
      temperature[n] = grid.BlockTemp[b];
    });
    steps.Growth[s] = NormalisedCreepGrowth(grid);
  }
  if (!readFactors) return;
  // The Phi readings are the costly part and independent: shared among the cores.
  const Diagram& phi = grid.LoadedDiagram(kNormalisedTemperature);
  const std::size_t total = steps.Factor.size();
  const auto chunks = static_cast<std::int32_t>(std::min<std::size_t>(total, 64));
  ForSliceRanges(chunks, threads_, [&](std::int32_t firstChunk, std::int32_t lastChunk) {
    const std::size_t from = total * static_cast<std::size_t>(firstChunk - 1) / static_cast<std::size_t>(chunks);
    const std::size_t to = total * static_cast<std::size_t>(lastChunk) / static_cast<std::size_t>(chunks);
    NearestEndReader read(phi);
    for (std::size_t n = from; n < to; ++n) steps.Factor[n] = read(steps.Factor[n]);
  });
}

void CreepDay::AdvanceSlices(SectionGrid& grid, const Steps& steps, bool updateLastStep) {
  const std::size_t blocks = grid.BlockCount();
  const SliceInputs inputs{grid.I,
                           grid.J,
                           blocks,
                           area_.data(),
                           x_.data(),
                           y_.data(),
                           steps.Free.data(),
                           steps.Factor.data(),
                           steps.Growth.data(),
                           steps.Growth.size(),
                           updateLastStep,
                           1000 * grid.E,
                           grid.ConcreteArea,
                           grid.IxApprox,
                           grid.IyApprox};
  const auto slices = static_cast<std::size_t>(grid.K);
  grid.Eo.resize(slices);
  grid.Kx.resize(slices + 1);
  grid.Ky.resize(slices + 1);
  grid.Kx[0] = grid.Ky[0] = 0;  // the base
  const TileKernels kernels = KernelsOf(copy_);
  const auto tiles = static_cast<std::int32_t>(grid.CreepTileCount());
  ForSliceRanges(tiles, threads_, [&](std::int32_t firstTile, std::int32_t lastTile) {
    for (std::int32_t t = firstTile; t <= lastTile; ++t) {
      // Slices k0 + 1 .. k0 + lanes; lanes past the last slice are padding.
      const std::int32_t k0 = (t - 1) * kTileSlices;
      const int lanes = std::min(kTileSlices, grid.K - k0);
      double* tile = grid.CreepStrain.data() + static_cast<std::size_t>(t - 1) * blocks * kTileSlices;
      double restraint[kTileSlices] = {};
      for (int lane = 0; lane < lanes; ++lane) restraint[lane] = grid.AxialForce[k0 + lane] / inputs.Modulus;
      TileState state;
      const bool half = lanes <= kHalfTileSlices;
      (half ? kernels.Half : kernels.Whole)(inputs, tile, restraint, state);
      // The padding computed along goes back to 0, as if never touched.
      const int computed = half ? kHalfTileSlices : kTileSlices;
      for (std::size_t n = 0; lanes < computed && n < blocks; ++n)
        std::fill(tile + n * kTileSlices + lanes, tile + n * kTileSlices + computed, 0.0);
      for (int lane = 0; lane < lanes; ++lane) {
        grid.Eo[k0 + lane] = state.Eo[lane];
        grid.Kx[k0 + lane + 1] = state.Kx[lane];
        grid.Ky[k0 + lane + 1] = state.Ky[lane];
      }
    }
  });
}

}  // namespace kolvane
