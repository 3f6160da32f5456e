#include "core/creep/profiles.h"

namespace kolvane {

void ClearProfiles(SectionGrid& grid) { grid.Profiles.clear(); }

void StoreProfile(SectionGrid& grid, const std::string& dateText) {
  grid.Profiles.push_back({dateText, grid.DeflX, grid.DeflY, grid.DeflZ, grid.TipX, grid.TipY, grid.TipZ});
}

}  // namespace kolvane
