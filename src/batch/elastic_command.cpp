#include "batch/elastic_command.h"

#include "batch/batch_feedback.h"
#include "batch/calculation_report_output.h"
#include "batch/column_folder.h"
#include "core/common/memory.h"
#include "core/common/numeric_reading.h"
#include "core/engine/finite_results.h"
#include "core/engine/section_grid.h"
#include "core/results/run_results.h"
#include "core/thermoelastic/elastic_report.h"
#include "core/thermoelastic/thermo_elastic_run.h"

namespace kolvane::batch {

namespace {

int UsageError(std::ostream& err, const std::string& what) {
  ReportUsageError(err, what);
  return kExitRefused;
}

}  // namespace

int PrepareThermoElastic(const ParsedArguments& arguments, const std::string& command, const char* fileName,
                         const std::string& what, const SetupCheck& check, ThermoElasticSetup& setup, std::ostream& err,
                         const BatchHooks& hooks) {
  if (!ReadLimits(arguments, setup.Limits, err)) return kExitRefused;
  const auto diagramList = LastValue(arguments, "--diagrams");
  if (!diagramList) return UsageError(err, command + " needs --diagrams");
  const std::optional<RunDiagramNames> names = FiveDiagramNames(*diagramList);
  if (!names) return UsageError(err, "--diagrams takes five names");

  // The folder as given: the workspace drops a trailing separator, so "/" is "" there.
  const std::string folder = LastValue(arguments, "--folder").value_or(".");
  if (!CheckFolder(folder, err)) return kExitRefused;
  setup.Workspace = Workspace(folder);
  if (!LoadValidMainData(setup.Workspace, setup.MainData, err)) return kExitRefused;

  setup.Diagrams = *names;
  // The command's own checks, the diagrams and the file's place come before
  // any diagram is opened, so a refused command changes no file.
  if (auto message = check(setup.Diagrams)) {
    err << *message << "\n";
    return kExitRefused;
  }
  const std::vector<NamedDiagram> diagrams = NamedRunDiagrams(setup.Diagrams);
  if (!CheckRunDiagrams(setup.Workspace, diagrams, err)) return kExitRefused;
  setup.Target = ChooseReportTarget(arguments, setup.Workspace, fileName, what);
  if (!CheckOutputTargets({setup.Target}, FilesRead(setup.Workspace, diagrams), err)) return kExitRefused;
  if (!ChoosePdfTarget(arguments, hooks, FilesRead(setup.Workspace, diagrams), {setup.Target}, setup.Pdf, err))
    return kExitRefused;
  return kExitDone;
}

int RunElasticCommand(const ParsedArguments& arguments, std::ostream& out, std::ostream& err, const BatchHooks& hooks) {
  const auto hour = LastValue(arguments, "--hour");
  if (!hour) return UsageError(err, "elastic needs --hour");
  // The whole text must be the number: "14abc" or "12,5" is a typing mistake,
  // not 14 or 12. The range is the run's own check.
  if (!TryWholeNumericValue(*hour)) return UsageError(err, "--hour takes a number from 0 to 24, not '" + *hour + "'");

  ThermoElasticSetup setup;
  const auto check = [&hour](const RunDiagramNames& diagrams) { return CheckThermoElasticInputs({diagrams, *hour}); };
  if (const int status =
          PrepareThermoElastic(arguments, "elastic", kElasticReportFileName, "The report", check, setup, err, hooks);
      status != kExitDone)
    return status;

  SectionGrid grid;
  BatchFeedback feedback(err);
  const ThermoElasticOutcome outcome = RunThermoElastic(grid, setup.Workspace, setup.MainData, {setup.Diagrams, *hour},
                                                        feedback, AvailableMemoryBytes());
  if (outcome.End == RunEnd::Refused) err << outcome.Message << "\n";
  if (outcome.End != RunEnd::Completed) return kExitRefused;  // a diagram that cannot be used has said so

  const auto result = std::make_shared<const ThermoElasticResult>(TakeThermoElasticResult(grid, *hour));
  const ElasticReport report(result->Grid);
  int status = WriteReport(
      setup.Target, [&report](const std::function<void(std::string_view)>& line) { report.ForEachLine(line); }, out,
      err, hooks);
  // With the report on the standard output, the summary goes beside it.
  std::ostream& messages = setup.Target.StandardOutput ? err : out;
  if (status == kExitDone) {
    PrintServiceability(messages, ThermoElasticServiceability(result->Grid.Height, result->Tip(), setup.Limits));
    if (setup.Pdf) {
      CalculationReport calculation;
      calculation.Limits = setup.Limits;
      calculation.ThermoElastic = result;
      calculation.ElasticReportFile = SavedReportFile(setup.Target);
      status = WritePdfReport(*setup.Pdf, calculation, arguments, hooks, messages, err);
    }
  }
  return JudgeResults(status, ThermoElasticResultsAreFinite(result->Grid), err);
}

}  // namespace kolvane::batch
