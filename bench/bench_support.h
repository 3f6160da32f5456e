#pragma once
// Inputs the benchmarks share.

#include "core/engine/section_grid.h"

namespace kolvane::bench {

// A summer day's sun, air, surface and face variations (kinds 1 to 5).
inline void LoadSummerDay(SectionGrid& grid) {
  grid.SetLoadedDiagram(1, Diagram{{{0, 0}, {6, 0}, {12, 90}, {18, 180}, {24, 180}}});
  grid.SetLoadedDiagram(2, Diagram{{{0, 14}, {14, 28}, {24, 16}}});
  grid.SetLoadedDiagram(3, Diagram{{{0, 14}, {14, 50}, {24, 16}}});
  grid.SetLoadedDiagram(4, Diagram{{{0, 100}, {90, 25}, {180, 0}}});
  grid.SetLoadedDiagram(5, Diagram{{{0, 30}, {90, 5}, {180, 0}}});
}

}  // namespace kolvane::bench
