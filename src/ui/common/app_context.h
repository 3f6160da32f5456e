#pragma once
// What the windows share while the program runs. The main window owns it and
// hands it to every window it opens; tests build as many as they like.

#include <memory>

#include "core/common/workspace.h"
#include "core/engine/section_grid.h"
#include "core/results/run_results.h"
#include "ui/common/messages.h"

namespace kolvane::ui {

// The latest result of each kind for the open column folder, kept until the
// next run of that kind or until another folder is opened. Windows, plots and
// the calculation report read these, never the engine's working state.
struct LatestResults {
  std::shared_ptr<const ThermoElasticResult> ThermoElastic;
  std::shared_ptr<const OrbitResult> Orbit;
  std::shared_ptr<const CreepResult> Creep;
  // Where the text report of a kept result was last saved; empty when not.
  std::string ElasticReportFile, CreepReportFile;
  bool Empty() const { return !ThermoElastic && !Orbit && !Creep; }
};

struct AppContext {
  kolvane::Workspace Workspace;      // where every file is read and written
  ui::Messages* Messages = nullptr;  // never null once the program runs
  // The diagrams the solution windows loaded to draw them; runs work on grids
  // of their own.
  SectionGrid Grid{};
  LatestResults Results;
  // A solution window's run is going on: its worker thread writes the grid,
  // and the program must not end half-way (the main window will not close).
  bool SolutionRunning = false;
};

}  // namespace kolvane::ui
