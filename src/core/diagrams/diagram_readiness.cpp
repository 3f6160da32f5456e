#include "core/diagrams/diagram_readiness.h"

#include "core/diagrams/diagram.h"
#include "core/diagrams/diagram_file.h"
#include "core/diagrams/diagram_repair.h"

namespace kolvane {

DiagramReadiness CheckDiagramReadiness(const std::string& path, DiagramKind kind) {
  Diagram diagram;
  const std::int32_t loaded = LoadDiagram(path, diagram);
  if (loaded == kLoadMissing) return DiagramReadiness::Missing;
  if (loaded == kLoadFailed) return DiagramReadiness::LoadCritical;
  if (FixDiagram(diagram, kind) == kFixFailed) return DiagramReadiness::FixCritical;
  return DiagramReadiness::Usable;
}

}  // namespace kolvane
