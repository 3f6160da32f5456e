#include "core/creep/profiles.h"

namespace kolvane {

void ClearProfiles(SectionGrid& grid) {
  grid.ProfileCount = 0;
  grid.Profiles.assign(1, DeflectionProfile{});
}

void StoreProfile(SectionGrid& grid, const std::string& dateText) {
  grid.ProfileCount = grid.ProfileCount + 1;
  grid.Profiles.push_back({dateText, grid.DeflX, grid.DeflY, grid.DeflZ, grid.TipX, grid.TipY, grid.TipZ});
}

}  // namespace kolvane
