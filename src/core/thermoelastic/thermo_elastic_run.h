#pragma once
// The thermo-elastic solution: the deformation of the column at one hour of
// the day, from the main data and the five diagrams of kinds 1 to 5.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/engine/section_grid.h"
#include "core/maindata/main_data.h"

namespace kolvane {

// Which of the five diagrams (kinds 1 to 5, by kind number - 1) the user chose.
using ThermoElasticChoices = std::array<bool, 5>;

// The first message that stops a run before it starts: the hour outside 0..24
// or the first diagram not chosen. Shown as an "Error".
std::optional<std::string> CheckThermoElasticInputs(const std::string& hourText,
                                                    const ThermoElasticChoices& chosen);

struct ThermoElasticOutcome {
  bool Ran = false;
  std::string Message;  // why it did not run, for an "Error" message
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
// the caller has done so. A run that does not start leaves the grid as it was.
ThermoElasticOutcome RunThermoElastic(SectionGrid& grid, const MainDataTexts& mainData,
                                      const std::string& hourText, const ThermoElasticChoices& chosen,
                                      std::uint64_t availableBytes);

}  // namespace kolvane
