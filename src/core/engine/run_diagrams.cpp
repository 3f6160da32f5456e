#include "core/engine/run_diagrams.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

#include "core/diagrams/diagram_file.h"
#include "core/diagrams/diagram_name.h"
#include "core/diagrams/diagram_readiness.h"

namespace kolvane {

namespace {

bool IsMissing(const std::string& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) != 0 && (errno == ENOENT || errno == ENOTDIR);
}

std::string NotFound(const Workspace& workspace, const NamedDiagram& diagram) {
  return DiagramFileName(diagram.Name, diagram.Kind) + " was not found in " + workspace.InMessage() + ".";
}

// Why a diagram the run uses cannot be used, read without repairing it.
std::optional<std::string> UseProblem(const Workspace& workspace, const NamedDiagram& diagram) {
  std::string why;
  switch (CheckDiagramReadiness(DiagramPath(workspace, diagram.Name, diagram.Kind), diagram.Kind, &why)) {
    case DiagramReadiness::Usable:
      return std::nullopt;
    case DiagramReadiness::Missing:  // removed since the look for it
      return NotFound(workspace, diagram);
    case DiagramReadiness::LoadCritical:
      return UnreadableDiagramMessage(IncidentWording::Solution, diagram.Name, diagram.Kind, why);
    case DiagramReadiness::FixCritical:
      return IncidentMessage(DiagramIncident::FixCritical, IncidentWording::Solution, diagram.Name);
  }
  return std::nullopt;
}

}  // namespace

std::vector<NamedDiagram> NamedRunDiagrams(const RunDiagramNames& names) {
  std::vector<NamedDiagram> diagrams;
  for (const DiagramKind kind : kTemperatureKinds) diagrams.push_back({names[TemperatureSlot(kind)], kind, true});
  return diagrams;
}

std::optional<std::string> RunDiagramsProblem(const Workspace& workspace, const std::vector<NamedDiagram>& diagrams) {
  for (const NamedDiagram& diagram : diagrams)
    if (!IsValidDiagramName(diagram.Name)) return "The diagram name is invalid: '" + diagram.Name + "'";
  // Every name given, used or not: opening a missing file would create the
  // kind's default diagram and compute on a diagram nobody drew.
  for (const NamedDiagram& diagram : diagrams)
    if (IsMissing(DiagramPath(workspace, diagram.Name, diagram.Kind))) return NotFound(workspace, diagram);
  for (const NamedDiagram& diagram : diagrams)
    if (diagram.Used)
      if (auto problem = UseProblem(workspace, diagram)) return problem;
  return std::nullopt;
}

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
  for (const DiagramKind kind : kTemperatureKinds)
    if (!OpenRunDiagram(grid, workspace, names[TemperatureSlot(kind)], kind, incident)) return false;
  return true;
}

IncidentReport FeedbackIncidents(WorkFeedback& feedback) {
  return [&feedback](DiagramIncident, const std::string& message) { feedback.Incident(message); };
}

}  // namespace kolvane
