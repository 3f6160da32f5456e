#pragma once
// The name the user gives a diagram in the editor (see also diagram_name.h).

#include <string>
#include <vector>

namespace kolvane {

inline constexpr const char* kDiagramOverwriteQuestion =
    "The new file name you propose already exists and it will be overwritten. Should I proceed?";
inline constexpr const char* kInvalidDiagramNameMessage = "The diagram name is invalid.";

// True when `proposed` differs from the current name and a listed diagram has
// exactly that name: saving would replace that diagram. Letter case counts,
// as it does in file names here.
bool RenameOverwritesAnother(const std::string& proposed, const std::string& currentName,
                             const std::vector<std::string>& listedNames);

}  // namespace kolvane
