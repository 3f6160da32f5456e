#pragma once
// The diagrams a run opens by name: the five of the hour (kinds 1 to 5) for a
// thermo-elastic run, an orbit and every month of a creep run; the creep run
// adds kinds 6 and 7.

#include <array>
#include <string>

#include "core/common/work_feedback.h"
#include "core/common/workspace.h"
#include "core/diagrams/diagram_kinds.h"
#include "core/diagrams/open_diagram.h"
#include "core/engine/section_grid.h"

namespace kolvane {

// The names of kinds 1 to 5, by kind - 1; an empty name is a row without a diagram.
using RunDiagramNames = std::array<std::string, kRunDiagramCount>;

// Opens diagram `name` of `kind` from `workspace` into the grid's loaded
// diagram of that kind, as the solution windows open it (loaded, repaired,
// written back; every incident to `incident`, in the solutions' wording).
// A file that is not there (removed since it was chosen, or in the middle of
// a creep run) is a critical incident: a run never creates a default
// diagram. False after a critical incident: the grid's diagram of that kind is then
// empty, so nothing earlier is computed on by mistake. A usable diagram is
// added to the grid's DiagramsRead with the digest of its file as read.
bool OpenRunDiagram(SectionGrid& grid, const Workspace& workspace, const std::string& name, DiagramKind kind,
                    const IncidentReport& incident);

// The same for the five of the hour, kind by kind; false at the first that
// cannot be used.
bool OpenRunDiagrams(SectionGrid& grid, const Workspace& workspace, const RunDiagramNames& names,
                     const IncidentReport& incident);

// The incidents of opening a run's diagrams, handed to the run's feedback.
IncidentReport FeedbackIncidents(WorkFeedback& feedback);

}  // namespace kolvane
