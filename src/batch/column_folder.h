#pragma once
// What every batch command does first: take the column's folder, its main
// data and its diagrams, saying on the error stream what stops it.

#include <ostream>
#include <string>

#include "batch/batch_arguments.h"
#include "core/common/text_file.h"
#include "core/common/workspace.h"
#include "core/diagrams/diagram.h"
#include "core/diagrams/diagram_kinds.h"
#include "core/maindata/main_data.h"

namespace kolvane::batch {

// Exit statuses of kolvane-batch.
inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;    // the report could not be written
inline constexpr int kExitRefused = 2;   // bad arguments, data, diagrams or grid

// True when `folder` is an existing folder; says so on err otherwise.
bool CheckFolder(const std::string& folder, std::ostream& err);

// Loads main.dat of the folder and validates it. All eleven fields must load:
// a run on partly read data would be a run on a column nobody described.
bool LoadValidMainData(const Workspace& workspace, MainDataTexts& texts, std::ostream& err);

// A name that stays inside the folder: no "/", not "." or "..", no control
// characters.
bool CheckDiagramName(const std::string& name, std::ostream& err);

// Opens a diagram for a run as the solution windows do: incidents are written
// to err (repairs are written back to the file); false after a critical one.
bool OpenRunDiagram(const Workspace& workspace, const std::string& name, DiagramKind kind, Diagram& target,
                    std::ostream& err);

// Where --out says, or the report's own file in the folder.
std::string ReportPath(const ParsedArguments& arguments, const Workspace& workspace, const char* reportFileName);

// Says on out that the report was saved (kExitDone), or on err why not
// (kExitFailed).
int ReportSaved(const std::string& path, const WriteResult& written, std::ostream& out, std::ostream& err);

}  // namespace kolvane::batch
