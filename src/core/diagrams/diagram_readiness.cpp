#include "core/diagrams/diagram_readiness.h"

#include "core/diagrams/diagram.h"
#include "core/diagrams/diagram_file.h"
#include "core/diagrams/diagram_repair.h"

namespace kolvane {

DiagramReadiness CheckDiagramReadiness(const std::string& path, DiagramKind kind, std::string* why) {
  Diagram diagram;
  const DiagramLoadResult loaded = LoadDiagram(path, diagram, why);
  if (loaded == DiagramLoadResult::Missing) return DiagramReadiness::Missing;
  if (loaded == DiagramLoadResult::Failed) return DiagramReadiness::LoadCritical;
  if (FixDiagram(diagram, kind) == DiagramFixResult::Failed) return DiagramReadiness::FixCritical;
  return DiagramReadiness::Usable;
}

}  // namespace kolvane
