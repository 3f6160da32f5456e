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

int RunElasticCommand(const ParsedArguments& arguments, std::ostream& out, std::ostream& err) {
  const auto hour = LastValue(arguments, "--hour");
  if (!hour) return UsageError(err, "elastic needs --hour");
  const auto diagramList = LastValue(arguments, "--diagrams");
  if (!diagramList) return UsageError(err, "elastic needs --diagrams");
  std::vector<std::string> names = SplitList(*diagramList);
  if (names.size() > kRunDiagramCount) return UsageError(err, "--diagrams takes five names");
  names.resize(kRunDiagramCount);  // names left out are diagrams not chosen

  const Workspace workspace(LastValue(arguments, "--folder").value_or("."));
  if (!CheckFolder(workspace.Folder(), err)) return kExitRefused;
  MainDataTexts mainData;
  if (!LoadValidMainData(workspace, mainData, err)) return kExitRefused;

  ThermoElasticChoices chosen{};
  for (int n = 0; n < kRunDiagramCount; ++n) chosen[n] = !names[n].empty();
  // The hour and the choices are checked before any diagram is opened, so a
  // refused command changes no file.
  if (auto message = CheckThermoElasticInputs(*hour, chosen)) {
    err << *message << "\n";
    return kExitRefused;
  }

  SectionGrid grid;
  for (int n = 0; n < kRunDiagramCount; ++n) {
    if (!CheckDiagramName(names[n], err)) return kExitRefused;
    if (!OpenRunDiagram(workspace, names[n], n + 1, grid.LoadedDiagrams[n], err)) return kExitRefused;
  }

  const ThermoElasticOutcome outcome = RunThermoElastic(grid, mainData, *hour, chosen, AvailableMemoryBytes());
  if (!outcome.Ran) {
    err << outcome.Message << "\n";
    return kExitRefused;
  }

  const std::string path = ReportPath(arguments, workspace, kElasticReportFileName);
  return ReportSaved(path, SaveElasticReport(ElasticReport(grid), path), out, err);
}

}  // namespace kolvane::batch
