#include "batch/column_folder.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

#include "batch/batch_arguments.h"
#include "core/diagrams/diagram_file.h"
#include "core/diagrams/diagram_name.h"
#include "core/diagrams/diagram_readiness.h"
#include "core/diagrams/open_diagram.h"
#include "core/maindata/main_data_file.h"
#include "core/maindata/validation.h"

namespace kolvane::batch {

bool CheckFolder(const std::string& folder, std::ostream& err) {
  struct stat info;
  if (::stat(folder.c_str(), &info) != 0) {
    err << "kolvane-batch: the folder '" << folder << "' does not exist\n";
    return false;
  }
  if (!S_ISDIR(info.st_mode)) {
    err << "kolvane-batch: '" << folder << "' is not a folder\n";
    return false;
  }
  return true;
}

namespace {

// The folder as a message names it: "in ." would read as a full stop.
std::string FolderInMessage(const Workspace& workspace) {
  if (workspace.Folder() == ".") return "the current folder";
  if (workspace.Folder().empty()) return "/";  // the root, whose trailing separator the workspace drops
  return workspace.Folder();
}

}  // namespace

bool LoadValidMainData(const Workspace& workspace, MainDataTexts& texts, std::ostream& err) {
  texts = ZeroMainDataTexts();
  const MainDataLoadResult loaded = LoadMainDataFile(workspace.PathOf(kMainDataFileName), texts);
  switch (loaded.reading) {
    case MainDataReading::Complete:
      break;
    case MainDataReading::Missing:
      err << kMainDataFileName << " was not found in " << FolderInMessage(workspace) << ".\n";
      return false;
    case MainDataReading::Unreadable:
      err << kMainDataFileName << " could not be read: " << loaded.reason << ".\n";
      return false;
    case MainDataReading::Incomplete:
      err << kMainDataFileName << " could not be read: only " << loaded.fieldsLoaded << " of its " << kMainFieldCount
          << " fields are valid.\n";
      return false;
    case MainDataReading::OverFull:
      err << kMainDataFileName << " could not be read: it holds more values than its " << kMainFieldCount
          << " fields (a decimal comma ends a value), so the fields would be shifted.\n";
      return false;
  }
  if (auto message = ValidateMainData(texts)) {
    err << *message << "\n";
    return false;
  }
  return true;
}

namespace {

std::string FileName(const NamedDiagram& diagram) { return DiagramFileName(diagram.name, diagram.kind); }

bool IsMissing(const std::string& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) != 0 && (errno == ENOENT || errno == ENOTDIR);
}

bool RefuseMissing(const Workspace& workspace, const NamedDiagram& diagram, std::ostream& err) {
  err << FileName(diagram) << " was not found in " << FolderInMessage(workspace) << ".\n";
  return false;
}

}  // namespace

bool CheckRunDiagrams(const Workspace& workspace, const std::vector<NamedDiagram>& diagrams, std::ostream& err) {
  for (const NamedDiagram& diagram : diagrams) {
    if (!IsValidDiagramName(diagram.name)) {
      err << "The diagram name is invalid: '" << diagram.name << "'\n";
      return false;
    }
  }
  // Every name given, used or not: opening a missing file would create the
  // kind's default diagram and compute on a diagram nobody drew.
  for (const NamedDiagram& diagram : diagrams)
    if (IsMissing(DiagramPath(workspace, diagram.name, diagram.kind))) return RefuseMissing(workspace, diagram, err);
  for (const NamedDiagram& diagram : diagrams) {
    if (!diagram.used) continue;
    std::string why;
    switch (CheckDiagramReadiness(DiagramPath(workspace, diagram.name, diagram.kind), diagram.kind, &why)) {
      case DiagramReadiness::Usable:
        break;
      case DiagramReadiness::Missing:  // removed since the look above
        return RefuseMissing(workspace, diagram, err);
      case DiagramReadiness::LoadCritical:
        err << UnreadableDiagramMessage(IncidentWording::Solution, diagram.name, diagram.kind, why) << "\n";
        return false;
      case DiagramReadiness::FixCritical:
        err << IncidentMessage(DiagramIncident::FixCritical, IncidentWording::Solution, diagram.name) << "\n";
        return false;
    }
  }
  return true;
}

std::optional<RunDiagramNames> FiveDiagramNames(const std::string& list) {
  const std::vector<std::string> names = SplitList(list);
  if (names.size() > kRunDiagramCount) return std::nullopt;
  RunDiagramNames five;
  std::copy(names.begin(), names.end(), five.begin());
  return five;
}

std::vector<std::string> FilesRead(const Workspace& workspace, const std::vector<NamedDiagram>& diagrams) {
  std::vector<std::string> files{workspace.PathOf(kMainDataFileName)};
  for (const NamedDiagram& diagram : diagrams) files.push_back(DiagramPath(workspace, diagram.name, diagram.kind));
  return files;
}

}  // namespace kolvane::batch
