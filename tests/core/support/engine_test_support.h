#pragma once
// Small engine states for tests.

#include "core/engine/section_grid.h"
#include "core/maindata/main_data.h"

namespace kolvane::testing {

// A grid with the given counts and radii and harmless other data.
inline SectionGrid ChimneyGrid(std::int32_t rings, std::int32_t sectors, std::int32_t slices, double inner,
                               double outer) {
  SectionGrid grid;
  grid.I = rings;
  grid.J = sectors;
  grid.K = slices;
  grid.IRadius = inner;
  grid.ERadius = outer;
  grid.Height = 100;
  grid.UnitLoad = 25;
  grid.E = 30;
  grid.F = 2;
  grid.RefTemp = 15;
  grid.AThermal = 1e-5;
  return grid;
}

// The five diagrams of a run, with the sun, air and surface constant over the
// day and both face variations 100 % everywhere.
inline void LoadFlatDiagrams(SectionGrid& grid, double sun, double ambient, double surface) {
  grid.SetLoadedDiagram(1, Diagram{{{0, sun}, {24, sun}}});
  grid.SetLoadedDiagram(2, Diagram{{{0, ambient}, {24, ambient}}});
  grid.SetLoadedDiagram(3, Diagram{{{0, surface}, {24, surface}}});
  grid.SetLoadedDiagram(4, Diagram{{{0, 100}, {180, 100}}});
  grid.SetLoadedDiagram(5, Diagram{{{0, 100}, {180, 100}}});
}

// The main data of a 100 m column with radii 1 and 2 and the given counts.
inline MainDataTexts ColumnTexts(const char* rings, const char* sectors, const char* slices) {
  return {"100", "1", "2", "25", "30", "2", rings, sectors, slices, "20", "1E-05"};
}

// Flat sun, air and surface diagrams, the outer face warmed most where the
// sun looks and the inner face less.
inline SectionGrid GridWithDiagrams() {
  SectionGrid grid;
  LoadFlatDiagrams(grid, 90, 15, 35);
  grid.SetLoadedDiagram(4, Diagram{{{0, 100}, {180, 0}}});
  grid.SetLoadedDiagram(5, Diagram{{{0, 40}, {180, 0}}});
  return grid;
}

}  // namespace kolvane::testing
