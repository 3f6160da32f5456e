#include "core/engine/finite_results.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

namespace kolvane {
namespace {

bool AllFinite(const std::vector<double>& values) {
  return std::all_of(values.begin(), values.end(), [](double value) { return std::isfinite(value); });
}

bool AllFinite(std::initializer_list<double> values) {
  return std::all_of(values.begin(), values.end(), [](double value) { return std::isfinite(value); });
}

bool AllFinite(std::initializer_list<const std::vector<double>*> arrays) {
  return std::all_of(arrays.begin(), arrays.end(), [](const std::vector<double>* array) { return AllFinite(*array); });
}

}  // namespace

bool ThermoElasticResultsAreFinite(const SectionGrid& g) {
  const bool centroidsFinite = std::all_of(g.Centroid.begin(), g.Centroid.end(), [](const BlockPoint& point) {
    return std::isfinite(point.X) && std::isfinite(point.Y);
  });
  return centroidsFinite &&
         AllFinite({g.ConcreteArea, g.IExact, g.IxApprox, g.IyApprox, g.SunPosition, g.AmbientTemp, g.SurfaceTemp,
                    g.TipX, g.TipY, g.TipZ}) &&
         AllFinite({&g.SectorAngle, &g.BlockArea, &g.AxialForce, &g.AngleToSun, &g.ExtVariation, &g.IntVariation,
                    &g.BlockTemp, &g.FreeStrain, &g.Eo, &g.Kx, &g.Ky, &g.SlopeX, &g.SlopeY, &g.DeflX, &g.DeflY,
                    &g.DeflZ});
}

bool CreepProfilesAreFinite(const SectionGrid& grid) {
  for (const DeflectionProfile& profile : grid.Profiles) {
    if (!AllFinite({profile.TipX, profile.TipY, profile.TipZ}) ||
        !AllFinite({&profile.DeflX, &profile.DeflY, &profile.DeflZ}))
      return false;
  }
  return true;
}

}  // namespace kolvane
