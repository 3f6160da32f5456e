#pragma once
// Whether a diagram can be taken into use, found out before a run starts and
// without writing anything: a long run should not stop after months of
// computing at a diagram that was never there, and a refused run should
// change no file.

#include <string>

#include "core/diagrams/diagram_kinds.h"

namespace kolvane {

enum class DiagramReadiness {
  Usable,        // opening it for use succeeds (a repair, if any, is left to the opening)
  Missing,       // there is no file of that name
  LoadCritical,  // the file cannot be read
  FixCritical,   // the repair fails: the diagram cannot be used
};

// Reads the file at `path` and repairs a copy in memory, as opening the
// diagram for use would. For LoadCritical, `why` (if given) says why.
DiagramReadiness CheckDiagramReadiness(const std::string& path, DiagramKind kind, std::string* why = nullptr);

}  // namespace kolvane
