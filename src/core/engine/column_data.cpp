#include "core/engine/column_data.h"

#include "core/common/number_text.h"

namespace kolvane {

void CopyMainData(SectionGrid& grid, const MainData& data) {
  grid.I = data.I;
  grid.J = data.J;
  grid.K = data.K;
  grid.Height = data.Height;
  grid.IRadius = data.IRadius;
  grid.ERadius = data.ERadius;
  grid.F = data.F;
  grid.E = data.E;
  grid.UnitLoad = data.UnitLoad;
  grid.RefTemp = data.RefTemp;
  grid.AThermal = data.AThermal;
}

std::vector<std::string> ColumnDataLines(const SectionGrid& g) {
  return {
      "Column Height :" + NumberText(g.Height) + " m.",
      "Internal Radius :" + NumberText(g.IRadius) + " m.",
      "External Radius :" + NumberText(g.ERadius) + " m.",
      "Compression Force :" + NumberText(g.F) + " MN.",
      "Elastic Modulus :" + NumberText(g.E) + " GPa.",
      "Unit Load :" + NumberText(g.UnitLoad) + " KN/m³.",
      "Reference Temperature :" + NumberText(g.RefTemp) + " oC.",
      "Coefficient of thermal expansion :" + NumberText(g.AThermal) + " 1/oC.",
      "Number Of Rings :" + NumberText(g.I),
      "Number Of Sectors :" + NumberText(g.J),
      "Number Of Slices :" + NumberText(g.K),
  };
}

}  // namespace kolvane
