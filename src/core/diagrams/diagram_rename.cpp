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

std::string TrimmedDiagramName(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

bool RenameOverwritesAnother(const std::string& proposed, const std::string& currentName,
                             const std::vector<std::string>& listedNames) {
  const std::string upper = UpperCase(proposed);
  if (upper == UpperCase(currentName)) return false;
  return std::any_of(listedNames.begin(), listedNames.end(),
                     [&](const std::string& listed) { return UpperCase(listed) == upper; });
}

}  // namespace kolvane
