#pragma once
// The result of each kind of run as a value that owns everything it shows:
// its inputs (the main data, the diagrams with the digests of their files,
// the hour or dates, step and store settings) and its outputs. Nothing in a
// result points into the engine's working state, so a later run of any kind
// leaves it as it was.

#include <cstdint>
#include <string>
#include <vector>

#include "core/creep/creep_run.h"
#include "core/engine/section_grid.h"
#include "core/maindata/main_data.h"
#include "core/results/serviceability.h"
#include "core/thermoelastic/daily_orbit.h"

namespace kolvane {

// A thermo-elastic run: the whole state its stages left, taken over from the
// grid it ran on (its report and section plot read it), and the hour as typed.
struct ThermoElasticResult {
  SectionGrid Grid;
  std::string HourText;
  TipState Tip() const;
};

// Takes the state of a completed run out of `grid`, which is left empty.
ThermoElasticResult TakeThermoElasticResult(SectionGrid& grid, std::string hourText);

struct OrbitResult {
  MainData Column;
  double Step = 0;  // hours
  std::vector<DiagramRead> Diagrams;
  std::vector<OrbitPoint> Points;
};

// A creep run's dates, step and store settings, as the run read them.
struct CreepSettings {
  CalendarDate Start, End;
  double TimeStep = 0;  // hours
  std::int32_t StoreEvery = 0;
  double StoreAt = 0;  // hour of the day
};
// The settings of inputs that CheckCreepInputs accepted.
CreepSettings CreepSettingsOf(const CreepRunInputs& inputs);

struct CreepResult {
  // The main data, the stored profiles, the tip history and the diagrams
  // read; none of the working arrays.
  SectionGrid Column;
  CreepRunInputs Inputs;  // the diagrams named for every month
  CreepSettings Settings;
  std::vector<std::string> ReportLines;  // as the results list shows them and Creep.txt holds them
  std::int32_t Days = 0;
};

// Takes the profiles, tip history and diagrams of a completed run out of
// `grid` (the large creep store stays behind).
CreepResult TakeCreepResult(SectionGrid& grid, const CreepRunInputs& inputs, std::vector<std::string> reportLines,
                            std::int32_t days);

// The main data as a table: the field's name, its value as the reports write
// it, and its unit.
struct MainDataRow {
  std::string Name, Value, Unit;
};
std::vector<MainDataRow> MainDataTable(const SectionGrid& column);
std::vector<MainDataRow> MainDataTable(const MainData& column);

// "January : summer, summer, summer, summer, summer", one line per month.
std::vector<std::string> MonthDiagramLines(const CreepRunInputs& inputs);

}  // namespace kolvane
