#include "core/engine/run_diagrams.h"

namespace kolvane {

bool OpenRunDiagram(SectionGrid& grid, const Workspace& workspace, const std::string& name, DiagramKind kind,
                    const IncidentReport& incident) {
  const IncidentReport report = incident ? incident : [](DiagramIncident, const std::string&) {};
  Diagram diagram;
  const bool usable =
      OpenDiagramForUse(workspace, name, kind, diagram, IncidentWording::Solution, report, MissingDiagram::Refuse);
  grid.SetLoadedDiagram(kind, std::move(diagram));
  return usable;
}

bool OpenRunDiagrams(SectionGrid& grid, const Workspace& workspace, const RunDiagramNames& names,
                     const IncidentReport& incident) {
  for (DiagramKind kind = kFirstDiagramKind; kind <= kRunDiagramCount; ++kind)
    if (!OpenRunDiagram(grid, workspace, names[static_cast<std::size_t>(kind - 1)], kind, incident)) return false;
  return true;
}

}  // namespace kolvane
