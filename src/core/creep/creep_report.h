#pragma once
// The lines a creep run lists and "Creep.txt" holds, and the message that
// closes a completed run. A report has some dozens of lines plus four per
// stored profile, so it is kept as a plain list.

#include <cstdint>
#include <string>
#include <vector>

#include "core/common/text_file.h"
#include "core/creep/calendar.h"
#include "core/engine/section_grid.h"

namespace kolvane {

inline constexpr const char* kCreepReportFileName = "Creep.txt";

// ">> Main Data..." and the eleven lines of the column.
std::vector<std::string> CreepMainDataLines(const SectionGrid& grid);

// The dates, the step and, when profiles are stored during the run, the
// interval and the hour.
std::vector<std::string> CreepSettingsLines(const CalendarDate& start, const CalendarDate& end, double timeStep,
                                            std::int32_t storeEvery, double storeAt);

// ">> Tip Deflection Calculations..." and the date and three tip deflections
// of every stored profile.
void AppendProfileLines(const SectionGrid& grid, std::vector<std::string>& lines);

// " 2 hours 5 minutes 1 second": a piece for every non-zero part, each
// starting with a blank; nothing under one second.
std::string ElapsedText(std::int32_t seconds);

// "Calculation is completed. N days were calculated.", CR LF, and
// "Calculation time : " with the elapsed text.
std::string ClosingMessage(std::int32_t days, std::int32_t seconds);

// Every line in Latin-1 with CR LF, replacing the file only once complete.
WriteResult SaveCreepReport(const std::vector<std::string>& lines, const std::string& path);

}  // namespace kolvane
