#include <cmath>

#include "core/engine/stages.h"

namespace kolvane {

void CalculateTemperatures(SectionGrid& grid) {
  // One lookup point for every lookup: a lookup outside a diagram leaves Y as
  // the previous lookup set it. Repaired diagrams cover their kinds' whole X
  // ranges, and hours outside 0..24 are refused before a run.
  DiagramPoint point;
  point.X = grid.Hour;
  InterpolateDiagram(grid.LoadedDiagram(kSunPosition), point);
  grid.SunPosition = point.Y;
  InterpolateDiagram(grid.LoadedDiagram(kAmbientTemperature), point);
  grid.AmbientTemp = point.Y;
  InterpolateDiagram(grid.LoadedDiagram(kSurfaceTemperature), point);
  grid.SurfaceTemp = point.Y;

  const auto sectors = static_cast<std::size_t>(grid.J);
  Recreate(grid.AngleToSun, sectors);
  const double sun = RadiansFromDegrees(grid.SunPosition);
  for (std::size_t j = 0; j < sectors; ++j) {
    double angle = grid.SectorAngle[j] - sun;
    if (angle > kPi) angle = angle - 2 * kPi;  // one wrap only
    grid.AngleToSun[j] = angle;
  }

  Recreate(grid.ExtVariation, sectors);
  for (std::size_t j = 0; j < sectors; ++j) {
    point.X = std::fabs(DegreesFromRadians(grid.AngleToSun[j]));
    InterpolateDiagram(grid.LoadedDiagram(kExternalTemperatureVariation), point);
    grid.ExtVariation[j] = point.Y;
  }
  Recreate(grid.IntVariation, sectors);
  for (std::size_t j = 0; j < sectors; ++j) {
    point.X = std::fabs(DegreesFromRadians(grid.AngleToSun[j]));
    InterpolateDiagram(grid.LoadedDiagram(kInternalTemperatureVariation), point);
    grid.IntVariation[j] = point.Y;
  }

  Recreate(grid.BlockTemp, grid.BlockCount());
  const double thickness = (grid.ERadius - grid.IRadius) / grid.I;
  const double warming = grid.SurfaceTemp - grid.AmbientTemp;
  for (std::int32_t j = 1; j <= grid.J; ++j) {
    const double inner = 0.01 * grid.IntVariation[j - 1] * warming + grid.AmbientTemp;
    const double outer = 0.01 * grid.ExtVariation[j - 1] * warming + grid.AmbientTemp;
    for (std::int32_t i = 1; i <= grid.I; ++i) {
      const double depth = (i - 0.5) * thickness;
      grid.BlockTemp[grid.Block(i, j)] = (outer - inner) * (depth / (grid.ERadius - grid.IRadius)) + inner;
    }
  }
}

}  // namespace kolvane
