#pragma once
// The thermo-elastic solution: the deformation of the column at one hour of
// the day, from the main data and the five diagrams of kinds 1 to 5.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "core/engine/section_grid.h"
#include "core/maindata/main_data.h"

namespace kolvane {

// Which of the five diagrams (kinds 1 to 5, by kind number - 1) the user chose.
using ThermoElasticChoices = std::array<bool, 5>;

// The first message that stops a run before it starts: the hour outside 0..24
// or the first diagram not chosen. Shown as an "Error".
std::optional<std::string> CheckThermoElasticInputs(const std::string& hourText, const ThermoElasticChoices& chosen);

// Refusals that need no run: the inputs, then a grid whose arrays would not
// fit in `availableBytes` (0: unknown, not checked). The first one's message.
std::optional<std::string> CheckThermoElasticRun(const MainDataTexts& mainData, const std::string& hourText,
                                                 const ThermoElasticChoices& chosen, std::uint64_t availableBytes);

// Told how far a run has come (`done` of `total` steps: one per stage, and one
// per group of kSlicesPerProgressStep slices of the equilibrium check), before
// each step; answering false cancels the run there.
using ThermoElasticProgress = std::function<bool(std::int64_t done, std::int64_t total)>;

struct ThermoElasticOutcome {
  bool Ran = false;
  std::string Message;     // why it did not run, for an "Error" message; empty after a cancel
  bool Cancelled = false;  // the progress hook said stop
  // Memory ran out part-way: the grid holds a half-finished run, and a report
  // or plot of the earlier run must not read it any more.
  bool GridChanged = false;
};

// Checks the inputs, copies the main data and the hour into the grid, refuses
// a grid whose arrays would not fit in `availableBytes` (0: unknown, not
// checked), and runs the stages in order: geometry, preliminaries,
// temperatures, free strains, creep strains (all zero, not stored),
// curvatures, equilibrium check, deflections. The grid's LoadedDiagrams 0 to 4
// must hold the chosen diagrams. The main data is not validated again here:
// the caller has done so. A run that does not start leaves the grid as it was;
// a cancelled one has changed it (GridChanged).
ThermoElasticOutcome RunThermoElastic(SectionGrid& grid, const MainDataTexts& mainData, const std::string& hourText,
                                      const ThermoElasticChoices& chosen, std::uint64_t availableBytes,
                                      const ThermoElasticProgress& progress = {});

}  // namespace kolvane
