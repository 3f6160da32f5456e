#include <cmath>

#include "core/engine/stages.h"

namespace kolvane {

void CalculateGeometry(SectionGrid& grid) {
  const double sectorWidth = 2 * kPi / grid.J;
  Recreate(grid.SectorAngle, static_cast<std::size_t>(grid.J));
  for (std::int32_t j = 1; j <= grid.J; ++j) grid.SectorAngle[j - 1] = (j - 0.5) * sectorWidth;

  const double thickness = (grid.ERadius - grid.IRadius) / grid.I;
  Recreate(grid.BlockArea, static_cast<std::size_t>(grid.I));
  for (std::int32_t i = 1; i <= grid.I; ++i) {
    const double r1 = (i - 1) * thickness + grid.IRadius;
    const double r2 = r1 + thickness;
    grid.BlockArea[i - 1] = (Square(r2) - Square(r1)) * kPi / grid.J;
  }

  grid.Centroid.assign(grid.BlockCount(), BlockPoint{});
  for (std::int32_t j = 1; j <= grid.J; ++j) {
    const double angle = grid.SectorAngle[j - 1];
    const double cosine = std::cos(angle);
    const double sine = std::sin(angle);
    for (std::int32_t i = 1; i <= grid.I; ++i) {
      const double r = (i - 0.5) * thickness + grid.IRadius;
      grid.Centroid[grid.Block(i, j)] = {r * cosine, r * sine};
    }
  }

  grid.ConcreteArea = (Square(grid.ERadius) - Square(grid.IRadius)) * kPi;
  grid.IExact = (std::pow(grid.ERadius, 4) - std::pow(grid.IRadius, 4)) * kPi / 4;
}

}  // namespace kolvane
