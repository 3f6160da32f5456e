#include "core/creep/creep_run.h"

#include <charconv>
#include <chrono>
#include <new>

#include "core/common/numeric_reading.h"
#include "core/creep/creep_day.h"
#include "core/creep/creep_report.h"
#include "core/creep/creep_step.h"
#include "core/creep/profiles.h"
#include "core/creep/time_steps.h"
#include "core/diagrams/diagram_kinds.h"
#include "core/diagrams/diagram_name.h"
#include "core/engine/column_data.h"
#include "core/engine/grid_memory.h"
#include "core/engine/stages.h"
#include "core/thermoelastic/thermo_elastic_run.h"

namespace kolvane {

namespace {

std::string NotValid(DiagramKind kind) {
  return std::string("The ") + DiagramKindTable(kind).KindName + " diagram is not valid.";
}

bool Named(const std::string& name) { return !TrimmedDiagramName(name).empty(); }

std::optional<std::string> CheckDiagramChoices(const CreepRunInputs& inputs) {
  for (const DiagramKind kind : kTemperatureKinds)
    for (const auto& month : inputs.MonthDiagrams)
      if (!Named(month[TemperatureSlot(kind)])) return NotValid(kind);
  // A creep run without a creep function, or with one left from an earlier
  // run, is not a result.
  if (!Named(inputs.CreepDiagram)) return NotValid(kNormalisedCreep);
  if (!Named(inputs.TemperatureFactorDiagram)) return NotValid(kNormalisedTemperature);
  return std::nullopt;
}

std::optional<std::string> CheckDatesSet(const CreepRunInputs& in) {
  const std::pair<const std::optional<std::int32_t>*, const char*> parts[] = {
      {&in.StartDate.Day, "You haven't set the starting day."},
      {&in.StartDate.Month, "You haven't set the starting month."},
      {&in.StartDate.Year, "You haven't set the starting year."},
      {&in.EndDate.Day, "You haven't set the ending day."},
      {&in.EndDate.Month, "You haven't set the ending month."},
      {&in.EndDate.Year, "You haven't set the ending year."},
  };
  for (const auto& [part, message] : parts)
    if (!part->has_value()) return message;
  return std::nullopt;
}

CalendarDate StartOf(const CreepRunInputs& in) { return *in.StartDate.Date(); }
CalendarDate EndOf(const CreepRunInputs& in) { return *in.EndDate.Date(); }

std::optional<std::string> DateRefusal(const CalendarDate& date, const char* which) {
  switch (CheckCreepDate(date)) {
    case CreepDateCheck::Valid:
      return std::nullopt;
    case CreepDateCheck::DoesNotExist:
      // A date the calendar does not have would never be reached by the walk.
      return std::string("The ") + which + " date " + FormatDate(date) + " does not exist.";
    case CreepDateCheck::OutsideYears:
      return std::string("The ") + which + " date " + FormatDate(date) + " is outside the years " +
             std::to_string(kFirstCreepYear) + " to " + std::to_string(kLastCreepYear) + ".";
  }
  return std::nullopt;
}

std::optional<std::string> CheckDateOrder(const CalendarDate& start, const CalendarDate& end) {
  if (auto message = DateRefusal(start, "starting")) return message;
  if (auto message = DateRefusal(end, "ending")) return message;
  if (end.Year < start.Year || (end.Year == start.Year && end.Month < start.Month))
    return "The ending date cannot be earlier than the starting date.";
  if (end.Year == start.Year && end.Month == start.Month && end.Day <= start.Day)
    return "The ending date cannot be earlier than or equal to the starting date.";
  return std::nullopt;
}

std::int32_t StoreEveryOf(const CreepRunInputs& in) { return CountValue(NumericValue(in.StoreEveryText)); }

std::int64_t ProfilesStored(std::int64_t days, std::int32_t storeEvery) {
  return (storeEvery > 0 ? days / storeEvery : 0) + 1;
}

// What the walk needs besides the grid.
struct Walk {
  const kolvane::Workspace& Workspace;
  const CreepRunInputs& Inputs;
  WorkFeedback& Feedback;
  CalendarDate Start, End;
  std::int64_t DayCount;
  std::int32_t StoreEvery;
  double StoreAt;
};

// The run opens its diagrams by their trimmed names, as it checks them.
bool OpenDiagram(const Walk& walk, SectionGrid& grid, const std::string& name, DiagramKind kind) {
  return OpenRunDiagram(grid, walk.Workspace, TrimmedDiagramName(name), kind, FeedbackIncidents(walk.Feedback));
}

bool OpenMonthDiagrams(const Walk& walk, SectionGrid& grid, std::int32_t month) {
  RunDiagramNames names = walk.Inputs.MonthDiagrams[static_cast<std::size_t>(month - 1)];
  for (std::string& name : names) name = TrimmedDiagramName(name);
  return OpenRunDiagrams(grid, walk.Workspace, names, FeedbackIncidents(walk.Feedback));
}

// The deflections at the profile hour with the creep reached so far.
void StoreProfileAt(SectionGrid& grid, CreepDay& day, double hour, const CalendarDate& date) {
  day.Curvatures(grid, hour);
  CalculateDeflections(grid);
  StoreProfile(grid, FormatDate(date));
}

// The day's tip at the profile hour, as a stored profile has it; on a day a
// profile was just stored the grid holds those very deflections.
void RecordTip(SectionGrid& grid, CreepDay& day, double hour, const CalendarDate& date, bool profileStored) {
  if (!profileStored) {
    day.Curvatures(grid, hour);
    CalculateDeflections(grid);
  }
  grid.TipHistory.push_back({date.Day, date.Month, date.Year, grid.TipX, grid.TipY, grid.TipZ});
}

// The step that relaxed most so far, and its day.
void NoteRelaxation(const CreepDay& day, const CalendarDate& date, CreepOutcome& outcome) {
  if (day.LargestRelaxation() <= outcome.LargestStepRelaxation) return;
  outcome.LargestStepRelaxation = day.LargestRelaxation();
  outcome.LargestRelaxationDate = date;
}

RunEnd WalkTheDays(const Walk& walk, SectionGrid& grid, CreepDay& day, CreepOutcome& outcome) {
  const std::vector<double> hours = StepHoursOfDay(grid.TimeStep);
  std::int32_t storedCount = 0;
  CalendarDate date = walk.Start;
  bool monthStarts = true;
  for (;;) {
    if (monthStarts && !OpenMonthDiagrams(walk, grid, date.Month)) return RunEnd::Stopped;
    grid.DayNumber = grid.DayNumber + 1;
    if (walk.Feedback.Cancelled()) return RunEnd::Cancelled;
    walk.Feedback.Status("Calculating date : " + FormatDate(date));
    walk.Feedback.Progress(grid.DayNumber - 1, walk.DayCount);
    day.Run(grid, hours);
    NoteRelaxation(day, date, outcome);
    const bool storing = walk.StoreEvery > 0 && grid.DayNumber / walk.StoreEvery > storedCount;
    if (storing) {
      walk.Feedback.Status("Storing deflections : " + FormatDate(date));
      StoreProfileAt(grid, day, walk.StoreAt, date);
      storedCount = storedCount + 1;
    }
    if (walk.Inputs.RecordTipHistory) RecordTip(grid, day, walk.StoreAt, date, storing);
    if (date == walk.End) return RunEnd::Completed;
    const CalendarDate next = NextDate(date);
    monthStarts = next.Month != date.Month;
    date = next;
  }
}

std::int32_t SecondsSince(std::chrono::steady_clock::time_point start) {
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  return CountValue(elapsed.count());
}

CreepOutcome RunChecked(SectionGrid& grid, const Walk& walk, const MainData& data, std::vector<std::string>& results,
                        unsigned threads) {
  // Elapsed time from a monotonic clock: the wall clock may jump, and a run
  // may cross midnight and month ends.
  const auto started = std::chrono::steady_clock::now();
  CopyMainData(grid, data);
  results = CreepMainDataLines(grid);
  results.push_back(">> Calculating Geometry...");
  CalculateGeometry(grid);
  results.push_back(">> Preliminary Calculations...");
  CalculatePreliminaries(grid);
  results.push_back(">> Initialising...");
  ResetCreepStrains(grid);
  ClearProfiles(grid);
  grid.TipHistory.clear();
  grid.DiagramsRead.clear();
  if (walk.Inputs.RecordTipHistory) grid.TipHistory.reserve(static_cast<std::size_t>(walk.DayCount));

  grid.TimeStep = *walk.Inputs.TimeStep;
  grid.DayNumber = 0;
  if (!OpenDiagram(walk, grid, walk.Inputs.CreepDiagram, kNormalisedCreep) ||
      !OpenDiagram(walk, grid, walk.Inputs.TemperatureFactorDiagram, kNormalisedTemperature)) {
    results.clear();
    return {RunEnd::Stopped, {}, grid.DayNumber};
  }
  for (std::string& line : CreepSettingsLines(walk.Start, walk.End, grid.TimeStep, walk.StoreEvery, walk.StoreAt))
    results.push_back(std::move(line));

  CreepDay day(threads);
  CreepOutcome outcome;
  const RunEnd end = WalkTheDays(walk, grid, day, outcome);
  if (end != RunEnd::Completed) {
    results.clear();
    return {end, {}, grid.DayNumber};
  }
  StoreProfileAt(grid, day, walk.StoreAt, walk.End);
  AppendProfileLines(grid, results);
  outcome.End = RunEnd::Completed;
  outcome.Message = ClosingMessage(grid.DayNumber, SecondsSince(started));
  outcome.Days = grid.DayNumber;
  return outcome;
}

}  // namespace

std::optional<std::string> StepRelaxationNotice(const CreepOutcome& outcome) {
  if (outcome.End != RunEnd::Completed || !(outcome.LargestStepRelaxation > kLargestTrustedRelaxation))
    return std::nullopt;
  // Two decimals, whatever the user's locale.
  char factor[400];
  const auto written =
      std::to_chars(factor, factor + sizeof factor, outcome.LargestStepRelaxation, std::chars_format::fixed, 2);
  return "One creep step relaxes more than the whole stress (factor " + std::string(factor, written.ptr) + " on " +
         FormatDate(outcome.LargestRelaxationDate) +
         "): the results are not reliable; use a shorter time step or a smoother creep function.";
}

CreepDateCheck CheckCreepDate(const CalendarDate& date) {
  if (!IsValidDate(date)) return CreepDateCheck::DoesNotExist;
  if (date.Year < kFirstCreepYear || date.Year > kLastCreepYear) return CreepDateCheck::OutsideYears;
  return CreepDateCheck::Valid;
}

bool IsStoreFieldText(std::string_view text) {
  return text.size() <= static_cast<std::size_t>(kStoreFieldDigits) &&
         text.find_first_not_of("0123456789") == std::string_view::npos;
}

bool IsStoreHourText(std::string_view text) {
  const std::size_t point = text.find('.');
  if (point == std::string_view::npos) return IsStoreFieldText(text);
  return text.size() <= static_cast<std::size_t>(kStoreFieldDigits) &&
         text.find('.', point + 1) == std::string_view::npos &&
         text.find_first_not_of("0123456789.") == std::string_view::npos;
}

std::optional<std::string> CheckCreepInputs(const CreepRunInputs& inputs) {
  if (auto message = CheckDiagramChoices(inputs)) return message;
  if (!inputs.TimeStep || !IsOfferedTimeStep(*inputs.TimeStep)) return "You haven't set the time interval.";
  if (auto message = CheckDatesSet(inputs)) return message;
  if (auto message = CheckDateOrder(StartOf(inputs), EndOf(inputs))) return message;
  const double storeAt = NumericValue(inputs.StoreAtText);
  if (storeAt > kLastHourOfDay || storeAt < 0)
    return "The time of the day for the storing of the deflection profiles is invalid: it must be " + HourRangeText() +
           ".";
  return std::nullopt;
}

std::set<std::int32_t> MonthsOfTheRun(const CreepRunInputs& inputs) {
  std::set<std::int32_t> months;
  const CalendarDate end = EndOf(inputs);
  // The first of every month from the first day's to the last day's.
  CalendarDate first = StartOf(inputs);
  first.Day = 1;
  while (months.size() < 12 && !IsEarlier(end, first)) {
    months.insert(first.Month);
    first.Day = DaysInMonth(first.Month, first.Year);
    first = NextDate(first);
  }
  return months;
}

std::uint64_t CreepBytesNeeded(std::int32_t I, std::int32_t J, std::int32_t K, std::size_t stepsPerDay,
                               std::int64_t profileCount) {
  const std::uint64_t blocks = static_cast<std::uint64_t>(I > 0 ? I : 0) * static_cast<std::uint64_t>(J > 0 ? J : 0);
  const std::uint64_t slices = static_cast<std::uint64_t>(K > 0 ? K : 0);
  const std::uint64_t tiledSlices = (slices + kCreepTileSlices - 1) / kCreepTileSlices * kCreepTileSlices;
  const std::uint64_t store = blocks * tiledSlices * sizeof(double);
  // Per profile: three displacement arrays, the record and its four report lines.
  const std::uint64_t perProfile =
      (slices + 1) * 3 * sizeof(double) + sizeof(DeflectionProfile) + 4 * std::uint64_t{64};
  const std::uint64_t profiles = static_cast<std::uint64_t>(profileCount > 0 ? profileCount : 0) * perProfile;
  return ThermoElasticBytesNeeded(I, J, K) + store + CreepDay().BufferBytes(I, J, stepsPerDay) + profiles;
}

CreepOutcome RunCreep(SectionGrid& grid, const Workspace& workspace, const MainDataTexts& mainData,
                      const CreepRunInputs& inputs, WorkFeedback& feedback, std::vector<std::string>& results,
                      std::uint64_t availableBytes, unsigned threads) {
  if (auto message = CheckCreepInputs(inputs)) return {RunEnd::Refused, *message, 0};
  const MainData data = MainDataFromTexts(mainData);
  const Walk walk{workspace,
                  inputs,
                  feedback,
                  StartOf(inputs),
                  EndOf(inputs),
                  DaysFromTo(StartOf(inputs), EndOf(inputs)),
                  StoreEveryOf(inputs),
                  NumericValue(inputs.StoreAtText)};
  const std::uint64_t history =
      inputs.RecordTipHistory ? static_cast<std::uint64_t>(walk.DayCount) * sizeof(TipSample) : 0;
  const std::uint64_t needed = CreepBytesNeeded(data.I, data.J, data.K, StepHoursOfDay(*inputs.TimeStep).size(),
                                                ProfilesStored(walk.DayCount, walk.StoreEvery)) +
                               history;
  if (auto message = GridTooLargeMessage(needed, availableBytes)) return {RunEnd::Refused, *message, 0};
  try {
    return RunChecked(grid, walk, data, results, threads);
  } catch (const std::bad_alloc&) {
    // The machine promised more than it could give (other programs took it
    // meanwhile): the same refusal, after the fact.
    results.clear();
    return {RunEnd::Refused, GridTooLargeText(needed, availableBytes), 0};
  }
}

}  // namespace kolvane
