#pragma once
// What the windows share while the program runs. The main window owns it and
// hands it to every window it opens; tests build as many as they like.

#include "core/common/workspace.h"
#include "core/engine/section_grid.h"
#include "ui/common/messages.h"

namespace kolvane::ui {

struct AppContext {
  Workspace workspace;           // where every file is read and written
  Messages* messages = nullptr;  // never null once the program runs
  // The engine state: the last run's results, the diagrams it loaded and the
  // stored profiles outlive the solution window, for the plots and the next run.
  SectionGrid grid{};
  // A solution window's run is going on: its worker thread writes the grid,
  // and the program must not end half-way (the main window will not close).
  bool solutionRunning = false;
};

}  // namespace kolvane::ui
