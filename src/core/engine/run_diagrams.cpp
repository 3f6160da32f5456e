#include "core/engine/run_diagrams.h"

#include <algorithm>

namespace kolvane {

bool OpenRunDiagram(SectionGrid& grid, const Workspace& workspace, const std::string& name, DiagramKind kind,
                    const IncidentReport& incident) {
  const IncidentReport report = incident ? incident : [](DiagramIncident, const std::string&) {};
  Diagram diagram;
  std::string sha256;
  const bool usable = OpenDiagramForUse(workspace, name, kind, diagram, IncidentWording::Solution, report,
                                        MissingDiagram::Refuse, &sha256);
  DiagramRead read{kind, name, sha256, diagram};
  grid.SetLoadedDiagram(kind, std::move(diagram));
  if (usable && std::find(grid.DiagramsRead.begin(), grid.DiagramsRead.end(), read) == grid.DiagramsRead.end())
    grid.DiagramsRead.push_back(std::move(read));
  return usable;
}

bool OpenRunDiagrams(SectionGrid& grid, const Workspace& workspace, const RunDiagramNames& names,
                     const IncidentReport& incident) {
  for (DiagramKind kind = kFirstDiagramKind; kind <= kRunDiagramCount; ++kind)
    if (!OpenRunDiagram(grid, workspace, names[static_cast<std::size_t>(kind - 1)], kind, incident)) return false;
  return true;
}

IncidentReport FeedbackIncidents(WorkFeedback& feedback) {
  return [&feedback](DiagramIncident, const std::string& message) { feedback.Incident(message); };
}

}  // namespace kolvane
