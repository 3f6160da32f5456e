#pragma once
// What every batch command does first: take the column's folder, its main
// data and its diagrams, saying on the error stream what stops it.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "batch/exit_status.h"
#include "core/common/workspace.h"
#include "core/diagrams/diagram.h"
#include "core/diagrams/diagram_kinds.h"
#include "core/diagrams/open_diagram.h"
#include "core/engine/run_diagrams.h"
#include "core/maindata/main_data.h"

namespace kolvane::batch {

// True when `folder` is an existing folder; says so on err otherwise.
bool CheckFolder(const std::string& folder, std::ostream& err);

// Loads main.dat of the folder and validates it. All eleven fields must load,
// and nothing may follow them: a run on partly read or shifted data would be a
// run on a column nobody described.
bool LoadValidMainData(const Workspace& workspace, MainDataTexts& texts, std::ostream& err);

// A diagram the command line names, with the name as the run opens it.
struct NamedDiagram {
  std::string name;
  DiagramKind kind = 1;
  bool used = true;  // false for a month the run's dates never reach
};

// Checks, before anything is computed or written, that every name is a valid
// diagram name, that every file exists (a missing one would be created as the
// kind's default and computed on), and that every diagram the run uses can
// be used (no critical incident). Nothing is written: repairs are left to the
// opening. The first failure is said on err.
bool CheckRunDiagrams(const Workspace& workspace, const std::vector<NamedDiagram>& diagrams, std::ostream& err);

// The five names of a --diagrams list (kinds 1 to 5); names left out are rows
// without a diagram. Nothing for more than five.
std::optional<RunDiagramNames> FiveDiagramNames(const std::string& list);

// main.dat and the diagram files: what the report must never replace.
std::vector<std::string> FilesRead(const Workspace& workspace, const std::vector<NamedDiagram>& diagrams);

}  // namespace kolvane::batch
