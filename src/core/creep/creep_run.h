#pragma once
// The creep solution: from the main data, the diagrams of every month, a
// creep function and a temperature factor diagram, the column is walked day
// by day from a starting to an ending date in equal time steps; its concrete
// creeps under the thermal stresses, and deflection profiles are stored at
// chosen days and at the end.

#include <array>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/work_feedback.h"
#include "core/common/workspace.h"
#include "core/creep/calendar.h"
#include "core/diagrams/open_diagram.h"
#include "core/engine/run_diagrams.h"
#include "core/engine/run_end.h"
#include "core/engine/section_grid.h"
#include "core/maindata/main_data.h"

namespace kolvane {

// The years a run may span: from kFirstCreepYear a century on, as far as the
// normalised creep function's time axis reaches.
inline constexpr std::int32_t kFirstCreepYear = 2000;
inline constexpr std::int32_t kLastCreepYear = 2100;

// Why a date cannot be a run's first or last day.
enum class CreepDateCheck {
  Valid,
  DoesNotExist,  // not a day of the calendar (31/2, month 13, day 0)
  OutsideYears,  // before kFirstCreepYear or after kLastCreepYear
};
CreepDateCheck CheckCreepDate(const CalendarDate& date);

// The store fields take up to kStoreFieldDigits characters, or nothing: the
// profile interval whole days, the profile hour a number of hours that may
// have one decimal point (14.5).
inline constexpr int kStoreFieldDigits = 6;
bool IsStoreFieldText(std::string_view text);
bool IsStoreHourText(std::string_view text);

// What the creep window (or the batch tool) hands a run. An empty name is a
// row without a diagram; a date part or step that is not set is nothing.
struct CreepRunInputs {
  // [month 0..11]: the diagrams of kinds 1 to 5 of each month.
  std::array<RunDiagramNames, 12> MonthDiagrams;
  std::string CreepDiagram;              // kind 6
  std::string TemperatureFactorDiagram;  // kind 7
  std::optional<double> TimeStep;        // hours, one of the offered steps
  std::optional<std::int32_t> StartDay, StartMonth, StartYear;
  std::optional<std::int32_t> EndDay, EndMonth, EndYear;
  std::string StoreEveryText;  // days, read as a number and rounded; empty reads 0
  std::string StoreAtText;     // hour of the day of the stored profiles; empty reads 0
  // Keep the tip at StoreAt at the end of every day in SectionGrid::TipHistory.
  bool RecordTipHistory = false;
};

// The first message that stops a run before it starts, shown as an "Error".
std::optional<std::string> CheckCreepInputs(const CreepRunInputs& inputs);

// The months (1..12) from the first day's to the last day's, at most all
// twelve: those whose diagrams the run opens. The dates must be set.
std::set<std::int32_t> MonthsOfTheRun(const CreepRunInputs& inputs);

// Bytes a creep run holds at its peak: the thermo-elastic arrays, the creep
// store of I * J * K strains (K rounded up to whole tiles), the day's buffers
// and the stored profiles with their report lines.
std::uint64_t CreepBytesNeeded(std::int32_t I, std::int32_t J, std::int32_t K, std::size_t stepsPerDay,
                               std::int64_t profileCount);

// Refused: an input check or the grid size (the grid is unchanged unless
// memory ran out during the run in spite of the check); Completed: the results
// list is complete, Message is the closing message; Cancelled: the feedback
// said stop, the results list is emptied; Stopped: a diagram could not be used.
struct CreepOutcome {
  RunEnd End = RunEnd::Refused;
  std::string Message;  // Refused: the "Error" message; Completed: the closing message
  std::int32_t Days = 0;
  // The largest E' * Phi * dC of the run's steps (see LargestStepRelaxation)
  // and the day of its step.
  double LargestStepRelaxation = 0;
  CalendarDate LargestRelaxationDate{};
};

// The notice of a completed run one of whose steps relaxed more than the
// whole stress, or nothing: its results are not reliable.
std::optional<std::string> StepRelaxationNotice(const CreepOutcome& outcome);

// The whole run. `results` is the results list: emptied and filled as the run
// goes (its head is there while the days are computed), emptied again when
// the run does not complete. Diagrams are opened from `workspace` as the
// solution windows open them: kinds 6 and 7 at the start, kinds 1 to 5 at the
// start of every month, their incidents to `feedback`. Before every day the
// feedback may cancel the run; it is then told the day ("Calculating date :
// 12/03/2027") and the days done of the run's, and before a profile is stored
// at the end of a day, that day ("Storing deflections : 12/03/2027").
// `availableBytes` 0 means unknown (not checked);
// `threads` 0 means one per core.
CreepOutcome RunCreep(SectionGrid& grid, const Workspace& workspace, const MainDataTexts& mainData,
                      const CreepRunInputs& inputs, WorkFeedback& feedback, std::vector<std::string>& results,
                      std::uint64_t availableBytes, unsigned threads = 0);

}  // namespace kolvane
