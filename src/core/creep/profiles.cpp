#include "core/creep/profiles.h"

namespace kolvane {

void ClearProfiles(SectionGrid& grid) { grid.Profiles.clear(); }

void StoreProfile(SectionGrid& grid, const std::string& dateText) {
  const double slopeX = grid.SlopeX.empty() ? 0.0 : grid.SlopeX.back();
  const double slopeY = grid.SlopeY.empty() ? 0.0 : grid.SlopeY.back();
  grid.Profiles.push_back(
      {dateText, grid.DeflX, grid.DeflY, grid.DeflZ, grid.TipX, grid.TipY, grid.TipZ, slopeX, slopeY});
}

}  // namespace kolvane
