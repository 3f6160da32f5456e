#include "core/diagrams/diagram_rename.h"

#include <algorithm>

namespace kolvane {

// Names are compared exactly: file names on Linux differ by letter case, so
// "Winter" beside "winter" is a new file, and a change of case alone renames.
bool RenameOverwritesAnother(const std::string& proposed, const std::string& currentName,
                             const std::vector<std::string>& listedNames) {
  if (proposed == currentName) return false;
  return std::find(listedNames.begin(), listedNames.end(), proposed) != listedNames.end();
}

}  // namespace kolvane
