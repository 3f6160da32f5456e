#pragma once
// The fast evaluation of a day of creep steps. Slices do not influence each
// other within a day: a slice's curvatures come from its own sums and its
// creep from its own stresses, and the temperatures are the same for all.
// So the temperatures, free strains, Phi factors and creep growth of the
// day's steps are formed first, once; then each tile of the creep store
// (eight slices, one per vector lane) goes through all the day's steps while
// it stays in cache: per step one pass forms the three sums, and a second
// updates the creep. (One pass doing both, the update of a step and the sums
// of the next, measured slower: its long chain of dependent operations per
// block starves the processor.) Tiles are shared among the cores. Every sum
// keeps its order and every product its operands, so the results equal the
// plain evaluation (the stages and CreepStep one after another) bit for bit.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/engine/section_grid.h"

namespace kolvane {

// The copies of the tile kernel, each for the vectors of one kind of
// processor; all give the same results. The widest the processor runs is
// chosen at run time.
enum class KernelCopy {
  Baseline,  // 128-bit vectors, two slices a vector (any x86-64, aarch64)
  Avx2,      // 256-bit vectors, four slices a vector
  Avx512,    // 512-bit vectors, a whole tile a vector
};
KernelCopy WidestKernelCopy();

class CreepDay {
 public:
  // A day's step buffers stay below this by default, so that a section of
  // millions of blocks runs a few steps at a time instead of asking for
  // gigabytes.
  static constexpr std::uint64_t kStepBufferBudget = 64ull * 1024 * 1024;

  // threads: 0 for one per usable core. copy: a copy the processor does not
  // run gives way to the widest it does.
  explicit CreepDay(unsigned threads = 0, std::uint64_t stepBufferBudget = kStepBufferBudget,
                    KernelCopy copy = WidestKernelCopy());

  KernelCopy Copy() const { return copy_; }

  // Runs the steps of day grid.DayNumber, one for each middle hour given, on
  // a grid with a creep store whose curvature inputs (geometry, properties,
  // diagrams, TimeStep) are in place. Afterwards the grid holds what the plain
  // evaluation leaves after the last step: its Hour, temperatures, free
  // strains, Eo, Kx, Ky and the updated creep strains.
  // The free strains and Phi factors of the steps are kept for the next day:
  // while the step hours, the section and the diagrams of kinds 1 to 5 and 7
  // stay the same bit for bit, only the creep growths are formed again.
  void Run(SectionGrid& grid, const std::vector<double>& stepHours);

  // The largest E' * Phi * dC of the last Run's steps (see
  // LargestStepRelaxation): how far the day's explicit steps can be trusted.
  double LargestRelaxation() const { return largestRelaxation_; }

  // Eo, Kx and Ky at `hour` with the creep reached so far, without a step:
  // what the temperature, free strain and curvature stages give, for the
  // deflections of a stored profile. The kept steps stay as they are.
  void Curvatures(SectionGrid& grid, double hour);

  // The most bytes a day's evaluation takes besides the grid for I * J
  // blocks and `stepsPerDay` steps: the step buffers (capped, so that huge
  // sections still run, a few steps at a time) and the laid-out inputs.
  std::uint64_t BufferBytes(std::int32_t I, std::int32_t J, std::size_t stepsPerDay) const;

 private:
  // The steps' inputs, blocks in summing order (ring outer, sector inner), as
  // in the creep store's tiles, so the passes read every array straight through.
  struct Steps {
    std::vector<double> Free;    // step x block
    std::vector<double> Factor;  // step x block
    std::vector<double> Growth;  // step
  };

  void LayOutSection(const SectionGrid& grid);
  void PrepareSteps(SectionGrid& grid, const std::vector<double>& stepHours, std::size_t first, std::size_t count,
                    Steps& steps, bool readFactors);
  void AdvanceSlices(SectionGrid& grid, const Steps& steps, bool updateLastStep);
  void NoteRelaxation(const SectionGrid& grid, const Steps& steps);

  unsigned threads_;
  std::uint64_t budget_;
  KernelCopy copy_;
  Steps day_;   // the day's steps, or a batch of them
  Steps hour_;  // the one hour of Curvatures
  // The bytes of everything day_ was formed from but the day; empty when
  // day_ holds only part of a day.
  std::string dayFormedFrom_;
  std::vector<double> x_, y_;  // block reference points
  std::vector<double> area_;   // ring
  double largestRelaxation_ = 0;
};

}  // namespace kolvane
