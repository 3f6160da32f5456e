#include "batch/orbit_command.h"

#include "batch/column_folder.h"
#include "batch/creep_command.h"
#include "batch/elastic_command.h"
#include "core/common/memory.h"
#include "core/export/csv_tables.h"
#include "core/thermoelastic/daily_orbit.h"

namespace kolvane::batch {

int RunOrbitCommand(const ParsedArguments& arguments, std::ostream& out, std::ostream& err, const BatchHooks& hooks) {
  const std::string stepText = LastValue(arguments, "--step").value_or("1");
  const std::optional<double> step = ParseStep(stepText);
  if (!step) {
    ReportUsageError(err, "--step takes one of 0.25, 0.5, 1, 2, 3, 4, not '" + stepText + "'");
    return kExitRefused;
  }

  ThermoElasticSetup setup;
  SectionGrid grid;
  const auto check = [&step](const ThermoElasticChoices& chosen) { return CheckOrbitInputs(*step, chosen); };
  if (const int status = PrepareThermoElastic(arguments, "orbit", kOrbitCsvFileName, check, setup, grid, err);
      status != kExitDone)
    return status;

  const OrbitOutcome orbit =
      RunDailyOrbit(grid.LoadedDiagrams, setup.mainData, *step, setup.chosen, AvailableMemoryBytes());
  if (!orbit.Ran) {
    err << orbit.Message << "\n";
    return kExitRefused;
  }
  // With the table on the standard output, the message goes beside it.
  std::ostream& messages = setup.target.standardOutput ? err : out;
  if (const auto largest = LargestTipMovement(orbit.Points))
    messages << LargestTipMovementText(orbit.Points[*largest]) << "\n";

  const std::vector<std::string> lines = OrbitCsvLines(orbit.Points);
  const int status = WriteReport(
      setup.target,
      [&lines](const std::function<void(std::string_view)>& line) {
        for (const std::string& text : lines) line(text);
      },
      out, err, hooks);
  return JudgeResults(status, OrbitIsFinite(orbit.Points), err);
}

}  // namespace kolvane::batch
