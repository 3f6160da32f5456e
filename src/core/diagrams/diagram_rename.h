#pragma once
// The name the user gives a diagram in the editor.

#include <string>
#include <string_view>
#include <vector>

namespace kolvane {

inline constexpr const char* kDiagramOverwriteQuestion =
    "The new file name you propose already exists and it will be overwritten. Should I proceed?";
inline constexpr const char* kInvalidDiagramNameMessage = "The diagram name is invalid.";

// The name without leading and trailing blanks, as it is saved.
std::string TrimmedDiagramName(std::string_view text);

// True when `proposed` is a new name (letter case aside) that names another
// diagram of the list (letter case aside): saving would replace that diagram.
bool RenameOverwritesAnother(const std::string& proposed, const std::string& currentName,
                             const std::vector<std::string>& listedNames);

}  // namespace kolvane
