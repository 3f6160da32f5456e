#pragma once

#include <string>
#include <vector>

namespace kolvane {

// The names of the regular files in `folder` whose names end in "." + extension
// (matched exactly: this file system tells "dg1" from "DG1"), with or without
// that ending, sorted by SortNames. Empty when the folder cannot be read.
std::vector<std::string> ListFiles(const std::string& folder, const std::string& extension, bool withExtension);

// Ascending, case-insensitive order by character codes. A name and a longer
// name that begins with it (case aside) are never exchanged with each other,
// so they keep the order the other exchanges leave them in.
void SortNames(std::vector<std::string>& names);

}  // namespace kolvane
