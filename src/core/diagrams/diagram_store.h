#pragma once
// How the diagram windows keep the user's work on disk: an edited diagram is
// written under its (possibly new) name, and a renamed diagram leaves no
// stale file behind.

#include <string>

#include "core/common/text_file.h"
#include "core/common/workspace.h"
#include "core/diagrams/diagram.h"
#include "core/diagrams/diagram_kinds.h"

namespace kolvane {

// Writes `diagram` as `newName` of `kind`. When newName differs from oldName
// (a rename; oldName is empty for a new diagram) the file of oldName is then
// removed, unless it is the very file just written, as it is when the names
// differ only in letter case on a file system that ignores case. A failed
// write removes nothing, so a rename can never lose the diagram.
WriteResult StoreEditedDiagram(const Workspace& workspace, DiagramKind kind, const std::string& oldName,
                               const std::string& newName, const Diagram& diagram);

// Removes the diagram's file; false when it could not be removed.
bool DeleteDiagramFile(const Workspace& workspace, const std::string& name, DiagramKind kind);

std::string DeleteDiagramQuestion(const std::string& name);
// "June.dg1 could not be saved: Permission denied"
std::string DiagramNotSavedMessage(const std::string& name, DiagramKind kind, const std::string& reason);

}  // namespace kolvane
