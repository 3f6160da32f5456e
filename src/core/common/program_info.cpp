#include "core/common/program_info.h"

#include "core/common/number_text.h"

namespace kolvane {

std::string VersionText() {
  return NumberText(kVersionMajor) + "." + NumberText(kVersionMinor) + "." + NumberText(kVersionRevision);
}

std::string ProgramTitle() { return std::string(kProductName) + " " + VersionText(); }

}  // namespace kolvane
