#include "core/common/column_folder_title.h"

#include <algorithm>

#include "core/common/program_info.h"

namespace kolvane {

std::string ColumnWindowTitle(const std::string& folder, const std::string& home) {
  std::string shown = folder;
  std::string base = home;
  while (base.size() > 1 && base.back() == '/') base.pop_back();
  const bool usable = !base.empty() && base != "/";
  if (usable && folder.starts_with(base) && (folder.size() == base.size() || folder[base.size()] == '/'))
    shown = "~" + folder.substr(base.size());
  return ProgramTitle() + " - " + shown;
}

std::vector<std::string> WithRecentFolder(std::vector<std::string> recent, const std::string& opened) {
  recent.erase(std::remove(recent.begin(), recent.end(), opened), recent.end());
  recent.insert(recent.begin(), opened);
  if (recent.size() > kRecentFolderCount) recent.resize(kRecentFolderCount);
  return recent;
}

}  // namespace kolvane
