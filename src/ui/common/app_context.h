#pragma once
// What the windows share while the program runs. The main window owns it and
// hands it to every window it opens; tests build as many as they like.

#include "core/common/workspace.h"
#include "core/diagrams/current_diagram.h"
#include "ui/common/messages.h"

namespace kolvane::ui {

struct AppContext {
  Workspace workspace;          // where every file is read and written
  Messages* messages = nullptr; // never null once the program runs
  CurrentDiagram current;       // the diagram handed to the editor or the plot
};

}  // namespace kolvane::ui
