#include "core/climate/climate_set.h"

#include <sys/stat.h>

#include <algorithm>
#include <cmath>

#include "core/common/number_text.h"
#include "core/common/text_file.h"
#include "core/diagrams/diagram_file.h"
#include "core/diagrams/diagram_name.h"

namespace kolvane {
namespace {

bool Exists(const std::string& path) {
  struct stat info;
  return ::lstat(path.c_str(), &info) == 0;
}

bool IsRegularFile(const std::string& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// What a diagram name refuses becomes "_".
bool Refused(unsigned char c) {
  return c < 0x20 || c == 0x7F || std::string_view("/\\:*?<>|\"").find(static_cast<char>(c)) != std::string_view::npos;
}

std::string Rounded(double degrees) { return NumberText(std::round(std::fabs(degrees) * 100) / 100); }

// Keeps the diagram at `path` as its ".bak", as repair does, then writes the
// new one; the reason when either fails.
std::string Replace(const std::string& path, const Diagram& diagram, bool& keptOne) {
  keptOne = false;
  const TextFileContent original = ReadWholeFile(path);
  if (original.Status == ReadStatus::Failed) return "it could not be read to keep it: " + original.Reason;
  if (original.Status == ReadStatus::Ok) {
    const WriteResult backup = WriteBytesAtomically(BackupPathOf(path), original.Bytes);
    if (!backup.Ok) return "it could not be kept as its .bak: " + backup.Reason;
    keptOne = true;
  }
  const WriteResult written = SaveDiagram(path, diagram);
  return written.Ok ? std::string() : written.Reason;
}

}  // namespace

std::string ClimateSetName(const std::string& name, int month) {
  return TrimmedDiagramName(name) + (month < 10 ? "-0" : "-") + std::to_string(month);
}

std::string ClimateNameFromSite(const WeatherSite& site) {
  std::string name;
  if (site.Place != "unknown" && site.Place != "-")
    for (unsigned char c : site.Place) name += Refused(c) ? '_' : static_cast<char>(c);
  name = TrimmedDiagramName(name);
  if (!name.empty() && CheckClimateName(name).empty()) return name;
  // No usable place: the coordinates, "45N 8E".
  return Rounded(site.Latitude) + (site.Latitude < 0 ? "S " : "N ") + Rounded(site.Longitude) +
         (site.Longitude < 0 ? "W" : "E");
}

std::string CheckClimateName(const std::string& name) {
  if (TrimmedDiagramName(name).empty()) return "The climate needs a name.";
  if (!IsValidDiagramName(ClimateSetName(name, 12)))
    return "The climate name '" + name + "' cannot name a diagram (no \\ / : * ? < > | \" or control characters).";
  return {};
}

std::vector<int> ClimateSetMonths(const Workspace& workspace, const std::string& name) {
  std::vector<int> months;
  for (int month = 1; month <= 12; ++month) {
    bool whole = true;
    for (const DiagramKind kind : kTemperatureKinds)
      whole = whole && IsRegularFile(DiagramPath(workspace, ClimateSetName(name, month), kind));
    if (whole) months.push_back(month);
  }
  return months;
}

std::vector<std::string> ListClimateNames(const Workspace& workspace) {
  std::vector<std::string> names;
  for (const std::string& diagram : ListDiagramNames(workspace, kSunPosition)) {
    const std::size_t dash = diagram.size() >= 4 ? diagram.size() - 3 : std::string::npos;
    if (dash == std::string::npos || dash == 0 || diagram[dash] != '-') continue;
    const std::string climate = diagram.substr(0, dash);
    bool isMonth = false;
    for (int month = 1; month <= 12 && !isMonth; ++month) isMonth = ClimateSetName(climate, month) == diagram;
    if (isMonth && std::find(names.begin(), names.end(), climate) == names.end()) names.push_back(climate);
  }
  return names;
}

std::vector<std::string> ExistingSetFiles(const Workspace& workspace, const std::string& name, int month) {
  std::vector<std::string> files;
  for (const DiagramKind kind : kTemperatureKinds)
    if (Exists(DiagramPath(workspace, ClimateSetName(name, month), kind)))
      files.push_back(DiagramFileName(ClimateSetName(name, month), kind));
  return files;
}

ClimateWriteResult WriteClimateSets(const Workspace& workspace, const std::string& name,
                                    const std::vector<MonthDiagrams>& months, bool replace) {
  ClimateWriteResult result;
  result.Refused = true;
  if (const std::string refusal = CheckClimateName(name); !refusal.empty()) {
    result.Error = refusal;
    return result;
  }
  // Everything that would stop the writing part-way is looked at first.
  for (const MonthDiagrams& month : months) {
    for (const std::string& file : ExistingSetFiles(workspace, name, month.Month)) {
      if (!replace) {
        result.Error = "The set " + ClimateSetName(name, month.Month) + " exists already (" + file + ").";
        return result;
      }
      if (!IsRegularFile(workspace.PathOf(file))) {
        result.Error = file + " is not a diagram file and cannot be replaced.";
        return result;
      }
    }
  }
  result.Refused = false;
  for (const MonthDiagrams& month : months) {
    for (const DiagramKind kind : kTemperatureKinds) {
      const std::string setName = ClimateSetName(name, month.Month);
      const std::string file = DiagramFileName(setName, kind);
      bool kept = false;
      const std::string failure =
          Replace(DiagramPath(workspace, setName, kind), month.Diagrams[TemperatureSlot(kind)], kept);
      if (kept) result.Kept.push_back(BackupPathOf(file));
      if (!failure.empty()) {
        result.Error = file + " could not be saved: " + failure + ".";
        return result;
      }
      result.Written.push_back(file);
    }
  }
  result.Ok = true;
  return result;
}

}  // namespace kolvane
