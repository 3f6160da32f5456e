#pragma once
// The name the user gives a diagram in the editor (see also diagram_name.h).

#include <string>
#include <vector>

namespace kolvane {

inline constexpr const char* kDiagramOverwriteQuestion =
    "The new file name you propose already exists and it will be overwritten. Should I proceed?";
inline constexpr const char* kInvalidDiagramNameMessage = "The diagram name is invalid.";

// True when `proposed` is a new name (letter case aside) that names another
// diagram of the list (letter case aside): saving would replace that diagram.
bool RenameOverwritesAnother(const std::string& proposed, const std::string& currentName,
                             const std::vector<std::string>& listedNames);

}  // namespace kolvane
