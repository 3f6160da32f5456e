#pragma once
// The thermo-elastic solution: the deformation of the column at one hour of
// the day, from the main data and the five diagrams of kinds 1 to 5.

#include <cstdint>
#include <optional>
#include <string>

#include "core/common/work_feedback.h"
#include "core/common/workspace.h"
#include "core/diagrams/open_diagram.h"
#include "core/engine/run_diagrams.h"
#include "core/engine/run_end.h"
#include "core/engine/section_grid.h"
#include "core/maindata/main_data.h"

namespace kolvane {

// The hours of the day a run, or a creep run's stored profiles, may take.
inline constexpr double kLastHourOfDay = 24;
// "from 0 to 24 h", as the hour fields' tips and messages say it.
std::string HourRangeText();

// What the thermo-elastic window (or the batch tool) hands a run.
struct ThermoElasticInputs {
  RunDiagramNames Diagrams;  // kinds 1 to 5, opened by these names as given
  std::string HourText;      // the hour of the day; empty reads 0
};

// The first message that stops a run before it starts: the hour outside 0..24
// or the first diagram not chosen. Shown as an "Error".
std::optional<std::string> CheckThermoElasticInputs(const ThermoElasticInputs& inputs);

// Refusals that need no run: the inputs, then a grid whose arrays would not
// fit in `availableBytes` (0: unknown, not checked). The first one's message.
std::optional<std::string> CheckThermoElasticRun(const MainDataTexts& mainData, const ThermoElasticInputs& inputs,
                                                 std::uint64_t availableBytes);

struct ThermoElasticOutcome {
  RunEnd End = RunEnd::Refused;
  std::string Message;  // Refused: the "Error" message
};

// The whole run: checks the inputs and the grid size, opens the five diagrams
// from `workspace` as the solution windows open them, copies the main data and
// the hour into the grid and runs the stages in order: geometry,
// preliminaries, temperatures, free strains, creep strains (all zero, not
// stored), curvatures, equilibrium check, deflections. The main data is not
// validated again here: the caller has done so. `feedback` is told every
// diagram incident and, before each step (one per stage, one per group of
// kSlicesPerProgressStep slices of the equilibrium check), how far the run
// has come; it may cancel the run there. A refused run leaves the grid
// as it was (unless memory ran out part-way in spite of the check); any other
// has changed it, and a report of an earlier run must not read it any more.
ThermoElasticOutcome RunThermoElastic(SectionGrid& grid, const Workspace& workspace, const MainDataTexts& mainData,
                                      const ThermoElasticInputs& inputs, WorkFeedback& feedback,
                                      std::uint64_t availableBytes);

// The same run on the diagrams of kinds 1 to 5 the grid already holds (set
// with SetLoadedDiagram): for diagrams kept in memory, as the daily orbit and
// the engine's checks have them. Refuses only the hour and the grid size.
ThermoElasticOutcome RunThermoElasticOnLoadedDiagrams(SectionGrid& grid, const MainDataTexts& mainData,
                                                      const std::string& hourText, std::uint64_t availableBytes,
                                                      WorkFeedback& feedback = NoFeedback());

}  // namespace kolvane
