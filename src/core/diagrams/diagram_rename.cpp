#include "core/diagrams/diagram_rename.h"

#include <algorithm>

namespace kolvane {
namespace {

std::string UpperCase(std::string text) {
  // Letters beyond ASCII are left alone: two names that differ in them are
  // two files here, so no question is lost by it.
  std::transform(text.begin(), text.end(), text.begin(),
                 [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; });
  return text;
}

}  // namespace

bool RenameOverwritesAnother(const std::string& proposed, const std::string& currentName,
                             const std::vector<std::string>& listedNames) {
  const std::string upper = UpperCase(proposed);
  if (upper == UpperCase(currentName)) return false;
  return std::any_of(listedNames.begin(), listedNames.end(),
                     [&](const std::string& listed) { return UpperCase(listed) == upper; });
}

}  // namespace kolvane
