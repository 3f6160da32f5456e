#pragma once
// The one way a window or the batch tool takes a diagram into use: load it,
// write it back if lines had to be skipped, repair it, write it back if the
// repair changed it, and report every incident.

#include <functional>
#include <string>

#include "core/common/workspace.h"
#include "core/diagrams/diagram.h"
#include "core/diagrams/diagram_kinds.h"

namespace kolvane {

enum class DiagramIncident {
  LoadCritical,  // the file could not be read: the diagram is not used
  LoadFixed,     // malformed lines were skipped and the file rewritten without them (when it could be)
  FixCritical,   // the repair failed: the diagram is not used
  FixFixed,      // the repair changed the diagram and the file was rewritten (when it could be)
};

// The diagram manager words its messages briefly; the solution windows (and the
// batch tool) add a full stop and, for repairs, a request to review the data.
enum class IncidentWording { Manager, Solution };

bool IsCritical(DiagramIncident incident);

std::string IncidentMessage(DiagramIncident incident, IncidentWording wording, const std::string& name);

// The critical message of a diagram file that cannot be read, followed by a
// sentence that names the file and says why ("it is a folder", "Permission
// denied").
std::string UnreadableDiagramMessage(IncidentWording wording, const std::string& name, DiagramKind kind,
                                     const std::string& why);

using IncidentReport = std::function<void(DiagramIncident incident, const std::string& message)>;

// Loads and repairs the diagram `name` of `kind` from the workspace into
// target and returns true when it is ready for use. A file rewritten because
// lines were skipped or the repair changed it is first kept as "<file>.bak",
// and the incident message says so in a sentence after its text; when the
// file cannot be kept or written, the message says instead that the repaired
// diagram is used for this run only, and why. After a critical incident
// it returns false and target is left empty, so no partial or earlier diagram
// is used by mistake. A file that cannot be read is a critical incident whose
// message says why.
//
// A missing file: the diagram manager opens the kind's default diagram in its
// place (written, with the repair's message); a run refuses it as a file that
// cannot be read, since computing on a diagram nobody drew is no result.
// `sha256`, when given, receives the digest of the file as it was read, before
// any repair (empty for a file that did not exist).
enum class MissingDiagram { CreateDefault, Refuse };
bool OpenDiagramForUse(const Workspace& workspace, const std::string& name, DiagramKind kind, Diagram& target,
                       IncidentWording wording, const IncidentReport& report,
                       MissingDiagram whenMissing = MissingDiagram::CreateDefault, std::string* sha256 = nullptr);

}  // namespace kolvane
