#include "core/climate/climate_use.h"

#include <algorithm>

#include "core/climate/climate_set.h"
#include "core/diagrams/diagram_file.h"
#include "core/diagrams/diagram_kinds.h"
#include "core/diagrams/diagram_name.h"

namespace kolvane {
namespace {

// NAME of "NAME-MM" with MM from 01 to 12, or empty.
std::string ClimateNameOf(const std::string& setName) {
  const std::size_t size = setName.size();
  if (size < 4 || setName[size - 3] != '-') return {};
  const char tens = setName[size - 2], units = setName[size - 1];
  if (tens < '0' || tens > '1' || units < '0' || units > '9') return {};
  const int month = (tens - '0') * 10 + (units - '0');
  if (month < 1 || month > 12) return {};
  return setName.substr(0, size - 3);
}

}  // namespace

std::vector<std::string> ListClimateNames(const Workspace& workspace) {
  std::vector<std::string> names;
  for (const std::string& setName : ListDiagramNames(workspace, kSunPosition)) {
    const std::string name = ClimateNameOf(setName);
    if (name.empty() || std::find(names.begin(), names.end(), name) != names.end()) continue;
    if (!ClimateSetMonths(workspace, name).empty()) names.push_back(name);
  }
  return names;
}

std::string MissingClimateSetText(const Workspace& workspace, const std::string& name, int month) {
  const std::string folder = workspace.Folder() == "." ? "the current folder" : workspace.Folder();
  return "The climate " + TrimmedDiagramName(name) + " has no set for " +
         MonthNames[static_cast<std::size_t>(month - 1)] + ", which the dates reach: " + ClimateSetName(name, month) +
         ".dg1 to .dg5 are not all in " + folder + ".";
}

}  // namespace kolvane
