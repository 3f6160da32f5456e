#include "core/diagrams/open_diagram.h"

#include "core/diagrams/diagram_file.h"
#include "core/diagrams/diagram_repair.h"

namespace kolvane {

bool IsCritical(DiagramIncident incident) {
  return incident == DiagramIncident::LoadCritical || incident == DiagramIncident::FixCritical;
}

std::string IncidentMessage(DiagramIncident incident, IncidentWording wording, const std::string& name) {
  const bool solution = wording == IncidentWording::Solution;
  const std::string review = ". Please review the diagram data before continuing.";
  switch (incident) {
    case DiagramIncident::LoadCritical:
      return "LoadDiagram reported a critical error for " + name + (solution ? "." : "");
    case DiagramIncident::LoadFixed:
      return "LoadDiagram reported a fixed error for " + name + (solution ? review : "");
    case DiagramIncident::FixCritical:
      return "FixDiagram reported a critical error for " + name + (solution ? "." : "");
    case DiagramIncident::FixFixed:
      return "FixDiagram reported a fixed error for " + name + (solution ? review : "");
  }
  return {};
}

bool OpenDiagramForUse(const Workspace& workspace, const std::string& name, DiagramKind kind, Diagram& target,
                       IncidentWording wording, const IncidentReport& report) {
  const std::string path = DiagramPath(workspace, name, kind);
  auto tell = [&](DiagramIncident incident) {
    if (report) report(incident, IncidentMessage(incident, wording, name));
  };

  const std::int32_t loaded = LoadDiagram(path, target);
  if (loaded == kLoadFailed) {
    target.Points.clear();
    tell(DiagramIncident::LoadCritical);
    return false;
  }
  if (loaded == kLoadSkipped) {
    SaveDiagram(path, target);
    tell(DiagramIncident::LoadFixed);
  }

  const std::int32_t fixed = FixDiagram(target, kind);
  if (fixed == kFixFailed) {
    target.Points.clear();
    tell(DiagramIncident::FixCritical);
    return false;
  }
  if (fixed == kFixChanged) {
    SaveDiagram(path, target);
    tell(DiagramIncident::FixFixed);
  }
  return true;
}

}  // namespace kolvane
