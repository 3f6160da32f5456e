#include "batch/creep_command.h"

#include <algorithm>
#include <cctype>
#include <set>

#include "batch/batch_feedback.h"
#include "batch/calculation_report_output.h"
#include "batch/column_folder.h"
#include "core/climate/climate_set.h"
#include "core/climate/climate_use.h"
#include "core/common/memory.h"
#include "core/common/numeric_reading.h"
#include "core/creep/creep_diagram_plan.h"
#include "core/creep/creep_report.h"
#include "core/creep/creep_run.h"
#include "core/creep/time_steps.h"
#include "core/engine/finite_results.h"
#include "core/engine/section_grid.h"
#include "core/export/csv_tables.h"
#include "core/results/run_results.h"

namespace kolvane::batch {

namespace {

// A usage error on err; false, for the readers below.
bool Refuse(std::ostream& err, const std::string& what) {
  ReportUsageError(err, what);
  return false;
}

bool AllDigits(const std::string& text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

std::optional<CalendarDate> ParseDate(const std::string& text) {
  const std::vector<std::string> parts = SplitList(text, '/');
  if (parts.size() != 3) return std::nullopt;
  for (const std::string& part : parts)
    if (!AllDigits(part) || part.size() > 4) return std::nullopt;
  const CalendarDate date{std::stoi(parts[0]), std::stoi(parts[1]), std::stoi(parts[2])};
  if (CheckCreepDate(date) != CreepDateCheck::Valid) return std::nullopt;
  return date;
}

std::string DateRefusal(const char* option, const std::string& text) {
  return std::string(option) + " takes a date D/M/YYYY from " + CreepDatesText() + ", not '" + text + "'";
}

// Reads the command line into run inputs; a usage error on err otherwise.
bool ReadInputs(const ParsedArguments& arguments, CreepRunInputs& inputs, std::ostream& err) {
  const auto from = LastValue(arguments, "--from");
  const auto to = LastValue(arguments, "--to");
  const auto step = LastValue(arguments, "--step");
  const auto diagrams = LastValue(arguments, "--diagrams");
  const auto climate = LastValue(arguments, "--climate");
  if (climate && (diagrams || arguments.Values.count("--month") != 0))
    return Refuse(err, "--climate gives every month its diagrams: leave out --diagrams and --month");
  const std::pair<const std::optional<std::string>*, const char*> required[] = {
      {&from, "--from"}, {&to, "--to"}, {&step, "--step"}, {climate ? &climate : &diagrams, "--diagrams"}};
  for (const auto& [value, name] : required)
    if (!value->has_value()) return Refuse(err, std::string("creep needs ") + name);

  const auto start = ParseDate(*from);
  if (!start) return Refuse(err, DateRefusal("--from", *from));
  const auto end = ParseDate(*to);
  if (!end) return Refuse(err, DateRefusal("--to", *to));
  inputs.StartDate = ChoiceOf(*start);
  inputs.EndDate = ChoiceOf(*end);

  inputs.TimeStep = ParseStep(*step);
  if (!inputs.TimeStep) return Refuse(err, StepRefusal(*step));

  inputs.StoreEveryText = LastValue(arguments, "--store-every").value_or("");
  if (!IsStoreFieldText(inputs.StoreEveryText))
    return Refuse(err, "--store-every takes a whole number of up to six digits, not '" + inputs.StoreEveryText + "'");
  inputs.StoreAtText = LastValue(arguments, "--store-at").value_or("");
  if (!IsStoreHourText(inputs.StoreAtText))
    return Refuse(err,
                  "--store-at takes an hour of up to six characters (14 or 14.5), not '" + inputs.StoreAtText + "'");

  if (climate) {
    if (const std::string refusal = CheckClimateName(*climate); !refusal.empty()) return Refuse(err, refusal);
    for (int month = 1; month <= 12; ++month)
      inputs.MonthDiagrams[static_cast<std::size_t>(month - 1)].fill(ClimateSetName(*climate, month));
  } else {
    const auto every = FiveDiagramNames(*diagrams);
    if (!every) return Refuse(err, "--diagrams takes five names");
    inputs.MonthDiagrams.fill(*every);
  }
  const auto months = arguments.Values.find("--month");
  if (months != arguments.Values.end()) {
    std::set<int> monthsGiven;
    for (const std::string& value : months->second) {
      const std::size_t equals = value.find('=');
      const std::string month = value.substr(0, equals);
      const auto names = equals == std::string::npos ? std::nullopt : FiveDiagramNames(value.substr(equals + 1));
      if (!AllDigits(month) || month.size() > 2 || std::stoi(month) < 1 || std::stoi(month) > 12 || !names)
        return Refuse(err,
                      "--month takes M=SUN,AMBIENT,SURFACE,EXTVAR,INTVAR with M from 1 to 12, not '" + value + "'");
      if (!monthsGiven.insert(std::stoi(month)).second) return Refuse(err, "--month " + month + " is given twice");
      inputs.MonthDiagrams[static_cast<std::size_t>(std::stoi(month) - 1)] = *names;
    }
  }
  inputs.RecordTipHistory = LastValue(arguments, "--tip-history").has_value();
  inputs.CreepDiagram = LastValue(arguments, "--creep").value_or("");
  inputs.TemperatureFactorDiagram = LastValue(arguments, "--phi").value_or("");
  return true;
}

// A climate's sets are looked for only in the months the dates reach: a
// month without its set stops the run before the first day.
bool CheckClimateSets(const Workspace& workspace, const std::string& climate, const CreepRunInputs& inputs,
                      std::ostream& err) {
  const std::vector<int> made = ClimateSetMonths(workspace, climate);
  for (std::int32_t month : MonthsOfTheRun(inputs)) {
    if (std::find(made.begin(), made.end(), month) != made.end()) continue;
    err << MissingClimateSetText(workspace, climate, month) << "\n";
    return false;
  }
  return true;
}

// The message box's CR LF becomes a line end of the output.
void PrintClosingMessage(std::ostream& out, const std::string& message) {
  for (const std::string& line : SplitList(message, '\n')) {
    const bool endsInReturn = !line.empty() && line.back() == '\r';
    out << std::string_view(line).substr(0, line.size() - (endsInReturn ? 1 : 0)) << "\n";
  }
}

}  // namespace

std::string CreepDatesText() { return FormatDate(1, 1, kFirstCreepYear) + " to " + FormatDate(31, 12, kLastCreepYear); }

std::string StepRefusal(const std::string& text) {
  return "--step takes one of " + OfferedTimeStepsText(", ") + ", not '" + text + "'";
}

std::optional<double> ParseStep(const std::string& text) {
  if (text.empty() || text.find_first_not_of("0123456789.") != std::string::npos) return std::nullopt;
  // The whole text must be the number, as for --hour: "0.25.9" is a typing
  // mistake, not 0.25.
  const std::optional<double> hours = TryWholeNumericValue(text);
  if (!hours || !IsOfferedTimeStep(*hours)) return std::nullopt;
  return hours;
}

int RunCreepCommand(const ParsedArguments& arguments, std::ostream& out, std::ostream& err, bool showProgress,
                    const BatchHooks& hooks) {
  CreepRunInputs inputs;
  if (!ReadInputs(arguments, inputs, err)) return kExitRefused;
  ServiceabilityLimits limits;
  if (!ReadLimits(arguments, limits, err)) return kExitRefused;

  // The folder as given: the workspace drops a trailing separator, so "/" is "" there.
  const std::string folder = LastValue(arguments, "--folder").value_or(".");
  if (!CheckFolder(folder, err)) return kExitRefused;
  const Workspace workspace(folder);
  MainDataTexts mainData;
  if (!LoadValidMainData(workspace, mainData, err)) return kExitRefused;
  // The run's own checks, every diagram of every month and the report's place
  // come before any diagram is opened, so a refused command changes no file
  // and a diagram that cannot be used stops it before the first day.
  if (auto message = CheckCreepInputs(inputs)) {
    err << *message << "\n";
    return kExitRefused;
  }
  const std::optional<std::string> climate = LastValue(arguments, "--climate");
  if (climate && !CheckClimateSets(workspace, *climate, inputs, err)) return kExitRefused;
  // A climate's sets of months the dates never reach need not be there.
  const std::vector<NamedDiagram> diagrams =
      CreepDiagramPlan(inputs, climate ? UnreachedMonths::NotLookedFor : UnreachedMonths::LookedFor);
  if (!CheckRunDiagrams(workspace, diagrams, err)) return kExitRefused;
  const ReportTarget target = ChooseReportTarget(arguments, workspace, kCreepReportFileName);
  const std::optional<ReportTarget> historyTarget =
      ChosenTarget(arguments, "--tip-history", "The tip history CSV file");
  std::vector<ReportTarget> outputs{target};
  if (historyTarget) outputs.push_back(*historyTarget);
  if (!CheckOutputTargets(outputs, FilesRead(workspace, diagrams), err)) return kExitRefused;
  std::optional<std::string> pdf;
  if (!ChoosePdfTarget(arguments, hooks, FilesRead(workspace, diagrams), outputs, pdf, err)) return kExitRefused;

  SectionGrid grid;
  std::vector<std::string> results;
  BatchFeedback feedback(err, showProgress ? "day" : "");
  const CreepOutcome outcome = RunCreep(grid, workspace, mainData, inputs, feedback, results, AvailableMemoryBytes());
  if (showProgress) err << "\n";
  if (outcome.End == RunEnd::Refused) {
    err << outcome.Message << "\n";
    return kExitRefused;
  }
  if (outcome.End != RunEnd::Completed) {
    err << "The run was stopped: a diagram could not be used.\n";
    return kExitRefused;
  }
  // With the report or the history on the standard output, the messages go
  // beside it.
  std::ostream& messages = target.StandardOutput || (historyTarget && historyTarget->StandardOutput) ? err : out;
  PrintClosingMessage(messages, outcome.Message);

  const auto write = [&](const ReportTarget& to, const std::vector<std::string>& lines) {
    return WriteReport(
        to,
        [&lines](const std::function<void(std::string_view)>& line) {
          for (const std::string& text : lines) line(text);
        },
        to.StandardOutput ? out : messages, err, hooks);
  };
  int status = write(target, results);
  if (status == kExitDone && historyTarget) status = write(*historyTarget, TipHistoryCsvLines(grid.TipHistory));
  const auto result =
      std::make_shared<const CreepResult>(TakeCreepResult(grid, inputs, std::move(results), outcome.Days));
  if (status == kExitDone) {
    PrintServiceability(messages, CreepServiceability(result->Column.Height, result->Column.Profiles, limits));
    if (pdf) {
      CalculationReport calculation;
      calculation.Limits = limits;
      calculation.Creep = result;
      calculation.CreepReportFile = SavedReportFile(target);
      status = WritePdfReport(*pdf, calculation, arguments, hooks, messages, err);
    }
  }
  return JudgeDoubt(JudgeResults(status, CreepProfilesAreFinite(result->Column), err), StepRelaxationNotice(outcome),
                    err);
}

}  // namespace kolvane::batch
