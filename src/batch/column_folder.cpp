#include "batch/column_folder.h"

#include <sys/stat.h>

#include <algorithm>

#include "batch/batch_arguments.h"
#include "core/diagrams/diagram_file.h"
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

bool LoadValidMainData(const Workspace& workspace, MainDataTexts& texts, std::ostream& err) {
  texts = ZeroMainDataTexts();
  const MainDataLoadResult loaded = LoadMainDataFile(workspace.PathOf(kMainDataFileName), texts);
  switch (loaded.Reading) {
    case MainDataReading::Complete:
      break;
    case MainDataReading::Missing:
      err << kMainDataFileName << " was not found in " << workspace.InMessage() << ".\n";
      return false;
    case MainDataReading::Unreadable:
      err << kMainDataFileName << " could not be read: " << loaded.Reason << ".\n";
      return false;
    case MainDataReading::Incomplete:
      err << kMainDataFileName << " could not be read: only " << loaded.FieldsLoaded << " of its " << kMainFieldCount
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

bool CheckRunDiagrams(const Workspace& workspace, const std::vector<NamedDiagram>& diagrams, std::ostream& err) {
  if (const auto problem = RunDiagramsProblem(workspace, diagrams)) {
    err << *problem << "\n";
    return false;
  }
  return true;
}

std::optional<RunDiagramNames> FiveDiagramNames(const std::string& list) {
  const std::vector<std::string> names = SplitList(list);
  if (names.size() > kTemperatureKinds.size()) return std::nullopt;
  RunDiagramNames five;
  std::copy(names.begin(), names.end(), five.begin());
  return five;
}

std::vector<std::string> FilesRead(const Workspace& workspace, const std::vector<NamedDiagram>& diagrams) {
  std::vector<std::string> files{workspace.PathOf(kMainDataFileName)};
  for (const NamedDiagram& diagram : diagrams) files.push_back(DiagramPath(workspace, diagram.Name, diagram.Kind));
  return files;
}

}  // namespace kolvane::batch
