#pragma once
// The main window's caption names the open column folder, and the folders
// opened last are offered again: both stated here, without a window.

#include <cstddef>
#include <string>
#include <vector>

namespace kolvane {

// "Kolvane 1.0.0 - /path/to/column"; a folder inside `home` (or home itself)
// is shown from "~". Home matches only whole folder names: /home/ann does not
// shorten /home/anna.
std::string ColumnWindowTitle(const std::string& folder, const std::string& home);

inline constexpr std::size_t kRecentFolderCount = 6;

// `opened` at the front of `recent`, any earlier mention of it dropped, the
// list cut to kRecentFolderCount.
std::vector<std::string> WithRecentFolder(std::vector<std::string> recent, const std::string& opened);

}  // namespace kolvane
