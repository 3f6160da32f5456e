#include "core/results/run_results.h"

#include <utility>

#include "core/common/number_text.h"
#include "core/common/numeric_reading.h"
#include "core/creep/calendar.h"
#include "core/engine/column_data.h"

namespace kolvane {
namespace {

MainData MainDataOf(const SectionGrid& grid) {
  MainData data;
  data.Height = grid.Height;
  data.IRadius = grid.IRadius;
  data.ERadius = grid.ERadius;
  data.UnitLoad = grid.UnitLoad;
  data.E = grid.E;
  data.F = grid.F;
  data.I = grid.I;
  data.J = grid.J;
  data.K = grid.K;
  data.RefTemp = grid.RefTemp;
  data.AThermal = grid.AThermal;
  return data;
}

}  // namespace

TipState ThermoElasticResult::Tip() const {
  return {Grid.TipX, Grid.TipY, Grid.SlopeX.empty() ? 0.0 : Grid.SlopeX.back(),
          Grid.SlopeY.empty() ? 0.0 : Grid.SlopeY.back()};
}

ThermoElasticResult TakeThermoElasticResult(SectionGrid& grid, std::string hourText) {
  ThermoElasticResult result{std::move(grid), std::move(hourText)};
  grid = SectionGrid{};
  return result;
}

CreepSettings CreepSettingsOf(const CreepRunInputs& inputs) {
  return {*inputs.StartDate.Date(), *inputs.EndDate.Date(), *inputs.TimeStep,
          CountValue(NumericValue(inputs.StoreEveryText)), NumericValue(inputs.StoreAtText)};
}

CreepResult TakeCreepResult(SectionGrid& grid, const CreepRunInputs& inputs, std::vector<std::string> reportLines,
                            std::int32_t days) {
  CreepResult result;
  CopyMainData(result.Column, MainDataOf(grid));
  result.Column.Profiles = std::move(grid.Profiles);
  result.Column.TipHistory = std::move(grid.TipHistory);
  result.Column.DiagramsRead = std::move(grid.DiagramsRead);
  grid.Profiles.clear();
  grid.TipHistory.clear();
  grid.DiagramsRead.clear();
  result.Inputs = inputs;
  result.Settings = CreepSettingsOf(inputs);
  result.ReportLines = std::move(reportLines);
  result.Days = days;
  return result;
}

std::vector<MainDataRow> MainDataTable(const MainData& c) {
  return {{"Column height", NumberText(c.Height), "m"},
          {"Internal radius", NumberText(c.IRadius), "m"},
          {"External radius", NumberText(c.ERadius), "m"},
          {"Unit load of the concrete", NumberText(c.UnitLoad), "kN/m³"},
          {"Elastic modulus", NumberText(c.E), "GPa"},
          {"Compression force at the top", NumberText(c.F), "MN"},
          {"Number of rings", NumberText(c.I), ""},
          {"Number of sectors", NumberText(c.J), ""},
          {"Number of slices", NumberText(c.K), ""},
          {"Reference temperature", NumberText(c.RefTemp), "°C"},
          {"Coefficient of thermal expansion", NumberText(c.AThermal), "1/°C"}};
}

std::vector<MainDataRow> MainDataTable(const SectionGrid& column) { return MainDataTable(MainDataOf(column)); }

std::vector<std::string> MonthDiagramLines(const CreepRunInputs& inputs) {
  std::vector<std::string> lines;
  for (std::size_t month = 0; month < inputs.MonthDiagrams.size(); ++month) {
    std::string line = std::string(kMonthNames[month]) + " :";
    for (std::size_t n = 0; n < inputs.MonthDiagrams[month].size(); ++n)
      line += (n == 0 ? " " : ", ") + inputs.MonthDiagrams[month][n];
    lines.push_back(line);
  }
  return lines;
}

}  // namespace kolvane
