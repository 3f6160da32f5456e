#include "batch/column_folder.h"

#include <sys/stat.h>

#include "core/diagrams/open_diagram.h"
#include "core/maindata/main_data_file.h"
#include "core/maindata/validation.h"

namespace kolvane::batch {

bool CheckFolder(const std::string& folder, std::ostream& err) {
  struct stat info;
  if (::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) return true;
  err << "kolvane-batch: the folder '" << folder << "' does not exist\n";
  return false;
}

bool LoadValidMainData(const Workspace& workspace, MainDataTexts& texts, std::ostream& err) {
  texts = ZeroMainDataTexts();
  const MainDataLoadResult loaded = LoadMainDataFile(workspace.PathOf(kMainDataFileName), texts);
  if (loaded.status == ReadStatus::Missing) {
    err << kMainDataFileName << " was not found in " << workspace.Folder() << ".\n";
    return false;
  }
  if (loaded.status != ReadStatus::Ok) {
    err << kMainDataFileName << " could not be read: only " << loaded.fieldsLoaded << " of its "
        << kMainFieldCount << " fields are valid.\n";
    return false;
  }
  if (auto message = ValidateMainData(texts)) {
    err << *message << "\n";
    return false;
  }
  return true;
}

bool CheckDiagramName(const std::string& name, std::ostream& err) {
  bool valid = name != "." && name != "..";
  for (const char c : name) valid = valid && c != PathSep && static_cast<unsigned char>(c) >= 0x20;
  if (!valid) err << "The diagram name is invalid: '" << name << "'\n";
  return valid;
}

bool OpenRunDiagram(const Workspace& workspace, const std::string& name, DiagramKind kind, Diagram& target,
                    std::ostream& err) {
  return OpenDiagramForUse(workspace, name, kind, target, IncidentWording::Solution,
                           [&err](DiagramIncident, const std::string& message) { err << message << "\n"; });
}

std::string ReportPath(const ParsedArguments& arguments, const Workspace& workspace, const char* reportFileName) {
  return LastValue(arguments, "--out").value_or(workspace.PathOf(reportFileName));
}

int ReportSaved(const std::string& path, const WriteResult& written, std::ostream& out, std::ostream& err) {
  if (!written.ok) {
    err << path << " could not be saved: " << written.reason << "\n";
    return kExitFailed;
  }
  out << path << " was saved successfully.\n";
  return kExitDone;
}

}  // namespace kolvane::batch
