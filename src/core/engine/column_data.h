#pragma once
// The column's main data as every run takes it into the engine and lists it
// at the head of its report.

#include <string>
#include <vector>

#include "core/engine/section_grid.h"
#include "core/maindata/main_data.h"

namespace kolvane {

// I, J, K, Height, IRadius, ERadius, F, E, UnitLoad, RefTemp, AThermal, in
// this order.
void CopyMainData(SectionGrid& grid, const MainData& data);

// "Column Height :120 m." to "Number Of Slices :75": the eleven lines that
// describe the column in a report.
std::vector<std::string> ColumnDataLines(const SectionGrid& grid);

}  // namespace kolvane
