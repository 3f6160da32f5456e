#include "core/thermoelastic/thermo_elastic_run.h"

#include <algorithm>
#include <iterator>
#include <new>

#include "core/common/number_text.h"
#include "core/common/numeric_reading.h"
#include "core/diagrams/diagram_kinds.h"
#include "core/engine/column_data.h"
#include "core/engine/grid_memory.h"
#include "core/engine/stages.h"

namespace kolvane {

namespace {

std::optional<std::string> CheckHour(const std::string& hourText) {
  const double hour = NumericValue(hourText);
  if (hour < 0 || hour > kLastHourOfDay) return "The hour you selected is invalid: it must be " + HourRangeText() + ".";
  return std::nullopt;
}

std::optional<std::string> CheckGridSize(const MainDataTexts& mainData, std::uint64_t availableBytes) {
  const MainData data = MainDataFromTexts(mainData);
  return GridTooLargeMessage(ThermoElasticBytesNeeded(data.I, data.J, data.K), availableBytes);
}

}  // namespace

std::string HourRangeText() { return "from 0 to " + NumberText(kLastHourOfDay) + " h"; }

std::optional<std::string> CheckThermoElasticInputs(const ThermoElasticInputs& inputs) {
  if (auto message = CheckHour(inputs.HourText)) return message;
  for (int kind = 1; kind <= kRunDiagramCount; ++kind)
    if (inputs.Diagrams[static_cast<std::size_t>(kind - 1)].empty())
      return std::string("You haven't selected the ") + DiagramKindTable(kind).KindName + " diagram.";
  return std::nullopt;
}

std::optional<std::string> CheckThermoElasticRun(const MainDataTexts& mainData, const ThermoElasticInputs& inputs,
                                                 std::uint64_t availableBytes) {
  if (auto message = CheckThermoElasticInputs(inputs)) return message;
  return CheckGridSize(mainData, availableBytes);
}

namespace {

// The stages in order, with a step of `feedback` before each; false when it
// cancelled them. The equilibrium check's groups are steps of their own.
bool RunStages(SectionGrid& grid, WorkFeedback& feedback) {
  using Stage = void (*)(SectionGrid&);
  const Stage before[] = {CalculateGeometry,    CalculatePreliminaries,        CalculateTemperatures,
                          CalculateFreeStrains, ResetCreepStrainsWithoutStore, CalculateCurvatures};
  const std::int64_t checkFirst = std::size(before);
  const std::int64_t total = checkFirst + EquationCheckGroups(grid.K) + 1;
  std::int64_t done = 0;
  for (Stage stage : before) {
    if (feedback.Cancelled()) return false;
    feedback.Progress(done++, total);
    stage(grid);
  }
  PartFeedback check(feedback, checkFirst, total);
  if (!VerifyEquations(grid, check)) return false;
  if (feedback.Cancelled()) return false;
  feedback.Progress(total - 1, total);
  CalculateDeflections(grid);
  return true;
}

}  // namespace

ThermoElasticOutcome RunThermoElasticOnLoadedDiagrams(SectionGrid& grid, const MainDataTexts& mainData,
                                                      const std::string& hourText, std::uint64_t availableBytes,
                                                      WorkFeedback& feedback) {
  if (auto message = CheckHour(hourText)) return {RunEnd::Refused, *message};
  if (auto message = CheckGridSize(mainData, availableBytes)) return {RunEnd::Refused, *message};
  const MainData data = MainDataFromTexts(mainData);
  const std::uint64_t needed = ThermoElasticBytesNeeded(data.I, data.J, data.K);

  CopyMainData(grid, data);
  grid.Hour = NumericValue(hourText);
  try {
    if (!RunStages(grid, feedback)) return {RunEnd::Cancelled, {}};
  } catch (const std::bad_alloc&) {
    // The machine promised more than it could give (other programs took it
    // meanwhile): the same refusal, after the fact.
    return {RunEnd::Refused, GridTooLargeText(needed, availableBytes)};
  }
  return {RunEnd::Completed, {}};
}

ThermoElasticOutcome RunThermoElastic(SectionGrid& grid, const Workspace& workspace, const MainDataTexts& mainData,
                                      const ThermoElasticInputs& inputs, WorkFeedback& feedback,
                                      std::uint64_t availableBytes) {
  if (auto message = CheckThermoElasticRun(mainData, inputs, availableBytes)) return {RunEnd::Refused, *message};
  grid.DiagramsRead.clear();
  if (!OpenRunDiagrams(grid, workspace, inputs.Diagrams, FeedbackIncidents(feedback))) return {RunEnd::Stopped, {}};
  return RunThermoElasticOnLoadedDiagrams(grid, mainData, inputs.HourText, availableBytes, feedback);
}

}  // namespace kolvane
