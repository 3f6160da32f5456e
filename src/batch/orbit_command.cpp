#include "batch/orbit_command.h"

#include "batch/column_folder.h"
#include "batch/creep_command.h"
#include "batch/elastic_command.h"
#include "core/common/csv_file.h"
#include "core/common/memory.h"
#include "core/export/csv_tables.h"
#include "core/thermoelastic/daily_orbit.h"

namespace kolvane::batch {

int RunOrbitCommand(const ParsedArguments& arguments, std::ostream& out, std::ostream& err) {
  const std::string stepText = LastValue(arguments, "--step").value_or("1");
  const std::optional<double> step = ParseStep(stepText);
  if (!step) {
    ReportUsageError(err, "--step takes one of 0.25, 0.5, 1, 2, 3, 4, not '" + stepText + "'");
    return kExitRefused;
  }

  ThermoElasticSetup setup;
  SectionGrid grid;
  const auto check = [&step](const ThermoElasticChoices& chosen) { return CheckOrbitInputs(*step, chosen); };
  if (const int status = PrepareThermoElastic(arguments, "orbit", check, setup, grid, err); status != kExitDone)
    return status;

  const OrbitOutcome orbit =
      RunDailyOrbit(grid.LoadedDiagrams, setup.mainData, *step, setup.chosen, AvailableMemoryBytes());
  if (!orbit.Ran) {
    err << orbit.Message << "\n";
    return kExitRefused;
  }
  if (const auto largest = LargestTipMovement(orbit.Points)) out << LargestTipMovementText(orbit.Points[*largest]) << "\n";

  const std::string path = ReportPath(arguments, setup.workspace, kOrbitCsvFileName);
  return ReportSaved(path, SaveCsvFile(path, OrbitCsvLines(orbit.Points)), out, err);
}

}  // namespace kolvane::batch
