#pragma once
// What a calculation report holds: the title block the user gave, the limits
// and the results it states. The report itself is laid out by the report
// module beside the core.

#include <memory>
#include <string>

#include "core/results/run_results.h"
#include "core/results/serviceability.h"

namespace kolvane {

struct ReportTitleBlock {
  std::string Project, Structure, Folder, Engineer, Checker;
};

struct CalculationReport {
  ReportTitleBlock Title;
  ServiceabilityLimits Limits;
  std::shared_ptr<const ThermoElasticResult> ThermoElastic;
  std::shared_ptr<const OrbitResult> Orbit;
  std::shared_ptr<const CreepResult> Creep;
  // Where the text reports were saved beside it, when they were: the full
  // lines live there, not in the calculation report.
  std::string ElasticReportFile, CreepReportFile;
};

// The sign conventions, in a few lines, as every report states them.
inline const char* const kSignConventionLines[] = {
    "The section is seen from above: X points East, Y points South; angles and bearings turn from X towards Y "
    "(from the East towards the South).",
    "A positive X or Y deflection moves the tip towards +X or +Y; the column leans away from its warmer side.",
    "Z counts down the column from the tip: a positive Z deflection is a movement downwards (the column shortens); "
    "a column that lengthens has a negative one.",
    "The tip's rotation is its slope, the length of (SlopeX, SlopeY); H/n states a deflection as a fraction of the "
    "column's height H.",
};

}  // namespace kolvane
