#include "core/diagrams/diagram_store.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "core/diagrams/diagram_file.h"

namespace kolvane {

WriteResult StoreEditedDiagram(const Workspace& workspace, DiagramKind kind, const std::string& oldName,
                               const std::string& newName, const Diagram& diagram) {
  const std::string newPath = DiagramPath(workspace, newName, kind);
  WriteResult written = SaveDiagram(newPath, diagram);
  if (!written.Ok || oldName.empty() || oldName == newName) return written;

  const std::string oldPath = DiagramPath(workspace, oldName, kind);
  std::error_code error;
  if (!std::filesystem::equivalent(oldPath, newPath, error) && !error) std::remove(oldPath.c_str());
  return written;
}

bool DeleteDiagramFile(const Workspace& workspace, const std::string& name, DiagramKind kind) {
  return std::remove(DiagramPath(workspace, name, kind).c_str()) == 0;
}

std::string DeleteDiagramQuestion(const std::string& name) {
  return "You are about to delete " + name + ". Should I proceed?";
}

std::string DiagramNotSavedMessage(const std::string& name, DiagramKind kind, const std::string& reason) {
  return DiagramFileName(name, kind) + " could not be saved: " + reason;
}

}  // namespace kolvane
