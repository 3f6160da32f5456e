#include "batch/orbit_command.h"

#include "batch/batch_feedback.h"
#include "batch/calculation_report_output.h"
#include "batch/column_folder.h"
#include "batch/creep_command.h"
#include "batch/elastic_command.h"
#include "core/common/memory.h"
#include "core/export/csv_tables.h"
#include "core/results/run_results.h"
#include "core/thermoelastic/daily_orbit.h"

namespace kolvane::batch {

int RunOrbitCommand(const ParsedArguments& arguments, std::ostream& out, std::ostream& err, const BatchHooks& hooks) {
  const std::string stepText = LastValue(arguments, "--step").value_or(kOrbitDefaultStep);
  const std::optional<double> step = ParseStep(stepText);
  if (!step) {
    ReportUsageError(err, StepRefusal(stepText));
    return kExitRefused;
  }

  ThermoElasticSetup setup;
  const auto check = [&step](const RunDiagramNames& diagrams) { return CheckOrbitInputs(*step, diagrams); };
  if (const int status =
          PrepareThermoElastic(arguments, "orbit", kOrbitCsvFileName, "The orbit CSV file", check, setup, err, hooks);
      status != kExitDone)
    return status;

  BatchFeedback feedback(err);
  const OrbitOutcome orbit =
      RunDailyOrbit(setup.Workspace, setup.MainData, setup.Diagrams, *step, feedback, AvailableMemoryBytes());
  if (orbit.End == RunEnd::Refused) err << orbit.Message << "\n";
  if (orbit.End != RunEnd::Completed) return kExitRefused;  // a diagram that cannot be used has said so
  // With the table on the standard output, the message goes beside it.
  std::ostream& messages = setup.Target.StandardOutput ? err : out;
  if (const auto largest = LargestTipMovement(orbit.Points))
    messages << LargestTipMovementText(orbit.Points[*largest]) << "\n";

  const std::vector<std::string> lines = OrbitCsvLines(orbit.Points);
  int status = WriteReport(
      setup.Target,
      [&lines](const std::function<void(std::string_view)>& line) {
        for (const std::string& text : lines) line(text);
      },
      out, err, hooks);
  if (status == kExitDone) {
    const auto result = std::make_shared<const OrbitResult>(
        OrbitResult{MainDataFromTexts(setup.MainData), *step, orbit.Diagrams, orbit.Points});
    PrintServiceability(messages, OrbitServiceability(result->Column.Height, result->Points, setup.Limits));
    if (setup.Pdf) {
      CalculationReport calculation;
      calculation.Limits = setup.Limits;
      calculation.Orbit = result;
      status = WritePdfReport(*setup.Pdf, calculation, arguments, hooks, messages, err);
    }
  }
  return JudgeResults(status, OrbitIsFinite(orbit.Points), err);
}

}  // namespace kolvane::batch
