#include "core/climate/climate_use.h"

#include "core/climate/climate_set.h"
#include "core/creep/calendar.h"
#include "core/diagrams/diagram_kinds.h"
#include "core/diagrams/diagram_name.h"

namespace kolvane {

std::string MissingClimateSetText(const Workspace& workspace, const std::string& name, int month) {
  const std::string folder = workspace.Folder() == "." ? "the current folder" : workspace.Folder();
  return "The climate " + TrimmedDiagramName(name) + " has no set for " +
         kMonthNames[static_cast<std::size_t>(month - 1)] + ", which the dates reach: " + ClimateSetName(name, month) +
         ".dg1 to .dg5 are not all in " + folder + ".";
}

}  // namespace kolvane
