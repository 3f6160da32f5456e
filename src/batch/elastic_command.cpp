#include "batch/elastic_command.h"

#include "batch/column_folder.h"
#include "core/common/memory.h"
#include "core/engine/section_grid.h"
#include "core/thermoelastic/elastic_report.h"
#include "core/thermoelastic/thermo_elastic_run.h"

namespace kolvane::batch {

namespace {

constexpr int kRunDiagramCount = 5;  // kinds 1 to 5

int UsageError(std::ostream& err, const std::string& what) {
  ReportUsageError(err, what);
  return kExitRefused;
}

}  // namespace

int PrepareThermoElastic(const ParsedArguments& arguments, const std::string& command, const SetupCheck& check,
                         ThermoElasticSetup& setup, SectionGrid& grid, std::ostream& err) {
  const auto diagramList = LastValue(arguments, "--diagrams");
  if (!diagramList) return UsageError(err, command + " needs --diagrams");
  std::vector<std::string> names = SplitList(*diagramList);
  if (names.size() > kRunDiagramCount) return UsageError(err, "--diagrams takes five names");
  names.resize(kRunDiagramCount);  // names left out are diagrams not chosen

  setup.workspace = Workspace(LastValue(arguments, "--folder").value_or("."));
  if (!CheckFolder(setup.workspace.Folder(), err)) return kExitRefused;
  if (!LoadValidMainData(setup.workspace, setup.mainData, err)) return kExitRefused;

  for (int n = 0; n < kRunDiagramCount; ++n) setup.chosen[n] = !names[n].empty();
  // The command's checks come before any diagram is opened, so a refused
  // command changes no file.
  if (auto message = check(setup.chosen)) {
    err << *message << "\n";
    return kExitRefused;
  }

  for (int n = 0; n < kRunDiagramCount; ++n) {
    if (!CheckDiagramName(names[n], err)) return kExitRefused;
    if (!OpenRunDiagram(setup.workspace, names[n], n + 1, grid.LoadedDiagrams[n], err)) return kExitRefused;
  }
  return kExitDone;
}

int RunElasticCommand(const ParsedArguments& arguments, std::ostream& out, std::ostream& err) {
  const auto hour = LastValue(arguments, "--hour");
  if (!hour) return UsageError(err, "elastic needs --hour");

  ThermoElasticSetup setup;
  SectionGrid grid;
  const auto check = [&hour](const ThermoElasticChoices& chosen) { return CheckThermoElasticInputs(*hour, chosen); };
  if (const int status = PrepareThermoElastic(arguments, "elastic", check, setup, grid, err); status != kExitDone)
    return status;

  const ThermoElasticOutcome outcome = RunThermoElastic(grid, setup.mainData, *hour, setup.chosen, AvailableMemoryBytes());
  if (!outcome.Ran) {
    err << outcome.Message << "\n";
    return kExitRefused;
  }

  const std::string path = ReportPath(arguments, setup.workspace, kElasticReportFileName);
  return ReportSaved(path, SaveElasticReport(ElasticReport(grid), path), out, err);
}

}  // namespace kolvane::batch
