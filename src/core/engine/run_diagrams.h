#pragma once
// The diagrams a run opens by name: the temperature kinds for a thermo-elastic
// run, an orbit and every month of a creep run; the creep run adds the creep
// kinds.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/common/work_feedback.h"
#include "core/common/workspace.h"
#include "core/diagrams/diagram_kinds.h"
#include "core/diagrams/open_diagram.h"
#include "core/engine/section_grid.h"

namespace kolvane {

// The names of the temperature kinds, by TemperatureSlot; an empty name is a
// row without a diagram.
using RunDiagramNames = std::array<std::string, kTemperatureKinds.size()>;

// A diagram a run names, with the name as the run opens it.
struct NamedDiagram {
  std::string Name;
  DiagramKind Kind = kSunPosition;
  bool Used = true;  // false for a month the run's dates never reach
  bool operator==(const NamedDiagram&) const = default;
};

// The temperature kinds' names, all used.
std::vector<NamedDiagram> NamedRunDiagrams(const RunDiagramNames& names);

// Looks, before anything is computed or written, whether every name is a
// valid diagram name, every file exists (a missing one would be created as the
// kind's default and computed on) and every diagram the run uses can be used
// (no critical incident), and returns the first failure as its message.
// Nothing is written: repairs are left to the opening.
std::optional<std::string> RunDiagramsProblem(const Workspace& workspace, const std::vector<NamedDiagram>& diagrams);

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

// The same for the temperature kinds, kind by kind; false at the first that
// cannot be used.
bool OpenRunDiagrams(SectionGrid& grid, const Workspace& workspace, const RunDiagramNames& names,
                     const IncidentReport& incident);

// The incidents of opening a run's diagrams, handed to the run's feedback.
IncidentReport FeedbackIncidents(WorkFeedback& feedback);

}  // namespace kolvane
