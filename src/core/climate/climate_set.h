#pragma once
// Climate sets: the five diagrams of one month, named "NAME-MM" (NAME-07.dg1
// to NAME-07.dg5), written side by side in the column's folder.

#include <optional>
#include <string>
#include <vector>

#include "core/climate/climate_diagrams.h"
#include "core/climate/weather_file.h"
#include "core/common/workspace.h"

namespace kolvane {

// "Turin-07".
std::string ClimateSetName(const std::string& name, int month);

// A climate name made from the file's place ("Torino Caselle" -> "Torino
// Caselle"): the characters a diagram name refuses become "_"; "climate"
// when nothing usable is left.
std::string ClimateNameFromSite(const WeatherSite& site);

// The first message that refuses a climate name (the set names it gives must
// be valid diagram names), or empty.
std::string CheckClimateName(const std::string& name);

// The months 1..12 whose set of all five diagrams exists in the folder.
std::vector<int> ClimateSetMonths(const Workspace& workspace, const std::string& name);

// The names of the climates with at least one month's sun position diagram
// in the folder ("Turin" for Turin-07.dg1), each once, in listing order.
std::vector<std::string> ListClimateNames(const Workspace& workspace);

// The files of the set that exist already ("Turin-07.dg1", ...).
std::vector<std::string> ExistingSetFiles(const Workspace& workspace, const std::string& name, int month);

struct ClimateWriteResult {
  bool Ok = false;
  std::vector<std::string> Written;  // the file names written
  std::vector<std::string> Kept;     // backups made of replaced diagrams ("Turin-07.dg1.bak")
  std::string Error;                 // why not, for the user, when !ok
  // When !ok: true when nothing was written because a set exists (and
  // replacing was not asked) or a file of it is not a diagram file; false
  // when a write failed (the files written before it are in `written`).
  bool Refused = false;
};

// Writes the sets of the given months through the diagram save. Refused before
// anything is written when a file of any of the sets exists and `replace` is
// false. A replaced diagram is first kept as its ".bak"; when that fails the
// diagram is not replaced and the writing stops there.
ClimateWriteResult WriteClimateSets(const Workspace& workspace, const std::string& name,
                                    const std::vector<MonthDiagrams>& months, bool replace);

}  // namespace kolvane
